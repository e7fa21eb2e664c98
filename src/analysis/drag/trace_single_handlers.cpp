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

void TForm_rk_trace_single::cb_latestChange() {
    const int chosen = FindPeriod(draws_, text(cb_latest));
    SingleOffset = PeriodOffset(draws_, chosen);
    ChosenDraw = chosen;
    const std::vector<std::string> numbers = DrawnChoices(draws_, chosen);
    refill(*cb_trno, numbers, numbers.front());
    cb_trnoChange();
}

void TForm_rk_trace_single::cb_trnoChange() {
    show_single(text(cb_trno), SingleOffset);
}

void TForm_rk_trace_single::SpeedButton1Click() {
    --SingleOffset;
    cb_trnoChange();
    // The pinned query chooses among the numbers of the draw the rows now point to.
    const std::vector<std::string> numbers = DrawnChoices(draws_, ChosenDraw + SingleOffset);
    refill(*cbn1, numbers, numbers.front());
}

void TForm_rk_trace_single::SpeedButton2Click() {
    ++SingleOffset;
    cb_trnoChange();
    const std::vector<std::string> numbers = DrawnChoices(draws_, ChosenDraw + SingleOffset);
    refill(*cbn1, numbers, numbers.front());
}

void TForm_rk_trace_single::sbpin1Click() {
    sbpin1->setText(QStringLiteral("已固定"));
    Panel7->setVisible(true);
    const auto pinned =
        static_cast<std::size_t>(std::clamp(SingleRowCount, 0, static_cast<int>(TraceRows.size())));
    BaseDraws.assign(TraceRows.begin(), TraceRows.begin() + static_cast<std::ptrdiff_t>(pinned));
    Panel1->setEnabled(false);
    PinOffset = 0;
    show_single(text(cbn1), 0);
}

void TForm_rk_trace_single::cbn1Change() {
    PinOffset = 0;
    show_single(text(cbn1), 0);
}

void TForm_rk_trace_single::SpeedButton16Click() {
    --PinOffset;
    show_single(text(cbn1), PinOffset);
}

void TForm_rk_trace_single::SpeedButton17Click() {
    ++PinOffset;
    show_single(text(cbn1), PinOffset);
}

void TForm_rk_trace_single::SpeedButton3Click() {
    unpin();
    allBaseDraws();
    TraceRows.clear();
    cb_trnoChange();
}

// ---- page 1: a pair ----

void TForm_rk_trace_single::cb_latest2Change() {
    const int chosen = FindPeriod(draws_, text(cb_latest2));
    PairOffset = PeriodOffset(draws_, chosen);
    const std::vector<std::string> pairs = PairChoices(draws_, chosen);
    refill(*cb_tr22, pairs, pairs.front());
    cb_tr22Change();
}

void TForm_rk_trace_single::cb_tr22Change() {
    const std::string pair = text(cb_tr22);
    show_two(ChoicePart(pair, 1), ChoicePart(pair, 4), PairOffset);
}

void TForm_rk_trace_single::SpeedButton6Click() {
    --PairOffset;
    cb_tr22Change();
}

void TForm_rk_trace_single::SpeedButton5Click() {
    ++PairOffset;
    cb_tr22Change();
}

// ---- page 2: a triple ----

void TForm_rk_trace_single::cb_latest2_3Change() {
    const int chosen = FindPeriod(draws_, text(cb_latest2_3));
    TripleOffset = PeriodOffset(draws_, chosen);
    const std::vector<std::string> triples = TripleChoices(draws_, chosen);
    refill(*cb_tr22_3, triples, triples.front());
    cb_tr22_3Change();
}

void TForm_rk_trace_single::cb_tr22_3Change() {
    const std::string triple = text(cb_tr22_3);
    show_two_3(ChoicePart(triple, 1), ChoicePart(triple, 4), ChoicePart(triple, 7), TripleOffset);
}

void TForm_rk_trace_single::SpeedButton4Click() {
    --TripleOffset;
    cb_tr22_3Change();
}

void TForm_rk_trace_single::SpeedButton7Click() {
    ++TripleOffset;
    cb_tr22_3Change();
}

// ---- page 3: a number at a size position ----

void TForm_rk_trace_single::cb_latest3Change() {
    const int chosen = FindPeriod(draws_, text(cb_latest3));
    SizePosOffset = PeriodOffset(draws_, chosen);
    const std::vector<std::string> numbers = SizeChoices(draws_, chosen);
    refill(*cb_fix12, numbers, numbers.front());
    cb_fix12Change();
}

void TForm_rk_trace_single::cb_fix12Change() {
    int position = 0;
    if (readPosition(*cb_fix11, position))
        show_fix1(position, SizePosOffset, text(cb_fix12));
    else
        show_lbtridx_fix1();
}

void TForm_rk_trace_single::SpeedButton9Click() {
    --SizePosOffset;
    cb_fix12Change();
}

void TForm_rk_trace_single::SpeedButton8Click() {
    ++SizePosOffset;
    cb_fix12Change();
}

// ---- page 4: a number at a ball position ----

void TForm_rk_trace_single::cb_latest4Change() {
    const int chosen = FindPeriod(draws_, text(cb_latest4));
    DrawPosOffset = PeriodOffset(draws_, chosen);
    refill(*cb_fix21, {"1", "2", "3", "4", "5"}, text(cb_fix21));
    const std::vector<std::string> numbers = DrawnChoices(draws_, chosen);
    refill(*cb_fix22, numbers, numbers.front());
    cb_fix22Change();
}

void TForm_rk_trace_single::cb_fix22Change() {
    int position = 0;
    if (readPosition(*cb_fix21, position))
        show_fix2(position, DrawPosOffset, text(cb_fix22));
    else
        show_lbtridx_fix2();
}

void TForm_rk_trace_single::SpeedButton12Click() {
    --DrawPosOffset;
    cb_fix22Change();
}

void TForm_rk_trace_single::SpeedButton11Click() {
    ++DrawPosOffset;
    cb_fix22Change();
}

// ---- page 5: add or subtract between size positions ----

namespace {

int addSign(const QComboBox* box) {
    return text(box) == "加" ? 1 : -1;
}

} // namespace

void TForm_rk_trace_single::cb_add4Change() {
    AddOffset = 0;
    show_add(LeadingValue(text(cb_add1)), LeadingValue(text(cb_add4)), addSign(cb_add2),
             LeadingValue(text(cb_add3)), AddOffset);
}

void TForm_rk_trace_single::SpeedButton14Click() {
    --AddOffset;
    show_add(LeadingValue(text(cb_add1)), LeadingValue(text(cb_add4)), addSign(cb_add2),
             LeadingValue(text(cb_add3)), AddOffset);
}

void TForm_rk_trace_single::SpeedButton13Click() {
    ++AddOffset;
    show_add(LeadingValue(text(cb_add1)), LeadingValue(text(cb_add4)), addSign(cb_add2),
             LeadingValue(text(cb_add3)), AddOffset);
}

// ---- page 6: cycle ----

void TForm_rk_trace_single::cb_latest_ckChange() {
    cb_ckChange();
}

void TForm_rk_trace_single::cb_ckChange() {
    CycleOffset = 0;
    show_circle(text(cb_latest_ck), StrToInt(text(cb_ck)), 0);
}

void TForm_rk_trace_single::SpeedButton18Click() {
    --CycleOffset;
    show_circle(text(cb_latest_ck), StrToInt(text(cb_ck)), CycleOffset);
}

void TForm_rk_trace_single::SpeedButton19Click() {
    ++CycleOffset;
    show_circle(text(cb_latest_ck), StrToInt(text(cb_ck)), CycleOffset);
}

// ---- the windows this one opens, and its popup items ----

void TForm_rk_trace_single::Button1Click() {
    links_.open(WindowId::Form_rk_twoforone);
}

void TForm_rk_trace_single::Button2Click() {
    links_.open(WindowId::Form_rk_threeforone);
}

void TForm_rk_trace_single::btn_grid_sortClick() {
    links_.open(WindowId::Form_rk_grid_sort);
}

void TForm_rk_trace_single::N1Click() {
    links_.open(WindowId::Form_rk_no_analysis);
}

void TForm_rk_trace_single::N3Click() {
    links_.show_memo(QStringLiteral("help_single.txt"));
}

void TForm_rk_trace_single::N4Click() {
    if (!SaveMemo(*Memo1, services_.dialogs, MemoSaveRequest(MemoFileKind::Text)))
        return;
    services_.dialogs.messageDialog(QStringLiteral("本圖表數據已儲存為文字檔"), DialogKind::Information,
                                    DialogButtons::Ok);
}

void TForm_rk_trace_single::Excel1Click() {
    links_.open(WindowId::Form_img_excel);
}

void TForm_rk_trace_single::N5Click() {
    for (int position = 1; position <= DrawBalls; ++position)
        for (int n = 1; n <= draws_.MaxNo; ++n) {
            SizePosOffset = 1;
            setText(*cb_fix11, std::to_string(position));
            setText(*cb_fix12, NumText(n));
            cb_fix12Change();
            btn_grid_sortClick();
            SpeedButton8Click();
            btn_grid_sortClick();
        }
}

void TForm_rk_trace_single::N6Click() {
    for (int position = 1; position <= DrawBalls; ++position)
        for (int n = 1; n <= draws_.MaxNo; ++n) {
            DrawPosOffset = 1;
            setText(*cb_fix21, std::to_string(position));
            setText(*cb_fix22, NumText(n));
            cb_fix22Change();
            btn_grid_sortClick();
            SpeedButton11Click();
            btn_grid_sortClick();
        }
}

void TForm_rk_trace_single::N7Click() {
    for (int n = 1; n <= draws_.MaxNo; ++n) {
        SingleOffset = 1;
        setText(*cb_trno, NumText(n));
        cb_trnoChange();
        btn_grid_sortClick();
        SpeedButton2Click();
        btn_grid_sortClick();
    }
}

void TForm_rk_trace_single::N8Click() {
    // The sorted grid shows the current drag grid.
    links_.open(WindowId::Form_rk_grid_sort);
}
