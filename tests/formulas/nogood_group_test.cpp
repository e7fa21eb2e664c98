#include <gtest/gtest.h>

#include "formula_history.h"
#include "formula_reference.h"
#include "formulas/nogood_group_search.h"
#include "formulas/nogood_group_texts.h"

TEST(NogoodGroup, CandidatesRepeatIntoTheNextNumberAndAbsentBallsCountAsZero) {
    // m = 1: candidate 1 is 38 + 1 and candidate 2 is 37 + 2, both 39; the second wraps to 01.
    const int near[7] = {39, 38, 3, 4, 5, 0, 0};
    const int far[7] = {1, 1, 3, 4, 5, 0, 0};
    EXPECT_EQ(GroupFromValues(near, far, 1, 5, 39), (std::vector<int>{1, 3, 4, 5, 39}));
    // With no sixth or seventh ball, candidates 6, 7, 13 and 14 are their indexes.
    const int a[7] = {10, 20, 30, 35, 38, 0, 0};
    const int b[7] = {1, 2, 3, 4, 5, 0, 0};
    const std::vector<int> all = GroupFromValues(a, b, 1, 14, 39);
    EXPECT_EQ(all.size(), 14u);
    EXPECT_TRUE(std::is_sorted(all.begin(), all.end()));
    EXPECT_EQ(std::adjacent_find(all.begin(), all.end()), all.end());
    for (int constant : {6, 7, 13, 14})
        EXPECT_NE(std::find(all.begin(), all.end(), constant), all.end()) << constant;
    // Size 5 takes the first five difference candidates only.
    EXPECT_EQ(GroupFromValues(a, b, 1, 5, 39), (std::vector<int>{10, 20, 30, 35, 38}));
    // m multiplies before the fold: 9x2+1, 18x2+2, 27x2+3 = 57 -> 18, 66 -> 27, 71 -> 32.
    EXPECT_EQ(GroupFromValues(a, b, 2, 5, 39), (std::vector<int>{18, 19, 27, 32, 38}));
}

TEST(NogoodGroup, PassRules) {
    const GroupSettings allClearSevenOfNine{0, 7, 8};
    EXPECT_TRUE(GroupRulePasses({1, 1, 0, 0, 0, 0, 0, 0, 0}, allClearSevenOfNine));
    EXPECT_FALSE(GroupRulePasses({1, 1, 1, 0, 0, 0, 0, 0, 0}, allClearSevenOfNine));
    EXPECT_FALSE(GroupRulePasses({2, 0, 0, 0, 0, 0, 0, 0, 0}, allClearSevenOfNine));
    const GroupSettings oneBurstFiveOfNine{1, 5, 8};
    EXPECT_TRUE(GroupRulePasses({1, 1, 1, 1, 1, 1, 1, 1, 1}, oneBurstFiveOfNine));
    // A draw with too many hits costs ten passes: with 爆一支 only all nine draws passing keep a rule.
    EXPECT_FALSE(GroupRulePasses({2, 0, 0, 0, 0, 0, 0, 0, 0}, oneBurstFiveOfNine));
    EXPECT_TRUE(GroupRulePasses({2, 2, 2, 2, 2, 0, 0, 0, 0}, GroupSettings{2, 5, 8}));
    EXPECT_FALSE(GroupRulePasses({3, 0, 0, 0, 0, 0, 0, 0, 0}, GroupSettings{2, 5, 8}));
}

TEST(NogoodGroup, CodesAndBoxes) {
    EXPECT_EQ(GroupCode(3, {1, 2, 39}), 3010239);
    const GroupRule rule = RuleOfCode(12091039);
    EXPECT_EQ(rule.u, 9);
    EXPECT_EQ(rule.v, 10);
    EXPECT_EQ(rule.m, 39);
    EXPECT_EQ(GroupCodeText({1, 2, 39}), "NGG010239");
    EXPECT_EQ(MaxHitsOfLine("3"), 2);
    EXPECT_EQ(MaxHitsOfLine("4"), 1);
    EXPECT_EQ(MaxHitsOfLine("x"), 0);
    EXPECT_EQ(PassNeedOfLine("83"), 5);
    EXPECT_EQ(PassNeedOfLine("84"), 6);
    EXPECT_EQ(PassNeedOfLine(""), 7);
    for (int hits : {0, 1, 2})
        EXPECT_EQ(MaxHitsOfLine(LineOfMaxHits(hits)), hits);
    for (int need : {5, 6, 7})
        EXPECT_EQ(PassNeedOfLine(LineOfPassNeed(need)), need);
    EXPECT_EQ(GroupSizeFromText("abc").size, 8);
    EXPECT_EQ(GroupSizeFromText("abc").text, "8");
    EXPECT_EQ(GroupSizeFromText("15").text, "14");
    EXPECT_EQ(GroupSizeFromText("4").size, 5);
    EXPECT_EQ(GroupSizeFromText("11").size, 11);
}

TEST(NogoodGroup, SearchKeepsWhatTheReferenceKeepsOverTheShippedHistory) {
    const auto history = ShippedHistory();
    const DrawTables& draws = history->draws;
    const GroupSettings settings[] = {{1, 6, 8}, {0, 7, 5}, {2, 5, 14}, {0, 5, 11}};
    for (const GroupSettings& s : settings)
        for (int base : {draws.DrawCount, draws.DrawCount - 5}) {
            const std::vector<int> kept = SearchGroupRules(draws, base, s, Threads(1)).keys;
            EXPECT_EQ(kept, ReferenceGroupSearch(draws, base, s)) << s.maxHits << s.passNeed << s.groupSize;
            EXPECT_EQ(SearchGroupRules(draws, base, s, Threads(4)).keys, kept);
        }
    EXPECT_FALSE(SearchGroupRules(draws, draws.DrawCount, {1, 6, 8}, Threads(2)).keys.empty());
}

TEST(NogoodGroup, SearchNeedsEighteenDrawsBeforeTheBase) {
    const auto history = HistoryOf(RandomDraws(19, 7));
    EXPECT_TRUE(GroupHistoryCovers(19));
    EXPECT_FALSE(GroupHistoryCovers(18));
    EXPECT_TRUE(SearchGroupRules(history->draws, 18, {}, {}).keys.empty());
    EXPECT_EQ(SearchGroupRules(history->draws, 19, {0, 5, 5}, {}).keys,
              ReferenceGroupSearch(history->draws, 19, {0, 5, 5}));
}

TEST(NogoodGroup, ShowLaysOutTheGroupsDrawByDraw) {
    const auto history = ShippedHistory();
    const DrawTables& draws = history->draws;
    const int base = draws.DrawCount - 2;
    const GroupSettings settings{1, 6, 8};
    const int code = GroupCode(0, {3, 7, 11});
    const GroupDisplay shown = ShowGroupCode(draws, base, code, settings, "2024/01/02");
    EXPECT_EQ(shown.label, "NGG030711");
    // 9 verification draws, 2 after the base, 3 coming.
    ASSERT_EQ(shown.grid.rowCount(), 3 + 10 + 2);
    ASSERT_EQ(shown.memo.size(), 3u + 14u + 1u);
    EXPECT_EQ(shown.memo[0],
              "驗證條件：以基準日期 2024/01/02 的前九期 , 6 期以上爆 1 支以下的數據來預測本期號碼");
    EXPECT_EQ(shown.memo[1], "版路代號：NGG030711 ( 8 碼)");
    EXPECT_EQ(shown.memo[2], "預測及驗證：");
    EXPECT_EQ(shown.memo.back(), "(爆支計算不包含特別號)");
    for (int row = 1; row <= 11; ++row) {
        const int p = base - 9 + row;
        const std::vector<int> group = GroupOfDraw(draws, {3, 7, 11}, p, 8);
        EXPECT_EQ(shown.grid.cell(9, row), GroupText(group));
        EXPECT_EQ(shown.grid.cell(1, row), draws.DrawId[p]);
        const int hits = GroupHits(draws, group, p);
        EXPECT_EQ(shown.grid.cell(10, row), hits > 0 ? "  " + std::to_string(hits) : "過關");
        EXPECT_EQ(shown.memo[2 + row], draws.DrawId[p] + "期預測 " + GroupText(group) +
                                           (hits > 0 ? " 爆   " + std::to_string(hits) + " 支" : " 過關"));
    }
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(shown.grid.cell(0, 11 + n), "下 " + std::to_string(n) + " 期預測");
        EXPECT_EQ(shown.grid.cell(1, 11 + n), "");
        EXPECT_EQ(shown.grid.cell(10, 11 + n), "   "); // no hits to count yet
        EXPECT_EQ(shown.grid.cell(9, 11 + n).size(), 8u * 3u);
        EXPECT_EQ(shown.memo[2 + 11 + n],
                  "下   " + std::to_string(n) + "    期預測 " + shown.grid.cell(9, 11 + n));
    }
    EXPECT_EQ(GroupText({3, 7, 39}), "03.07.39.");
}

TEST(NogoodGroup, GridsBeforeASearch) {
    const auto history = ShippedHistory();
    const TextTable initial = GroupInitialGrid(history->draws);
    EXPECT_EQ(initial.rowCount(), 10);
    EXPECT_EQ(initial.cell(9, 0), "不出牌組預測號碼 ");
    EXPECT_EQ(initial.cell(1, 9), history->draws.DrawId[history->draws.DrawCount]);
    EXPECT_EQ(initial.cell(2, 9), history->draws.DrawNumsDrawn[1][history->draws.DrawCount]);
    EXPECT_EQ(GroupSearchGrid(history->draws).cell(10, 9), "   ");
}
