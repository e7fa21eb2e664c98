#pragma once

#include <string>

struct DragHandOver;
struct PathRules;

// The ten path rules (版路): a number seen in N drag rows in a row (spacing 1) or in every second row
// (spacing 2), moving by `step` from one chain row to the next; a holding chain predicts the next
// number of the chain for the row after the last drag row.
struct PathRuleShape {
    int spacing = 1; // 1: consecutive rows, 2: every second row
    int step = 0;    // added to the number from one chain row to the next
};
constexpr int PathRuleCount = 10;

// Rule k = 1..10.
PathRuleShape RuleShape(int k);

// The start numbers of rule k that keep every chain number and the prediction inside 1..maxNo.
struct StartNumbers {
    int first = 1;
    int last = 0;
};
StartNumbers RuleStartNumbers(int k, int runLength, int maxNo);

// The drag rows handed over: the leading non-empty dates of TraceHits, at most `limit`.
int FilledTraceRows(const DragHandOver& drag, int limit);

struct RuleResult {
    std::string predicted; // " nn" per holding chain
    std::string detail;    // the rule's name and the chains, LF-ended lines; empty when none holds
};
// Checks rule k over the first `rows` handed-over rows with chains of `runLength` rows.
RuleResult Krule_checking(const DragHandOver& drag, int rows, int runLength, int k, int maxNo,
                          const std::string& ruleName);

struct RulePrediction {
    std::string result; // what Ed_result shows
    std::string memo;   // "版路名稱：" + title + LF + the details of the enabled rules
};
// Every enabled rule, in rule order.
RulePrediction PredictByRules(const DragHandOver& drag, const PathRules& rules, int rows, int maxNo,
                              const std::string& title);
