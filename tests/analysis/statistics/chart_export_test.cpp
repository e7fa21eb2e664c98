#include <gtest/gtest.h>

#include "analysis/statistics/chart_export.h"
#include "analysis/statistics/statistics_draws.h"

namespace {

const DateRange Always{Date{2002, 1, 1}, Date{2026, 12, 7}};

std::vector<std::string> Labels(const std::vector<ChartBar>& bars) {
    std::vector<std::string> out;
    for (const auto& bar : bars)
        out.push_back(bar.label);
    return out;
}

} // namespace

TEST(ChartTexts, TitlesAndFilesByGameAndView) {
    const auto tables = LoadedTables(DatedDraws({{1, 2, 3, 4, 5}, {3, 4, 5, 6, 7}, {5, 6, 7, 8, 9}}));
    auto numbers = ChartTexts(tables->draws, StatisticsView::Numbers);
    ASSERT_TRUE(numbers);
    EXPECT_EQ(numbers->smallFootText, "今彩５３９號碼統計");
    EXPECT_EQ(numbers->firstTitle, "109001-109003 期號碼統計 (前段)");
    EXPECT_EQ(numbers->secondTitle, "109001-109003 期號碼統計 (後段)");
    EXPECT_EQ(numbers->file1 + numbers->file2 + numbers->file3, "small1.gifindex1A.gifindex1B.gif");
    auto far = ChartTexts(tables->draws, StatisticsView::Far);
    EXPECT_EQ(far->smallFootText, "今彩５３９遠星統計");
    EXPECT_EQ(far->firstTitle, "109001-109003 期遠星號碼 (前段)");
    EXPECT_EQ(far->secondTitle, "109001-109003 期遠星統計 (後段)");
    EXPECT_EQ(far->file1 + far->file2 + far->file3, "small2.gifindex2A.gifindex2B.gif");
    EXPECT_FALSE(ChartTexts(tables->draws, StatisticsView::Tails));

    tables->draws.GameIndex = 0;
    numbers = ChartTexts(tables->draws, StatisticsView::Numbers);
    EXPECT_EQ(numbers->smallFootText, "加州５３９號碼統計");
    EXPECT_EQ(numbers->firstTitle, "109001至109003 期號碼統計 (前段)");
    EXPECT_EQ(numbers->file1 + numbers->file2 + numbers->file3, "small3.gifindex3A.gifindex3B.gif");
    far = ChartTexts(tables->draws, StatisticsView::Far);
    EXPECT_EQ(far->smallFootText, "加州５３９遠星統計");
    EXPECT_EQ(far->file1 + far->file2 + far->file3, "small4.gifindex4A.gifindex4B.gif");

    // With nothing loaded there is no first or last draw to name.
    tables->draws.DrawCount = 0;
    tables->draws.GameIndex = 1;
    EXPECT_EQ(ChartTexts(tables->draws, StatisticsView::Numbers)->firstTitle, "- 期號碼統計 (前段)");
}

TEST(ChartBars, SmallChartsTakeTheBestSixAndTheSecondHalfRunsBackwards) {
    const auto tables = LoadedTables(DatedDraws({{1, 2, 3, 4, 5}, {3, 4, 5, 6, 7}, {5, 6, 7, 8, 9}}));
    const ChartBars bars = ChartBarsOf(CountNumbers(tables->draws, Always, true));
    EXPECT_EQ(Labels(bars.small), (std::vector<std::string>{"05", "07", "06", "04", "03", "09"}));
    EXPECT_EQ(bars.small[0].value, 3);
    EXPECT_EQ(bars.small[5].value, 1);
    ASSERT_EQ(bars.firstHalf.size(), 19u);
    EXPECT_EQ(bars.firstHalf[0].label, "05");
    EXPECT_EQ(bars.firstHalf[18].label, "30"); // slot 19: the numbers never drawn follow from 39 down
    ASSERT_EQ(bars.secondHalf.size(), 20u);
    EXPECT_EQ(bars.secondHalf[0].label, "10"); // the last slot first
    EXPECT_EQ(bars.secondHalf[0].value, 0);
    EXPECT_EQ(bars.secondHalf[19].label, "29"); // slot 20

    // In the far view the bars carry the draws since each number was last drawn.
    const ChartBars far = ChartBarsOf(CountFar(tables->draws, Always, true));
    EXPECT_EQ(far.small[0].value, 3);
    EXPECT_EQ(far.secondHalf[0].value, 0);
}
