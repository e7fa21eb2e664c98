#include "analysis/statistics/number_statistics.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "common/num_format.h"
#include "draws/draw_tables.h"

namespace {

// The integer a number text holds (leading blanks and a sign allowed), or nothing.
std::optional<int> NumberValue(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

int SlotsInUse(const DrawTables& draws) {
    return std::clamp(draws.MaxNo, 0, StatisticsSlots);
}

// Descending exchange sort of the slots, carrying the numbers along; only a strictly greater value
// moves up, which fixes the order of ties.
void RankSlots(NumberRanking& ranking) {
    for (int i = 1; i < ranking.numbers; ++i)
        for (int j = i + 1; j <= ranking.numbers; ++j)
            if (ranking.stat_nocnt[j] > ranking.stat_nocnt[i]) {
                std::swap(ranking.stat_nocnt[i], ranking.stat_nocnt[j]);
                std::swap(ranking.stat_order[i], ranking.stat_order[j]);
            }
}

// Labels are read by number, before any sort moves the entries.
void SetLabels(NumberRanking& ranking) {
    for (int n = 1; n <= ranking.numbers; ++n) {
        ranking.labelText[n] = NumFormat("##0", ranking.stat_nocnt[n] / 100);
        ranking.labelRed[n] = ranking.stat_nocnt[n] == 0;
    }
}

} // namespace

std::vector<int> DrawsInRange(const DrawTables& draws, const DateRange& range) {
    std::vector<int> out;
    const int count = std::clamp(draws.DrawCount, 0, MaxDraws);
    for (int k = 1; k <= count; ++k)
        if (range.from <= draws.DrawDate[k] && draws.DrawDate[k] <= range.to)
            out.push_back(k);
    return out;
}

std::vector<int> DrawnNumbers(const DrawTables& draws, int k) {
    std::vector<int> out;
    out.reserve(DrawBalls);
    for (int position = 1; position <= DrawBalls; ++position) {
        const std::optional<int> n = NumberValue(draws.DrawNumsDrawn[position][k]);
        if (n && *n >= 1 && *n <= SlotsInUse(draws))
            out.push_back(*n);
    }
    return out;
}

NumberRanking IdentityRanking(int maxNo) {
    NumberRanking ranking;
    ranking.numbers = std::clamp(maxNo, 0, StatisticsSlots);
    for (int n = 1; n <= StatisticsSlots; ++n)
        ranking.stat_order[n] = n;
    for (int n = 1; n <= ranking.numbers; ++n)
        ranking.stat_nocnt[n] = n;
    SetLabels(ranking);
    ranking.average = NumFormat("平均值為 ###0.00", 0);
    return ranking;
}

NumberRanking CountNumbers(const DrawTables& draws, const DateRange& range, bool rankOrder) {
    NumberRanking ranking = IdentityRanking(SlotsInUse(draws));
    for (int k : DrawsInRange(draws, range)) {
        ++ranking.count;
        for (int n : DrawnNumbers(draws, k))
            ranking.stat_nocnt[n] += 100;
    }
    SetLabels(ranking);
    if (rankOrder)
        RankSlots(ranking);
    ranking.average =
        NumFormat("平均值為 ###0.00", ranking.numbers == 0 ? 0.0 : ranking.count * 5.0 / ranking.numbers);
    return ranking;
}

NumberRanking CountFar(const DrawTables& draws, const DateRange& range, bool rankOrder) {
    NumberRanking ranking = IdentityRanking(SlotsInUse(draws));
    FixedTable<int, StatisticsSlots> last;
    last.fill(0);
    for (int k : DrawsInRange(draws, range)) {
        ++ranking.count;
        for (int n : DrawnNumbers(draws, k))
            last[n] = ranking.count;
    }
    long long sum = 0;
    for (int n = 1; n <= ranking.numbers; ++n) {
        ranking.stat_nocnt[n] = (ranking.count - last[n]) * 100;
        sum += ranking.stat_nocnt[n];
    }
    SetLabels(ranking);
    if (rankOrder)
        RankSlots(ranking);
    ranking.average = NumFormat(
        "平均值為 ###0.00", ranking.numbers == 0 ? 0.0 : static_cast<double>(sum) / ranking.numbers / 100);
    return ranking;
}

TailCounts CountTails(const DrawTables& draws, const DateRange& range) {
    TailCounts tails;
    tails.stat_tailcnt.fill(0);
    for (int k : DrawsInRange(draws, range)) {
        ++tails.count;
        for (int n : DrawnNumbers(draws, k))
            ++tails.stat_tailcnt[n % 10 == 0 ? 10 : n % 10];
    }
    for (int t = 0; t <= 9; ++t)
        tails.labelText[static_cast<std::size_t>(t)] = NumFormat("###", tails.stat_tailcnt[t == 0 ? 10 : t]);
    tails.average = NumFormat("平均值為 ###0.00", tails.count * 5.0 / 10);
    return tails;
}

std::vector<std::string> RankingPrintLines(const NumberRanking& ranking) {
    std::vector<std::string> lines;
    for (int i = 1; i <= ranking.numbers; ++i)
        lines.push_back(NumFormat("00", ranking.stat_order[i]) + "-" +
                        NumFormat("00", ranking.stat_nocnt[i] / 100));
    return lines;
}
