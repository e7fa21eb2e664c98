#include <gtest/gtest.h>
#include <memory>

#include "draws/draw_tables.h"
#include "draws/history_start.h"

namespace {

// The tables are too large for the stack.
std::unique_ptr<DrawTables> Dated(std::initializer_list<Date> dates) {
    auto draws = std::make_unique<DrawTables>();
    for (const Date& date : dates)
        draws->DrawDate[++draws->DrawCount] = date;
    return draws;
}

} // namespace

TEST(HistoryStartNote, SaidOnlyWhenTheRangeStartsBeforeTheOldestLoadedDraw) {
    const std::string note = "已載入的開獎資料從 2018/08/31 開始";
    const auto oldestFirst = Dated({{2018, 8, 31}, {2018, 9, 3}, {2026, 8, 18}});
    EXPECT_EQ(HistoryStartNote(*oldestFirst, {2018, 1, 1}), note);
    EXPECT_EQ(HistoryStartNote(*oldestFirst, {2018, 8, 30}), note);
    EXPECT_EQ(HistoryStartNote(*oldestFirst, {2018, 8, 31}), "");
    EXPECT_EQ(HistoryStartNote(*oldestFirst, {2020, 1, 1}), "");

    // Split newest first while the record viewer is open: the oldest is still the one named.
    const auto newestFirst = Dated({{2026, 8, 18}, {2018, 9, 3}, {2018, 8, 31}});
    EXPECT_EQ(HistoryStartNote(*newestFirst, {2002, 1, 22}), note);

    EXPECT_EQ(HistoryStartNote(*Dated({}), {2002, 1, 22}), ""); // nothing loaded, nothing to say
}
