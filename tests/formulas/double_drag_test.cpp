#include <algorithm>
#include <gtest/gtest.h>
#include <limits>
#include <set>

#include "formula_history.h"
#include "formulas/double_drag_search.h"
#include "formulas/double_drag_texts.h"
#include "formulas/formula_search.h"

namespace {

// X = Y = 07 at position 2 of draws 1, 3, 5, 7, 9; the draw after a pick holds the pick's first
// number except after draw 3 (and after draw 7 when `breakRun`).
std::vector<DrawNumbers> RunHistory(bool breakRun = false) {
    return {
        {11, 7, 20, 30, 38}, {11, 2, 3, 4, 5},     {12, 7, 21, 31, 39}, {1, 2, 6, 8, 9},
        {13, 7, 22, 32, 33}, {13, 14, 15, 16, 17}, {18, 7, 23, 34, 35}, {breakRun ? 1 : 18, 19, 24, 25, 26},
        {27, 7, 28, 29, 36}};
}

// X = Y = 05 in draws 1, 3, 5, 7; tails 7 follow draws 3 (07) and 5 (17 and 27).
std::vector<DrawNumbers> TailHistory() {
    return {{5, 10, 20, 30, 38}, {17, 27, 1, 2, 3},    {5, 11, 21, 31, 39}, {7, 12, 13, 14, 15},
            {5, 16, 18, 19, 22}, {17, 27, 23, 24, 25}, {5, 26, 28, 29, 32}};
}

PickQuery SameDraw(const std::string& x, int n = 1) {
    return {x, x, "0", 0, n};
}

std::vector<std::string> Search(DragFamily family, const SharedTables& t, const std::vector<int>& picks,
                                int n, const std::string& lan) {
    const DragSearchSetup setup = PrepareDragSearch("-1", n, lan, static_cast<int>(picks.size()));
    EXPECT_EQ(setup.outcome, DragSearchSetup::Outcome::Search);
    std::vector<std::string> keys = SearchDragFormulas(family, t.draws, t.work, picks, setup);
    SortKeys(keys, KeySort::Descending);
    return keys;
}

struct Shown {
    TextTable grid;
    DragExplanation explanation;
};

Shown Show(DragFamily family, const SharedTables& t, const std::vector<int>& picks, const PickQuery& query,
           const std::string& key) {
    Shown out{PickGrid(t.draws, t.work, picks), {}};
    const DragKey parsed = *ParseDragKey(family, key);
    ShowDragKey(out.grid, family, t.draws, t.work, picks, parsed);
    const DragExplainContext context{t.draws, t.work, picks, query, "落"};
    out.explanation = ExplainDragKey(family, out.grid, parsed, context);
    for (std::string& line : DragRunDetail(family, out.grid, parsed, context))
        out.explanation.lines.push_back(std::move(line));
    return out;
}

// The formulas' hits counted straight from the draws' numbers, as a player would by hand.
std::set<std::string> SlowSearch(DragFamily family, const std::vector<DrawNumbers>& draws,
                                 const std::vector<int>& picks, int n, int runLength) {
    std::set<std::string> keys;
    const int count = static_cast<int>(picks.size());
    auto drawn = [&](int draw, auto&& test) {
        if (draw < 1 || draw > static_cast<int>(draws.size()))
            return false;
        return std::any_of(draws[static_cast<std::size_t>(draw - 1)].begin(),
                           draws[static_cast<std::size_t>(draw - 1)].end(), test);
    };
    auto count_hits = [&](auto&& hitsPick) {
        int hits = 0, run = 0;
        for (int r = 1; r <= count; ++r)
            if (hitsPick(picks[static_cast<std::size_t>(r - 1)])) {
                ++hits;
                run += r >= count - runLength;
            }
        return std::pair{hits, run >= runLength};
    };
    if (family == DragFamily::Position) {
        for (int p = 1; p <= 5; ++p)
            for (int d = 1 - n; d <= 9; ++d) {
                const auto [hits, kept] = count_hits([&](int i) {
                    if (i - d < 1)
                        return false;
                    const int source =
                        draws[static_cast<std::size_t>(i - d - 1)][static_cast<std::size_t>(p - 1)];
                    return drawn(i + n, [&](int x) { return x == source; });
                });
                if (kept)
                    keys.insert(PositionKey("-1", n, hits, p, d));
            }
    } else {
        for (int t = 0; t <= 9; ++t) {
            const auto [hits, kept] = count_hits(
                [&](int i) { return i - n >= 1 && drawn(i + n, [&](int x) { return x % 10 == t; }); });
            if (kept)
                keys.insert(TailKey("-1", n, hits, t));
        }
    }
    return keys;
}

} // namespace

TEST(DoubleDragQuery, NewestDateAsBaseDrawPicksEveryDrawWithX) {
    const auto t = HistoryOf(RunHistory());
    const auto choice = ChooseBaseDate(t->draws, t->work, FormulaDrawDate(9));
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->baseDraw, 9);
    EXPECT_EQ(choice->xItems, (std::vector<std::string>{"27", "07", "28", "29", "36"}));
    EXPECT_EQ(choice->predictionText, "1");
    EXPECT_EQ(choice->d1Items, (std::vector<std::string>{"0"}));
    EXPECT_EQ(choice->d1Text, "0");
    EXPECT_EQ(SecondDrawItems(t->draws, t->work, 9, 0), choice->xItems);
    EXPECT_TRUE(SecondDrawItems(t->draws, t->work, 9, 1).empty()); // not yet drawn

    const std::vector<int> picks = FindPicks(t->draws, t->work, SameDraw("07"));
    EXPECT_EQ(picks, (std::vector<int>{1, 3, 5, 7, 9}));
    EXPECT_TRUE(FindPicks(t->draws, t->work, SameDraw("7")).empty()); // texts compare exactly
    EXPECT_EQ(FindPicks(t->draws, t->work, {"07", "07", "2", 2, 3}), (std::vector<int>{1, 3, 5, 7}));
    EXPECT_TRUE(FindPicks(t->draws, t->work, {"07", "07", "1", 1, 1}).empty());

    StorePicks(t->work, picks);
    EXPECT_EQ(t->work.RightIssueCount, 5);
    EXPECT_EQ(StoredPicks(t->work), picks);

    const TextTable grid = PickGrid(t->draws, t->work, picks);
    EXPECT_EQ(grid.rowCount(), 7);
    EXPECT_EQ(grid.joinedRow(0, "|"), " 日     期| 期 數|一|二|三|四|五|||預測 |驗證期|開獎號碼|命中");
    EXPECT_EQ(grid.joinedRow(5, "|"), FormulaDrawDate(9) + "|109009|27|07|28|29|36||||||");
    EXPECT_EQ(grid.joinedRow(6, "|"), "||||||||||||");
}

TEST(DoubleDragQuery, BaseDateThreeDrawsBackAndDatesThatNameNoDraw) {
    const auto t = HistoryOf(RunHistory());
    const auto choice = ChooseBaseDate(t->draws, t->work, FormulaDrawDate(6));
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->predictionText, "4");
    EXPECT_EQ(choice->d1Items, (std::vector<std::string>{"0", "1", "2", "3"}));
    EXPECT_EQ(choice->d1Text, "3");
    EXPECT_EQ(SecondDrawItems(t->draws, t->work, 6, 3),
              (std::vector<std::string>{"27", "07", "28", "29", "36"}));

    // n = 4: d runs -3..9, 13 distances at each of the five positions.
    const std::vector<int> picks = FindPicks(t->draws, t->work, {"13", "27", "3", 3, 4});
    EXPECT_EQ(picks, (std::vector<int>{6}));
    const auto keys = Search(DragFamily::Position, *t, picks, 4, "3"); // one pick: R = 0, all kept
    ASSERT_EQ(keys.size(), 65u);
    std::set<int> distances;
    for (const std::string& key : keys)
        distances.insert(ParseDragKey(DragFamily::Position, key)->d);
    EXPECT_EQ(*distances.begin(), -3);
    EXPECT_EQ(*distances.rbegin(), 9);
    EXPECT_EQ(distances.size(), 13u);

    EXPECT_FALSE(ChooseBaseDate(t->draws, t->work, "2020/01/02 "));
    EXPECT_FALSE(ChooseBaseDate(t->draws, t->work, "1999/01/01"));
    EXPECT_EQ(UnknownBaseDateMessage("1999/01/01"), "基準日期 1999/01/01 不是已載入的開獎日期,請重新選擇!");
}

TEST(DoubleDragSearch, NoPicksSearchesNothingAndLeavesTheRunLength) {
    const auto t = HistoryOf(RunHistory());
    const PickQuery query{"07", "10", "0", 0, 3};
    ASSERT_TRUE(FindPicks(t->draws, t->work, query).empty());
    const DragSearchSetup setup = PrepareDragSearch("-1", 3, "3", 0);
    EXPECT_EQ(setup.outcome, DragSearchSetup::Outcome::NoPicks);
    EXPECT_EQ(setup.runLengthShown, std::nullopt);
    EXPECT_EQ(NoPicksMessage(query, "開"), "沒有一期開 07 同期開 10,請改選號碼(號碼為兩位數,例如 07)!");
    EXPECT_EQ(NoPicksMessage({"057", "05", "2", 2, 1}, "開"),
              "沒有一期開 057 且下2期開 05,請改選號碼(號碼為兩位數,例如 07)!");
    EXPECT_EQ(NoPicksMessage({"", "05", "0", 0, 1}, "開"),
              "「開」沒有號碼,請改選號碼(號碼為兩位數,例如 07)!");
    // One pick: the run shrinks to 0, never below.
    const DragSearchSetup one = PrepareDragSearch("-1", 3, "3", 1);
    EXPECT_EQ(one.outcome, DragSearchSetup::Outcome::Search);
    EXPECT_EQ(one.runLengthShown, 0);
}

TEST(DoubleDragSearch, RunCountsOnlyTheHitsJustBeforeTheNewestPick) {
    const auto t = HistoryOf(RunHistory());
    const std::vector<int> picks = FindPicks(t->draws, t->work, SameDraw("07"));
    const std::string key = PositionKey("-1", 1, 3, 1, 0);
    auto kept = Search(DragFamily::Position, *t, picks, 1, "2");
    EXPECT_NE(std::find(kept.begin(), kept.end(), key), kept.end());
    kept = Search(DragFamily::Position, *t, picks, 1, "3"); // picks 3, 5, 7 must all hit
    EXPECT_EQ(std::find(kept.begin(), kept.end(), key), kept.end());

    const Shown shown = Show(DragFamily::Position, *t, picks, SameDraw("07"), key);
    EXPECT_EQ(shown.grid.joinedRow(1, "|"),
              FormulaDrawDate(1) + "|109001|11|07|20|30|38|||11.__.__|109002|11.02.03.04.05.|11 ");
    EXPECT_EQ(shown.grid.cell(DragHitColumn, 2), "");
    // The newest pick's target is not drawn yet: no draw number, no numbers, no hit.
    EXPECT_EQ(shown.grid.joinedRow(5, "|"), FormulaDrawDate(9) + "|109009|27|07|28|29|36|||27.__.__|||");
    EXPECT_EQ(shown.grid.joinedRow(6, "|"), "|||||||||   |   |   |   ");
    EXPECT_EQ(shown.explanation.run, 2);
    EXPECT_EQ(shown.explanation.plan, "準2版  27.__.__");
    const std::vector<std::string> expected = {
        "【基準期】07，07同期開",
        "【定點】當期第1落球",
        "【預測】下1期開",
        "【驗證】準2版走第3版",
        "",
        "*****2020/01/06_109005期13 07 22 32 33 同期開07,07",
        "當  期2020/01/06_109005期13 07 22 32 33 第1落球 13",
        "下1期2020/01/07_109006期13 14 15 16 17  開出13 ",
        "",
        "*****2020/01/08_109007期18 07 23 34 35 同期開07,07",
        "當  期2020/01/08_109007期18 07 23 34 35 第1落球 18",
        "下1期2020/01/09_109008期18 19 24 25 26  開出18 ",
        "",
        "*****2020/01/10_109009期27 07 28 29 36 同期開07,07",
        "當  期2020/01/10_109009期27 07 28 29 36 第1落球 27",
        "下1期預測27.__.__",
    };
    EXPECT_EQ(shown.explanation.lines, expected);

    // A miss in the second-newest pick: no run, no detail.
    const auto broken = HistoryOf(RunHistory(true));
    const Shown missed = Show(DragFamily::Position, *broken, picks, SameDraw("07"), key);
    EXPECT_EQ(missed.explanation.run, 0);
    EXPECT_EQ(missed.explanation.plan, "準0版  27.__.__");
    EXPECT_EQ(missed.explanation.lines.size(), 4u);
    EXPECT_EQ(missed.explanation.lines[3], "【驗證】準0版走第1版");
}

TEST(DoubleDragSearch, SourcesBeforeTheFirstDrawAndLaterBaseDraws) {
    const auto t = HistoryOf(RunHistory());
    const PickQuery query{"07", "07", "2", 2, 3};
    const std::vector<int> picks = FindPicks(t->draws, t->work, query);
    // d = 2 reads two draws before each pick: pick 1 has none.
    const Shown shown = Show(DragFamily::Position, *t, picks, query, PositionKey("-1", 3, 0, 1, 2));
    EXPECT_EQ(shown.grid.cell(DragPredictionColumn, 1), "__.__.__");
    EXPECT_EQ(shown.grid.cell(DragHitColumn, 1), "");
    EXPECT_EQ(shown.grid.cell(DragTargetIdColumn, 1), "109004");
    EXPECT_EQ(shown.explanation.lines[0], "【基準期】不定位開07，且下2期開07");
    EXPECT_EQ(shown.explanation.lines[1], "【定點】上2期第1落球");
    EXPECT_EQ(shown.explanation.lines[2], "【預測】下3期開");

    const Shown later = Show(DragFamily::Position, *t, picks, query, PositionKey("-1", 3, 0, 4, -2));
    EXPECT_EQ(later.explanation.lines[1], "【定點】下2期第4落球");
    EXPECT_EQ(later.grid.cell(DragPredictionColumn, 1), "31.__.__"); // draw 3, position 4

    // Draw 5's first number follows pick 3 and draw 7's follows pick 5: a run of two.
    const Shown run = Show(DragFamily::Position, *t, picks, query, PositionKey("-1", 3, 2, 1, -2));
    EXPECT_EQ(run.explanation.plan, "準2版  27.__.__");
    const std::vector<std::string> detail(run.explanation.lines.begin() + 4, run.explanation.lines.end());
    const std::vector<std::string> expected = {
        "",
        "*****2020/01/04_109003期12 07 21 31 39 開07",
        "下2期2020/01/06_109005期13 07 22 32 33 開07",
        "下2期2020/01/06_109005期13 07 22 32 33 第1落球 13",
        "下3期2020/01/07_109006期13 14 15 16 17  開出13 ",
        "",
        "*****2020/01/06_109005期13 07 22 32 33 開07",
        "下2期2020/01/08_109007期18 07 23 34 35 開07",
        "下2期2020/01/08_109007期18 07 23 34 35 第1落球 18",
        "下3期2020/01/09_109008期18 19 24 25 26  開出18 ",
        "",
        "*****2020/01/08_109007期18 07 23 34 35 開07",
        "下2期2020/01/10_109009期27 07 28 29 36 開07",
        "下2期2020/01/10_109009期27 07 28 29 36 第1落球 27",
        "下3期預測27.__.__",
    };
    EXPECT_EQ(detail, expected);
}

TEST(DoubleDragTail, TailTwinShowsEveryNumberWithTheTail) {
    const auto t = HistoryOf(TailHistory());
    const std::vector<int> picks = FindPicks(t->draws, t->work, SameDraw("05"));
    ASSERT_EQ(picks, (std::vector<int>{1, 3, 5, 7}));
    const auto keys = Search(DragFamily::Tail, *t, picks, 1, "2");
    const std::string key = TailKey("-1", 1, 2, 7);
    EXPECT_NE(std::find(keys.begin(), keys.end(), key), keys.end());

    const Shown shown = Show(DragFamily::Tail, *t, picks, SameDraw("05"), key);
    EXPECT_EQ(shown.grid.cell(DragPredictionColumn, 1), "__.__.__"); // a pick among the first n draws
    EXPECT_EQ(shown.grid.cell(DragHitColumn, 1), "");
    EXPECT_EQ(shown.grid.cell(DragPredictionColumn, 2), "7.__.__");
    EXPECT_EQ(shown.grid.cell(DragHitColumn, 2), "07 ");
    EXPECT_EQ(shown.grid.cell(DragHitColumn, 3), "17 27 ");
    EXPECT_EQ(shown.explanation.plan, "準2版  7.__.__");
    const std::vector<std::string> expected = {
        "【基準期】05，05同期開",
        "【預測】下1期開7尾",
        "【驗證】準2版走第3版",
        "",
        "*****2020/01/04_109003期05 11 21 31 39 同期開05,05",
        "下1期2020/01/05_109004期07 12 13 14 15 開出7尾_07 ",
        "",
        "*****2020/01/06_109005期05 16 18 19 22 同期開05,05",
        "下1期2020/01/07_109006期17 27 23 24 25 開出7尾_17 27 ",
        "",
        "*****2020/01/08_109007期05 26 28 29 32 同期開05,05",
        "下1期預測7.__.__",
    };
    EXPECT_EQ(shown.explanation.lines, expected);
}

TEST(DoubleDragSearch, MatchesAHandCountOverRandomHistories) {
    for (unsigned seed : {5u, 6u, 7u}) {
        const std::vector<DrawNumbers> numbers = RandomDraws(300, seed);
        const auto t = HistoryOf(numbers);
        for (int back : {0, 3, 12}) {
            const auto choice = *ChooseBaseDate(t->draws, t->work, FormulaDrawDate(300 - back));
            const int n = std::stoi(choice.predictionText);
            const int d1 = std::stoi(choice.d1Text);
            const std::string x = choice.xItems[1];
            const std::string y = SecondDrawItems(t->draws, t->work, choice.baseDraw, d1)[2];
            const std::vector<int> picks = FindPicks(t->draws, t->work, {x, y, choice.d1Text, d1, n});
            for (const char* lan : {"2", "3", "4"})
                for (DragFamily family : {DragFamily::Position, DragFamily::Tail}) {
                    const auto keys = Search(family, *t, picks, n, lan);
                    const DragSearchSetup setup =
                        PrepareDragSearch("-1", n, lan, static_cast<int>(picks.size()));
                    EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()),
                              SlowSearch(family, numbers, picks, n, setup.runLength))
                        << seed << " " << back << " " << lan;
                }
        }
    }
}

TEST(DoubleDragFaults, NewestDrawOfAFullHistoryAndKeysThatWouldNotFit) {
    // The shipped history fills every table: the newest pick's target is draw 2501.
    const auto shipped = ShippedHistory();
    ASSERT_EQ(shipped->draws.DrawCount, MaxDraws);
    const auto choice = *ChooseBaseDate(shipped->draws, shipped->work, NewestDateText(shipped->draws));
    const PickQuery query = SameDraw(choice.xItems[0]);
    const std::vector<int> picks = FindPicks(shipped->draws, shipped->work, query);
    ASSERT_GT(picks.size(), 99u);
    ASSERT_EQ(picks.back(), MaxDraws);
    for (DragFamily family : {DragFamily::Position, DragFamily::Tail}) {
        const auto keys = Search(family, *shipped, picks, 1, "3");
        for (const std::string& key : keys) {
            const Shown shown = Show(family, *shipped, picks, query, key);
            const int last = static_cast<int>(picks.size());
            EXPECT_EQ(shown.grid.cell(DragTargetIdColumn, last), "");
            EXPECT_EQ(shown.grid.cell(DragTargetNumbersColumn, last), "");
            EXPECT_EQ(shown.grid.cell(DragHitColumn, last), "");
        }
    }
    // A base date 150 draws back would need n = 151.
    const auto far = *ChooseBaseDate(shipped->draws, shipped->work,
                                     DateFormat("yyyy/mm/dd", shipped->draws.DrawDate[MaxDraws - 150]));
    EXPECT_EQ(far.predictionText, "151");
    const DragSearchSetup refused = PrepareDragSearch("-1", std::stoi(far.predictionText), "3", 40);
    EXPECT_EQ(refused.outcome, DragSearchSetup::Outcome::Refused);
    EXPECT_EQ(refused.message, BaseDateTooFarMessage());
    EXPECT_EQ(PrepareDragSearch("-1", 99, "3", 40).outcome, DragSearchSetup::Outcome::Search);
    EXPECT_EQ(PrepareDragSearch("-1", -1, "3", 40).outcome, DragSearchSetup::Outcome::Refused);
    EXPECT_EQ(PrepareDragSearch("-1", 1, "", 40).outcome, DragSearchSetup::Outcome::SilentEnd);

    // More than 99 hits: the three-digit field keeps every later field in place.
    const auto same = HistoryOf(std::vector<DrawNumbers>(150, DrawNumbers{1, 2, 3, 4, 5}));
    const std::vector<int> all = FindPicks(same->draws, same->work, SameDraw("01"));
    ASSERT_EQ(all.size(), 150u);
    const auto keys = Search(DragFamily::Position, *same, all, 1, "3");
    EXPECT_EQ(keys.size(), 50u);
    EXPECT_EQ(keys.front(), "-101149500000"); // d = 0 reads a draw for every pick
    EXPECT_NE(std::find(keys.begin(), keys.end(), "-101140500900"), keys.end()); // nine picks read none
    EXPECT_EQ(keys[5], "-101148500100"); // hits first, then position, then distance
    EXPECT_EQ(ParseDragKey(DragFamily::Position, "-1041235-0300")->d, -3);
    EXPECT_FALSE(ParseDragKey(DragFamily::Tail, "-1010021001x700"));
    const DragKey parsed = *ParseDragKey(DragFamily::Position, keys[1]);
    EXPECT_EQ(parsed.hits, 149);
    EXPECT_EQ(parsed.p, 4);
    EXPECT_EQ(parsed.d, 0);
    const auto many = HistoryOf(std::vector<DrawNumbers>(1001, DrawNumbers{1, 2, 3, 4, 5}));
    const auto tooMany = FindPicks(many->draws, many->work, SameDraw("01"));
    ASSERT_EQ(tooMany.size(), 1001u);
    const DragSearchSetup refusedPicks = PrepareDragSearch("-1", 1, "3", static_cast<int>(tooMany.size()));
    EXPECT_EQ(refusedPicks.outcome, DragSearchSetup::Outcome::Refused);
    EXPECT_EQ(refusedPicks.message, TooManyPicksMessage(1001));
}

TEST(DoubleDragFaults, NegativeRunLengthsAreRefusedAndNoneOverflows) {
    for (const char* lan : {"-1", "-2147483648"}) {
        const DragSearchSetup setup = PrepareDragSearch("-1", 1, lan, 40);
        EXPECT_EQ(setup.outcome, DragSearchSetup::Outcome::Refused) << lan;
        EXPECT_EQ(setup.message, NegativeRunLengthMessage());
    }
    EXPECT_EQ(PrepareDragSearch("-1", 1, "-2", 0).outcome, DragSearchSetup::Outcome::Refused);
    // The search itself stays defined for any run length and distance it is handed.
    const auto t = HistoryOf(RunHistory());
    const std::vector<int> picks = FindPicks(t->draws, t->work, SameDraw("07"));
    DragSearchSetup setup = PrepareDragSearch("-1", 1, "3", static_cast<int>(picks.size()));
    for (int runLength : {std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
        setup.runLength = runLength;
        EXPECT_EQ(SearchDragFormulas(DragFamily::Tail, t->draws, t->work, picks, setup).size(),
                  runLength < 0 ? 10u : 0u);
    }
    setup.n = std::numeric_limits<int>::min();
    EXPECT_TRUE(SearchDragFormulas(DragFamily::Position, t->draws, t->work, picks, setup).empty());
}
