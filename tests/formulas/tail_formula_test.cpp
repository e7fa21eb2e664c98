#include <gtest/gtest.h>

#include "formula_history.h"
#include "formula_reference.h"
#include "formulas/tail_formula_search.h"
#include "formulas/tail_formula_texts.h"

namespace {

using Outcome = TailSearchSetup::Outcome;

// 20 draws of 01..05 (tails 1..5); draw 18 holds 10 in place of 01, so tail 0 is drawn once among the
// 15 newest and tail 9 never.
std::unique_ptr<SharedTables> OneTenHistory() {
    std::vector<DrawNumbers> numbers(20, {1, 2, 3, 4, 5});
    numbers[17] = {10, 2, 3, 4, 5};
    return HistoryOf(numbers);
}

} // namespace

TEST(TailFormulaSetup, LookBackMustFitOneDigitOfTheCode) {
    const auto history = OneTenHistory();
    const DrawTables& draws = history->draws;
    EXPECT_EQ(PrepareTailSearch(draws, "abc").outcome, Outcome::SilentEnd);
    EXPECT_EQ(PrepareTailSearch(draws, "").outcome, Outcome::SilentEnd);
    for (const char* refused : {"0", "12", "-1", " 1"}) {
        const TailSearchSetup setup = PrepareTailSearch(draws, refused);
        EXPECT_EQ(setup.outcome, Outcome::Refused) << refused;
        EXPECT_EQ(setup.message, TailLookBackMessage);
    }
    const TailSearchSetup setup = PrepareTailSearch(draws, "5");
    EXPECT_EQ(setup.outcome, Outcome::Search);
    EXPECT_EQ(setup.lookBack, '5');
    EXPECT_EQ(setup.lookBackDraws, 5);
    // 15 verification draws and the look-back: 20 draws allow B = 5, not 6.
    EXPECT_EQ(PrepareTailSearch(draws, "6").outcome, Outcome::TooShort);
    EXPECT_TRUE(SearchTailFormulas(draws, history->work, PrepareTailSearch(draws, "6"), {}).keys.empty());
}

TEST(TailFormulaSetup, CodesAreTenDigitsWithALookBackOfOneOrMore) {
    EXPECT_EQ(TailCode('2', 1, TailFormula{{4, 0, 3, 1, 2, 0}, 7}), "2014031207");
    const auto parts = ParseTailCode("2014031207");
    ASSERT_TRUE(parts);
    EXPECT_EQ(parts->lookBack, 2);
    EXPECT_EQ(parts->failures, 1);
    EXPECT_EQ(parts->formula.c, (std::array<int, 6>{4, 0, 3, 1, 2, 0}));
    EXPECT_EQ(parts->formula.k, 7);
    for (const char* bad : {"", "201403120", "20140312070", "0014031207", "2014031a07"})
        EXPECT_FALSE(ParseTailCode(bad)) << bad;
}

TEST(TailFormulaSearch, KeepsWhatTheReferenceKeepsOverTheShippedHistory) {
    const auto history = ShippedHistory();
    for (const char* lookBack : {"1", "3", "6"}) {
        const TailSearchSetup setup = PrepareTailSearch(history->draws, lookBack);
        ASSERT_EQ(setup.outcome, Outcome::Search);
        const std::vector<std::string> kept =
            SearchTailFormulas(history->draws, history->work, setup, Threads(1)).keys;
        EXPECT_FALSE(kept.empty()) << lookBack;
        EXPECT_LE(kept.size(), 6u);
        EXPECT_EQ(kept, ReferenceTailSearch(history->draws, history->work, lookBack[0])) << lookBack;
        EXPECT_EQ(SearchTailFormulas(history->draws, history->work, setup, Threads(4)).keys, kept)
            << lookBack;
        for (const std::string& code : kept)
            EXPECT_EQ(code[8], '0') << "a draw has no sixth ball: " << code;
    }
}

TEST(TailFormulaSearch, AFullListHoldsTheFirstHundredFoundThenTheSixBest) {
    // Draws that barely change: thousands of formulas never fail, the list fills at 100.
    const auto history = OneTenHistory();
    const TailSearchSetup setup = PrepareTailSearch(history->draws, "1");
    const std::vector<std::string> kept =
        SearchTailFormulas(history->draws, history->work, setup, Threads(3)).keys;
    EXPECT_EQ(kept.size(), 6u);
    EXPECT_EQ(kept, ReferenceTailSearch(history->draws, history->work, '1'));
    EXPECT_EQ(kept.front(), "1000000006"); // no failure, then the smallest coefficients and k
    EXPECT_TRUE(std::is_sorted(kept.begin(), kept.end()));
}

TEST(TailFormulaTexts, RateLinesAndComingDraws) {
    const auto history = OneTenHistory();
    const DrawTables& draws = history->draws;
    // Tail 0 fails at draw 18 only.
    TailDisplay once = ShowTailCode(draws, history->work, "1010000000", "落");
    EXPECT_EQ(once.memo.back(), "本不出尾數版路最近15期成功機率 93.33﹪");
    EXPECT_EQ(once.grid.cell(10, 13), "失敗");
    EXPECT_EQ(once.grid.cell(10, 12), "");
    EXPECT_EQ(once.memo[2 + 12], "109017期計算結果預測109018期 0 尾不出  失敗(109018期開出)");
    EXPECT_EQ(once.memo[2], "109005期計算結果預測109006期 0 尾不出  成功(109006期不出)");
    // An all-zero formula names k; with k = 0 nothing follows the look-back.
    EXPECT_EQ(once.memo[1], "不出尾數版路：上1期  取尾數本期不出（驗證15 期） ");

    TailDisplay never = ShowTailCode(draws, history->work, "3000000009", "順");
    EXPECT_EQ(never.memo.back(), "本不出尾數版路最近15期成功機率 100.00﹪");
    EXPECT_EQ(never.memo[1], "不出尾數版路：上3期  9 取尾數本期不出（驗證15 期） ");
    // Look-back 3: 15 rows, then 下 1..3 期預測 with no success or failure suffix.
    ASSERT_EQ(never.grid.rowCount(), 20);
    ASSERT_EQ(never.memo.size(), 2u + 18u + 1u);
    EXPECT_EQ(never.grid.cell(0, 15), "2020/01/21");
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(never.grid.cell(0, 15 + n), "下 " + std::to_string(n) + " 期預測");
        EXPECT_EQ(never.grid.cell(9, 15 + n), "9");
        EXPECT_EQ(never.grid.cell(10, 15 + n), "");
    }
    // The row under them keeps the blanks the search wrote.
    EXPECT_EQ(never.grid.cell(9, 19), "   ");
    EXPECT_EQ(never.grid.cell(10, 19), "   ");
    EXPECT_EQ(never.memo[2 + 15], "109018期計算結果預測下    1   期 9 尾不出");
    EXPECT_EQ(never.memo[2 + 17], "109020期計算結果預測下    3   期 9 尾不出");

    TailDisplay weighted = ShowTailCode(draws, history->work, "1002010003", "落");
    EXPECT_EQ(weighted.memo[0], "代號 1002010003");
    EXPECT_EQ(weighted.memo[1], "不出尾數版路：上1期 第一落x2 + 第三落x1 +  3 取尾數本期不出（驗證15 期） ");
    // 2 x 1 + 1 x 3 + 3 = 8 from every draw of 01..05; draw 18's 10 gives 2 x 10 + 3 + 3 = 26 for draw 19.
    EXPECT_EQ(weighted.grid.cell(9, 1), "8");
    EXPECT_EQ(weighted.grid.cell(9, 14), "6");
}

TEST(TailFormulaTexts, GridsBeforeAndAfterAnEmptySearch) {
    const auto history = OneTenHistory();
    const TextTable initial = TailInitialGrid(history->draws, history->work);
    EXPECT_EQ(initial.rowCount(), 18);
    EXPECT_EQ(initial.cell(0, 0), " 日     期");
    EXPECT_EQ(initial.cell(10, 0), "開出");
    EXPECT_EQ(initial.cell(0, 1), "2020/01/07");
    EXPECT_EQ(initial.cell(1, 15), "109020");
    EXPECT_EQ(initial.cell(2, 13), "10");
    EXPECT_EQ(initial.cell(7, 13), ""); // no sixth ball
    EXPECT_EQ(initial.cell(9, 1), "");
    const TextTable searched = TailSearchGrid(history->draws, history->work);
    EXPECT_EQ(searched.cell(9, 1), "   ");
    EXPECT_EQ(searched.cell(10, 15), "   ");
    // Nothing loaded: the grid has its headings and nothing read outside the tables.
    const auto empty = std::make_unique<SharedTables>();
    EXPECT_EQ(TailInitialGrid(empty->draws, empty->work).cell(0, 1), "");
    EXPECT_EQ(PrepareTailSearch(empty->draws, "1").outcome, Outcome::TooShort);
}
