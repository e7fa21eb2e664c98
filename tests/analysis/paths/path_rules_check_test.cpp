#include <gtest/gtest.h>

#include "analysis/paths/path_rules_check.h"
#include "draws/path_rules.h"
#include "trace_rows.h"

namespace {

constexpr int MaxNo = 39;

std::string rule(const DragHandOver& drag, int rows, int runLength, int k) {
    return Krule_checking(drag, rows, runLength, k, MaxNo, "R").predicted;
}

} // namespace

TEST(PathRules, ChainRowsForThreeRowsOfTen) {
    // The same number in rows 8, 9, 10 holds rules 1; in rows 5, 7, 9 rule 6.
    const auto drag = TraceRowsWith(10, {{8, {4}}, {9, {4, 30}}, {10, {4}}, {5, {30}}, {7, {30}}});
    EXPECT_EQ(rule(*drag, 10, 3, 1), " 04");
    EXPECT_EQ(rule(*drag, 10, 3, 6), " 30");
    // Row 10 is not used by the every-second-row rules, row 7 not by the consecutive ones.
    const auto shifted = TraceRowsWith(10, {{7, {4}}, {8, {4, 30}}, {9, {4}}, {6, {30}}, {10, {30}}});
    EXPECT_EQ(rule(*shifted, 10, 3, 1), "");
    EXPECT_EQ(rule(*shifted, 10, 3, 6), "");
}

TEST(PathRules, RuleTwoPredictsTheNextNumberAndListsItsChain) {
    const auto drag = TraceRowsWith(10, {{8, {12}}, {9, {13}}, {10, {14}}});
    const RuleResult result = Krule_checking(*drag, 10, 3, 2, MaxNo, "隔一版開 Ｎ＋１號(X1N+1)");
    EXPECT_EQ(result.predicted, " 15");
    EXPECT_EQ(result.detail, "隔一版開 Ｎ＋１號(X1N+1)\n"
                             "第p08期(d08)開 12\n"
                             "第p09期(d09)開 13\n"
                             "第p10期(d10)開 14\n"
                             "本期預測 15\n");
    EXPECT_EQ(rule(*drag, 10, 3, 3), "");
}

TEST(PathRules, RuleNineWithRunsOfTwo) {
    const auto drag = TraceRowsWith(10, {{7, {20}}, {9, {22, 1}}, {10, {3}}});
    EXPECT_EQ(rule(*drag, 10, 2, 9), " 24"); // rows 7 and 9
    EXPECT_EQ(rule(*drag, 10, 2, 4), " 05"); // rows 9 and 10
}

TEST(PathRules, TooFewRowsYieldNothing) {
    std::map<int, std::vector<int>> everyRow;
    for (int r = 1; r <= 9; ++r)
        everyRow[r] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    const auto drag = TraceRowsWith(9, everyRow);
    for (int k = 6; k <= 10; ++k)
        EXPECT_EQ(rule(*drag, 9, 5, k), "") << k;
    EXPECT_NE(rule(*drag, 9, 5, 1), "");
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(rule(*drag, 4, 5, k), "") << k;
}

TEST(PathRules, StartNumbersKeepTheChainInsideTheGame) {
    EXPECT_EQ(RuleStartNumbers(4, 3, MaxNo).first, 1);
    EXPECT_EQ(RuleStartNumbers(4, 3, MaxNo).last, 33);
    EXPECT_EQ(RuleStartNumbers(5, 3, MaxNo).first, 7);
    EXPECT_EQ(RuleStartNumbers(5, 3, MaxNo).last, 39);
    EXPECT_EQ(RuleStartNumbers(1, 3, MaxNo).last, 39);
    EXPECT_EQ(RuleStartNumbers(8, 2, MaxNo).first, 3);
    // A chain at the very top of the game: 37, 38, 39 would predict 40, so rule 2 stops at 36.
    std::map<int, std::vector<int>> top = {{8, {37, 36}}, {9, {38, 37}}, {10, {39, 38}}};
    const auto drag = TraceRowsWith(10, top);
    EXPECT_EQ(rule(*drag, 10, 3, 2), " 39");
}

TEST(PathRules, PredictionJoinsTheEnabledRulesInOrder) {
    PathRules rules;
    ResetPathRules(rules);
    const auto drag = TraceRowsWith(10, {{8, {12, 20}}, {9, {13, 20}}, {10, {14, 20}}});
    const RulePrediction all = PredictByRules(*drag, rules, 10, MaxNo, "本期開 05 下 1 期 拖牌分析");
    EXPECT_EQ(all.result, " 20 15");
    EXPECT_EQ(
        all.memo.rfind("版路名稱：本期開 05 下 1 期 拖牌分析\n隔一版開同號(X1N0)\n第p08期(d08)開 20\n", 0),
        0u);
    EXPECT_NE(all.memo.find("\n隔一版開 Ｎ＋１號(X1N+1)\n第p08期(d08)開 12\n"), std::string::npos);

    rules.RuleEnable[1] = false;
    EXPECT_EQ(PredictByRules(*drag, rules, 10, MaxNo, "t").result, " 15");
    rules.RuleEnable.fill(false);
    const RulePrediction none = PredictByRules(*drag, rules, 10, MaxNo, "t");
    EXPECT_EQ(none.result, "");
    EXPECT_EQ(none.memo, "版路名稱：t\n");
}

TEST(PathRules, FilledRowsAreTheLeadingDates) {
    auto drag = TraceRowsWith(6, {});
    EXPECT_EQ(FilledTraceRows(*drag, 2500), 6);
    EXPECT_EQ(FilledTraceRows(*drag, 4), 4);
    drag->TraceHits[0][3] = "";
    EXPECT_EQ(FilledTraceRows(*drag, 2500), 2);
    EXPECT_EQ(FilledTraceRows(*TraceRowsWith(0, {}), 2500), 0);
    auto full = TraceRowsWith(2500, {});
    EXPECT_EQ(FilledTraceRows(*full, 2500), 2500);
}
