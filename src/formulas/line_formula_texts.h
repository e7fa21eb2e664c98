#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/text_table.h"
#include "formulas/line_formula_search.h"

struct DrawTables;
struct WorkArea;

// What the simple-numeric-formula window shows: the grid of the verification draws, one key laid out
// draw by draw, its formula text, and the memo list of every kept formula with its next prediction.

inline constexpr int LineGridColumns = 11;

// Before a search: headings and the newest draws, oldest first (the grid has room for 31 of them).
TextTable LineInitialGrid(const DrawTables& draws, const WorkArea& work);
// What a search writes before it enumerates: the 30 verification draws and those after the base draw,
// room for B coming draws, prediction and hit columns blank.
TextTable LineSearchGrid(const DrawTables& draws, const WorkArea& work, int baseDraw, int lookBack);

// "3A+5C+12", or "3A-5C+12" with the second formula (sign -1).
std::string LineFormulaText(const LineFormula& formula, int sign);

struct LineDisplay {
    TextTable grid;
    std::string formulaText; // what lb_rule shows
};
// A kept key over draws b - 29 .. the newest and the B coming draws, with the sign in force now.
LineDisplay ShowLineKey(const DrawTables& draws, const WorkArea& work, int baseDraw, std::string_view key,
                        int sign);

// The memo after a search: two heading lines, then each kept key numbered from 1 with the order name,
// its formula, its hits and the number it predicts for the next draw.
std::vector<std::string> LineFormulaList(const DrawTables& draws, const WorkArea& work,
                                         const std::vector<std::string>& keys, std::string_view ballMode,
                                         std::string_view dateText, int sign);
