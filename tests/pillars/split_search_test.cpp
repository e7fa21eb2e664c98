#include "pillars/split_search.h"

#include <gtest/gtest.h>

#include "common/num_text.h"
#include "split_reference.h"

namespace {

// The result lines of a report: every line after the underline that is not empty.
std::vector<std::string> ResultLines(const std::vector<std::string>& report) {
    std::vector<std::string> out;
    for (std::size_t i = 13; i < report.size(); ++i)
        if (!report[i].empty())
            out.push_back(report[i]);
    return out;
}

std::string Underline(int n) {
    std::string out;
    for (int i = 0; i < n; ++i)
        out += "￣";
    return out;
}

TEST(SplitSearch, EmptyMemoRanksBySplitTextAlone) {
    struct Case {
        SplitShape shape;
        int last;
        std::string best;
        std::string firstLine;
        std::size_t listed;
    };
    const Case cases[] = {
        {SplitShape::Pairs2222, 8, "0108020703060405",
         "四星0碰,三星0碰,二星0碰---(01,08) x (02,07) x (03,06) x (04,05)", 30},
        {SplitShape::Singles11222, 8, "0708010602050304",
         "四星0碰,三星0碰,二星0碰---(07) x (08) x (01,06) x (02,05) x (03,04)", 30},
        {SplitShape::Triples333, 9, "010809020607030405",
         "三星0碰,二星0碰---(01,08,09) x (02,06,07) x (03,04,05)", 30},
        {SplitShape::Mixed2233, 10, "01100809020607030405",
         "四星0碰,三星0碰,二星0碰---(01,10) x (08,09) x (02,06,07) x (03,04,05)", 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.best);
        const SplitSearchResult result = RunSplitSearch(c.shape, Input(NumberRange(1, c.last), {}));
        EXPECT_EQ(result.LayoutList.front().split, c.best);
        const std::vector<std::string> lines = ResultLines(result.report);
        ASSERT_EQ(lines.size(), c.listed);
        EXPECT_EQ(lines.front(), c.firstLine);
        // Each result line is followed by an empty line, and nothing comes after the last.
        ASSERT_EQ(result.report.size(), 13 + 2 * c.listed);
        for (std::size_t r = 0; r < c.listed; ++r)
            EXPECT_EQ(result.report[14 + 2 * r], "");
        for (std::size_t i = 1; i < result.LayoutList.size(); ++i)
            ASSERT_GT(result.LayoutList[i - 1].split, result.LayoutList[i].split);
    }
}

TEST(SplitSearch, OneDrawWindowScoresTheSplitsThatSeparateItsNumbers) {
    const SplitSearchResult result =
        RunSplitSearch(SplitShape::Pairs2222, Input(NumberRange(1, 8), {MemoLine(1, {1, 3, 5, 7, 9})}));
    int full = 0;
    for (const ScoredSplit& s : result.LayoutList)
        if (s.totals == StarTotals{6, 4, 1})
            ++full;
    EXPECT_EQ(full, 24);
    // The others lose at least the 4-star bet; the 24 come first.
    EXPECT_EQ(result.LayoutList[23].totals, (StarTotals{6, 4, 1}));
    EXPECT_EQ(result.LayoutList[24].totals.star4, 0u);

    const std::string key = "0000000001"
                            "0000000004"
                            "0000000006";
    EXPECT_EQ(result.LayoutList[0].text(), key + "_0108020703060405");
    EXPECT_EQ(result.LayoutList[1].text(), key + "_0108020703040506");
    EXPECT_EQ(ResultLines(result.report).front(),
              "四星1碰,三星4碰,二星6碰---(01,08) x (02,07) x (03,06) x (04,05)");
}

TEST(SplitSearch, ReportHeadCarriesHeaderSelectionCostsAndHeading) {
    struct Case {
        SplitShape shape;
        int last;
        const char* title;
        const char* costs[3];
        std::string heading;
        int underline;
    };
    const Case cases[] = {
        {SplitShape::Pairs2222,
         8,
         "８碼立柱 = 2x2x2x2 優柱分析",
         {"24", "32", "16"},
         "以下按四星/三星/二星次數排列三十組",
         17},
        {SplitShape::Singles11222,
         8,
         "８碼立柱 = 1x1x2x2x2 優柱分析",
         {"25", "38", "28"},
         "以下按四星/三星/二星次數排列三十組",
         17},
        {SplitShape::Triples333,
         9,
         "９碼立柱 = 3x3x3 優柱分析",
         {"27", "27", "0"},
         "以下按三星/二星次數排列三十組",
         15},
        {SplitShape::Mixed2233,
         10,
         "１０碼立柱 = 2x2x3x3 優柱分析",
         {"37", "60", "36"},
         "以下按四星優先，四-三-二星開出統計排列",
         20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        const std::vector<std::string> selection = NumberRange(30, 29 + c.last);
        const std::vector<std::string> report = RunSplitSearch(c.shape, Input(selection, {})).report;
        const std::vector<std::string> head(report.begin(), report.begin() + 13);
        const std::vector<std::string> expected = {c.title,
                                                   "",
                                                   "最近 50 期驗證",
                                                   "",
                                                   "您選擇的立柱號碼( " + std::to_string(c.last) + " 碼)",
                                                   JoinTexts(selection, ","),
                                                   "",
                                                   std::string("成本二星 ") + c.costs[0] + " 碰",
                                                   std::string("成本三星 ") + c.costs[1] + " 碰",
                                                   std::string("成本四星 ") + c.costs[2] + " 碰",
                                                   "",
                                                   c.heading,
                                                   Underline(c.underline)};
        EXPECT_EQ(head, expected);
    }
}

TEST(SplitSearch, KeyOrderDecidesRankingHeadingAndResultLine) {
    const ScoredSplit moreTwoStar{{10, 2, 0}, StarOrder::TwoThreeFour, "01"};
    const ScoredSplit moreFourStar{{5, 3, 2}, StarOrder::TwoThreeFour, "02"};
    EXPECT_GT(moreTwoStar, moreFourStar);
    EXPECT_GT(moreTwoStar.text(), moreFourStar.text());
    const ScoredSplit moreThreeStar{{5, 3, 0}, StarOrder::ThreeTwoFour, "01"};
    EXPECT_GT(moreThreeStar, (ScoredSplit{{10, 2, 9}, StarOrder::ThreeTwoFour, "02"}));

    // Equal totals: the larger split text first.
    std::vector<ScoredSplit> tied = {{{1, 1, 1}, StarOrder::FourThreeTwo, "0102030405060708"},
                                     {{1, 1, 1}, StarOrder::FourThreeTwo, "0108020703060405"}};
    RankDescending(tied);
    EXPECT_EQ(tied[0].split, "0108020703060405");

    // Totals beyond the old three- and four-digit fields still order and print right.
    const ScoredSplit many{{120000, 45000, 1000}, StarOrder::FourThreeTwo, "0102"};
    const ScoredSplit fewer{{99999, 9999, 999}, StarOrder::FourThreeTwo, "0910"};
    EXPECT_GT(many, fewer);
    EXPECT_GT(many.text(), fewer.text());
    EXPECT_EQ(ResultLine(SplitShape::Pairs2222,
                         {{120000, 45000, 1000}, StarOrder::FourThreeTwo, "0102030405060708"}),
              "四星1000碰,三星45000碰,二星120000碰---(01,02) x (03,04) x (05,06) x (07,08)");

    EXPECT_EQ(StarOrderOfItem(0), StarOrder::FourThreeTwo);
    EXPECT_EQ(StarOrderOfItem(1), StarOrder::ThreeTwoFour);
    EXPECT_EQ(StarOrderOfItem(2), StarOrder::TwoThreeFour);
    EXPECT_EQ(StarOrderOfItem(-1), StarOrder::TwoThreeFour);

    // The 2x2x3x3 search follows RG1; the 2x2x2x2 search does not.
    std::mt19937 random(11);
    const std::vector<std::string> ten = RandomSelection(random, 10);
    const std::vector<std::string> memo = RandomMemo(random, 40, ten);
    const SplitSearchResult three = RunSplitSearch(SplitShape::Mixed2233, Input(ten, memo, 1));
    EXPECT_EQ(three.report[11], "以下按三星優先，三-二-四星開出統計排列");
    EXPECT_EQ(three.report[13].substr(0, 6), "三星");
    EXPECT_NE(three.report[13].find("碰,四星"), std::string::npos);
    const SplitSearchResult two = RunSplitSearch(SplitShape::Mixed2233, Input(ten, memo, 2));
    EXPECT_EQ(two.report[11], "以下按二星優先，二-三-四星開出統計排列");
    EXPECT_EQ(two.report[13].substr(0, 6), "二星");
    for (std::size_t i = 1; i < two.LayoutList.size(); ++i)
        ASSERT_GE(two.LayoutList[i - 1].totals.star2, two.LayoutList[i].totals.star2);
    const std::vector<std::string> eight(ten.begin(), ten.begin() + 8);
    EXPECT_EQ(RunSplitSearch(SplitShape::Pairs2222, Input(eight, memo, 2)).report,
              RunSplitSearch(SplitShape::Pairs2222, Input(eight, memo, 0)).report);
}

TEST(SplitSearch, SelectionMustHoldTheShapesCountOfDistinctNumbers) {
    EXPECT_EQ(SelectionCountMessage(8), "本分析所選的號碼必須是８個，請重新選擇後再操作本功能");
    EXPECT_EQ(SelectionCountMessage(10), "本分析所選的號碼必須是１０個，請重新選擇後再操作本功能");
    EXPECT_EQ(SelectionCountMessage(15), "本分析所選的號碼必須是１５個，請重新選擇後再操作本功能");

    EXPECT_THROW(RunSplitSearch(SplitShape::Pairs2222, Input(NumberRange(1, 7), {})), std::invalid_argument);
    EXPECT_THROW(RunSplitSearch(SplitShape::Triples333, Input(NumberRange(1, 8), {})), std::invalid_argument);
    EXPECT_THROW(
        RunSplitSearch(SplitShape::Pairs2222, Input({"01", "02", "03", "04", "05", "06", "07", "07"}, {})),
        std::invalid_argument);
    EXPECT_THROW(
        RunSplitSearch(SplitShape::Pairs2222, Input({"01", "02", "03", "04", "05", "06", "07", "8"}, {})),
        std::invalid_argument);

    // Positions outside the counted selection are refused, not looked up.
    std::vector<StarTotals> totals;
    const CoOccurrence counts(NumberRange(1, 8), {});
    const std::vector<int> outside = {0, 1, 2, 3, 4, 5, 6, 8};
    EXPECT_THROW(SplitScorer(SplitShape::Pairs2222).score(counts, outside, totals), std::invalid_argument);
    EXPECT_THROW(CoOccurrence(NumberRange(1, 16), {}), std::invalid_argument);
}

TEST(SplitSearch, ScoringTenOfFifteenMatchesScoringTheTenAlone) {
    // The subset searches score ten positions of a fifteen-number table; every total of every split
    // must be what the ten numbers give on their own.
    std::mt19937 random(1510);
    const std::vector<std::string> fifteen = RandomSelection(random, 15);
    const std::vector<std::string> memo = RandomMemo(random, 80, fifteen);
    const CoOccurrence wide(fifteen, memo);
    const SplitScorer scorer(SplitShape::Mixed2233);
    for (const std::vector<int>& members :
         {std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, std::vector<int>{5, 6, 7, 8, 9, 10, 11, 12, 13, 14},
          std::vector<int>{0, 2, 3, 5, 8, 9, 11, 12, 13, 14},
          std::vector<int>{1, 3, 4, 6, 7, 8, 10, 11, 12, 14}}) {
        std::vector<std::string> ten;
        for (int m : members)
            ten.push_back(fifteen[static_cast<std::size_t>(m)]);
        std::vector<StarTotals> fromWide, alone;
        scorer.score(wide, members, fromWide);
        scorer.score(CoOccurrence(ten, memo), std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, alone);
        ASSERT_EQ(fromWide.size(), 2520u);
        EXPECT_TRUE(fromWide == alone) << JoinTexts(ten, ",");
    }
}

TEST(SplitSearch, FastScoringMatchesTheSlowScoringOnRandomWindows) {
    std::mt19937 random(2026);
    struct Case {
        SplitShape shape;
        int rg1;
        int rounds;
    };
    for (const Case c : {Case{SplitShape::Pairs2222, 0, 12}, Case{SplitShape::Singles11222, 0, 8},
                         Case{SplitShape::Triples333, 0, 8}, Case{SplitShape::Mixed2233, 0, 3},
                         Case{SplitShape::Mixed2233, 1, 3}, Case{SplitShape::Mixed2233, 2, 3}}) {
        for (int round = 0; round < c.rounds; ++round) {
            const std::vector<std::string> selection = RandomSelection(random, ShapeNumberCount(c.shape));
            const std::vector<std::string> memo =
                RandomMemo(random, 5 + static_cast<int>(random() % 60), selection);
            SCOPED_TRACE(JoinTexts(selection, ","));
            const SplitSearchResult fast = RunSplitSearch(c.shape, Input(selection, memo, c.rg1));
            const StarOrder order =
                c.shape == SplitShape::Mixed2233 ? StarOrderOfItem(c.rg1) : StarOrder::FourThreeTwo;
            ASSERT_EQ(Texts(fast.LayoutList), SlowRankedTexts(c.shape, selection, memo, order));
        }
    }
}

} // namespace
