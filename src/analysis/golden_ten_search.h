#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "draws/draw_tables.h"

// The golden ten-number search: of every group of ten of the highest-ranked numbers, the best by
// the draws that hold at least five of its numbers.

constexpr int GoldenGroupSize = 10;
constexpr int GoldenKept = 10; // ten-number groups kept by the search

// The number a ball position's text names: its two digits when they make 1..maxNo, else 0 (a text
// that no combination's number text equals).
int DrawnNumberOfText(const std::string& text, int maxNo);

// A combination with its count of draws. Entries rank by count, then by combination text (numbers
// of two digits, combinations of one size).
struct GoldenEntry {
    int count = 0;
    std::vector<int> numbers; // ascending

    std::string text() const; // the numbers as two-digit texts, concatenated
    bool operator==(const GoldenEntry&) const = default;
};
bool GoldenEntryLess(const GoldenEntry& a, const GoldenEntry& b);

// The ten-number search's control: progress(done, total) on the calling thread as the search goes,
// a stop flag polled as often, and the threads it runs on (0: the processors available).
struct GoldenSearchControl {
    std::function<void(int done, int total)> progress;
    const std::atomic<bool>* stop = nullptr;
    int threads = 0;
};

struct GoldenTenOutcome {
    std::vector<GoldenEntry> kept; // the ten kept, best first (entries of count 0 included)
    bool stopped = false;          // stopped early: `kept` means nothing
};

// The ten best groups of ten of `top` (ascending numbers) by the draws of the range that hold at
// least five of their numbers. The kept list starts with ten entries of count 0 and the group
// 01..10, and a group enters only when it ranks above the tenth.
GoldenTenOutcome BestTenNumberGroups(const DrawTables& draws, const std::vector<int>& drawIndexes,
                                     const std::vector<int>& top, const GoldenSearchControl& control);
