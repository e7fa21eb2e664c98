#pragma once

#include <string>
#include <vector>

#include "common/chart_bar.h"
#include "common/fixed_table.h"

// Room of the per-number counter; a game uses entries 1..MaxNo of it.
constexpr int ChartNumberSlots = 49;

// The drag chart's counters, each entry packed as count × 100 + its own key, so a descending sort
// puts the higher key first among equal counts. The same shape serves as the display copies.
struct DragChartCounters {
    FixedTable<int, ChartNumberSlots> chart_nocnt;
    FixedTable<int, 10, 0> chart_tailcnt; // by units digit
    FixedTable<int, 4, 0> chart_headcnt;  // by tens digit: 01..39 have heads 0..3
};

// The bars of the three charts: numbers (Chart1), tails (Chart3), heads (Chart2).
struct DragChartBars {
    std::vector<ChartBar> numbers;
    std::vector<ChartBar> tails;
    std::vector<ChartBar> heads;
};

// The number slots a game has: MaxNo, limited to the counter's room.
int ChartNumberCount(int maxNo);

// Zero counts: every entry holds only its key.
void ResetArray(DragChartCounters& counters, int maxNo);

// Counts one number of a following draw under its number, tail and head. A text that is not a
// number in 1..MaxNo with a head slot ("00", "40", anything else) is skipped: no entry is indexed by
// a number the tables do not hold.
void CountFollowerNumber(DragChartCounters& counters, const std::string& number, int maxNo);

// Sorts each display copy descending (numbers over 1..MaxNo, tails 0..9, heads 0..3).
void Sortproc(DragChartCounters& copies, int maxNo);

// The bars of every entry in table order, zero counts included: numbers labelled "01".., tails
// "0尾".., heads "0頭"...
DragChartBars showChartNo(const DragChartCounters& shown, int maxNo);
