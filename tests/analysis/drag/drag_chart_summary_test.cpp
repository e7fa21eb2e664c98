#include "analysis/drag/drag_chart_summary.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

#include "analysis/drag/drag_chart_texts.h"
#include "common/num_text.h"
#include "drag_chart_tables.h"

void PrintTo(const ChartBar& bar, std::ostream* out) {
    *out << bar.label << "=" << bar.value;
}

namespace {

// The newest draw (draw 6) shares 03 with draw 1, 11 with draw 2 and 24 with draw 4; draw 5 shares
// 06 with draws 1, 3 and 4.
std::unique_ptr<DrawTables> SixDraws() {
    return ChartTables({{"2020/01/01", "000001", {"06", "18", "01", "02", "03"}},
                        {"2020/01/02", "000002", {"11", "22", "33", "04", "05"}},
                        {"2020/01/03", "000003", {"06", "07", "08", "09", "10"}},
                        {"2020/01/04", "000004", {"18", "06", "23", "24", "25"}},
                        {"2020/01/05", "000005", {"14", "06", "15", "16", "17"}},
                        {"2020/01/06", "000006", {"38", "03", "24", "11", "30"}}});
}

DragChartSettings Settings(std::initializer_list<int> distances, std::initializer_list<int> modes,
                           const Date& to = {2020, 1, 6}) {
    DragChartSettings settings;
    settings.from = {2005, 1, 1};
    settings.to = to;
    settings.distances.fill(false);
    for (int k : distances)
        settings.distances[static_cast<std::size_t>(k - 1)] = true;
    settings.modes.fill(false);
    for (int m : modes)
        settings.modes[static_cast<std::size_t>(m - 1)] = true;
    return settings;
}

int Count(const std::vector<ChartBar>& bars, const std::string& label) {
    for (const ChartBar& bar : bars)
        if (bar.label == label)
            return bar.value;
    ADD_FAILURE() << "no bar " << label;
    return -1;
}

std::vector<std::string> Labels(const std::vector<ChartBar>& bars) {
    std::vector<std::string> labels;
    for (const ChartBar& bar : bars)
        labels.push_back(bar.label);
    return labels;
}

} // namespace

TEST(DragSummary, ListsMatchesAndFollowersAndCountsTheFollowers) {
    const auto draws = SixDraws();
    const DragChartRun run = RunDragSummary(*draws, Settings({1}, {1}));
    // The newest draw is its own match, listed last without a follower.
    EXPECT_EQ(run.memo1, (std::vector<std::string>{"編號, 開獎日期__, 期數__, 號碼",
                                                   "0001, 2020/01/01, 000001, 01,02,03,06,18,",
                                                   "0002, 2020/01/02, 000002, 04,05,11,22,33,",
                                                   "0003, 2020/01/04, 000004, 06,18,23,24,25,",
                                                   "0004, 2020/01/06, 000006, 03,11,24,30,38,"}));
    EXPECT_EQ(run.memo2, (std::vector<std::string>{"編號, 開獎日期__, 期數__, 號碼",
                                                   "0001, 2020/01/02, 000002, 04,05,11,22,33,",
                                                   "0002, 2020/01/03, 000003, 06,07,08,09,10,",
                                                   "0003, 2020/01/05, 000005, 06,14,15,16,17,"}));
    EXPECT_EQ((std::array<std::string, 5>{run.chart_qno[0], run.chart_qno[1], run.chart_qno[2],
                                          run.chart_qno[3], run.chart_qno[4]}),
              (std::array<std::string, 5>{"03", "11", "24", "30", "38"}));
    ASSERT_TRUE(run.titles);
    EXPECT_EQ(*run.titles,
              (DragChartTitles{"拖牌號碼統計(2005/01/01-2020/01/06)", "拖牌頭數統計(2005/01/01-2020/01/06)",
                               "拖牌尾數統計(2005/01/01-2020/01/06)"}));
    EXPECT_EQ(run.drawsInRange, 6);

    ASSERT_EQ(run.bars.numbers.size(), 39u);
    ASSERT_EQ(run.bars.tails.size(), 10u);
    ASSERT_EQ(run.bars.heads.size(), 4u);
    EXPECT_EQ(run.bars.numbers[0], (ChartBar{"06", 2}));
    EXPECT_EQ(run.bars.numbers[1], (ChartBar{"33", 1})); // equal counts: the higher number first
    EXPECT_EQ(run.bars.numbers[13], (ChartBar{"04", 1}));
    EXPECT_EQ(run.bars.numbers[14], (ChartBar{"39", 0}));
    EXPECT_EQ(run.bars.numbers.back(), (ChartBar{"01", 0}));
    EXPECT_EQ(Labels(run.bars.tails), (std::vector<std::string>{"6尾", "7尾", "5尾", "4尾", "9尾", "8尾",
                                                                "3尾", "2尾", "1尾", "0尾"}));
    EXPECT_EQ(run.bars.tails[0].value, 3);
    EXPECT_EQ(run.bars.tails[3].value, 2);
    EXPECT_EQ(run.bars.tails[4].value, 1);
    EXPECT_EQ(run.bars.heads, (std::vector<ChartBar>{{"0頭", 7}, {"1頭", 6}, {"3頭", 1}, {"2頭", 1}}));
    EXPECT_TRUE(run.messages.empty());
}

TEST(DragSummary, UnsortedBarsStandInKeyOrder) {
    const auto draws = SixDraws();
    DragChartSettings settings = Settings({1}, {1});
    settings.sort = false;
    const DragChartRun run = RunDragSummary(*draws, settings);
    for (int n = 1; n <= 39; ++n)
        EXPECT_EQ(run.bars.numbers[static_cast<std::size_t>(n - 1)].label, NumText(n));
    EXPECT_EQ(run.bars.numbers[5], (ChartBar{"06", 2}));
    EXPECT_EQ(Labels(run.bars.tails), (std::vector<std::string>{"0尾", "1尾", "2尾", "3尾", "4尾", "5尾",
                                                                "6尾", "7尾", "8尾", "9尾"}));
    EXPECT_EQ(run.bars.heads, (std::vector<ChartBar>{{"0頭", 7}, {"1頭", 6}, {"2頭", 1}, {"3頭", 1}}));
}

TEST(DragSummary, ModesAreSeparatePassesAndDistancesAddUp) {
    const auto draws = SixDraws();
    // Mode 2 lists only the newest draw, which has no follower: nothing more is counted.
    DragChartRun run = RunDragSummary(*draws, Settings({1}, {1, 2}));
    ASSERT_EQ(run.memo1.size(), 6u);
    EXPECT_EQ(run.memo1[5], "0005, 2020/01/06, 000006, 03,11,24,30,38,");
    EXPECT_EQ(run.memo2.size(), 4u);
    EXPECT_EQ(Count(run.bars.numbers, "06"), 2);

    // Distance 2 compares with draw 5 and numbers on from the first distance; Memo2 skips the line
    // numbers of matches without a follower.
    run = RunDragSummary(*draws, Settings({1, 2}, {1}));
    ASSERT_EQ(run.memo1.size(), 9u);
    EXPECT_EQ(run.memo1[5], "0005, 2020/01/01, 000001, 01,02,03,06,18,");
    EXPECT_EQ(run.memo1[8], "0008, 2020/01/05, 000005, 06,14,15,16,17,");
    std::vector<std::string> numbers;
    for (std::size_t i = 1; i < run.memo2.size(); ++i)
        numbers.push_back(run.memo2[i].substr(0, 4));
    EXPECT_EQ(numbers, (std::vector<std::string>{"0001", "0002", "0003", "0005", "0006", "0007"}));
    EXPECT_EQ(run.memo2.back(), "0007, 2020/01/06, 000006, 03,11,24,30,38,");
    EXPECT_EQ(Count(run.bars.numbers, "06"), 4);
    EXPECT_EQ(Count(run.bars.numbers, "11"), 2);
    EXPECT_EQ(Count(run.bars.numbers, "38"), 1);
    for (std::size_t q = 0; q < 5; ++q) // the last distance's reference
        EXPECT_EQ(run.chart_qno[q], draws->DrawNums[static_cast<int>(q) + 1][5]);
}

TEST(DragSummary, OnlyTheMatchingDrawMustLieInTheRange) {
    const auto draws = SixDraws();
    const DragChartRun run = RunDragSummary(*draws, Settings({1}, {1}, {2020, 1, 4}));
    EXPECT_EQ(run.drawsInRange, 4);
    EXPECT_EQ(run.memo1.size(), 4u); // draws 1, 2 and 4
    EXPECT_EQ(run.memo2.back(), "0003, 2020/01/05, 000005, 06,14,15,16,17,");
    EXPECT_EQ(Count(run.bars.numbers, "14"), 1); // the follower dated after the range counts
    EXPECT_EQ(run.titles->numbers, "拖牌號碼統計(2005/01/01-2020/01/04)");

    DragChartSettings inverted = Settings({1}, {1});
    inverted.from = {2020, 1, 6};
    inverted.to = {2020, 1, 1};
    const DragChartRun empty = RunDragSummary(*draws, inverted);
    EXPECT_EQ(empty.drawsInRange, 0);
    EXPECT_EQ(empty.memo1.size(), 1u);
    EXPECT_EQ(Count(empty.bars.numbers, "06"), 0);
}

TEST(DragSummary, NothingTickedLeavesHeadersAndNoBarsOrZeroBars) {
    const auto draws = SixDraws();
    const DragChartRun noDistance = RunDragSummary(*draws, Settings({}, {1}));
    EXPECT_EQ(noDistance.memo1, std::vector<std::string>{DragDetailHeader});
    EXPECT_EQ(noDistance.memo2, std::vector<std::string>{DragDetailHeader});
    EXPECT_TRUE(noDistance.bars.numbers.empty());
    EXPECT_TRUE(noDistance.bars.tails.empty());
    EXPECT_TRUE(noDistance.bars.heads.empty());
    EXPECT_FALSE(noDistance.titles); // the window keeps the previous titles and count
    EXPECT_FALSE(noDistance.drawsInRange);

    const DragChartRun noMode = RunDragSummary(*draws, Settings({1, 3}, {}));
    EXPECT_EQ(noMode.memo1.size(), 1u);
    EXPECT_TRUE(noMode.titles);
    EXPECT_EQ(noMode.drawsInRange, 6);
    ASSERT_EQ(noMode.bars.numbers.size(), 39u);
    ASSERT_EQ(noMode.bars.tails.size(), 10u);
    ASSERT_EQ(noMode.bars.heads.size(), 4u);
    for (const auto* bars : {&noMode.bars.numbers, &noMode.bars.tails, &noMode.bars.heads})
        for (const ChartBar& bar : *bars)
            EXPECT_EQ(bar.value, 0);
}

TEST(DragSummary, ADistanceWithoutReferenceDrawIsSkipped) {
    const auto three = ChartTables({{"2020/01/01", "000001", {"01", "02", "03", "04", "05"}},
                                    {"2020/01/02", "000002", {"01", "12", "13", "14", "15"}},
                                    {"2020/01/03", "000003", {"01", "22", "23", "24", "25"}}});
    DragChartRun run = RunDragSummary(*three, Settings({4}, {1}));
    EXPECT_FALSE(run.titles);
    EXPECT_EQ(run.memo1.size(), 1u);
    run = RunDragSummary(*three, Settings({3, 4}, {1}));
    EXPECT_EQ(run.memo1.size(), 4u);             // distance 3 against draw 1: all three share 01
    EXPECT_EQ(Count(run.bars.numbers, "01"), 0); // no follower three draws on

    const DrawTables none;
    run = RunDragSummary(none, Settings({1, 2, 12}, {1, 2, 3}));
    EXPECT_EQ(run.memo1.size(), 1u);
    EXPECT_TRUE(run.bars.numbers.empty());
}

TEST(DragSummary, NumbersOutsideTheGameAreNeverCounted) {
    const auto draws = ChartTables({{"2020/01/01", "000001", {"01", "02", "03", "04", "05"}},
                                    {"2020/01/02", "000002", {"00", "40", "11", "22", "33"}},
                                    {"2020/01/03", "000003", {"01", "07", "08", "09", "10"}}});
    DragChartSettings settings = Settings({1, 2}, {1});
    settings.sort = false;
    const DragChartRun run = RunDragSummary(*draws, settings);
    EXPECT_EQ(run.memo2[1], "0001, 2020/01/02, 000002, 00,11,22,33,40,");
    int numbers = 0;
    for (int n = 1; n <= 39; ++n)
        numbers += run.counters.chart_nocnt[n] / 100;
    EXPECT_EQ(numbers, 3); // 11, 22, 33
    EXPECT_EQ(run.counters.chart_nocnt[40], 0);
    EXPECT_EQ(run.counters.chart_tailcnt[0], 0);
    EXPECT_EQ(run.counters.chart_headcnt[0], 0);
    EXPECT_EQ(run.bars.numbers.size(), 39u);
    EXPECT_EQ(run.bars.tails[0], (ChartBar{"0尾", 0}));
}

TEST(DragChartTexts, LatestDrawLabelsHaveNoTrailingComma) {
    const auto draws = SixDraws();
    const LatestDrawLabels labels = LatestDrawLabelsOf(*draws);
    EXPECT_EQ(labels.date, "2020/01/06");
    EXPECT_EQ(labels.numbers, "03,11,24,30,38");
    const DrawTables none;
    EXPECT_EQ(LatestDrawLabelsOf(none).date, "---");
    EXPECT_EQ(LatestDrawLabelsOf(none).numbers, "---");
    EXPECT_TRUE(DragChartHelpText().starts_with("1.拖牌統計圖表"));
    EXPECT_NE(DragChartHelpText().find("累計\n\n2.請選擇"),
              std::string::npos); // items apart by an empty line
}

namespace {

// A straightforward count of the same run: sets of numbers, no packing.
struct ReferenceCounts {
    std::map<int, int> numbers, tails, heads;
    int matches = 0;
    int followers = 0;
};

ReferenceCounts ReferenceSummary(const std::vector<std::set<int>>& history, const std::vector<Date>& dates,
                                 const DragChartSettings& settings) {
    ReferenceCounts counts;
    const int n = static_cast<int>(history.size());
    for (int k = 1; k <= 12; ++k) {
        if (!settings.distances[static_cast<std::size_t>(k - 1)] || n - k < 0)
            continue;
        const std::set<int>& reference = history[static_cast<std::size_t>(n - k)];
        for (int mode = 1; mode <= 3; ++mode) {
            if (!settings.modes[static_cast<std::size_t>(mode - 1)])
                continue;
            for (int i = 0; i < n; ++i) {
                const Date& d = dates[static_cast<std::size_t>(i)];
                if (d < settings.from || settings.to < d)
                    continue;
                int common = 0;
                for (int x : history[static_cast<std::size_t>(i)])
                    common += static_cast<int>(reference.count(x));
                if (common < mode)
                    continue;
                ++counts.matches;
                if (i + k >= n)
                    continue;
                ++counts.followers;
                for (int x : history[static_cast<std::size_t>(i + k)]) {
                    ++counts.numbers[x];
                    ++counts.tails[x % 10];
                    ++counts.heads[x / 10];
                }
            }
        }
    }
    return counts;
}

} // namespace

TEST(DragSummary, CountsAgreeWithAStraightforwardCount) {
    std::mt19937 random(5);
    std::vector<ChartTestDraw> drawsMade;
    std::vector<std::set<int>> history;
    std::vector<Date> dates;
    const Date start{2015, 3, 1};
    for (int i = 0; i < 300; ++i) {
        std::set<int> numbers;
        while (numbers.size() < 5)
            numbers.insert(static_cast<int>(random() % 39) + 1);
        std::array<std::string, 5> texts;
        std::size_t p = 0;
        for (int x : numbers)
            texts[p++] = NumText(x);
        std::shuffle(texts.begin(), texts.end(), random);
        const Date date = Date::fromDayNumber(start.dayNumber() + i);
        drawsMade.push_back({DateFormat("yyyy/mm/dd", date), "1" + NumText(i % 100) + "000", texts});
        history.push_back(numbers);
        dates.push_back(date);
    }
    const auto draws = ChartTables(drawsMade);
    for (int trial = 0; trial < 25; ++trial) {
        DragChartSettings settings;
        for (bool& on : settings.distances)
            on = random() % 3 == 0;
        for (bool& on : settings.modes)
            on = random() % 2 == 0;
        settings.sort = random() % 2 == 0;
        settings.from = Date::fromDayNumber(start.dayNumber() + static_cast<int>(random() % 150));
        settings.to = Date::fromDayNumber(settings.from.dayNumber() + static_cast<int>(random() % 200));
        ReferenceCounts expected = ReferenceSummary(history, dates, settings);
        const DragChartRun run = RunDragSummary(*draws, settings);
        SCOPED_TRACE(trial);
        EXPECT_EQ(static_cast<int>(run.memo1.size()) - 1, expected.matches);
        EXPECT_EQ(static_cast<int>(run.memo2.size()) - 1, expected.followers);
        for (int x = 1; x <= 39; ++x)
            EXPECT_EQ(run.counters.chart_nocnt[x], expected.numbers[x] * 100 + x);
        for (int t = 0; t <= 9; ++t)
            EXPECT_EQ(run.counters.chart_tailcnt[t], expected.tails[t] * 100 + t);
        for (int h = 0; h <= 3; ++h)
            EXPECT_EQ(run.counters.chart_headcnt[h], expected.heads[h] * 100 + h);
    }
}
