#include <gtest/gtest.h>
#include <map>

#include "analysis/statistics/number_statistics.h"
#include "analysis/statistics/statistics_draws.h"

namespace {

const DateRange Always{Date{2002, 1, 1}, Date{2026, 12, 7}};

std::vector<int> Order(const NumberRanking& ranking) {
    std::vector<int> out;
    for (int i = 1; i <= ranking.numbers; ++i)
        out.push_back(ranking.stat_order[i]);
    return out;
}

// Hits: 5 three times; 3, 4, 6, 7 twice; 1, 2, 8, 9 once; the rest never.
std::unique_ptr<SharedTables> TiedDraws() {
    return LoadedTables(DatedDraws({{1, 2, 3, 4, 5}, {3, 4, 5, 6, 7}, {5, 6, 7, 8, 9}}));
}

} // namespace

TEST(NumberCounts, RankOrderPutsTheHigherNumberFirstOnEqualHits) {
    const auto tables = TiedDraws();
    const NumberRanking ranking = CountNumbers(tables->draws, Always, true);
    ASSERT_EQ(ranking.numbers, 39);
    EXPECT_EQ(ranking.count, 3);
    const std::vector<int> order = Order(ranking);
    EXPECT_EQ(std::vector<int>(order.begin(), order.begin() + 10),
              (std::vector<int>{5, 7, 6, 4, 3, 9, 8, 2, 1, 39}));
    EXPECT_EQ(order.back(), 10);
    EXPECT_EQ(ranking.stat_nocnt[1], 305);
    EXPECT_EQ(ranking.stat_nocnt[2], 207);
    EXPECT_EQ(ranking.stat_nocnt[39], 10);
    // Labels belong to the numbers, whatever slot they moved to; in this view none is red.
    EXPECT_EQ(ranking.labelText[5], "3");
    EXPECT_EQ(ranking.labelText[6], "2");
    EXPECT_EQ(ranking.labelText[10], "0");
    for (int n = 1; n <= 39; ++n)
        EXPECT_FALSE(ranking.labelRed[n]) << n;
    EXPECT_EQ(ranking.average, "平均值為 0.38"); // 3 x 5 / 39
    EXPECT_EQ(RankingPrintLines(ranking)[0], "05-03");
    EXPECT_EQ(RankingPrintLines(ranking)[38], "10-00");
    EXPECT_EQ(RankingPrintLines(ranking).size(), 39u);
}

TEST(NumberCounts, NumberOrderKeepsEveryNumberInItsSlotWithTheSameCounts) {
    const auto tables = TiedDraws();
    const NumberRanking ranked = CountNumbers(tables->draws, Always, true);
    const NumberRanking plain = CountNumbers(tables->draws, Always, false);
    for (int n = 1; n <= 39; ++n) {
        EXPECT_EQ(plain.stat_order[n], n);
        EXPECT_EQ(plain.labelText[n], ranked.labelText[n]);
    }
    EXPECT_EQ(plain.stat_nocnt[5], 305);
    EXPECT_EQ(plain.average, ranked.average);
}

TEST(FarCounts, CountWithinTheRangeOnly) {
    // Ten draws of 30..34 before the range, then five in it: the range starts at the 11th draw.
    const auto tables = LoadedTables(TenFarThenFive());
    const DateRange fromEleventh{Date{2020, 1, 11}, Date{2026, 12, 7}};

    const NumberRanking plain = CountFar(tables->draws, fromEleventh, false);
    EXPECT_EQ(plain.count, 5);
    const std::map<int, int> expected = {{1, 2},  {2, 0},  {3, 4},  {6, 3}, {11, 2},
                                         {15, 1}, {20, 0}, {30, 5}, {39, 5}};
    for (const auto& [n, value] : expected) {
        EXPECT_EQ(plain.stat_nocnt[n], value * 100) << n;
        EXPECT_EQ(plain.labelText[n], std::to_string(value)) << n;
    }
    for (int n = 1; n <= 39; ++n) {
        EXPECT_GE(plain.stat_nocnt[n], 0) << n;
        // Red exactly for the numbers of the range's newest draw.
        EXPECT_EQ(plain.labelRed[n], n == 2 || (n >= 20 && n <= 23)) << n;
    }
    EXPECT_EQ(plain.average, "平均值為 3.13"); // 122 draws in all / 39

    const NumberRanking ranked = CountFar(tables->draws, fromEleventh, true);
    EXPECT_EQ(ranked.stat_order[1], 24); // the first of the numbers never drawn in the range
    EXPECT_EQ(ranked.stat_nocnt[1], 500);
    for (int i = 2; i <= 39; ++i)
        EXPECT_GE(ranked.stat_nocnt[i - 1], ranked.stat_nocnt[i]) << i;
    std::vector<int> lastFive = Order(ranked);
    lastFive.erase(lastFive.begin(), lastFive.end() - 5);
    std::sort(lastFive.begin(), lastFive.end());
    EXPECT_EQ(lastFive, (std::vector<int>{2, 20, 21, 22, 23}));
    std::vector<int> all = Order(ranked);
    std::sort(all.begin(), all.end());
    for (int i = 0; i < 39; ++i)
        EXPECT_EQ(all[static_cast<std::size_t>(i)], i + 1);
}

TEST(TailCounts, CountLastDigitsWithZeroAtTheEnd) {
    const auto tables = LoadedTables(DatedDraws({{1, 2, 3, 4, 5}, {10, 20, 30, 11, 21}}));
    const TailCounts tails = CountTails(tables->draws, Always);
    EXPECT_EQ(tails.count, 2);
    EXPECT_EQ(tails.stat_tailcnt[10], 3);
    EXPECT_EQ(tails.stat_tailcnt[1], 3);
    EXPECT_EQ(tails.stat_tailcnt[2], 1);
    EXPECT_EQ(tails.labelText[0], "3");
    EXPECT_EQ(tails.labelText[1], "3");
    EXPECT_EQ(tails.labelText[6], ""); // a tail never drawn shows nothing
    EXPECT_EQ(tails.average, "平均值為 1.00");
}

TEST(Statistics, ARangeWithoutDrawsCountsNothing) {
    const auto tables = TiedDraws();
    const DateRange later{Date{2021, 1, 1}, Date{2026, 12, 7}};
    const NumberRanking numbers = CountNumbers(tables->draws, later, true);
    EXPECT_EQ(numbers.count, 0);
    EXPECT_EQ(numbers.stat_order[1], 39);
    EXPECT_EQ(numbers.labelText[1], "0");
    EXPECT_EQ(numbers.average, "平均值為 0.00");
    const NumberRanking far = CountFar(tables->draws, later, true);
    for (int n = 1; n <= 39; ++n) {
        EXPECT_EQ(far.labelText[n], "0");
        EXPECT_TRUE(far.labelRed[n]);
    }
    EXPECT_EQ(far.average, "平均值為 0.00");
    const TailCounts tails = CountTails(tables->draws, later);
    EXPECT_EQ(tails.labelText[1], "");
    EXPECT_EQ(tails.average, "平均值為 0.00");
    // Both ends of the range are days included.
    EXPECT_EQ(CountNumbers(tables->draws, {Date{2020, 1, 2}, Date{2020, 1, 2}}, false).count, 1);
}

TEST(Statistics, NumbersOutsideTheGameAreSkippedByEveryCount) {
    const auto tables = LoadedTables(DatedDraws({{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}}));
    tables->draws.DrawNumsDrawn[1][2] = "00";
    tables->draws.DrawNumsDrawn[2][2] = "40";
    tables->draws.DrawNumsDrawn[3][2] = "ab";
    tables->draws.DrawNumsDrawn[4][2] = "-7";
    tables->draws.DrawNumsDrawn[5][2] = "99";
    const NumberRanking numbers = CountNumbers(tables->draws, Always, false);
    EXPECT_EQ(numbers.count, 2);
    EXPECT_EQ(numbers.stat_nocnt[6], 6);
    EXPECT_EQ(numbers.stat_nocnt[1], 101);
    const NumberRanking far = CountFar(tables->draws, Always, false);
    EXPECT_EQ(far.stat_nocnt[1], 100); // drawn in the first draw only
    EXPECT_EQ(far.stat_nocnt[10], 200);
    const TailCounts tails = CountTails(tables->draws, Always);
    EXPECT_EQ(tails.stat_tailcnt[10], 0);
    EXPECT_EQ(tails.stat_tailcnt[1], 1);
}
