#include <gtest/gtest.h>

#include "formula_history.h"
#include "formula_reference.h"
#include "formulas/formula_balls.h"
#include "formulas/nurture_search.h"
#include "formulas/nurture_texts.h"

namespace {

using Outcome = NurtureSearchSetup::Outcome;

int HitsOf(const std::string& key) {
    return std::stoi(key.substr(1, 2));
}

// 70 draws of 01..05; number 10 in draws 40 and 42 (in place of 05).
std::unique_ptr<SharedTables> TenTwiceHistory() {
    std::vector<DrawNumbers> numbers(70, {1, 2, 3, 4, 5});
    numbers[39] = {1, 2, 3, 4, 10};
    numbers[41] = {10, 1, 2, 3, 4};
    return HistoryOf(numbers);
}

} // namespace

TEST(Nurture, KeyLayoutAndSetup) {
    EXPECT_EQ(NurtureKey('1', 33, {{3, 0, 5, 1, 2, 0}, 7}), "13330512007");
    const auto parts = ParseNurtureKey("13330512007");
    ASSERT_TRUE(parts);
    EXPECT_EQ(parts->hits, 33);
    EXPECT_EQ(parts->formula.c, (std::array<int, 6>{3, 0, 5, 1, 2, 0}));
    EXPECT_EQ(parts->formula.k, 7);
    EXPECT_FALSE(ParseNurtureKey("1333051200"));
    EXPECT_FALSE(ParseNurtureKey("13330512a07"));

    const auto history = TenTwiceHistory();
    const DrawTables& draws = history->draws;
    EXPECT_EQ(PrepareNurtureSearch(draws, Nurture50, "x", 70, 60).outcome, Outcome::SilentEnd);
    EXPECT_EQ(PrepareNurtureSearch(draws, Nurture50, "-1", 70, 60).outcome, Outcome::Refused);
    EXPECT_EQ(PrepareNurtureSearch(draws, Nurture50, "-1", 70, 60).message, DigitLookBackMessage);
    // 50 draws and B = 6 need 56 draws up to the base draw; 30 draws need 36.
    EXPECT_EQ(PrepareNurtureSearch(draws, Nurture50, "6", 56, 60).outcome, Outcome::Search);
    EXPECT_EQ(PrepareNurtureSearch(draws, Nurture50, "6", 55, 60).outcome, Outcome::TooShort);
    EXPECT_EQ(PrepareNurtureSearch(draws, Nurture30, "6", 36, 60).outcome, Outcome::Search);
    EXPECT_EQ(PrepareNurtureSearch(draws, Nurture30, "6", 35, 60).outcome, Outcome::TooShort);
}

TEST(Nurture, SearchKeepsWhatTheReferenceKeepsOverTheShippedHistory) {
    const auto history = ShippedHistory();
    const DrawTables& draws = history->draws;
    struct Case {
        NurtureVariant variant;
        const char* lookBack;
        int offset;
        int percent;
        int least; // hits the percentage needs
    };
    // The 50-draw default (60 %) keeps a few dozen, 50 % fills the list; the twin's 70 % keeps about ten.
    for (const Case& c : {Case{Nurture50, "1", 0, 60, 30}, Case{Nurture50, "3", 2, 50, 25},
                          Case{Nurture30, "1", 0, 70, 21}, Case{Nurture30, "6", 5, 65, 20}}) {
        const int base = draws.DrawCount - c.offset;
        const NurtureSearchSetup setup = PrepareNurtureSearch(draws, c.variant, c.lookBack, base, c.percent);
        ASSERT_EQ(setup.outcome, Outcome::Search);
        const std::vector<std::string> kept =
            SearchNurtureFormulas(draws, history->work, setup, Threads(2)).keys;
        EXPECT_EQ(kept, ReferenceNurtureSearch(draws, history->work, c.variant.verifyDraws, c.lookBack[0],
                                               base, c.percent))
            << c.variant.verifyDraws << " " << c.lookBack << " " << c.percent;
        EXPECT_EQ(SearchNurtureFormulas(draws, history->work, setup, Threads(5)).keys, kept);
        ASSERT_FALSE(kept.empty());
        EXPECT_GE(HitsOf(kept.back()), c.least);
        for (const std::string& key : kept)
            EXPECT_EQ(key[8], '0') << "a draw has no sixth ball: " << key;
    }
}

TEST(Nurture, SixtyFivePerCentOfFiftyNeedsThirtyThree) {
    const auto history = ShippedHistory();
    const DrawTables& draws = history->draws;
    const NurtureSearchSetup setup = PrepareNurtureSearch(draws, Nurture50, "1", draws.DrawCount - 7, 55);
    const std::vector<std::string> at55 = SearchNurtureFormulas(draws, history->work, setup, Threads(2)).keys;
    NurtureSearchSetup higher = setup;
    higher.percent = 65;
    const std::vector<std::string> at65 =
        SearchNurtureFormulas(draws, history->work, higher, Threads(2)).keys;
    // What 65 % keeps is what 55 % keeps with 33 hits or more (the 55 % list is not full).
    ASSERT_LT(at55.size(), 1000u);
    std::vector<std::string> expected;
    for (const std::string& key : at55)
        if (HitsOf(key) >= 33)
            expected.push_back(key);
    EXPECT_EQ(at65, expected);
}

TEST(Nurture, ShowMarksEachDrawWhereThePredictionCameOut) {
    const auto history = TenTwiceHistory();
    const DrawTables& draws = history->draws;
    const NurtureBoxes boxes{"2020/03/11", "1", "60", "落"};
    // Every coefficient 0: the prediction is k = 10 for every draw.
    const std::string key = NurtureKey('1', 3, {{0, 0, 0, 0, 0, 0}, 10});
    const NurtureDisplay shown = ShowNurtureKey(draws, history->work, Nurture50, 70, key, boxes);
    ASSERT_EQ(shown.grid.rowCount(), 52);
    // Row r holds draw 20 + r: draw 40 is row 20, draw 42 row 22.
    EXPECT_EQ(shown.grid.cell(1, 20), "109040");
    EXPECT_EQ(shown.grid.cell(9, 20), "10");
    EXPECT_EQ(shown.grid.cell(10, 20), "中");
    EXPECT_EQ(shown.grid.cell(11, 20), "");
    EXPECT_EQ(shown.grid.cell(12, 20), "中");
    EXPECT_EQ(shown.grid.cell(11, 21), "中");
    EXPECT_EQ(shown.grid.cell(10, 18), "");
    EXPECT_EQ(shown.grid.cell(12, 18), "中");
    EXPECT_EQ(shown.grid.cell(0, 51), "下 1 期預測");
    EXPECT_EQ(shown.grid.cell(10, 51), "");

    ASSERT_EQ(shown.memo.size(), 2u + 51u + 1u);
    EXPECT_EQ(shown.memo[0], "代號 " + key + "__驗證條件:基準日2020/03/11之上1期_成功率60％以上");
    EXPECT_EQ(shown.memo[1], "( 上1期第一落x0+第二落x0+第三落x0+第四落x0+第五落x0+第六落x0+10 除39 取餘數 )");
    EXPECT_EQ(shown.memo[2 + 19], FormulaDrawDate(39) + " 計算結果" + FormulaDrawDate(40) +
                                      "預測10  (本  期" + FormulaDrawDate(40).substr(5) + "開出)  (下二期" +
                                      FormulaDrawDate(42).substr(5) + "開出)");
    EXPECT_EQ(shown.memo[2 + 50], FormulaDrawDate(70) + " 計算結果下 1 期預測10");
    EXPECT_EQ(shown.memo.back(),
              "本版路驗證期間(" + FormulaDrawDate(21) + " - 2020/03/11) 三期內成功開出機率 06.00﹪");

    const NurtureDisplay twin = ShowNurtureKey(draws, history->work, Nurture30, 70, key, boxes);
    ASSERT_EQ(twin.grid.rowCount(), 32);
    EXPECT_NE(twin.memo[3].find("(這一期"), std::string::npos) << twin.memo[3];
    EXPECT_EQ(twin.memo.back().substr(twin.memo.back().size() - 8), "10.00﹪");
}

TEST(Nurture, ComingDrawsAndABaseDateTwoBack) {
    const auto history = ShippedHistory();
    const DrawTables& draws = history->draws;
    const NurtureBoxes boxes{"d", "6", "60", "順"};
    const std::string key = NurtureKey('6', 30, {{3, 0, 5, 1, 2, 6}, 7});
    const NurtureDisplay six = ShowNurtureKey(draws, history->work, Nurture50, draws.DrawCount, key, boxes);
    // 50 rows and six coming draws below the heading, each predicted from six draws before it.
    ASSERT_EQ(six.grid.rowCount(), 57);
    for (int n = 1; n <= 6; ++n) {
        EXPECT_EQ(six.grid.cell(0, 50 + n), "下 " + std::to_string(n) + " 期預測");
        EXPECT_EQ(six.grid.cell(9, 50 + n).size(), 2u);
    }
    EXPECT_EQ(six.memo[1], "( 上6期第一順x3+第二順x0+第三順x5+第四順x1+第五順x2+第六順x6+7 除39 取餘數 )");

    const NurtureDisplay back2 = ShowNurtureKey(draws, history->work, Nurture50, draws.DrawCount - 2,
                                                NurtureKey('1', 30, {{1, 0, 0, 0, 0, 0}, 1}), boxes);
    ASSERT_EQ(back2.grid.rowCount(), 54);
    EXPECT_EQ(back2.grid.cell(1, 50), draws.DrawId[draws.DrawCount - 2]);
    EXPECT_EQ(back2.grid.cell(1, 52), draws.DrawId[draws.DrawCount]);
    EXPECT_EQ(back2.grid.cell(0, 53), "下 1 期預測");
    // N1 + 1 of the newest draw.
    const int next = std::stoi(history->work.DrawNumsWork[1][draws.DrawCount]) % 39 + 1;
    EXPECT_EQ(back2.grid.cell(9, 53), NumFormat("00", next));

    const TextTable initial = NurtureInitialGrid(draws, history->work, Nurture50);
    ASSERT_EQ(initial.rowCount(), 52);
    EXPECT_EQ(initial.cell(1, 51), draws.DrawId[draws.DrawCount - 2]);
    EXPECT_EQ(initial.cell(12, 0), "下二期");
}

TEST(Nurture, ADrawCountsOnceThoughThePredictionComesOutTwice) {
    const auto history = TenTwiceHistory();
    const DrawTables& draws = history->draws;
    // k = 10 with every coefficient 0 comes out within three draws of draws 38..42 (draw 40 twice).
    const NurtureSearchSetup setup = PrepareNurtureSearch(draws, Nurture50, "1", 70, 10);
    const std::vector<std::string> kept = SearchNurtureFormulas(draws, history->work, setup, Threads(2)).keys;
    EXPECT_EQ(kept.size(), 1000u);
    EXPECT_NE(std::find(kept.begin(), kept.end(), "10500000010"), kept.end());
    EXPECT_EQ(kept, ReferenceNurtureSearch(draws, history->work, 50, '1', 70, 10));
}

TEST(Nurture, TheExplanationHoldsEveryRow) {
    const auto history = ShippedHistory();
    const DrawTables& draws = history->draws;
    // The 16th newest date and B = 1: 50 + 15 + 1 rows.
    const NurtureDisplay shown =
        ShowNurtureKey(draws, history->work, Nurture50, draws.DrawCount - 15,
                       NurtureKey('1', 30, {{1, 2, 0, 0, 0, 0}, 3}), {"d", "1", "60", "落"});
    EXPECT_EQ(shown.grid.rowCount(), 67);
    ASSERT_EQ(shown.memo.size(), 2u + 66u + 1u);
    EXPECT_EQ(shown.memo[2 + 65],
              DrawDateText(draws, draws.DrawCount) + " 計算結果下 1 期預測" + shown.grid.cell(9, 66));
}
