// The draw window of the best-pillar window: its four queries, the listing they end with, and the
// counts and hot lists over the listed draws.
#include "pillars/varnholt_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "common/date.h"
#include "draws/draw_tables.h"
#include "draws/history_start.h"
#include "platform/box_reaction.h"
#include "platform/box_value.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/date_picker.h"
#include "platform/dialogs.h"
#include "platform/memo_lines.h"
#include "platform/memo_output.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "platform/string_grid.h"

namespace {

constexpr int LatestDrawDates = 20; // dates offered for the drag query

} // namespace

// ---- set-up ----

void TForm_varnholt::FormShow() {
    unit.PillarCount = 4;
    ui.CB_Select->setCurrentText(QStringLiteral("4"));
    // Pillars a former showing enabled beyond the four would be priced but never dealt or checked.
    enablePillars(unit.PillarCount);
    for (int p = 1; p <= MaxPillars; ++p)
        ui.SizeBox[p]->setCurrentText(p <= 4 ? QStringLiteral("2") : QStringLiteral("0"));
    ComboBox1Change();

    ui.cb_date->clear();
    for (int i = draws_.DrawCount; i >= 1 && i > draws_.DrawCount - LatestDrawDates; --i)
        ui.cb_date->addItem(qs(DateFormat("yyyy/mm/dd", draws_.DrawDate[i])));
    ui.cb_date->setCurrentText(draws_.DrawCount > 0 ? ui.cb_date->itemText(0) : QString());
    cb_dateChange();

    ShowOwnPage(*ui.PageC, ui.TS2);
    for (QLabel* progress : {ui.lb2s, ui.lb3s, ui.lb4s})
        progress->setText(QStringLiteral("---"));
    reset_table();
    queryDateRange();
}

void TForm_varnholt::reset_table() {
    for (int n = 1; n <= NumberBoxes; ++n)
        ui.NoBox[n]->setVisible(n <= draws_.MaxNo);
    ui.DateTimePicker1->setDate(ToQDate(StrToDate("2009/01/01")));
    ui.DateTimePicker2->setDate(ToQDate(services_.clock.today()));
    for (int p = 1; p <= MaxPillars; ++p)
        unit.PillarNo[p].fill({});
    unit.HotPairs.clear();
    unit.HotTriples.clear();
    unit.HotQuads.clear();
    unit.NoScore.clear();
    for (int n = 1; n <= draws_.MaxNo; ++n) {
        unit.NoScore.push_back(RankedCount{n, 0});
        unit.NoScore2[n] = n;
    }
    get_sumno();
}

// ---- queries ----

void TForm_varnholt::refuse(const QString& text) {
    services_.dialogs.messageDialog(text, DialogKind::Warning, DialogButtons::Ok);
}

std::vector<std::string> TForm_varnholt::drawMemoLines() const {
    return ssList(MemoLines(*ui.Memo1));
}

void TForm_varnholt::showDrawWindow(const std::vector<int>& draws) {
    const QStringList lines = qsList(ListDraws(draws_, draws));
    for (QPlainTextEdit* memo : {ui.Memo1, ui.Memo2, ui.Memo3})
        SetMemoLines(*memo, lines);
    ui.Edit1->setText(qs(ListingCountText(static_cast<std::size_t>(lines.size()))));
    ui.lb_history_start->clear(); // only the date range can reach before the loaded history
    ++listings_;
    countListedDraws();
}

void TForm_varnholt::queryDateRange() {
    unit.Source = SourceKind::DateRange;
    get_sumno();
}

void TForm_varnholt::get_sumno() {
    const Date from = FromQDate(ui.DateTimePicker1->date());
    const Date to = FromQDate(ui.DateTimePicker2->date());
    const std::vector<int> draws = DrawsInDateRange(draws_, from, to);
    showDrawWindow(draws);
    ui.lb_history_start->setText(qs(HistoryStartNote(draws_, from)));
    unit.WindowHeader = DateRangeHeader(from, to, draws.size());
}

void TForm_varnholt::queryLatest() {
    const int count = BoxInteger(*ui.cbis);
    if (count < 1)
        return refuse(QStringLiteral("近期統計的期數必須是1以上的整數，請重新輸入"));
    unit.Source = SourceKind::Latest;
    unit.WindowHeader = LatestHeader(ss(ui.cbis->currentText()));
    const std::vector<int> draws = LatestDraws(draws_.DrawCount, count);
    if (!draws.empty())
        ui.DateTimePicker1->setDate(ToQDate(draws_.DrawDate[draws.front()]));
    showDrawWindow(draws);
}

void TForm_varnholt::queryPeriodic() {
    const int interval = BoxInteger(*ui.cb_intv);
    const int count = BoxInteger(*ui.cbis_2);
    if (interval < 1)
        return refuse(QStringLiteral("週期統計的間隔期數必須是1以上的整數，請重新輸入"));
    if (count < 1)
        return refuse(QStringLiteral("週期統計的期數必須是1以上的整數，請重新輸入"));
    unit.Source = SourceKind::Periodic;
    unit.WindowHeader = PeriodicHeader(ss(ui.cb_intv->currentText()), ss(ui.cbis_2->currentText()));
    const std::vector<int> draws = LastPicks(PeriodicPicks(draws_.DrawCount, interval), count);
    if (!draws.empty())
        ui.DateTimePicker1->setDate(ToQDate(draws_.DrawDate[draws.front()]));
    showDrawWindow(draws);
}

void TForm_varnholt::queryDrag() {
    const int position = BoxInteger(*ui.cb_ii);
    const std::string number = ss(ui.CB_xx->currentText());
    const int lag = BoxInteger(*ui.cb_prediction);
    if (position < 1 || position > 5)
        return refuse(QStringLiteral("單支拖牌的位置必須是第1支到第5支，請重新輸入"));
    if (lag < 0)
        return refuse(QStringLiteral("單支拖牌之下的期數不可小於0，請重新輸入"));
    unit.Source = SourceKind::Drag;
    const std::vector<int> draws = DragDraws(draws_, position, number, lag, ui.cb_ff->isChecked());
    showDrawWindow(draws);
    unit.WindowHeader = DragHeader(ui.cb_ff->isChecked(), ss(ui.cb_ii->currentText()), number,
                                   ss(ui.cb_prediction->currentText()), static_cast<int>(draws.size()));
}

void TForm_varnholt::cb_dateChange() {
    if (draws_.DrawCount == 0)
        return; // nothing loaded to refer to
    const QString dateText = ui.cb_date->currentText();
    const int position = BoxInteger(*ui.cb_ii);
    const int draw = DrawOfDate(draws_, ss(dateText));
    if (draw == 0)
        return refuse(QStringLiteral("日期 ") + dateText + QStringLiteral(" 沒有開獎資料，請重新選擇"));
    if (position < 1 || position > 5)
        return refuse(QStringLiteral("單支拖牌的位置必須是第1支到第5支，請重新輸入"));
    const QString number = qs(draws_.DrawNums[position][draw]);
    ui.CB_xx->clear();
    ui.CB_xx->addItem(number);
    ui.CB_xx->setCurrentText(number);
    ui.cb_prediction->setCurrentText(QString::number(draws_.DrawCount - draw + 1));
}

bool TForm_varnholt::rerunQuery() {
    const int listed = listings_;
    switch (unit.Source) {
    case SourceKind::DateRange:
        queryDateRange();
        break;
    case SourceKind::Latest:
        queryLatest();
        break;
    case SourceKind::Periodic:
        queryPeriodic();
        break;
    case SourceKind::Drag:
        queryDrag();
        break;
    }
    return listings_ != listed;
}

// ---- counts ----

void TForm_varnholt::countListedDraws() {
    Count_Sumno();
    Count_Sumno_tail();
}

void TForm_varnholt::Count_Sumno() {
    NumberCount count = ::Count_Sumno(drawMemoLines(), draws_.MaxNo);
    unit.NoScore = std::move(count.ranking);
    unit.Combos = std::move(count.combinations);
    show_sumno();
}

void TForm_varnholt::show_sumno() {
    const CountRows rows = NumberCountRows(unit.NoScore);
    for (std::size_t r = 0; r < rows.keys.size(); ++r) {
        StringGrid* grid = r < 25 ? ui.sga1 : ui.sga2;
        const int column = static_cast<int>(r < 25 ? r : r - 25);
        grid->SetCell(column, 0, qs(rows.keys[r]));
        grid->SetCell(column, 1, qs(rows.hits[r]));
    }
}

void TForm_varnholt::Count_Sumno_tail() {
    unit.TailScore = ::Count_Sumno_tail(drawMemoLines(), draws_.MaxNo);
    show_sumno_tail();
}

void TForm_varnholt::show_sumno_tail() {
    const CountRows rows = TailCountRows(unit.TailScore);
    for (std::size_t c = 0; c < rows.keys.size(); ++c) {
        ui.sgaT->SetCell(static_cast<int>(c), 0, qs(rows.keys[c]));
        ui.sgaT->SetCell(static_cast<int>(c), 1, qs(rows.hits[c]));
    }
}

// ---- hot combinations ----

void TForm_varnholt::get_allno(int k) {
    const std::vector<std::string>* combinations = unit.Combos.ofSize(k);
    if (!combinations)
        return;
    std::vector<HotCombination> ranked = ::get_allno(k, *combinations, drawMemoLines(), draws_.MaxNo);
    QLabel* progress = k == 2 ? ui.lb2s : k == 3 ? ui.lb3s : ui.lb4s;
    progress->setText(QString::number(combinations->size()));
    (k == 2 ? unit.HotPairs : k == 3 ? unit.HotTriples : unit.HotQuads) = std::move(ranked);
}

void TForm_varnholt::showHotList(int k, QPlainTextEdit* memo) {
    SetMemoLines(*memo, {QStringLiteral("計算中...")});
    memo->repaint();
    get_allno(k);
    const std::vector<HotCombination>& ranked = k == 2   ? unit.HotPairs
                                                : k == 3 ? unit.HotTriples
                                                         : unit.HotQuads;
    SetMemoLines(*memo, qsList(HotListLines(ranked, unit.Combos.ofSize(k)->size())));
}

void TForm_varnholt::SpeedButton2Click() {
    showHotList(2, ui.mm);
}
void TForm_varnholt::SpeedButton3Click() {
    showHotList(3, ui.mm3);
}
void TForm_varnholt::SpeedButton1Click() {
    showHotList(4, ui.mm9);
}

void TForm_varnholt::copyMemo(QPlainTextEdit* memo) {
    CopyMemo(*memo, services_.clipboard);
    services_.dialogs.showMessage(QStringLiteral("資料已複製Copy"));
}

void TForm_varnholt::BitBtn1Click() {
    copyMemo(ui.mm);
}
void TForm_varnholt::BitBtn2Click() {
    copyMemo(ui.mm3);
}
void TForm_varnholt::BitBtn3Click() {
    copyMemo(ui.mm9);
}
