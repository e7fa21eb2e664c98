#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/text_table.h"
#include "formulas/nurture_search.h"

struct DrawTables;
struct WorkArea;

// What the nurturing windows show: the grid of the verification draws, one key laid out draw by draw
// with a mark in each of the three draws where its prediction was drawn, and the printable explanation.

inline constexpr int NurtureGridColumns = 13;

// Before a search: headings and the newest draws, oldest first (the grid has room for V + 1 of them).
TextTable NurtureInitialGrid(const DrawTables& draws, const WorkArea& work, const NurtureVariant& variant);
// What a search writes before it enumerates: the verification draws and those after the base draw, room
// for B coming draws, prediction columns blank.
TextTable NurtureSearchGrid(const DrawTables& draws, const WorkArea& work, const NurtureVariant& variant,
                            int baseDraw, int lookBack);

// The boxes' texts the explanation quotes.
struct NurtureBoxes {
    std::string date;     // cb_date
    std::string lookBack; // cb_base
    std::string percent;  // cb_percent
    std::string ballMode; // "落" or "順"
};

struct NurtureDisplay {
    TextTable grid;
    std::vector<std::string> memo;
};
// A kept key over draws b - V + 1 .. the newest and the B coming draws.
NurtureDisplay ShowNurtureKey(const DrawTables& draws, const WorkArea& work, const NurtureVariant& variant,
                              int baseDraw, std::string_view key, const NurtureBoxes& boxes);
