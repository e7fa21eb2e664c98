#include "pillars/subset_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "common/num_text.h"
#include "split_reference.h"

namespace {

// Stops the search when it is about to start subset `at`, and records every subset announced.
struct StopAt {
    explicit StopAt(int subset) : at(subset) {}

    int at;
    std::atomic<bool> flag{false};
    std::vector<int> announced;

    SubsetSearchControl control() {
        return {[this](int subset) {
                    announced.push_back(subset);
                    if (subset == at)
                        flag = true;
                },
                &flag};
    }
};

const DateTime Start{{2026, 12, 7}, 10, 20, 30};
const DateTime End{{2026, 12, 7}, 10, 20, 31};

// The slow best split of the subset that holds the split's numbers.
std::string SlowBestOfItsSubset(SplitShape shape, const std::string& split,
                                const std::vector<std::string>& memo, StarOrder order) {
    std::vector<std::string> numbers;
    for (std::size_t at = 0; at < split.size(); at += 2)
        numbers.push_back(split.substr(at, 2));
    return SlowRankedTexts(shape, numbers, memo, order).front();
}

TEST(SubsetSearch, TwelveOfEightMatchesTheSlowBestOfEverySubset) {
    std::mt19937 random(12);
    const std::vector<std::string> selection = RandomSelection(random, 12);
    const std::vector<std::string> memo = RandomMemo(random, 14, selection);
    StopAt never(0);
    const SubsetSearchOutcome outcome = Best1208(Input(selection, memo, 1), never.control());
    EXPECT_FALSE(outcome.stopped);
    EXPECT_TRUE(outcome.hasReport);
    EXPECT_EQ(outcome.subsetsDone, 495);
    ASSERT_EQ(never.announced.size(), 495u);
    EXPECT_EQ(never.announced.front(), 1);
    EXPECT_EQ(never.announced.back(), 495);

    std::vector<std::string> expected;
    for (const std::string& subset : Subset1208(selection))
        expected.push_back(SlowBestOfItsSubset(SplitShape::Pairs2222, subset, memo, StarOrder::ThreeTwoFour));
    std::sort(expected.begin(), expected.end(), std::greater<>());
    EXPECT_EQ(Texts(outcome.ranked), expected);
}

TEST(SubsetSearch, FifteenOfTenMatchesTheSlowBestOfItsSubsets) {
    std::mt19937 random(15);
    const std::vector<std::string> selection = RandomSelection(random, 15);
    const std::vector<std::string> memo = RandomMemo(random, 30, selection);

    // A run stopped before subset 13 ranks the first twelve.
    StopAt thirteen(13);
    const SubsetSearchOutcome stoppedRun = Best1510(Input(selection, memo, 2), thirteen.control());
    EXPECT_TRUE(stoppedRun.stopped);
    EXPECT_TRUE(stoppedRun.hasReport);
    EXPECT_EQ(stoppedRun.subsetsDone, 12);
    const std::vector<std::string> subsets = Subset1510(selection);
    std::vector<std::string> expected;
    for (std::size_t s = 0; s < 12; ++s)
        expected.push_back(
            SlowBestOfItsSubset(SplitShape::Mixed2233, subsets[s], memo, StarOrder::TwoThreeFour));
    std::sort(expected.begin(), expected.end(), std::greater<>());
    EXPECT_EQ(Texts(stoppedRun.ranked), expected);

    // A full run holds one best split per subset, ranked; a sample checked against the slow scoring.
    const SubsetSearchOutcome full = Best1510(Input(selection, memo, 0), {});
    EXPECT_EQ(full.subsetsDone, 3003);
    ASSERT_EQ(full.ranked.size(), 3003u);
    std::set<std::string> covered;
    for (const ScoredSplit& s : full.ranked) {
        std::vector<std::string> numbers;
        for (std::size_t at = 0; at < s.split.size(); at += 2)
            numbers.push_back(s.split.substr(at, 2));
        std::sort(numbers.begin(), numbers.end());
        covered.insert(JoinTexts(numbers, ""));
    }
    EXPECT_EQ(covered.size(), 3003u);
    EXPECT_TRUE(std::is_sorted(full.ranked.begin(), full.ranked.end(), std::greater<>()));
    for (std::size_t r : {0, 1, 2, 3, 4, 700, 1500, 3002})
        EXPECT_EQ(full.ranked[r].text(), SlowBestOfItsSubset(SplitShape::Mixed2233, full.ranked[r].split,
                                                             memo, StarOrder::FourThreeTwo));
}

TEST(SubsetSearch, StopOutcomes) {
    const std::vector<std::string> twelve = NumberRange(1, 12);
    const std::vector<std::string> fifteen = NumberRange(1, 15);
    {
        // 12-of-8 stopped part way: no ranking, no report.
        StopAt third(3);
        const SubsetSearchOutcome outcome = Best1208(Input(twelve, {}), third.control());
        EXPECT_TRUE(outcome.stopped);
        EXPECT_FALSE(outcome.hasReport);
        EXPECT_EQ(outcome.subsetsDone, 2);
        EXPECT_TRUE(outcome.ranked.empty());
        EXPECT_EQ(third.announced.back(), 3);
    }
    {
        // A stop flag already set ends before the first subset.
        StopAt first(1);
        const SubsetSearchOutcome outcome = Best1208(Input(twelve, {}), first.control());
        EXPECT_TRUE(outcome.stopped);
        EXPECT_EQ(outcome.subsetsDone, 0);
    }
    {
        // 15-of-10 stopped at subset 6: the five done are reported.
        StopAt sixth(6);
        const SubsetSearchOutcome outcome = Best1510(Input(fifteen, {}), sixth.control());
        EXPECT_TRUE(outcome.hasReport);
        EXPECT_EQ(outcome.subsetsDone, 5);
        ASSERT_EQ(outcome.ranked.size(), 5u);
        const std::vector<std::string> report = Report1510(Input(fifteen, {}), outcome, Start, End);
        EXPECT_EQ(report[report.size() - 2], "※ 以上結果為計算所有組合之 ﹙5 / 3003 ﹚");
        EXPECT_EQ(std::count_if(report.begin(), report.end(),
                                [](const std::string& l) { return l.rfind("【沒有用到的號碼：", 0) == 0; }),
                  5);
    }
    {
        // Stopped at subset 5 or earlier: nothing to report.
        StopAt fifth(5);
        const SubsetSearchOutcome outcome = Best1510(Input(fifteen, {}), fifth.control());
        EXPECT_TRUE(outcome.stopped);
        EXPECT_FALSE(outcome.hasReport);
        EXPECT_TRUE(outcome.ranked.empty());
    }
    EXPECT_THROW(Best1208(Input(NumberRange(1, 11), {}), {}), std::invalid_argument);
    EXPECT_THROW(Best1510(Input(NumberRange(1, 12), {}), {}), std::invalid_argument);
}

TEST(SubsetSearch, ReportsListTheBestSplitsWithTheirLeftOutNumbers) {
    std::mt19937 random(8);
    const std::vector<std::string> twelve = RandomSelection(random, 12);
    const std::vector<std::string> memo = RandomMemo(random, 200, twelve);
    const SubsetSearchOutcome outcome = Best1208(Input(twelve, memo), {});
    const std::vector<std::string> report = Report1208(Input(twelve, memo), outcome, Start, End);
    const std::vector<std::string> head(report.begin(), report.begin() + 13);
    const std::vector<std::string> expected = {"１２選８碼立柱 = 2x2x2x2 優柱分析",
                                               "",
                                               "最近 50 期驗證",
                                               "",
                                               "您選擇的立柱號碼",
                                               JoinTexts(twelve, ","),
                                               "",
                                               "成本二星 24 碰",
                                               "成本三星 32 碰",
                                               "成本四星 16 碰",
                                               "",
                                               "以下按四星優先，四-三-二星開出統計排列",
                                               "￣￣￣￣￣￣￣￣￣￣￣￣￣￣￣￣￣￣￣￣"};
    EXPECT_EQ(head, expected);
    ASSERT_EQ(report.size(), 13u + 3 * 20 + 1);
    for (std::size_t r = 0; r < 20; ++r) {
        const ScoredSplit& best = outcome.ranked[r];
        EXPECT_EQ(report[13 + 3 * r], ResultLine(SplitShape::Pairs2222, best));
        // The four numbers the split leaves out, in selection order.
        std::set<std::string> used;
        for (const auto& pillar : SplitPillars(SplitShape::Pairs2222, best.split))
            used.insert(pillar.begin(), pillar.end());
        std::vector<std::string> left;
        for (const std::string& n : twelve)
            if (!used.count(n))
                left.push_back(n);
        ASSERT_EQ(left.size(), 4u);
        EXPECT_EQ(report[14 + 3 * r], "【沒有用到的號碼：" + JoinTexts(left, "x") + "】");
        EXPECT_EQ(report[15 + 3 * r], "");
    }
    EXPECT_EQ(report.back(), "( 計算時間 2026/12/07 10:20:30 - 2026/12/07 10:20:31 )");

    const std::vector<std::string> fifteen = RandomSelection(random, 15);
    const SubsetSearchOutcome wide = Best1510(Input(fifteen, memo, 1), {});
    const std::vector<std::string> wideReport = Report1510(Input(fifteen, memo, 1), wide, Start, End);
    EXPECT_EQ(wideReport[0], "１５選１０碼立柱 = 2x2x3x3 優柱分析");
    EXPECT_EQ(wideReport[8], "成本三星 60 碰");
    EXPECT_EQ(wideReport[11], "以下按三星優先，三-二-四星開出統計排列");
    ASSERT_EQ(wideReport.size(), 13u + 3 * 5 + 2);
    EXPECT_EQ(wideReport[13].substr(0, 6), "三星");
    EXPECT_EQ(std::count(wideReport[14].begin(), wideReport[14].end(), 'x'), 4); // five numbers
    EXPECT_EQ(wideReport[wideReport.size() - 2], "※ 以上結果為計算所有組合之 ﹙3003 / 3003 ﹚");
    EXPECT_EQ(wideReport.back(), " 計算時間 2026/12/07 10:20:30 - 2026/12/07 10:20:31 ");

    EXPECT_EQ(LeftOutLine({"01", "03", "05", "09", "11", "17", "20", "22", "25", "30", "38", "39"},
                          "0105091120253039"),
              "【沒有用到的號碼：03x17x22x38】");
}

TEST(SubsetSearch, ProgressTexts) {
    EXPECT_EQ(ProgressCaption1208(1), "0%處理中");
    EXPECT_EQ(ProgressCaption1208(250), "50%處理中");
    EXPECT_EQ(ProgressCaption1208(495), "99%處理中");
    EXPECT_EQ(ProgressCaption1510(1), "0.03%處理中");
    EXPECT_EQ(ProgressCaption1510(3003), "100.10%處理中");
    EXPECT_EQ(PercentLabel1510(6), "6 / 3003");
}

} // namespace

TEST(SubsetSearch, SameOutcomeOnOneOrSeveralThreads) {
    std::mt19937 random(21);
    const std::vector<std::string> twelve = RandomSelection(random, 12);
    const std::vector<std::string> fifteen = RandomSelection(random, 15);
    const std::vector<std::string> memo = RandomMemo(random, 60, fifteen);
    for (int rg1 : {0, 1, 2}) {
        const auto run = [&](bool wide, int threads, int stopAt) {
            StopAt stop(stopAt);
            SubsetSearchControl control = stop.control();
            control.threads = threads;
            const SubsetSearchOutcome outcome = wide ? Best1510(Input(fifteen, memo, rg1), control)
                                                     : Best1208(Input(twelve, memo, rg1), control);
            EXPECT_EQ(stop.announced.size(), static_cast<std::size_t>(stopAt ? stopAt : wide ? 3003 : 495));
            return std::tuple(Texts(outcome.ranked), outcome.subsetsDone, outcome.stopped, outcome.hasReport);
        };
        EXPECT_EQ(run(false, 1, 0), run(false, 2, 0));
        const auto alone = run(true, 1, 0);
        EXPECT_EQ(alone, run(true, 2 + rg1 % 2, 0));
        // A stop in the middle of a block of announced subsets.
        const auto stopped = run(true, 2, 100);
        EXPECT_EQ(run(true, 1, 100), stopped);
        EXPECT_EQ(std::get<1>(stopped), 99);
    }
}
