#include "analysis/drag/trace_single_window.h"

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
    setupUi(*this);
    setWindowState(Qt::WindowMaximized);
    sgmap->horizontalHeader()->setMinimumSectionSize(16);
    sgmap->horizontalHeader()->setDefaultSectionSize(24);
    connectControls();
}

void TForm_rk_trace_single::onUserChange(QComboBox* box, void (TForm_rk_trace_single::*handler)()) {
    ConnectBox(*box, BoxReacts::OnChange, services_.dialogs, [this, handler] { (this->*handler)(); });
}

void TForm_rk_trace_single::onClick(QObject* button, void (TForm_rk_trace_single::*handler)()) {
    const auto run = Guarded(services_.dialogs, [this, handler] { (this->*handler)(); });
    if (auto* tool = qobject_cast<QToolButton*>(button))
        connect(tool, &QToolButton::clicked, this, run);
    else if (auto* push = qobject_cast<QPushButton*>(button))
        connect(push, &QPushButton::clicked, this, run);
}

void TForm_rk_trace_single::connectControls() {
    using W = TForm_rk_trace_single;
    connect(PageControl1, &QTabWidget::currentChanged, this,
            Guarded(services_.dialogs, [this] { PageControl1Change(); }));

    onUserChange(cb_latest, &W::cb_latestChange);
    onUserChange(cb_trno, &W::cb_trnoChange);
    onClick(SpeedButton1, &W::SpeedButton1Click);
    onClick(SpeedButton2, &W::SpeedButton2Click);
    onClick(sbpin1, &W::sbpin1Click);
    onUserChange(cbn1, &W::cbn1Change);
    onClick(SpeedButton16, &W::SpeedButton16Click);
    onClick(SpeedButton17, &W::SpeedButton17Click);
    onClick(SpeedButton3, &W::SpeedButton3Click);

    onUserChange(cb_latest2, &W::cb_latest2Change);
    onUserChange(cb_tr22, &W::cb_tr22Change);
    onClick(SpeedButton6, &W::SpeedButton6Click);
    onClick(SpeedButton5, &W::SpeedButton5Click);

    onUserChange(cb_latest2_3, &W::cb_latest2_3Change);
    onUserChange(cb_tr22_3, &W::cb_tr22_3Change);
    onClick(SpeedButton4, &W::SpeedButton4Click);
    onClick(SpeedButton7, &W::SpeedButton7Click);

    onUserChange(cb_latest3, &W::cb_latest3Change);
    onUserChange(cb_fix11, &W::cb_fix12Change);
    onUserChange(cb_fix12, &W::cb_fix12Change);
    onClick(SpeedButton9, &W::SpeedButton9Click);
    onClick(SpeedButton8, &W::SpeedButton8Click);

    onUserChange(cb_latest4, &W::cb_latest4Change);
    onUserChange(cb_fix21, &W::cb_fix22Change);
    onUserChange(cb_fix22, &W::cb_fix22Change);
    onClick(SpeedButton12, &W::SpeedButton12Click);
    onClick(SpeedButton11, &W::SpeedButton11Click);

    for (QComboBox* box : {cb_add1, cb_add2, cb_add3, cb_add4})
        onUserChange(box, &W::cb_add4Change);
    onClick(SpeedButton14, &W::SpeedButton14Click);
    onClick(SpeedButton13, &W::SpeedButton13Click);

    onUserChange(cb_latest_ck, &W::cb_latest_ckChange);
    onUserChange(cb_ck, &W::cb_ckChange);
    onClick(SpeedButton18, &W::SpeedButton18Click);
    onClick(SpeedButton19, &W::SpeedButton19Click);

    for (std::size_t i = 0; i < twoOfButtons.size(); ++i) {
        onClick(twoOfButtons[i], &W::Button1Click);
        onClick(threeOfButtons[i], &W::Button2Click);
        onClick(gridSortButtons[i], &W::btn_grid_sortClick);
        connect(closeButtons[i], &QPushButton::clicked, this, &QDialog::close);
    }

    connect(N1, &QAction::triggered, this, Guarded(services_.dialogs, [this] { N1Click(); }));
    // 版路定義 here has never had an action behind it.
    N2->setEnabled(false);
    connect(N3, &QAction::triggered, this, Guarded(services_.dialogs, [this] { N3Click(); }));
    connect(N4, &QAction::triggered, this, Guarded(services_.dialogs, [this] { N4Click(); }));
    connect(Excel1, &QAction::triggered, this, Guarded(services_.dialogs, [this] { Excel1Click(); }));
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
    for (QComboBox* box : {cb_trno, cb_tr22, cbn1, cb_ck})
        refill(*box, numbers, text(box));

    SplitDrawLines(draws_, work_);

    // Every period box starts at the newest draw; page 0's period change runs its first query.
    const std::vector<std::string> periods = RecentPeriods(draws_);
    const std::string newest = PeriodText(draws_, draws_.DrawCount);
    for (QComboBox* box : {cb_latest, cb_latest2, cb_latest2_3, cb_latest3, cb_latest4, cb_latest_ck})
        refill(*box, periods, newest);
    showPage(0);
}

void TForm_rk_trace_single::showPage(int index) {
    {
        const QSignalBlocker quiet(PageControl1);
        PageControl1->setCurrentIndex(index);
    }
    PageControl1Change();
}

void TForm_rk_trace_single::PageControl1Change() {
    chk_highlight();
    switch (PageControl1->currentIndex()) {
    case 0:
        SingleOffset = 0;
        cb_latestChange();
        break;
    case 1:
        PairOffset = 0;
        cb_latest2Change();
        break;
    case 2:
        TripleOffset = 0;
        cb_latest2_3Change();
        break;
    case 3:
        SizePosOffset = 0;
        cb_latest3Change();
        break;
    case 4:
        DrawPosOffset = 0;
        cb_latest4Change();
        break;
    case 5:
        AddOffset = 0;
        cb_add4Change();
        break;
    case CyclePage:
        CycleOffset = 0;
        cb_ckChange();
        break;
    default:
        break;
    }
}

void TForm_rk_trace_single::chk_highlight() {
    QTabBar* tabs = PageControl1->tabBar();
    for (int i = 0; i < tabs->count(); ++i)
        tabs->setTabTextColor(i, i == tabs->currentIndex() ? QColor(Qt::red)
                                                           : palette().color(QPalette::WindowText));
}

// ---- queries ----

void TForm_rk_trace_single::showRows(std::vector<int> rows, DragMark mark, const std::string& cutText,
                                     void (TForm_rk_trace_single::*labels)()) {
    PublishDragQuery(drag_, draws_, rows, mark, cutText, PageControl1->currentIndex() == CyclePage);
    TraceRows = std::move(rows);
    (this->*labels)();
    sgmap->setTable(drag_.Grid);
    sgmap->SetColWidth(0, 80);
    sgmap->SetColWidth(1, 56);
    SetMemoLines(*Memo1, qsList(drag_.GridCsvLines));
}

void TForm_rk_trace_single::show_single(const std::string& number, int offset) {
    std::vector<int> rows = SingleTargets(draws_, BaseDraws, number, offset);
    SingleRowCount = static_cast<int>(rows.size());
    showRows(std::move(rows), DragMark::Dot, text(cb_latest), &TForm_rk_trace_single::show_lbtridx);
}

void TForm_rk_trace_single::show_two(const std::string& a, const std::string& b, int offset) {
    showRows(PairTargets(draws_, a, b, offset), DragMark::Dot, text(cb_latest2),
             &TForm_rk_trace_single::show_lbtridx2);
}

void TForm_rk_trace_single::show_two_3(const std::string& a, const std::string& b, const std::string& c,
                                       int offset) {
    showRows(TripleTargets(draws_, a, b, c, offset), DragMark::Dot, text(cb_latest2_3),
             &TForm_rk_trace_single::show_lbtridx2_3);
}

void TForm_rk_trace_single::show_fix1(int position, int offset, const std::string& number) {
    showRows(SizePositionTargets(draws_, position, number, offset), DragMark::Dot, text(cb_latest3),
             &TForm_rk_trace_single::show_lbtridx_fix1);
}

void TForm_rk_trace_single::show_fix2(int position, int offset, const std::string& number) {
    showRows(BallPositionTargets(draws_, position, number, offset), DragMark::BallPosition, text(cb_latest4),
             &TForm_rk_trace_single::show_lbtridx_fix2);
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
    lbtridx->setText(qs(OffsetLabel(SingleOffset)));
    lbtridx_n1->setText(qs(OffsetLabel(PinOffset)));
    lbn1->setText(lbtridx->text() + QStringLiteral(" ") + qs(PeriodText(draws_, ChosenDraw + SingleOffset)));
    drag_.RuleTitle = ChoiceTitle(text(cb_trno), text(lbtridx));
}

void TForm_rk_trace_single::show_lbtridx2() {
    lbtridx2->setText(qs(OffsetLabel(PairOffset)));
    drag_.RuleTitle = ChoiceTitle(text(cb_tr22), text(lbtridx2));
}

void TForm_rk_trace_single::show_lbtridx2_3() {
    lbtridx2_3->setText(qs(OffsetLabel(TripleOffset)));
    drag_.RuleTitle = ChoiceTitle(text(cb_tr22_3), text(lbtridx2_3));
}

void TForm_rk_trace_single::show_lbtridx_fix1() {
    lbtridx_fix1->setText(qs(OffsetLabel(SizePosOffset)));
    drag_.RuleTitle = SizePositionTitle(text(cb_fix11), text(cb_fix12), text(lbtridx_fix1));
}

void TForm_rk_trace_single::show_lbtridx_fix2() {
    lbtridx_fix2->setText(qs(OffsetLabel(DrawPosOffset)));
    drag_.RuleTitle = BallPositionTitle(text(cb_fix21), text(cb_fix22), text(lbtridx_fix2));
}

void TForm_rk_trace_single::show_lbtridx_add() {
    lbtridx_add->setText(qs(OffsetLabel(AddOffset)));
    drag_.RuleTitle = AddTitle(text(cb_add1), text(cb_add2), text(cb_add3), text(cb_add4), text(lbtridx_add));
}

void TForm_rk_trace_single::show_lbtridx_ck() {
    lbtridx_ck->setText(qs(OffsetLabel(CycleOffset)));
    drag_.RuleTitle = CycleTitle(text(cb_latest_ck), text(cb_ck), text(lbtridx_ck));
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
    sbpin1->setText(QStringLiteral("固定"));
    Panel7->setVisible(false);
    Panel1->setEnabled(true);
}

void TForm_rk_trace_single::allBaseDraws() {
    BaseDraws.clear();
    for (int k = 1; k <= draws_.DrawCount; ++k)
        BaseDraws.push_back(k);
}
