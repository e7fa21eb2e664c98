#pragma once

#include "analysis/drag/drag_chart_run.h"

struct DrawTables;

// The summary: for every ticked distance k, the draws of the range that share at least one, two or
// three numbers (per ticked mode) with the k-th newest draw, and what came k draws after each.
// Counters are summed over all distances and modes; memo lines are numbered run-wide.
DragChartRun RunDragSummary(const DrawTables& draws, const DragChartSettings& settings);

// Adds distance k to a summary run. A distance with fewer than k draws loaded has no reference
// draw and is skipped.
void Count_no(DragChartPass& pass, const DragChartSettings& settings, int k);

// How many numbers two draws share among their first `balls` numbers, each number used once.
int DragChartCommonNumbers(const std::array<std::string, 7>& reference, const DrawTables& draws, int draw,
                           int balls);
