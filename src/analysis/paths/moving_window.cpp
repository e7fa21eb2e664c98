#include "analysis/paths/moving_window.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>

#include "draws/draw_tables.h"
#include "draws/work_area.h"
#include "platform/box_reaction.h"
#include "platform/dialogs.h"
#include "platform/error_handler.h"
#include "platform/form_controls.h"
#include "platform/memo_lines.h"
#include "platform/memo_output.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "platform/string_grid.h"
#include "platform/window_links.h"

namespace {

int RunCount(const QRadioButton* one, const QRadioButton* two) {
    return one->isChecked() ? 1 : two->isChecked() ? 2 : 3;
}

// Offset rows 2 and 3 show as far as the run count reaches.
void ShowOffsetRows(int count, std::initializer_list<QWidget*> row2, std::initializer_list<QWidget*> row3) {
    for (QWidget* w : row2)
        w->setVisible(count >= 2);
    for (QWidget* w : row3)
        w->setVisible(count >= 3);
}

// Refills a list and keeps the text the box shows, as the layout's texts are the defaults.
void Refill(QComboBox* box, const QStringList& items) {
    const QSignalBlocker block(box);
    const QString text = box->currentText();
    box->clear();
    box->addItems(items);
    box->setEditText(text);
}

std::string Text(const QComboBox* box) {
    return ss(box->currentText());
}

} // namespace

TForm_rk_moving::TForm_rk_moving(const DrawTables& draws, WorkArea& work, Services& services,
                                 WindowLinks& links, QWidget* parent)
    : QDialog(parent), draws_(draws), work_(work), services_(services), links_(links),
      moving_detail_(std::make_unique<MovingDetail>()) {
    ui.setupUi(*this);
    connectHandlers();
}

void TForm_rk_moving::connectHandlers() {
    Dialogs& dialogs = services_.dialogs;
    const auto onText = [&](QComboBox* box, void (TForm_rk_moving::*handler)()) {
        ConnectBox(*box, BoxReacts::OnChange, dialogs, [this, handler] { (this->*handler)(); });
    };
    const auto onClick = [&](auto* button, void (TForm_rk_moving::*handler)()) {
        connect(button, &std::remove_pointer_t<decltype(button)>::clicked, this,
                Guarded(dialogs, [this, handler] { (this->*handler)(); }));
    };
    onClick(ui.rb_L, &TForm_rk_moving::rb_LClick);
    onClick(ui.rb_S, &TForm_rk_moving::rb_LClick);
    connect(ui.PageControl1, &QTabWidget::currentChanged, this,
            Guarded(dialogs, [this] { PageControl1Change(); }));
    for (QComboBox* box : {ui.cb_lastw, ui.cb_order, ui.cb_pm1, ui.cb_pmx1, ui.cb_pm2, ui.cb_pmx2, ui.cb_pm3})
        onText(box, &TForm_rk_moving::cb_lastwChange);
    onText(ui.cb_pmx3, &TForm_rk_moving::rb_1to1Click);
    for (QRadioButton* radio : {ui.rb_1to1, ui.rb_2to1, ui.rb_3to1})
        onClick(radio, &TForm_rk_moving::rb_1to1Click);
    for (QComboBox* box : {ui.cb_av_lastw, ui.cb_av1, ui.cb_av2, ui.cb_av3, ui.cb_av_pm1, ui.cb_av_pm2,
                           ui.cb_av_pm3, ui.cb_av_pmx1, ui.cb_av_pmx2, ui.cb_av_pmx3})
        onText(box, &TForm_rk_moving::cb_av_lastwChange);
    for (QRadioButton* radio : {ui.rb_av_1to1, ui.rb_av_2to1, ui.rb_av_3to1})
        onClick(radio, &TForm_rk_moving::rb_av_1to1Click);
    connect(ui.sgl, &StringGrid::clicked, this, [this, &dialogs](const QModelIndex& index) {
        RunGuarded(dialogs, [&] {
            sglSelectCell(index.column() + ui.sgl->FixedCols(), index.row() + ui.sgl->FixedRows());
        });
    });
    connect(ui.sgl, &StringGrid::customContextMenuRequested, this,
            [this](const QPoint& at) { ui.PopupMenu1->popup(ui.sgl->viewport()->mapToGlobal(at)); });
    connect(ui.N1, &QAction::triggered, this, Guarded(dialogs, [this] { N1Click(); }));
    onClick(ui.SpeedButton3, &TForm_rk_moving::SpeedButton3Click);
    onClick(ui.SpeedButton4, &TForm_rk_moving::SpeedButton4Click);
    onClick(ui.SpeedButton5, &TForm_rk_moving::SpeedButton5Click);
    onClick(ui.SpeedButton6, &TForm_rk_moving::SpeedButton6Click);
    onClick(ui.SpeedButton1, &TForm_rk_moving::SpeedButton1Click);
    onClick(ui.SpeedButton2, &TForm_rk_moving::SpeedButton2Click);
    connect(ui.BitBtn1, &QPushButton::clicked, this, &QDialog::close);
    KeepEnterInBoxes(*this);
}

void TForm_rk_moving::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        RunGuarded(services_.dialogs, [this] { FormShow(); });
}

void TForm_rk_moving::fillLists() {
    const QStringList lookBacks = NumberItems(1, MovingLookBackMax);
    const QStringList positions = NumberItems(1, MovingPositionMax);
    const QStringList sizes = NumberItems(0, draws_.MaxNo - 1);
    for (QComboBox* box : {ui.cb_lastw, ui.cb_av_lastw})
        Refill(box, lookBacks);
    for (QComboBox* box : {ui.cb_order, ui.cb_av1, ui.cb_av2, ui.cb_av3})
        Refill(box, positions);
    for (QComboBox* box : {ui.cb_pmx1, ui.cb_pmx2, ui.cb_pmx3, ui.cb_av_pmx1, ui.cb_av_pmx2, ui.cb_av_pmx3})
        Refill(box, sizes);
}

void TForm_rk_moving::FormShow() {
    fillLists();
    ui.sgl->SetRowCount(draws_.DrawCount + 2);
    show_map(2);
    rb_LClick();
    PageControl1Change();
}

void TForm_rk_moving::rb_LClick() {
    const bool drawn = ui.rb_L->isChecked();
    FillWorkOrder(draws_, work_, drawn);
    moving_ballmode_ = MovingBallMode(drawn);
    show_map(drawn ? 1 : 2);
    if (ui.PageControl1->currentIndex() == 0)
        show_moving1();
    else
        show_moving2();
}

void TForm_rk_moving::PageControl1Change() {
    if (ui.PageControl1->currentIndex() == 0)
        show_moving1();
    else
        show_moving2();
}

void TForm_rk_moving::showPage(int index) {
    {
        const QSignalBlocker block(ui.PageControl1);
        ShowOwnPage(*ui.PageControl1, ui.PageControl1->widget(index));
    }
    RunGuarded(services_.dialogs, [this] { PageControl1Change(); });
}

void TForm_rk_moving::cb_lastwChange() {
    show_moving1();
}

void TForm_rk_moving::rb_1to1Click() {
    ShowOffsetRows(RunCount(ui.rb_1to1, ui.rb_2to1), {ui.Label3, ui.cb_pm2, ui.cb_pmx2},
                   {ui.Label16, ui.cb_pm3, ui.cb_pmx3});
    show_moving1();
}

void TForm_rk_moving::cb_av_lastwChange() {
    show_moving2();
}

void TForm_rk_moving::rb_av_1to1Click() {
    ShowOffsetRows(RunCount(ui.rb_av_1to1, ui.rb_av_2to1), {ui.Label8, ui.cb_av_pm2, ui.cb_av_pmx2},
                   {ui.Label17, ui.cb_av_pm3, ui.cb_av_pmx3});
    show_moving2();
}

void TForm_rk_moving::show_map(int mode) {
    TextTable grid = ui.sgl->table();
    ::show_map(grid, draws_, work_, mode);
    ui.sgl->setTable(std::move(grid));
}

MovingPageTexts TForm_rk_moving::page1Texts() const {
    return {Text(ui.cb_lastw),
            {Text(ui.cb_order), "", ""},
            {Text(ui.cb_pm1), Text(ui.cb_pm2), Text(ui.cb_pm3)},
            {Text(ui.cb_pmx1), Text(ui.cb_pmx2), Text(ui.cb_pmx3)},
            RunCount(ui.rb_1to1, ui.rb_2to1)};
}

MovingPageTexts TForm_rk_moving::page2Texts() const {
    return {Text(ui.cb_av_lastw),
            {Text(ui.cb_av1), Text(ui.cb_av2), Text(ui.cb_av3)},
            {Text(ui.cb_av_pm1), Text(ui.cb_av_pm2), Text(ui.cb_av_pm3)},
            {Text(ui.cb_av_pmx1), Text(ui.cb_av_pmx2), Text(ui.cb_av_pmx3)},
            RunCount(ui.rb_av_1to1, ui.rb_av_2to1)};
}

void TForm_rk_moving::show_moving1() {
    showMoving(page1Texts(), false);
}

void TForm_rk_moving::show_moving2() {
    showMoving(page2Texts(), true);
}

void TForm_rk_moving::showMoving(const MovingPageTexts& texts, bool average) {
    const std::optional<MovingRule> rule = ReadMovingRule(texts, average, draws_.MaxNo);
    if (!rule)
        return; // a text no integer of its list: the grid keeps what it shows
    TextTable grid = ui.sgl->table();
    try {
        ShowMoving(draws_, work_, moving_ballmode_, *rule, grid, *moving_detail_);
    } catch (...) {
        ui.sgl->setTable(std::move(grid)); // the rows done before the error stay on screen
        throw;
    }
    ui.sgl->setTable(std::move(grid));
}

void TForm_rk_moving::sglSelectCell(int column, int row) {
    const QComboBox* lookBack = ui.PageControl1->currentIndex() == 0 ? ui.cb_lastw : ui.cb_av_lastw;
    const std::optional<std::string> line =
        MovingRowDetail(*moving_detail_, Text(lookBack), column, row, draws_.DrawCount);
    if (line)
        ui.Memo1->appendPlainText(qs(*line));
}

void TForm_rk_moving::SpeedButton3Click() {
    const QRadioButton* kind = ui.rb_1to1->isChecked()   ? ui.rb_1to1
                               : ui.rb_2to1->isChecked() ? ui.rb_2to1
                                                         : ui.rb_3to1;
    const QString title = qs(MovingRuleTitle(page1Texts(), false, moving_ballmode_, ss(kind->text())));
    ui.Memo1->appendPlainText(title);
    services_.dialogs.showMessage(title + QStringLiteral("\n(已存入版路明細)"));
}

void TForm_rk_moving::SpeedButton4Click() {
    const QRadioButton* kind = ui.rb_av_1to1->isChecked()   ? ui.rb_av_1to1
                               : ui.rb_av_2to1->isChecked() ? ui.rb_av_2to1
                                                            : ui.rb_av_3to1;
    const QString title = qs(MovingRuleTitle(page2Texts(), true, moving_ballmode_, ss(kind->text())));
    ui.Memo1->appendPlainText(title);
    services_.dialogs.showMessage(title + QStringLiteral("\n(已存入版路明細)"));
}

void TForm_rk_moving::SpeedButton5Click() {
    services_.dialogs.showMessage(QStringLiteral("點[預測欄]就可以產生版路明細"));
}

void TForm_rk_moving::SpeedButton6Click() {
    links_.show_memo(QStringLiteral("help_moving.txt"));
}

void TForm_rk_moving::N1Click() {
    links_.show_memo_rpt(MemoLines(*ui.Memo1));
}

void TForm_rk_moving::SpeedButton1Click() {
    SaveMemo(
        *ui.Memo1, services_.dialogs,
        SaveFileRequest{QString(), QStringLiteral("純文字檔案(*.txt)"), QStringLiteral("txt"), QString()});
}

void TForm_rk_moving::SpeedButton2Click() {
    ui.Memo1->clear();
}
