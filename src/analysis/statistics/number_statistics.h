#pragma once

#include <array>
#include <string>
#include <vector>

#include "common/date.h"
#include "common/fixed_table.h"

struct DrawTables;

// Ball slots of the statistics window; numbers above MaxNo keep theirs hidden.
constexpr int StatisticsSlots = 49;

// Which ranking the statistics window shows.
enum class StatisticsView { Numbers, Tails, Far };

// Draws dated from..to, both days included.
struct DateRange {
    Date from;
    Date to;
};

// The number view (hits per number) or the far view (draws since each number was last drawn), in
// rank or number order.
struct NumberRanking {
    // Per slot: in the number view n + 100 x hits of the number in that slot, in the far view
    // 100 x the draws since it was last drawn.
    FixedTable<int, StatisticsSlots> stat_nocnt;
    FixedTable<int, StatisticsSlots> stat_order; // the number shown in slot i
    // Per number: the text of its value label and whether that label is red (a value of 0).
    FixedTable<std::string, StatisticsSlots> labelText;
    FixedTable<bool, StatisticsSlots> labelRed;
    int numbers = 0; // slots in use: MaxNo
    int count = 0;   // draws in the range
    std::string average;
};

// Tail digits 0..9 counted over the range; tail 0 is stat_tailcnt[10].
struct TailCounts {
    FixedTable<int, 10> stat_tailcnt;
    std::array<std::string, 10> labelText; // by tail digit 0..9, "###" (empty for 0)
    int count = 0;
    std::string average;
};

// The draws (1..DrawCount) whose date lies in the range, in table order.
std::vector<int> DrawsInRange(const DrawTables& draws, const DateRange& range);

// The numbers of draw k in drawn order, positions 1..5, skipping texts that are not integers and
// numbers outside 1..MaxNo.
std::vector<int> DrawnNumbers(const DrawTables& draws, int k);

// Hits per number; rank order sorts descending on n + 100 x hits, so a tie puts the higher number first.
NumberRanking CountNumbers(const DrawTables& draws, const DateRange& range, bool rankOrder);

// Draws since each number was last drawn within the range; one not drawn in it gets the range's
// draw count.
NumberRanking CountFar(const DrawTables& draws, const DateRange& range, bool rankOrder);

NumberRanking IdentityRanking(int maxNo);

TailCounts CountTails(const DrawTables& draws, const DateRange& range);

// One line per slot: the number "00", "-", its value "00" (hits or draws since last drawn).
std::vector<std::string> RankingPrintLines(const NumberRanking& ranking);
