#include <gtest/gtest.h>

#include "analysis/paths/no_analysis_counts.h"
#include "trace_rows.h"

TEST(NumberAnalysisCounts, PeriodCountMustBeAWholeNumberBelow2501) {
    EXPECT_EQ(ReadPeriodCount("12"), 12);
    EXPECT_EQ(ReadPeriodCount("2500"), 2500);
    EXPECT_FALSE(ReadPeriodCount("2501"));
    EXPECT_FALSE(ReadPeriodCount("abc"));
    EXPECT_FALSE(ReadPeriodCount(""));
    EXPECT_EQ(PeriodChoices(4), (std::vector<std::string>{"2", "3", "4"}));
    EXPECT_TRUE(PeriodChoices(0).empty());
}

TEST(NumberAnalysisCounts, CountsTheMostRecentRows) {
    const auto drag = TraceRowsWith(5, {{1, {7, 17}}, {4, {7, 39}}, {5, {7, 10}}});
    const RecentCounts two = CountRecentRows(*drag, 5, 2, 39);
    EXPECT_EQ(two.numbers[7], 2);
    EXPECT_EQ(two.numbers[17], 0);
    EXPECT_EQ(two.tails[7], 2);
    EXPECT_EQ(two.tails[9], 1);
    EXPECT_EQ(two.tails[0], 1);
    const RecentCounts all = CountRecentRows(*drag, 5, 99, 39);
    EXPECT_EQ(all.numbers[7], 3);
    EXPECT_EQ(all.tails[7], 4);
    EXPECT_EQ(CountRecentRows(*drag, 5, 0, 39).numbers[7], 0);

    const AnalysisCells plain = AnalysisGridCells(all, 39, false);
    EXPECT_EQ(plain.numbers[0].heading, "1");
    EXPECT_EQ(plain.numbers[0].count, "");
    EXPECT_EQ(plain.numbers[6].heading, "7");
    EXPECT_EQ(plain.numbers[6].count, "3");
    EXPECT_EQ(plain.numbers[38].heading, "39");
    EXPECT_EQ(plain.numbers[39].heading, ""); // past the game's numbers
    EXPECT_EQ(plain.tails[7].heading, "  7");
    EXPECT_EQ(plain.tails[7].count, "4");

    const AnalysisCells sorted = AnalysisGridCells(all, 39, true);
    EXPECT_EQ(sorted.numbers[0].heading, "7");
    EXPECT_EQ(sorted.numbers[0].count, "3");
    EXPECT_EQ(sorted.numbers[1].heading, "39"); // one mark each: the higher number first
    EXPECT_EQ(sorted.numbers[4].heading, "38");
    EXPECT_EQ(sorted.numbers[4].count, "");
    EXPECT_EQ(sorted.numbers[39].heading, "");
    EXPECT_EQ(sorted.tails[0].heading, "  7");
    EXPECT_EQ(sorted.tails[9].heading, "  1");
}

TEST(NumberAnalysisCounts, EqualCountsSortFromTheHighestNumber) {
    const auto drag = TraceRowsWith(0, {});
    const AnalysisCells sorted = AnalysisGridCells(CountRecentRows(*drag, 0, 10, 39), 39, true);
    for (int k = 0; k < 39; ++k)
        EXPECT_EQ(sorted.numbers[static_cast<std::size_t>(k)].heading, std::to_string(39 - k));
    EXPECT_EQ(sorted.tails[0].heading, "  9");
}
