#include "analysis/drag/drag_chart_counters.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "common/num_format.h"

namespace {

constexpr int Heads = 4;
constexpr int Tails = 10;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Exchange sort as the player knows it: every value is distinct, so the order is descending by count
// and, among equal counts, by key.
template <class Table> void sortDescending(Table& table, int first, int last) {
    std::vector<int> values;
    for (int i = first; i <= last; ++i)
        values.push_back(table[i]);
    std::sort(values.begin(), values.end(), std::greater<>());
    for (int i = first; i <= last; ++i)
        table[i] = values[static_cast<std::size_t>(i - first)];
}

} // namespace

int ChartNumberCount(int maxNo) {
    return std::clamp(maxNo, 0, ChartNumberSlots);
}

void ResetArray(DragChartCounters& counters, int maxNo) {
    counters.chart_nocnt.fill(0);
    for (int n = 1; n <= ChartNumberCount(maxNo); ++n)
        counters.chart_nocnt[n] = n;
    for (int t = 0; t < Tails; ++t)
        counters.chart_tailcnt[t] = t;
    for (int h = 0; h < Heads; ++h)
        counters.chart_headcnt[h] = h;
}

void CountFollowerNumber(DragChartCounters& counters, const std::string& number, int maxNo) {
    if (number.size() != 2 || !isDigit(number[0]) || !isDigit(number[1]))
        return;
    const int head = number[0] - '0';
    const int tail = number[1] - '0';
    const int n = head * 10 + tail;
    if (n < 1 || n > ChartNumberCount(maxNo) || head >= Heads)
        return;
    counters.chart_nocnt[n] += 100;
    counters.chart_tailcnt[tail] += 100;
    counters.chart_headcnt[head] += 100;
}

void Sortproc(DragChartCounters& copies, int maxNo) {
    sortDescending(copies.chart_nocnt, 1, ChartNumberCount(maxNo));
    sortDescending(copies.chart_tailcnt, 0, Tails - 1);
    sortDescending(copies.chart_headcnt, 0, Heads - 1);
}

DragChartBars showChartNo(const DragChartCounters& shown, int maxNo) {
    DragChartBars bars;
    for (int n = 1; n <= ChartNumberCount(maxNo); ++n) {
        const int v = shown.chart_nocnt[n];
        bars.numbers.push_back({NumFormat("00", v % 100), static_cast<double>(v / 100)});
    }
    for (int t = 0; t < Tails; ++t) {
        const int v = shown.chart_tailcnt[t];
        bars.tails.push_back({NumFormat("0", v % 10) + "尾", static_cast<double>(v / 100)});
    }
    for (int h = 0; h < Heads; ++h) {
        const int v = shown.chart_headcnt[h];
        bars.heads.push_back({NumFormat("0", v % 10) + "頭", static_cast<double>(v / 100)});
    }
    return bars;
}
