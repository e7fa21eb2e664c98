#include "pillars/draw_memo.h"

#include <gtest/gtest.h>
#include <memory>

#include "common/num_format.h"
#include "draws/draw_loader.h"
#include "draws/shared_tables.h"
#include "support/draw_lines.h"

namespace {

// Draws 1..count, one a day from 2020/01/01, with numbers chosen by the caller.
std::unique_ptr<SharedTables> drawsOf(int count, const std::function<std::array<int, 5>(int)>& numbersOf) {
    auto state = std::make_unique<SharedTables>();
    std::vector<std::string> lines;
    const Date start{2020, 1, 1};
    for (int i = 1; i <= count; ++i)
        lines.push_back(MakeDrawLine(DateFormat("yyyy/mm/dd", Date::fromDayNumber(start.dayNumber() + i - 1)),
                                     NumFormat("000000", 109000 + i), numbersOf(i)));
    StoreDrawLines(state->draws, lines);
    SplitDrawLines(state->draws, state->work);
    return state;
}

} // namespace

TEST(DrawMemo, LineFormatAndReadingBack) {
    const std::string line = DrawMemoLine(1, Date{2026, 1, 2}, "115001", {"01", "05", "12", "22", "37"});
    EXPECT_EQ(line, "0001,2026/01/02,115001,01,05,12,22,37");
    ASSERT_EQ(line.size(), 37u);
    EXPECT_EQ(MemoNumberText(line, 3), "12");
    EXPECT_EQ(MemoNumber(line, 5, 39), 37);
    EXPECT_EQ(MemoNumber(line, 5, 36), 0);
    EXPECT_EQ(DrawKey(line), "0105122237");

    // Lines edited into something else read as no number, never past their end.
    EXPECT_EQ(MemoNumber("0001,2026/01/02,115001,01,x5,12", 2, 39), 0);
    EXPECT_EQ(MemoNumber("0001,2026/01/02,115001,01,05,12", 4, 39), 0);
    EXPECT_EQ(MemoNumber("0001,2026/01/02,115001,00,05,12,22,37", 1, 39), 0);
    EXPECT_EQ(DrawKey("0001,2026/01/02,115001,01,05,1"), "01051     ");
    EXPECT_EQ(DrawKey(""), std::string(10, ' '));
    EXPECT_EQ(MemoNumberText("short", 1), "");
}

TEST(DrawMemo, ListingNumbersFromOneAndUsesAscendingNumbers) {
    auto state = drawsOf(3, [](int i) { return std::array<int, 5>{21, 3, 7, 1, 10 + i}; });
    const auto lines = ListDraws(state->draws, {2, 3});
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "0001,2020/01/02,109002,01,03,07,12,21");
    EXPECT_EQ(lines[1], "0002,2020/01/03,109003,01,03,07,13,21");
}

TEST(DrawMemo, DateRangeAndLatestQueries) {
    auto state = drawsOf(10, [](int) { return std::array<int, 5>{1, 2, 3, 4, 5}; });
    EXPECT_EQ(DrawsInDateRange(state->draws, Date{2020, 1, 3}, Date{2020, 1, 5}),
              (std::vector<int>{3, 4, 5}));
    EXPECT_EQ(DrawsInDateRange(state->draws, Date{2020, 1, 4}, Date{2020, 1, 4}), (std::vector<int>{4}));
    EXPECT_TRUE(DrawsInDateRange(state->draws, Date{2020, 1, 5}, Date{2020, 1, 3}).empty());
    EXPECT_EQ(LatestDraws(10, 3), (std::vector<int>{8, 9, 10}));
    EXPECT_EQ(LatestDraws(10, 50).size(), 10u);
    EXPECT_EQ(LatestDraws(10, 50).front(), 1);
    EXPECT_TRUE(LatestDraws(0, 50).empty());
    // The header carries the count as the window's 期數 box shows it, two blanks first.
    EXPECT_EQ(ListingCountText(0), "  0");
    EXPECT_EQ(ListingCountText(2500), "  2500");
    EXPECT_EQ(DateRangeHeader(Date{2009, 1, 1}, Date{2026, 12, 7}, 10),
              "驗證期間：2009/01/01 至 2026/12/07 共   10 期");
    EXPECT_EQ(LatestHeader("300"), "最近 300 期驗證");
}

TEST(DrawMemo, EveryKthDrawCountsBackFromTheLatest) {
    const auto picks = PeriodicPicks(100, 3);
    ASSERT_EQ(picks.size(), 34u);
    EXPECT_EQ(picks.front(), 1);
    EXPECT_EQ(picks.back(), 100);
    EXPECT_EQ(LastPicks(picks, 5), (std::vector<int>{88, 91, 94, 97, 100}));
    EXPECT_EQ(LastPicks(picks, 500).size(), 34u);
    EXPECT_EQ(PeriodicPicks(10, 1).size(), 10u);
    EXPECT_EQ(PeriodicPicks(10, 4), (std::vector<int>{2, 6, 10}));
    EXPECT_TRUE(PeriodicPicks(0, 3).empty());
    EXPECT_TRUE(PeriodicPicks(10, 0).empty());

    auto state = drawsOf(100, [](int) { return std::array<int, 5>{1, 2, 3, 4, 5}; });
    const auto lines = ListDraws(state->draws, LastPicks(picks, 5));
    EXPECT_EQ(lines.front().substr(0, 22), "0001,2020/03/28,109088");
    EXPECT_EQ(lines.back().substr(0, 22), "0005,2020/04/09,109100");
    EXPECT_EQ(PeriodicHeader("3", "5"), "每 3 期一次，取最近 5 期驗證");
}

TEST(DrawMemo, DragListsTheDrawsAfterEachMatchButTheLast) {
    // 07 stands at ascending position 2 in draws 2 and 6, at position 1 in draw 4, and in no other.
    auto state = drawsOf(8, [](int i) {
        switch (i) {
        case 2:
            return std::array<int, 5>{1, 7, 10, 20, 30};
        case 4:
            return std::array<int, 5>{7, 11, 12, 13, 14};
        case 6:
            return std::array<int, 5>{2, 7, 15, 16, 17};
        default:
            return std::array<int, 5>{21, 22, 23, 24, 25};
        }
    });
    EXPECT_EQ(DragDraws(state->draws, 2, "07", 1, true), (std::vector<int>{3}));
    EXPECT_EQ(DragDraws(state->draws, 2, "07", 1, false), (std::vector<int>{3, 5}));
    EXPECT_EQ(DragDraws(state->draws, 1, "07", 2, false), (std::vector<int>{4, 6}));
    // The scan ends lag draws before the end: with lag 4 draw 6 is out of reach, so draw 4 is last.
    EXPECT_EQ(DragDraws(state->draws, 1, "07", 4, false), (std::vector<int>{6}));
    EXPECT_TRUE(DragDraws(state->draws, 1, "7", 1, false).empty());
    EXPECT_EQ(DragDraws(state->draws, 2, "07", 0, false), (std::vector<int>{2, 4}));
    // Values the tables cannot serve pick nothing.
    EXPECT_TRUE(DragDraws(state->draws, 6, "07", 1, true).empty());
    EXPECT_TRUE(DragDraws(state->draws, 2, "07", -1, true).empty());
    EXPECT_TRUE(DragDraws(state->draws, 2, "07", 50, false).empty());

    EXPECT_EQ(DrawOfDate(state->draws, "2020/01/04"), 4);
    EXPECT_EQ(DrawOfDate(state->draws, "2020/02/04"), 0);
    EXPECT_EQ(DrawOfDate(state->draws, ""), 0);

    EXPECT_EQ(DragHeader(true, "2", "07", "1", 1), "當第 2 支開07之下1期統計驗證 (共 1 期)");
    EXPECT_EQ(DragHeader(false, "2", "07", "1", 2), "當07不定點開出 之下1期統計驗證 (共 2 期)");
}
