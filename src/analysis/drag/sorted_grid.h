#pragma once

#include <string>
#include <vector>

#include "common/text_table.h"

struct DragHandOver;

// The drag grid with its number columns ordered by their totals (most marks first; equal totals put
// the higher number first) and its tail columns by the tail totals, for the sorted-grid window.
struct SortedDragGrid {
    TextTable grid;                    // 62 columns: room for 49 numbers, as the window is laid out
    std::vector<std::string> csvLines; // rows 0..TraceGridRows + 11, columns 0..maxNo + 13
};

constexpr int SortedGridColumns = 62;

// The numbers 1..maxNo in the order of their totals.
std::vector<int> NumbersByTotal(const DragHandOver& drag, int maxNo);

SortedDragGrid show_grid_sort(const DragHandOver& drag, int maxNo);
