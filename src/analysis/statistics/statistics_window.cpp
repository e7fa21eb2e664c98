#include "analysis/statistics/statistics_window.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStackedLayout>
#include <QToolButton>

#include "analysis/statistics/chart_export_window.h"
#include "draws/draw_tables.h"
#include "draws/history_start.h"
#include "platform/box_reaction.h"
#include "platform/clock.h"
#include "platform/date_picker.h"
#include "platform/error_handler.h"
#include "platform/fonts.h"
#include "platform/memo_lines.h"
#include "platform/memo_output.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "platform/window_links.h"
#include "platform/window_shower.h"

namespace {

void StyleValueLabel(QLabel& label, bool red) {
    label.setFont(MingFont(red ? 12 : 10));
    label.setStyleSheet(red ? QStringLiteral("color: red;") : QStringLiteral("color: blue;"));
}

} // namespace

TForm_rk_statistics::TForm_rk_statistics(const DrawTables& draws, Services& services, WindowLinks& links,
                                         std::string chartUploadUrl, QWidget* parent)
    : QDialog(parent), draws_(draws), services_(services), links_(links),
      chartUploadUrl_(std::move(chartUploadUrl)), ranking_(IdentityRanking(draws.MaxNo)) {
    ui.setupUi(*this);
    Dialogs& dialogs = services_.dialogs;
    connect(ui.sb_F1, &QToolButton::clicked, this, Guarded(dialogs, [this] { sb_F1Click(); }));
    connect(ui.sb_F2, &QToolButton::clicked, this, Guarded(dialogs, [this] { sb_F2Click(); }));
    connect(ui.sb_F3, &QToolButton::clicked, this, Guarded(dialogs, [this] { sb_F3Click(); }));
    connect(ui.sb_big, &QToolButton::clicked, this, Guarded(dialogs, [this] { sb_bigClick(); }));
    connect(ui.sb_no, &QToolButton::clicked, this, Guarded(dialogs, [this] { sb_noClick(); }));
    connect(ui.sb_begin, &QToolButton::clicked, this, Guarded(dialogs, [this] { sb_beginClick(); }));
    connect(ui.DateTimePicker1, &QDateEdit::dateChanged, this,
            Guarded(dialogs, [this] { DateTimePicker2Change(); }));
    connect(ui.DateTimePicker2, &QDateEdit::dateChanged, this,
            Guarded(dialogs, [this] { DateTimePicker2Change(); }));
    connect(ui.Button1, &QPushButton::clicked, this, Guarded(dialogs, [this] { Button1Click(); }));
    connect(ui.Button2, &QPushButton::clicked, this, Guarded(dialogs, [this] { Button2Click(); }));
    connect(ui.Button3, &QPushButton::clicked, this, Guarded(dialogs, [this] { Button3Click(); }));
    KeepEnterInBoxes(*this);
}

TForm_rk_statistics::~TForm_rk_statistics() = default;

void TForm_rk_statistics::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        RunGuarded(services_.dialogs, [this] { FormShow(); });
}

StatisticsView TForm_rk_statistics::view() const {
    if (ui.sb_F2->isChecked())
        return StatisticsView::Tails;
    return ui.sb_F3->isChecked() ? StatisticsView::Far : StatisticsView::Numbers;
}

DateRange TForm_rk_statistics::range() const {
    return DateRange{FromQDate(ui.DateTimePicker1->date()), FromQDate(ui.DateTimePicker2->date())};
}

void TForm_rk_statistics::FormShow() {
    {
        const QSignalBlocker block(ui.DateTimePicker2);
        ui.DateTimePicker2->setDate(ToQDate(services_.clock.today()));
    }
    sb_F1Click();
    sb_bigClick();
    ui.lbcount->setText(QString::number(draws_.DrawCount));
}

void TForm_rk_statistics::showNumbersPanel() {
    ShowOwnPage(*ui.Panels, ui.Panel_F1);
}

void TForm_rk_statistics::sb_F1Click() {
    showNumbersPanel();
    ui.sb_begin->setVisible(false);
    ui.sb_big->setVisible(true);
    ui.sb_no->setVisible(true);
    sb_bigClick();
    ui.sb_big->setChecked(true);
}

void TForm_rk_statistics::sb_F2Click() {
    ShowOwnPage(*ui.Panels, ui.Panel_F2);
    ui.sb_begin->setVisible(true);
    ui.sb_big->setVisible(false);
    ui.sb_no->setVisible(false);
    sb_beginClick();
}

void TForm_rk_statistics::sb_F3Click() {
    ui.sb_begin->setVisible(false);
    ui.sb_big->setVisible(true);
    ui.sb_no->setVisible(true);
    sb_bigClick();
    ui.sb_big->setChecked(true);
}

void TForm_rk_statistics::sb_bigClick() {
    switch (view()) {
    case StatisticsView::Numbers:
        F1_btn123();
        break;
    case StatisticsView::Far:
        F3_btn123();
        break;
    case StatisticsView::Tails:
        break;
    }
}

void TForm_rk_statistics::sb_noClick() {
    switch (view()) {
    case StatisticsView::Numbers:
        F1_btn321();
        break;
    case StatisticsView::Far:
        F3_btn321();
        break;
    case StatisticsView::Tails:
        break;
    }
}

// The tail view is recounted only by its own button.
void TForm_rk_statistics::DateTimePicker2Change() {
    sb_bigClick();
    ui.sb_big->setChecked(true);
}

void TForm_rk_statistics::F1_btn123() {
    showRanking(CountNumbers(draws_, range(), true));
}

void TForm_rk_statistics::F1_btn321() {
    showRanking(CountNumbers(draws_, range(), false));
}

void TForm_rk_statistics::F3_btn123() {
    showNumbersPanel();
    showRanking(CountFar(draws_, range(), true));
}

void TForm_rk_statistics::F3_btn321() {
    showNumbersPanel();
    showRanking(CountFar(draws_, range(), false));
}

void TForm_rk_statistics::showRanking(const NumberRanking& ranking) {
    ranking_ = ranking;
    for (int n = 1; n <= StatisticsSlots; ++n) {
        const bool inGame = n <= ranking.numbers;
        ui.Image[n]->setVisible(inGame);
        ui.lb[n]->setVisible(inGame);
        if (!inGame)
            continue;
        ui.lb[n]->setText(qs(ranking.labelText[n]));
        StyleValueLabel(*ui.lb[n], ranking.labelRed[n]);
    }
    for (int slot = 1; slot <= ranking.numbers; ++slot) {
        const int n = ranking.stat_order[slot];
        ui.Image[n]->move(StatisticsForm::ballSlot(slot));
        ui.lb[n]->move(StatisticsForm::labelSlot(slot));
    }
    ui.lbcount->setText(QString::number(ranking.count));
    ui.lb_history_start->setText(qs(HistoryStartNote(draws_, range().from)));
    ui.F1_avrlb->setText(qs(ranking.average));
}

void TForm_rk_statistics::sb_beginClick() {
    const TailCounts tails = CountTails(draws_, range());
    for (int t = 0; t <= 9; ++t)
        ui.F2_lb[t]->setText(qs(tails.labelText[static_cast<std::size_t>(t)]));
    ui.lbcount->setText(QString::number(tails.count));
    ui.lb_history_start->setText(qs(HistoryStartNote(draws_, range().from)));
    ui.F2_avrlb->setText(qs(tails.average));
}

void TForm_rk_statistics::Button1Click() {
    printRanking();
}

void TForm_rk_statistics::Button2Click() {
    copyMemo();
}

void TForm_rk_statistics::Button3Click() {
    showChartExport();
}

void TForm_rk_statistics::printRanking() {
    const QStringList lines = qsList(RankingPrintLines(ranking_));
    SetMemoLines(*ui.Memo1, lines);
    emit printLogoWanted();
    links_.show_memo_rpt(lines);
}

void TForm_rk_statistics::copyMemo() {
    CopyMemo(*ui.Memo1, services_.clipboard);
}

void TForm_rk_statistics::showChartExport() {
    if (!form_rk_stk_chart_)
        form_rk_stk_chart_ = std::make_unique<Tform_rk_stk_chart>(draws_, services_, chartUploadUrl_);
    services_.shower.showModeless(*form_rk_stk_chart_);
    form_rk_stk_chart_->fill(ranking_, view());
}
