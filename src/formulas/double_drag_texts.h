#pragma once

#include <string>
#include <vector>

#include "common/text_table.h"
#include "formulas/double_drag_search.h"

// What the double-drag windows show: the grid of picks with the columns of the formula on show,
// the run and prediction in the plan panel, and the explanation with its run detail.

inline constexpr int DragGridColumns = 13;
inline constexpr int DragPredictionColumn = 9;
inline constexpr int DragTargetIdColumn = 10;
inline constexpr int DragTargetNumbersColumn = 11;
inline constexpr int DragHitColumn = 12;
inline constexpr std::string_view DragNoResultPlan = "無";

// " 日     期", " 期 數", "一".."五", two unlabelled narrow columns, "預測 ", "驗證期", "開獎號碼", "命中".
const std::vector<std::string>& DragGridHeadings();

// The heading row alone and one empty row: the grid before a query lists its picks.
TextTable EmptyDragGrid();

// One row per pick, oldest first (date, draw number, positions 1..5 of the working numbers, the
// formula's columns empty), and an empty row after the last pick.
TextTable PickGrid(const DrawTables& draws, const WorkArea& work, const std::vector<int>& picks);

// Fills the formula's columns of every pick row: its source as "s.__.__", the target draw's number
// and numbers (empty for a draw not yet made), and the hit (the source, or in the tail family every
// number of the target with that units digit, each followed by a blank).
void ShowDragKey(TextTable& grid, DragFamily family, const DrawTables& draws, const WorkArea& work,
                 const std::vector<int>& picks, const DragKey& key);

// The unbroken stretch of hits in the picks just before the newest one, as the grid shows them.
int DragRun(const TextTable& grid, int pickCount);

struct DragExplanation {
    int run = 0;
    std::string plan;               // "準" + run + "版  " + the newest pick's prediction
    std::vector<std::string> lines; // the head lines of the memo: base, source, prediction, run
};

struct DragExplainContext {
    const DrawTables& draws;
    const WorkArea& work;
    const std::vector<int>& picks;
    const PickQuery& query;   // the query that made the picks
    std::string ballModeName; // "落" or "順"
};

// The explanation of the key on show, read from the grid that ShowDragKey filled.
DragExplanation ExplainDragKey(DragFamily family, const TextTable& grid, const DragKey& key,
                               const DragExplainContext& context);

// The run detail that follows it: for each hit of the run and the newest pick, an empty line, the
// base draw(s), the source draw (position family) and what was drawn, or the prediction. Nothing
// without a run.
std::vector<std::string> DragRunDetail(DragFamily family, const TextTable& grid, const DragKey& key,
                                       const DragExplainContext& context);
