#include <gtest/gtest.h>

#include "analysis/drag/drag_queries.h"
#include "common/errors.h"
#include "drag_history.h"

namespace {

using Rows = std::vector<int>;

// Draws 1..7 (drawn order); 05 is drawn in 1, 3, 4, 6 and the newest, 7.
std::unique_ptr<SharedTables> smallHistory() {
    return HistoryOf({{5, 12, 33, 1, 20},
                      {7, 8, 9, 10, 11},
                      {5, 6, 30, 31, 32},
                      {1, 2, 3, 4, 5},
                      {12, 13, 14, 15, 16},
                      {5, 17, 18, 19, 21},
                      {5, 22, 23, 24, 25}});
}

Rows allDraws(const DrawTables& draws) {
    Rows rows;
    for (int k = 1; k <= draws.DrawCount; ++k)
        rows.push_back(k);
    return rows;
}

} // namespace

TEST(DragQueries, NewestPeriodStartsOneDrawOnAndTheNewestBaseGivesNoRow) {
    const auto t = smallHistory();
    const DrawTables& d = t->draws;
    const int chosen = FindPeriod(d, "000007");
    EXPECT_EQ(chosen, 7);
    const int offset = PeriodOffset(d, chosen);
    EXPECT_EQ(offset, 1);
    EXPECT_EQ(OffsetLabel(offset), "下 1 期");
    EXPECT_EQ(SingleTargets(d, allDraws(d), "05", offset), (Rows{2, 4, 5, 7}));
    // One period back ("上一期") is 本期: the base draws themselves.
    EXPECT_EQ(OffsetLabel(offset - 1), "本期");
    EXPECT_EQ(SingleTargets(d, allDraws(d), "05", 0), (Rows{1, 3, 4, 6, 7}));
    EXPECT_EQ(OffsetLabel(-3), "上 3 期");
    EXPECT_EQ(OffsetLabel(120), "下 120 期");
    // An older period moves the first query further on.
    EXPECT_EQ(PeriodOffset(d, FindPeriod(d, "000004")), 4);
    EXPECT_EQ(SingleTargets(d, allDraws(d), "05", 4), (Rows{5, 7}));
}

TEST(DragQueries, PinnedRowsAndEmptyTextsLimitTheSearch) {
    const auto t = smallHistory();
    const DrawTables& d = t->draws;
    EXPECT_TRUE(SingleTargets(d, {}, "05", 0).empty()); // pinned with no rows
    EXPECT_EQ(SingleTargets(d, {2, 4, 5, 7}, "05", 1), (Rows{5}));
    EXPECT_TRUE(SingleTargets(d, allDraws(d), "", 0).empty());
    EXPECT_TRUE(SingleTargets(d, {0, 9, 2500}, "05", 0).empty()); // stale pins past the loaded draws
}

TEST(DragQueries, PairAndTripleMatchInAnyOrder) {
    const auto t = smallHistory();
    const DrawTables& d = t->draws;
    EXPECT_EQ(PairTargets(d, "01", "05", 1), (Rows{2, 5}));
    EXPECT_EQ(PairTargets(d, "05", "01", 1), (Rows{2, 5}));
    EXPECT_EQ(TripleTargets(d, "20", "01", "05", 0), (Rows{1}));
    EXPECT_TRUE(TripleTargets(d, "01", "05", "", 0).empty());
}

TEST(DragQueries, SizeAndBallPositions) {
    const auto t = smallHistory();
    const DrawTables& d = t->draws;
    EXPECT_EQ(SizePositionTargets(d, 1, "05", 0), (Rows{3, 6, 7}));
    EXPECT_EQ(SizePositionTargets(d, 2, "05", 0), (Rows{1})); // 01 05 12 20 33
    EXPECT_EQ(BallPositionTargets(d, 1, "05", 1), (Rows{2, 4, 7}));
    EXPECT_EQ(BallPositionTargets(d, 5, "05", 0), (Rows{4}));
    // Positions 6 and 7 hold no number; positions outside the tables match nothing either.
    for (int position : {6, 7, 0, -1, 99}) {
        EXPECT_TRUE(SizePositionTargets(d, position, "", 0).empty()) << position;
        EXPECT_TRUE(BallPositionTargets(d, position, "", 0).empty()) << position;
    }
}

TEST(DragQueries, AddSubtractComparesSizePositionValues) {
    const auto t = smallHistory();
    const DrawTables& d = t->draws;
    EXPECT_EQ(AddTargets(d, 1, +1, 1, 2, 0), (Rows{2, 3, 4, 5}));
    EXPECT_EQ(AddTargets(d, 2, -1, 1, 1, 1), (Rows{3, 4, 5, 6}));
    EXPECT_EQ(AddTargets(d, 1, +1, 4, 2, 0), (Rows{1})); // 01 + 4 = 05
    // A position without numbers is a conversion error, as typing a non-number would be.
    EXPECT_THROW(AddTargets(d, 6, +1, 1, 2, 0), ConversionError);
    EXPECT_THROW(AddTargets(d, 1, +1, 1, 0, 0), ConversionError);
    EXPECT_NO_THROW(AddTargets(HistoryOf({})->draws, 6, +1, 1, 2, 0));
    EXPECT_EQ(LeadingValue("12"), 12);
    EXPECT_EQ(LeadingValue("2x"), 2);
    EXPECT_EQ(LeadingValue("x"), 0);
    EXPECT_EQ(LeadingValue(""), 0);
    // The position boxes: leading digits count; a position without numbers names the box.
    EXPECT_EQ(AddPosition("第", "2x"), 2);
    const std::pair<const char*, const char*> refused[] = {{"", "「第」的內容「」不是有效的整數"},
                                                           {"q", "「第」的內容「q」不是有效的整數"},
                                                           {"6", "「第」的內容「6」不在 1 到 5 之間"},
                                                           {"0", "「第」的內容「0」不在 1 到 5 之間"}};
    for (const auto& [typed, message] : refused) {
        try {
            AddPosition("第", typed);
            ADD_FAILURE() << typed;
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), message);
        }
    }
}

TEST(DragQueries, CycleCountsBackFromTheDrawAfterThePeriod) {
    const auto t = HistoryOf(RandomDraws(30, 3));
    const DrawTables& d = t->draws;
    const CycleRows newest = CycleTargets(d, "000030", 3, 0);
    EXPECT_EQ(newest.rows, (Rows{1, 4, 7, 10, 13, 16, 19, 22, 25, 28}));
    EXPECT_EQ(newest.usedDraw, 30);
    EXPECT_EQ(CycleTargets(d, "000030", 3, 1).rows.back(), 29);
    const CycleRows older = CycleTargets(d, "000020", 5, 0);
    EXPECT_EQ(older.rows, (Rows{1, 6, 11, 16, 21}));
    EXPECT_EQ(older.usedDraw, 20);
    // A text that names no draw counts from the newest draw.
    const CycleRows unknown = CycleTargets(d, "abc", 3, 0);
    EXPECT_EQ(unknown.rows, newest.rows);
    EXPECT_EQ(unknown.usedDraw, 30);
    EXPECT_TRUE(CycleTargets(HistoryOf({})->draws, "", 3, 0).rows.empty());
}

TEST(DragQueries, PeriodListsComeFromTheChosenDraw) {
    const auto t = smallHistory();
    const DrawTables& d = t->draws;
    EXPECT_EQ(DrawnChoices(d, 1), (std::vector<std::string>{"05", "12", "33", "01", "20"}));
    EXPECT_EQ(SizeChoices(d, 1), (std::vector<std::string>{"01", "05", "12", "20", "33"}));
    EXPECT_EQ(PairChoices(d, 1), (std::vector<std::string>{"01.05", "01.12", "01.20", "01.33", "05.12",
                                                           "05.20", "05.33", "12.20", "12.33", "20.33"}));
    const std::vector<std::string> triples = TripleChoices(d, 1);
    ASSERT_EQ(triples.size(), 10u);
    EXPECT_EQ(triples.front(), "01.05.12");
    EXPECT_EQ(triples[3], "01.12.20");
    EXPECT_EQ(triples.back(), "12.20.33");
    // No such period: five empty entries in every list.
    EXPECT_EQ(FindPeriod(d, "999999"), 0);
    for (const auto& list : {DrawnChoices(d, 0), SizeChoices(d, 0), PairChoices(d, 0), TripleChoices(d, 0)})
        EXPECT_EQ(list, std::vector<std::string>(5));
    EXPECT_EQ(PeriodText(d, 8), "");
    EXPECT_EQ(PeriodText(d, 7), "000007");
    EXPECT_EQ(ChoicePart("05.12.33", 4), "12");
    EXPECT_EQ(ChoicePart("05", 4), "");
}

TEST(DragQueries, RecentPeriodsAreTheNewestElevenNewestFirst) {
    const auto t = HistoryOf(RandomDraws(15, 1));
    const std::vector<std::string> ids = RecentPeriods(t->draws);
    ASSERT_EQ(ids.size(), 11u);
    EXPECT_EQ(ids.front(), "000015");
    EXPECT_EQ(ids.back(), "000005");
    EXPECT_EQ(RecentPeriods(smallHistory()->draws).size(), 7u);
}

TEST(DragQueries, RuleTitles) {
    EXPECT_EQ(ChoiceTitle("05", "下 1 期"), "本期開 05 下 1 期 拖牌分析");
    EXPECT_EQ(SizePositionTitle("2", "05", "本期"), "本期第 2 支開 05 本期 拖牌分析");
    EXPECT_EQ(BallPositionTitle("1", "07", "上 2 期"), "本期落球第 1 支開 07 上 2 期 拖牌分析");
    EXPECT_EQ(AddTitle("1", "加", "1", "2", "本期"), "本期第 1 支加 1等於第 2支本期 拖牌分析");
    EXPECT_EQ(CycleTitle("115300", "03", "本期"), "第115300期之下一期往前推,每隔 03期 本期 拖牌分析");
}
