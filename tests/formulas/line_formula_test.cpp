#include <gtest/gtest.h>

#include "formula_history.h"
#include "formula_reference.h"
#include "formulas/line_formula_search.h"
#include "formulas/line_formula_texts.h"

namespace {

using Outcome = LineSearchSetup::Outcome;

// 40 draws of 01..05 in drawn order: 1A+1B+1 predicts 04 every time.
std::unique_ptr<SharedTables> SameDraws() {
    return HistoryOf(std::vector<DrawNumbers>(40, {1, 2, 3, 4, 5}));
}

int HitsOf(const std::string& key) {
    return std::stoi(key.substr(1, 2));
}

} // namespace

TEST(LineFormula, KeyLayoutAndSetup) {
    const LineFormula f{3, 5, 1, 3, 12};
    EXPECT_EQ(LineKey('1', 14, f), "11435130012");
    const auto parts = ParseLineKey("11435130012");
    ASSERT_TRUE(parts);
    EXPECT_EQ(parts->lookBack, 1);
    EXPECT_EQ(parts->hits, 14);
    EXPECT_EQ(parts->formula.c2, 5);
    EXPECT_EQ(parts->formula.p2, 3);
    EXPECT_EQ(parts->formula.k, 12);
    for (const char* bad : {"1143513001", "114351300123", "11433310012", "1143513001x"})
        EXPECT_FALSE(ParseLineKey(bad)) << bad;

    const auto history = SameDraws();
    const DrawTables& draws = history->draws;
    EXPECT_EQ(PrepareLineSearch(draws, "x", 40, 1, 45).outcome, Outcome::SilentEnd);
    EXPECT_EQ(PrepareLineSearch(draws, "10", 40, 1, 45).outcome, Outcome::Refused);
    EXPECT_EQ(PrepareLineSearch(draws, "10", 40, 1, 45).message, DigitLookBackMessage);
    EXPECT_EQ(PrepareLineSearch(draws, "1", 40, -1, 45).sign, -1);
    // 30 verification draws from draw b - 29, read from B draws earlier.
    EXPECT_EQ(PrepareLineSearch(draws, "1", 31, 1, 45).outcome, Outcome::Search);
    EXPECT_EQ(PrepareLineSearch(draws, "2", 31, 1, 45).outcome, Outcome::TooShort);
    EXPECT_EQ(PrepareLineSearch(draws, "1", 0, 1, 45).outcome, Outcome::TooShort);
}

TEST(LineFormula, SearchKeepsWhatTheReferenceKeepsOverTheShippedHistory) {
    const auto history = ShippedHistory();
    const DrawTables& draws = history->draws;
    struct Case {
        const char* lookBack;
        int base;
        int sign;
        int percent;
    };
    const int newest = draws.DrawCount;
    // 45 % (the default) keeps nothing from the newest draws; 40 % keeps a few, 25 % fills the list.
    for (const Case& c : {Case{"1", newest, 1, 40}, Case{"1", newest, -1, 40}, Case{"3", newest - 4, 1, 35},
                          Case{"1", newest, 1, 45}, Case{"3", newest, -1, 25}}) {
        const LineSearchSetup setup = PrepareLineSearch(draws, c.lookBack, c.base, c.sign, c.percent);
        ASSERT_EQ(setup.outcome, Outcome::Search);
        const std::vector<std::string> kept =
            SearchLineFormulas(draws, history->work, setup, Threads(1)).keys;
        EXPECT_EQ(kept, ReferenceLineSearch(draws, history->work, c.lookBack[0], c.base, c.sign, c.percent))
            << c.lookBack << " " << c.sign << " " << c.percent;
        EXPECT_EQ(SearchLineFormulas(draws, history->work, setup, Threads(4)).keys, kept);
        if (c.percent == 45) {
            EXPECT_TRUE(kept.empty());
            continue;
        }
        ASSERT_FALSE(kept.empty());
        // 40 % of 30 is 12 hits, 35 % is 11 (10.5 up), 25 % is 8 (7.5 up).
        const int least = c.percent == 40 ? 12 : c.percent == 35 ? 11 : 8;
        EXPECT_GE(HitsOf(kept.back()), least);
        for (const std::string& key : kept)
            EXPECT_LE(key[6], '5') << "a draw has no sixth ball: " << key;
    }
}

TEST(LineFormula, FortyAndFiftyFivePerCentNeedTwelveAndSeventeenHits) {
    const auto history = ShippedHistory();
    const DrawTables& draws = history->draws;
    auto kept = [&](int percent) {
        const LineSearchSetup setup = PrepareLineSearch(draws, "1", draws.DrawCount - 3, 1, percent);
        return SearchLineFormulas(draws, history->work, setup, Threads(2)).keys;
    };
    const std::vector<std::string> at35 = kept(35);
    ASSERT_LT(at35.size(), 1000u); // not full: it holds every formula with 11 hits or more
    for (auto [percent, least] : {std::pair{40, 12}, {55, 17}}) {
        std::vector<std::string> expected;
        for (const std::string& key : at35)
            if (HitsOf(key) >= least)
                expected.push_back(key);
        EXPECT_EQ(kept(percent), expected) << percent;
    }
}

TEST(LineFormula, AFullListStopsAtAThousandInEnumerationOrder) {
    const auto history = SameDraws();
    const LineSearchSetup setup = PrepareLineSearch(history->draws, "1", 40, 1, 50);
    const std::vector<std::string> kept =
        SearchLineFormulas(history->draws, history->work, setup, Threads(3)).keys;
    EXPECT_EQ(kept.size(), 1000u);
    EXPECT_EQ(kept, ReferenceLineSearch(history->draws, history->work, '1', 40, 1, 50));
    EXPECT_EQ(HitsOf(kept.front()), 30);
}

TEST(LineFormula, ShowMarksHitsAndPredictsTheNextDraw) {
    const auto history = SameDraws();
    const DrawTables& draws = history->draws;
    const std::string key = LineKey('1', 30, {1, 1, 1, 2, 1});
    const LineDisplay plus = ShowLineKey(draws, history->work, 40, key, 1);
    EXPECT_EQ(plus.formulaText, "1A+1B+1");
    ASSERT_EQ(plus.grid.rowCount(), 32);
    EXPECT_EQ(plus.grid.cell(0, 1), FormulaDrawDate(11));
    EXPECT_EQ(plus.grid.cell(9, 1), "04");
    EXPECT_EQ(plus.grid.cell(10, 30), "中");
    // The row after the 30 verification rows: the next draw's prediction, never a hit.
    EXPECT_EQ(plus.grid.cell(0, 31), "下 1 期預測");
    EXPECT_EQ(plus.grid.cell(1, 31), "");
    EXPECT_EQ(plus.grid.cell(9, 31), "04");
    EXPECT_EQ(plus.grid.cell(10, 31), "");
    // The second formula subtracts: 1 - 2 + 1 = 0 folds to 39, never drawn.
    const LineDisplay minus = ShowLineKey(draws, history->work, 40, key, -1);
    EXPECT_EQ(minus.formulaText, "1A-1B+1");
    EXPECT_EQ(minus.grid.cell(9, 5), "39");
    EXPECT_EQ(minus.grid.cell(10, 5), "");
    // A base draw three back: the three newer draws follow the verification rows.
    const LineDisplay earlier = ShowLineKey(draws, history->work, 37, key, 1);
    EXPECT_EQ(earlier.grid.rowCount(), 35);
    EXPECT_EQ(earlier.grid.cell(1, 33), "109040");
    EXPECT_EQ(earlier.grid.cell(0, 34), "下 1 期預測");

    const std::vector<std::string> memo = LineFormulaList(
        draws, history->work, {key, LineKey('1', 12, {9, 2, 3, 5, 38})}, "順球", "2020/02/10", -1);
    ASSERT_EQ(memo.size(), 4u);
    EXPECT_EQ(memo[0], "數值公式預測值=計算值的總和 取39 之餘數(如餘數為0則取39)");
    EXPECT_EQ(memo[1], "A=第一球,B=第二球,餘此類推,S=特別號");
    EXPECT_EQ(memo[2], "1...順球 1A-1B+1  驗證2020/02/10前30期開出30期  下期計算預測值=39");
    // 9 x 3 - 2 x 5 + 38 = 55 -> 16
    EXPECT_EQ(memo[3], "2...順球 9C-2E+38  驗證2020/02/10前30期開出12期  下期計算預測值=16");
}

TEST(LineFormula, GridsBeforeASearch) {
    const auto history = SameDraws();
    const TextTable initial = LineInitialGrid(history->draws, history->work);
    // Room for 31 of the 33 newest draws: the two newest show once a search rewrites the grid.
    ASSERT_EQ(initial.rowCount(), 32);
    EXPECT_EQ(initial.cell(1, 1), "109008");
    EXPECT_EQ(initial.cell(1, 31), "109038");
    const TextTable searched = LineSearchGrid(history->draws, history->work, 40, 1);
    ASSERT_EQ(searched.rowCount(), 32);
    EXPECT_EQ(searched.cell(1, 30), "109040");
    EXPECT_EQ(searched.cell(1, 31), "");
    EXPECT_EQ(searched.cell(9, 31), "   ");
}
