#include "analysis/paths/path_rules_check.h"

#include <algorithm>
#include <array>

#include "common/num_format.h"
#include "draws/drag_handover.h"
#include "draws/path_rules.h"

namespace {

const std::array<PathRuleShape, PathRuleCount> Shapes = {
    PathRuleShape{1, 0},  PathRuleShape{1, 1}, PathRuleShape{1, -1}, PathRuleShape{1, 2},
    PathRuleShape{1, -2}, PathRuleShape{2, 0}, PathRuleShape{2, 1},  PathRuleShape{2, -1},
    PathRuleShape{2, 2},  PathRuleShape{2, -2}};

bool isBlank(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

// The hand-over cell of number n in drag row r, or empty text where the table has no such cell.
const std::string& traceCell(const DragHandOver& drag, int n, int r) {
    static const std::string none;
    if (!decltype(drag.TraceHits)::contains(1 + n) || !DrawTextColumn::contains(r))
        return none;
    return drag.TraceHits[1 + n][r];
}

} // namespace

PathRuleShape RuleShape(int k) {
    return k >= 1 && k <= PathRuleCount ? Shapes[static_cast<std::size_t>(k - 1)] : PathRuleShape{};
}

StartNumbers RuleStartNumbers(int k, int runLength, int maxNo) {
    const int reach = std::abs(RuleShape(k).step) * runLength; // distance to the prediction
    if (RuleShape(k).step >= 0)
        return {1, maxNo - reach};
    return {reach + 1, maxNo};
}

int FilledTraceRows(const DragHandOver& drag, int limit) {
    const int last = std::min(limit, MaxDraws);
    int rows = 0;
    while (rows < last && !drag.TraceHits[0][rows + 1].empty())
        ++rows;
    return rows;
}

RuleResult Krule_checking(const DragHandOver& drag, int rows, int runLength, int k, int maxNo,
                          const std::string& ruleName) {
    RuleResult out;
    const PathRuleShape shape = RuleShape(k);
    const int g = shape.spacing;
    const int first = rows - g * runLength + 1; // r_0
    if (first < 1 || runLength < 1)
        return out;
    const auto chainRow = [&](int s) { return first + g * s; };
    const StartNumbers starts = RuleStartNumbers(k, runLength, maxNo);
    std::string detail;
    for (int n = starts.first; n <= starts.last; ++n) {
        bool holds = true;
        for (int s = 0; s + 1 < runLength && holds; ++s) {
            const std::string& here = traceCell(drag, n + s * shape.step, chainRow(s));
            const std::string& next = traceCell(drag, n + (s + 1) * shape.step, chainRow(s + 1));
            holds = here == next && !next.empty();
        }
        if (!holds)
            continue;
        const int predicted = n + runLength * shape.step;
        out.predicted += " " + NumFormat("00", predicted);
        for (int s = 0; s < runLength; ++s) {
            const int r = chainRow(s);
            detail += "第" + drag.TraceHits[1][r] + "期(" + drag.TraceHits[0][r] + ")開 " +
                      NumFormat("00", n + s * shape.step) + "\n";
        }
        detail += "本期預測 " + NumFormat("00", predicted) + "\n";
    }
    if (!isBlank(detail))
        out.detail = ruleName + "\n" + detail;
    return out;
}

RulePrediction PredictByRules(const DragHandOver& drag, const PathRules& rules, int rows, int maxNo,
                              const std::string& title) {
    RulePrediction out;
    std::string details;
    for (int k = 1; k <= PathRuleCount; ++k) {
        if (!rules.RuleEnable[k])
            continue;
        const RuleResult rule = Krule_checking(drag, rows, rules.RuleOkCount, k, maxNo, rules.RuleName[k]);
        out.result += rule.predicted;
        details += rule.detail;
    }
    out.memo = "版路名稱：" + title + "\n" + details;
    return out;
}
