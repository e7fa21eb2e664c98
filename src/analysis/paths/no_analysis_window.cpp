#include "analysis/paths/no_analysis_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QToolButton>

#include "analysis/paths/no_analysis_counts.h"
#include "analysis/paths/path_rules_check.h"
#include "draws/drag_handover.h"
#include "draws/draw_tables.h"
#include "draws/path_rules.h"
#include "platform/box_reaction.h"
#include "platform/dialogs.h"
#include "platform/error_handler.h"
#include "platform/memo_output.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "platform/string_grid.h"
#include "platform/window_links.h"

TForm_rk_no_analysis::TForm_rk_no_analysis(const DrawTables& draws, const DragHandOver& drag,
                                           const PathRules& rules, Services& services, WindowLinks& links,
                                           QWidget* parent)
    : QDialog(parent), draws_(draws), drag_(drag), rules_(rules), services_(services), links_(links) {
    ui.setupUi(*this);
    ConnectBox(*ui.cb_lt, BoxReacts::OnChange, services_.dialogs, [this] { cb_ltChange(); });
    connect(ui.cb_sort, &QCheckBox::clicked, this, Guarded(services_.dialogs, [this] { cb_ltChange(); }));
    connect(ui.sb_getno, &QPushButton::clicked, this,
            Guarded(services_.dialogs, [this] { sb_getnoClick(); }));
    connect(ui.SpeedButton1, &QToolButton::clicked, this,
            Guarded(services_.dialogs, [this] { SpeedButton1Click(); }));
    connect(ui.SpeedButton3, &QToolButton::clicked, this,
            Guarded(services_.dialogs, [this] { SpeedButton3Click(); }));
    connect(ui.SpeedButton4, &QToolButton::clicked, this,
            Guarded(services_.dialogs, [this] { SpeedButton4Click(); }));
    connect(ui.BitBtn1, &QPushButton::clicked, this, &QDialog::close);
    KeepEnterInBoxes(*this);
}

void TForm_rk_no_analysis::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        RunGuarded(services_.dialogs, [this] { FormShow(); });
}

void TForm_rk_no_analysis::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TForm_rk_no_analysis::FormShow() {
    ui.lb_ruletitle->setText(qs(drag_.RuleTitle));
    rows_ = FilledTraceRows(drag_, MaxDraws);
    {
        const QSignalBlocker quiet(ui.cb_lt);
        ui.cb_lt->clear();
        ui.cb_lt->addItems(qsList(PeriodChoices(rows_)));
        ui.cb_lt->setEditText(QString::number(rows_));
    }
    const QString groups[] = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                              QStringLiteral("D"), QStringLiteral("E"), QStringLiteral("F"),
                              QStringLiteral("G"), QStringLiteral("H")};
    for (int c = 0; c < 8; ++c)
        ui.sga4->SetCell(c, 0, groups[c]);
    ui.sga5->setVisible(draws_.MaxNo >= 43);
    ui.Ed_result->setText(QStringLiteral("??"));
    show_analysis(QString::number(rows_));
    sb_getnoClick();
}

void TForm_rk_no_analysis::FormClose() {
    ui.lb_ruletitle->clear();
}

void TForm_rk_no_analysis::cb_ltChange() {
    show_analysis(ui.cb_lt->currentText());
}

void TForm_rk_no_analysis::show_analysis(const QString& periods) {
    const std::optional<int> count = ReadPeriodCount(ss(periods));
    if (!count) {
        services_.dialogs.messageDialog(QStringLiteral("您輸入的數字錯誤,請重新輸入"), DialogKind::Error,
                                        DialogButtons::Yes);
        return;
    }
    const AnalysisCells cells = AnalysisGridCells(CountRecentRows(drag_, rows_, *count, draws_.MaxNo),
                                                  draws_.MaxNo, ui.cb_sort->isChecked());
    StringGrid* const numberGrids[] = {ui.sga1, ui.sga2, ui.sga5};
    for (std::size_t k = 0; k < cells.numbers.size(); ++k) {
        StringGrid* grid = numberGrids[k / AnalysisGridColumns];
        const int column = static_cast<int>(k % AnalysisGridColumns);
        grid->SetCell(column, 0, qs(cells.numbers[k].heading));
        grid->SetCell(column, 1, qs(cells.numbers[k].count));
    }
    for (std::size_t t = 0; t < cells.tails.size(); ++t) {
        ui.sga3->SetCell(static_cast<int>(t), 0, qs(cells.tails[t].heading));
        ui.sga3->SetCell(static_cast<int>(t), 1, qs(cells.tails[t].count));
    }
}

void TForm_rk_no_analysis::sb_getnoClick() {
    const RulePrediction prediction = PredictByRules(drag_, rules_, FilledTraceRows(drag_, draws_.DrawCount),
                                                     draws_.MaxNo, ss(ui.lb_ruletitle->text()));
    ui.Ed_result->setText(qs(prediction.result));
    ui.mmresult->setPlainText(qs(prediction.memo));
}

void TForm_rk_no_analysis::SpeedButton1Click() {
    // The path definition is modal; when it closes the rules are checked again.
    links_.open(WindowId::Form_rk_rule_define);
    sb_getnoClick();
}

void TForm_rk_no_analysis::SpeedButton3Click() {
    ClearMemo(*ui.mmresult);
}

void TForm_rk_no_analysis::SpeedButton4Click() {
    SaveFileRequest request = MemoSaveRequest(MemoFileKind::Text);
    request.filter = QStringLiteral("純文字檔案(*.txt)");
    SaveMemo(*ui.mmresult, services_.dialogs, request);
}
