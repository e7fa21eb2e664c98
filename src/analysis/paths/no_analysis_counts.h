#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

struct DragHandOver;

// Counts of the number analysis over the most recent handed-over drag rows.

constexpr int AnalysisNumberCells = 63; // three grids of 21 number columns
constexpr int AnalysisGridColumns = 21;

// The period count typed by the user: none when it is no whole number or 2501 and more.
std::optional<int> ReadPeriodCount(const std::string& text);
// "2".."rows", the count box's list.
std::vector<std::string> PeriodChoices(int rows);

struct RecentCounts {
    std::array<int, AnalysisNumberCells + 1> numbers{}; // [n], n = 1..maxNo
    std::array<int, 10> tails{};
};
// Marks of each number and last digit in rows rows - periods + 1 .. rows (all rows when there are fewer).
RecentCounts CountRecentRows(const DragHandOver& drag, int rows, int periods, int maxNo);

struct CountCell {
    std::string heading; // row 0
    std::string count;   // row 1, empty for 0
};
struct AnalysisCells {
    std::vector<CountCell> numbers; // AnalysisNumberCells cells: grid c / 21, column c % 21
    std::vector<CountCell> tails;   // 10 cells
};
// In number order, or ordered by count (ties: higher number or digit first).
AnalysisCells AnalysisGridCells(const RecentCounts& counts, int maxNo, bool byCount);
