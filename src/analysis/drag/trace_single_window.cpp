#include "analysis/drag/trace_single_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include "analysis/drag/drag_queries.h"
#include "common/date.h"
#include "common/errors.h"
#include "common/num_text.h"
#include "draws/drag_handover.h"
#include "draws/draw_loader.h"
#include "draws/draw_tables.h"
#include "platform/box_reaction.h"
#include "platform/dialogs.h"
#include "platform/error_handler.h"
#include "platform/memo_lines.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "platform/string_grid.h"

namespace {

std::string text(const QComboBox* box) {
    return ss(box->currentText());
}

std::string text(const QLabel* label) {
    return ss(label->text());
}

constexpr int CyclePage = 6;

} // namespace

TForm_rk_trace_single::TForm_rk_trace_single(DrawTables& draws, WorkArea& work, DragHandOver& drag,
                                             Services& services, WindowLinks& links, QWidget* parent)
    : QDialog(parent), draws_(draws), work_(work), drag_(drag), services_(services), links_(links) {
    ui.setupUi(*this);
    setWindowState(Qt::WindowMaximized);
    ui.sgmap->horizontalHeader()->setMinimumSectionSize(16);
    ui.sgmap->horizontalHeader()->setDefaultSectionSize(24);
    connectControls();
}

void TForm_rk_trace_single::onUserChange(QComboBox* box, void (TForm_rk_trace_single::*work)()) {
    ConnectBox(*box, BoxReacts::OnChange, services_.dialogs, [this, work] { (this->*work)(); });
}

void TForm_rk_trace_single::onClick(QAbstractButton* button, std::function<void()> work) {
    connect(button, &QAbstractButton::clicked, this, Guarded(services_.dialogs, std::move(work)));
}

void TForm_rk_trace_single::connectControls() {
    using W = TForm_rk_trace_single;
    connect(ui.PageControl1, &QTabWidget::currentChanged, this,
            Guarded(services_.dialogs, [this] { PageControl1Change(); }));
    // Every page's "上一期" and "下一期".
    const auto steps = [this](QAbstractButton* back, QAbstractButton* on, void (W::*step)(int)) {
        onClick(back, [this, step] { (this->*step)(-1); });
        onClick(on, [this, step] { (this->*step)(1); });
    };

    onUserChange(ui.cb_latest, &W::startSingle);
    onUserChange(ui.cb_trno, &W::runSingleQuery);
    steps(ui.SpeedButton1, ui.SpeedButton2, &W::stepSingle);
    onClick(ui.sbpin1, [this] { sbpin1Click(); });
    onUserChange(ui.cbn1, &W::cbn1Change);
    steps(ui.SpeedButton16, ui.SpeedButton17, &W::stepPinned);
    onClick(ui.SpeedButton3, [this] { SpeedButton3Click(); });

    onUserChange(ui.cb_latest2, &W::startPair);
    onUserChange(ui.cb_tr22, &W::runPairQuery);
    steps(ui.SpeedButton6, ui.SpeedButton5, &W::stepPair);

    onUserChange(ui.cb_latest2_3, &W::startTriple);
    onUserChange(ui.cb_tr22_3, &W::runTripleQuery);
    steps(ui.SpeedButton4, ui.SpeedButton7, &W::stepTriple);

    onUserChange(ui.cb_latest3, &W::startSizePosition);
    onUserChange(ui.cb_fix11, &W::runSizePositionQuery);
    onUserChange(ui.cb_fix12, &W::runSizePositionQuery);
    steps(ui.SpeedButton9, ui.SpeedButton8, &W::stepSizePosition);

    onUserChange(ui.cb_latest4, &W::startBallPosition);
    onUserChange(ui.cb_fix21, &W::runBallPositionQuery);
    onUserChange(ui.cb_fix22, &W::runBallPositionQuery);
    steps(ui.SpeedButton12, ui.SpeedButton11, &W::stepBallPosition);

    for (QComboBox* box : {ui.cb_add1, ui.cb_add2, ui.cb_add3, ui.cb_add4})
        onUserChange(box, &W::startAdd);
    steps(ui.SpeedButton14, ui.SpeedButton13, &W::stepAdd);

    onUserChange(ui.cb_latest_ck, &W::startCycle);
    onUserChange(ui.cb_ck, &W::startCycle);
    steps(ui.SpeedButton18, ui.SpeedButton19, &W::stepCycle);

    for (std::size_t i = 0; i < ui.twoOfButtons.size(); ++i) {
        onClick(ui.twoOfButtons[i], [this] { openTwoOf(); });
        onClick(ui.threeOfButtons[i], [this] { openThreeOf(); });
        onClick(ui.gridSortButtons[i], [this] { openSortedGrid(); });
        connect(ui.closeButtons[i], &QPushButton::clicked, this, &QDialog::close);
    }

    connect(ui.N1, &QAction::triggered, this, Guarded(services_.dialogs, [this] { N1Click(); }));
    // 版路定義 here has never had an action behind it.
    ui.N2->setEnabled(false);
    connect(ui.N3, &QAction::triggered, this, Guarded(services_.dialogs, [this] { N3Click(); }));
    connect(ui.N4, &QAction::triggered, this, Guarded(services_.dialogs, [this] { N4Click(); }));
    connect(ui.Excel1, &QAction::triggered, this, Guarded(services_.dialogs, [this] { Excel1Click(); }));
    KeepEnterInBoxes(*this);
}

// ---- showing ----

void TForm_rk_trace_single::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        RunGuarded(services_.dialogs, [this] { FormShow(); });
}

void TForm_rk_trace_single::FormShow() {
    SingleOffset = 0;
    allBaseDraws();
    TraceRows.clear();
    unpin();

    std::vector<std::string> numbers;
    for (int n = 1; n <= draws_.MaxNo; ++n)
        numbers.push_back(NumText(n));
    for (QComboBox* box : {ui.cb_trno, ui.cb_tr22, ui.cbn1, ui.cb_ck})
        refill(*box, numbers, text(box));

    SplitDrawLines(draws_, work_);

    // Every period box starts at the newest draw; page 0's period change runs its first query.
    const std::vector<std::string> periods = RecentPeriods(draws_);
    const std::string newest = PeriodText(draws_, draws_.DrawCount);
    for (QComboBox* box :
         {ui.cb_latest, ui.cb_latest2, ui.cb_latest2_3, ui.cb_latest3, ui.cb_latest4, ui.cb_latest_ck})
        refill(*box, periods, newest);
    showPage(0);
}

void TForm_rk_trace_single::showPage(int index) {
    {
        const QSignalBlocker quiet(ui.PageControl1);
        ShowOwnPage(*ui.PageControl1, ui.PageControl1->widget(index));
    }
    PageControl1Change();
}

void TForm_rk_trace_single::PageControl1Change() {
    chk_highlight();
    switch (ui.PageControl1->currentIndex()) {
    case 0:
        SingleOffset = 0;
        startSingle();
        break;
    case 1:
        PairOffset = 0;
        startPair();
        break;
    case 2:
        TripleOffset = 0;
        startTriple();
        break;
    case 3:
        SizePosOffset = 0;
        startSizePosition();
        break;
    case 4:
        DrawPosOffset = 0;
        startBallPosition();
        break;
    case 5:
        startAdd();
        break;
    case CyclePage:
        CycleOffset = 0;
        startCycle();
        break;
    default:
        break;
    }
}

void TForm_rk_trace_single::chk_highlight() {
    QTabBar* tabs = ui.PageControl1->tabBar();
    for (int i = 0; i < tabs->count(); ++i)
        tabs->setTabTextColor(i, i == tabs->currentIndex() ? QColor(Qt::red)
                                                           : palette().color(QPalette::WindowText));
}

// ---- queries ----

void TForm_rk_trace_single::showRows(std::vector<int> rows, DragMark mark, const std::string& cutText,
                                     void (TForm_rk_trace_single::*labels)()) {
    PublishDragQuery(drag_, draws_, rows, mark, cutText, ui.PageControl1->currentIndex() == CyclePage);
    TraceRows = std::move(rows);
    (this->*labels)();
    ui.sgmap->setTable(drag_.Grid);
    ui.sgmap->SetColWidth(0, 80);
    ui.sgmap->SetColWidth(1, 56);
    SetMemoLines(*ui.Memo1, qsList(drag_.GridCsvLines));
}

void TForm_rk_trace_single::show_single(const std::string& number, int offset) {
    std::vector<int> rows = SingleTargets(draws_, BaseDraws, number, offset);
    SingleRowCount = static_cast<int>(rows.size());
    showRows(std::move(rows), DragMark::Dot, text(ui.cb_latest), &TForm_rk_trace_single::show_lbtridx);
}

void TForm_rk_trace_single::show_two(const std::string& a, const std::string& b, int offset) {
    showRows(PairTargets(draws_, a, b, offset), DragMark::Dot, text(ui.cb_latest2),
             &TForm_rk_trace_single::show_lbtridx2);
}

void TForm_rk_trace_single::show_two_3(const std::string& a, const std::string& b, const std::string& c,
                                       int offset) {
    showRows(TripleTargets(draws_, a, b, c, offset), DragMark::Dot, text(ui.cb_latest2_3),
             &TForm_rk_trace_single::show_lbtridx2_3);
}

void TForm_rk_trace_single::show_fix1(int position, int offset, const std::string& number) {
    showRows(SizePositionTargets(draws_, position, number, offset), DragMark::Dot, text(ui.cb_latest3),
             &TForm_rk_trace_single::show_lbtridx_fix1);
}

void TForm_rk_trace_single::show_fix2(int position, int offset, const std::string& number) {
    showRows(BallPositionTargets(draws_, position, number, offset), DragMark::BallPosition,
             text(ui.cb_latest4), &TForm_rk_trace_single::show_lbtridx_fix2);
}

void TForm_rk_trace_single::show_add(int a, int b, int sign, int k, int offset) {
    // This page has no period: every row is handed over.
    showRows(AddTargets(draws_, a, sign, k, b, offset), DragMark::Dot, "999999",
             &TForm_rk_trace_single::show_lbtridx_add);
}

void TForm_rk_trace_single::show_circle(const std::string& periodText, int cycle, int offset) {
    const CycleRows found = CycleTargets(draws_, periodText, cycle, offset);
    // The hand-over stops at the draw the cycle counted from, also when the text named none.
    showRows(found.rows, DragMark::Dot, PeriodText(draws_, found.usedDraw),
             &TForm_rk_trace_single::show_lbtridx_ck);
}

// ---- labels ----

void TForm_rk_trace_single::show_lbtridx() {
    ui.lbtridx->setText(qs(OffsetLabel(SingleOffset)));
    ui.lbtridx_n1->setText(qs(OffsetLabel(PinOffset)));
    ui.lbn1->setText(ui.lbtridx->text() + QStringLiteral(" ") +
                     qs(PeriodText(draws_, ChosenDraw + SingleOffset)));
    drag_.RuleTitle = ChoiceTitle(text(ui.cb_trno), text(ui.lbtridx));
}

void TForm_rk_trace_single::show_lbtridx2() {
    ui.lbtridx2->setText(qs(OffsetLabel(PairOffset)));
    drag_.RuleTitle = ChoiceTitle(text(ui.cb_tr22), text(ui.lbtridx2));
}

void TForm_rk_trace_single::show_lbtridx2_3() {
    ui.lbtridx2_3->setText(qs(OffsetLabel(TripleOffset)));
    drag_.RuleTitle = ChoiceTitle(text(ui.cb_tr22_3), text(ui.lbtridx2_3));
}

void TForm_rk_trace_single::show_lbtridx_fix1() {
    ui.lbtridx_fix1->setText(qs(OffsetLabel(SizePosOffset)));
    drag_.RuleTitle = SizePositionTitle(text(ui.cb_fix11), text(ui.cb_fix12), text(ui.lbtridx_fix1));
}

void TForm_rk_trace_single::show_lbtridx_fix2() {
    ui.lbtridx_fix2->setText(qs(OffsetLabel(DrawPosOffset)));
    drag_.RuleTitle = BallPositionTitle(text(ui.cb_fix21), text(ui.cb_fix22), text(ui.lbtridx_fix2));
}

void TForm_rk_trace_single::show_lbtridx_add() {
    ui.lbtridx_add->setText(qs(OffsetLabel(AddOffset)));
    drag_.RuleTitle = AddTitle(text(ui.cb_add1), text(ui.cb_add2), text(ui.cb_add3), text(ui.cb_add4),
                               text(ui.lbtridx_add));
}

void TForm_rk_trace_single::show_lbtridx_ck() {
    ui.lbtridx_ck->setText(qs(OffsetLabel(CycleOffset)));
    drag_.RuleTitle = CycleTitle(text(ui.cb_latest_ck), text(ui.cb_ck), text(ui.lbtridx_ck));
}

// ---- helpers ----

void TForm_rk_trace_single::refill(QComboBox& box, const std::vector<std::string>& items,
                                   const std::string& text) {
    const QSignalBlocker quiet(box);
    box.clear();
    box.addItems(qsList(items));
    box.setEditText(qs(text));
}

void TForm_rk_trace_single::setText(QComboBox& box, const std::string& text) {
    const QSignalBlocker quiet(box);
    box.setEditText(qs(text));
}

bool TForm_rk_trace_single::readPosition(const QComboBox& box, int& position) {
    try {
        position = StrToInt(text(&box));
        return true;
    } catch (const ConversionError&) {
        services_.dialogs.messageDialog(QStringLiteral("第？支錯誤"), DialogKind::Error, DialogButtons::Yes);
        return false;
    }
}

void TForm_rk_trace_single::unpin() {
    const SelfChange self(*this);
    ui.sbpin1->setText(QStringLiteral("固定"));
    ui.Panel7->setVisible(false);
    ui.Panel1->setEnabled(true);
}

void TForm_rk_trace_single::allBaseDraws() {
    BaseDraws.clear();
    for (int k = 1; k <= draws_.DrawCount; ++k)
        BaseDraws.push_back(k);
}
