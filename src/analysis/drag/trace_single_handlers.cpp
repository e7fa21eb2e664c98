// The drag window's handlers: period choice, offset steps, pinning, and what its buttons and popup
// items open.
#include <QComboBox>
#include <QFrame>
#include <QPlainTextEdit>
#include <QToolButton>

#include "analysis/drag/drag_queries.h"
#include "analysis/drag/trace_single_window.h"
#include "common/date.h"
#include "common/num_text.h"
#include "draws/draw_tables.h"
#include "platform/box_reaction.h"
#include "platform/box_value.h"
#include "platform/dialogs.h"
#include "platform/memo_output.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "platform/window_links.h"

namespace {

std::string text(const QComboBox* box) {
    return ss(box->currentText());
}

} // namespace

// ---- page 0: one number ----

void TForm_rk_trace_single::startSingle() {
    const int chosen = FindPeriod(draws_, text(ui.cb_latest));
    SingleOffset = PeriodOffset(draws_, chosen);
    ChosenDraw = chosen;
    const std::vector<std::string> numbers = DrawnChoices(draws_, chosen);
    refill(*ui.cb_trno, numbers, numbers.front());
    runSingleQuery();
}

void TForm_rk_trace_single::runSingleQuery() {
    show_single(text(ui.cb_trno), SingleOffset);
}

void TForm_rk_trace_single::stepSingle(int by) {
    SingleOffset += by;
    runSingleQuery();
    // The pinned query chooses among the numbers of the draw the rows now point to.
    const std::vector<std::string> numbers = DrawnChoices(draws_, ChosenDraw + SingleOffset);
    refill(*ui.cbn1, numbers, numbers.front());
}

void TForm_rk_trace_single::sbpin1Click() {
    ui.sbpin1->setText(QStringLiteral("已固定"));
    ui.Panel7->setVisible(true);
    const auto pinned =
        static_cast<std::size_t>(std::clamp(SingleRowCount, 0, static_cast<int>(TraceRows.size())));
    BaseDraws.assign(TraceRows.begin(), TraceRows.begin() + static_cast<std::ptrdiff_t>(pinned));
    {
        const SelfChange self(*this);
        ui.Panel1->setEnabled(false);
    }
    PinOffset = 0;
    show_single(text(ui.cbn1), 0);
}

void TForm_rk_trace_single::cbn1Change() {
    PinOffset = 0;
    show_single(text(ui.cbn1), 0);
}

void TForm_rk_trace_single::stepPinned(int by) {
    PinOffset += by;
    show_single(text(ui.cbn1), PinOffset);
}

void TForm_rk_trace_single::SpeedButton3Click() {
    unpin();
    allBaseDraws();
    TraceRows.clear();
    runSingleQuery();
}

// ---- page 1: a pair ----

void TForm_rk_trace_single::startPair() {
    const int chosen = FindPeriod(draws_, text(ui.cb_latest2));
    PairOffset = PeriodOffset(draws_, chosen);
    const std::vector<std::string> pairs = PairChoices(draws_, chosen);
    refill(*ui.cb_tr22, pairs, pairs.front());
    runPairQuery();
}

void TForm_rk_trace_single::runPairQuery() {
    const std::string pair = text(ui.cb_tr22);
    show_two(ChoicePart(pair, 1), ChoicePart(pair, 4), PairOffset);
}

void TForm_rk_trace_single::stepPair(int by) {
    PairOffset += by;
    runPairQuery();
}

// ---- page 2: a triple ----

void TForm_rk_trace_single::startTriple() {
    const int chosen = FindPeriod(draws_, text(ui.cb_latest2_3));
    TripleOffset = PeriodOffset(draws_, chosen);
    const std::vector<std::string> triples = TripleChoices(draws_, chosen);
    refill(*ui.cb_tr22_3, triples, triples.front());
    runTripleQuery();
}

void TForm_rk_trace_single::runTripleQuery() {
    const std::string triple = text(ui.cb_tr22_3);
    show_two_3(ChoicePart(triple, 1), ChoicePart(triple, 4), ChoicePart(triple, 7), TripleOffset);
}

void TForm_rk_trace_single::stepTriple(int by) {
    TripleOffset += by;
    runTripleQuery();
}

// ---- page 3: a number at a size position ----

void TForm_rk_trace_single::startSizePosition() {
    const int chosen = FindPeriod(draws_, text(ui.cb_latest3));
    SizePosOffset = PeriodOffset(draws_, chosen);
    const std::vector<std::string> numbers = SizeChoices(draws_, chosen);
    refill(*ui.cb_fix12, numbers, numbers.front());
    runSizePositionQuery();
}

void TForm_rk_trace_single::runSizePositionQuery() {
    int position = 0;
    if (readPosition(*ui.cb_fix11, position))
        show_fix1(position, SizePosOffset, text(ui.cb_fix12));
    else
        show_lbtridx_fix1();
}

void TForm_rk_trace_single::stepSizePosition(int by) {
    SizePosOffset += by;
    runSizePositionQuery();
}

// ---- page 4: a number at a ball position ----

void TForm_rk_trace_single::startBallPosition() {
    const int chosen = FindPeriod(draws_, text(ui.cb_latest4));
    DrawPosOffset = PeriodOffset(draws_, chosen);
    refill(*ui.cb_fix21, {"1", "2", "3", "4", "5"}, text(ui.cb_fix21));
    const std::vector<std::string> numbers = DrawnChoices(draws_, chosen);
    refill(*ui.cb_fix22, numbers, numbers.front());
    runBallPositionQuery();
}

void TForm_rk_trace_single::runBallPositionQuery() {
    int position = 0;
    if (readPosition(*ui.cb_fix21, position))
        show_fix2(position, DrawPosOffset, text(ui.cb_fix22));
    else
        show_lbtridx_fix2();
}

void TForm_rk_trace_single::stepBallPosition(int by) {
    DrawPosOffset += by;
    runBallPositionQuery();
}

// ---- page 5: add or subtract between size positions ----

void TForm_rk_trace_single::startAdd() {
    stepAdd(-AddOffset); // back to offset 0
}

void TForm_rk_trace_single::stepAdd(int by) {
    // The positions are read before the offset moves: a refused box leaves the page as it was.
    const int a = AddPosition(BoxCaption(*ui.cb_add1), text(ui.cb_add1));
    const int b = AddPosition(BoxCaption(*ui.cb_add4), text(ui.cb_add4));
    AddOffset += by;
    const int sign = text(ui.cb_add2) == "加" ? 1 : -1;
    show_add(a, b, sign, LeadingValue(text(ui.cb_add3)), AddOffset);
}

// ---- page 6: cycle ----

void TForm_rk_trace_single::startCycle() {
    CycleOffset = 0;
    stepCycle(0);
}

void TForm_rk_trace_single::stepCycle(int by) {
    CycleOffset += by;
    show_circle(text(ui.cb_latest_ck), BoxInteger(*ui.cb_ck), CycleOffset);
}

// ---- the windows this one opens, and its popup items ----

void TForm_rk_trace_single::openTwoOf() {
    links_.open(WindowId::Form_rk_twoforone);
}

void TForm_rk_trace_single::openThreeOf() {
    links_.open(WindowId::Form_rk_threeforone);
}

void TForm_rk_trace_single::openSortedGrid() {
    links_.open(WindowId::Form_rk_grid_sort);
}

void TForm_rk_trace_single::N1Click() {
    links_.open(WindowId::Form_rk_no_analysis);
}

void TForm_rk_trace_single::N3Click() {
    links_.show_memo(QStringLiteral("help_single.txt"));
}

void TForm_rk_trace_single::N4Click() {
    if (!SaveMemo(*ui.Memo1, services_.dialogs, MemoSaveRequest(MemoFileKind::Text)))
        return;
    services_.dialogs.messageDialog(QStringLiteral("本圖表數據已儲存為文字檔"), DialogKind::Information,
                                    DialogButtons::Ok);
}

void TForm_rk_trace_single::Excel1Click() {
    links_.open(WindowId::Form_img_excel);
}

// ---- series of queries ----

void TForm_rk_trace_single::sortedGridsByPosition(QComboBox& position, QComboBox& number, int& offset,
                                                  void (TForm_rk_trace_single::*run)(),
                                                  void (TForm_rk_trace_single::*step)(int)) {
    for (int p = 1; p <= DrawBalls; ++p)
        for (int n = 1; n <= draws_.MaxNo; ++n) {
            offset = 1;
            setText(position, std::to_string(p));
            setText(number, NumText(n));
            (this->*run)();
            openSortedGrid();
            (this->*step)(1);
            openSortedGrid();
        }
}

void TForm_rk_trace_single::sortedGridsBySizePosition() {
    sortedGridsByPosition(*ui.cb_fix11, *ui.cb_fix12, SizePosOffset,
                          &TForm_rk_trace_single::runSizePositionQuery,
                          &TForm_rk_trace_single::stepSizePosition);
}

void TForm_rk_trace_single::sortedGridsByBallPosition() {
    sortedGridsByPosition(*ui.cb_fix21, *ui.cb_fix22, DrawPosOffset,
                          &TForm_rk_trace_single::runBallPositionQuery,
                          &TForm_rk_trace_single::stepBallPosition);
}

void TForm_rk_trace_single::sortedGridsBySingleNumber() {
    for (int n = 1; n <= draws_.MaxNo; ++n) {
        SingleOffset = 1;
        setText(*ui.cb_trno, NumText(n));
        runSingleQuery();
        openSortedGrid();
        stepSingle(1);
        openSortedGrid();
    }
}
