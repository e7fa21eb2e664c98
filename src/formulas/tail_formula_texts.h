#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/text_table.h"

struct DrawTables;
struct WorkArea;

// What the tail-formula window shows: its grid of the 15 newest draws, and one code laid out draw by
// draw with its printable explanation.

inline constexpr int TailGridColumns = 11;

// The grid before a search: headings, the 15 newest draws oldest first (positions 1..7 of the working
// numbers), the prediction and failure columns empty.
TextTable TailInitialGrid(const DrawTables& draws, const WorkArea& work);
// The grid a search leaves when it keeps nothing: the prediction and failure columns blank.
TextTable TailSearchGrid(const DrawTables& draws, const WorkArea& work);

struct TailDisplay {
    TextTable grid;
    std::vector<std::string> memo;
};
// One code (a valid one, see ParseTailCode): the tail predicted for each of the 15 newest draws and
// the B coming ones, "失敗" where it was drawn, and the explanation with the success rate. `ballMode`
// is "落" or "順".
TailDisplay ShowTailCode(const DrawTables& draws, const WorkArea& work, std::string_view code,
                         std::string_view ballMode);
