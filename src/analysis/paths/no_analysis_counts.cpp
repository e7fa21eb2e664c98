#include "analysis/paths/no_analysis_counts.h"

#include <algorithm>
#include <functional>

#include "common/date.h"
#include "common/errors.h"
#include "common/num_format.h"
#include "draws/drag_handover.h"

namespace {

std::string countText(int count) {
    return NumFormat("###", count);
}

int cappedMaxNo(int maxNo) {
    return std::clamp(maxNo, 0, std::min(AnalysisNumberCells, static_cast<int>(TraceRows) - 2));
}

} // namespace

std::optional<int> ReadPeriodCount(const std::string& text) {
    try {
        const int periods = StrToInt(text);
        if (periods >= 2501)
            return std::nullopt;
        return periods;
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

std::vector<std::string> PeriodChoices(int rows) {
    std::vector<std::string> choices;
    for (int n = 2; n <= rows; ++n)
        choices.push_back(std::to_string(n));
    return choices;
}

RecentCounts CountRecentRows(const DragHandOver& drag, int rows, int periods, int maxNo) {
    RecentCounts counts;
    const int top = cappedMaxNo(maxNo);
    const int last = std::min(rows, MaxDraws);
    const long long from = std::max(1LL, static_cast<long long>(last) - periods + 1);
    for (long long r = from; r <= last; ++r)
        for (int n = 1; n <= top; ++n)
            if (!drag.TraceHits[1 + n][static_cast<int>(r)].empty()) {
                ++counts.numbers[static_cast<std::size_t>(n)];
                ++counts.tails[static_cast<std::size_t>(n % 10)];
            }
    return counts;
}

AnalysisCells AnalysisGridCells(const RecentCounts& counts, int maxNo, bool byCount) {
    const int top = cappedMaxNo(maxNo);
    AnalysisCells cells;
    cells.numbers.resize(AnalysisNumberCells);
    cells.tails.resize(10);
    if (!byCount) {
        for (int n = 1; n <= top; ++n)
            cells.numbers[static_cast<std::size_t>(n - 1)] = {
                std::to_string(n), countText(counts.numbers[static_cast<std::size_t>(n)])};
        for (int t = 0; t <= 9; ++t)
            cells.tails[static_cast<std::size_t>(t)] = {"  " + std::to_string(t),
                                                        countText(counts.tails[static_cast<std::size_t>(t)])};
        return cells;
    }
    std::vector<int> keys;
    for (int n = 1; n <= top; ++n)
        keys.push_back(counts.numbers[static_cast<std::size_t>(n)] * 100 + n);
    std::sort(keys.begin(), keys.end(), std::greater<>());
    for (std::size_t k = 0; k < keys.size(); ++k)
        cells.numbers[k] = {std::to_string(keys[k] % 100), countText(keys[k] / 100)};
    std::vector<int> tailKeys;
    for (int t = 0; t <= 9; ++t)
        tailKeys.push_back(counts.tails[static_cast<std::size_t>(t)] * 100 + t);
    std::sort(tailKeys.begin(), tailKeys.end(), std::greater<>());
    for (std::size_t j = 0; j < tailKeys.size(); ++j)
        cells.tails[j] = {"  " + std::to_string(tailKeys[j] % 100), countText(tailKeys[j] / 100)};
    return cells;
}
