#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/text_table.h"
#include "formulas/nogood_group_search.h"

struct DrawTables;

// What the non-appearing-group window shows: the grid of the 9 newest draws, and one kept rule laid
// out draw by draw (its group, its hits) with the printable explanation.

inline constexpr int GroupGridColumns = 11;

// Headings and the 9 newest draws, oldest first, in drawn order.
TextTable GroupInitialGrid(const DrawTables& draws);
// The grid a search leaves when it keeps nothing: the group and hit columns blank.
TextTable GroupSearchGrid(const DrawTables& draws);

struct GroupDisplay {
    TextTable grid;
    std::string label; // "NGG" + u, v, m
    std::vector<std::string> memo;
};
// The rule of a code over draws b - 8 .. the newest and the u coming draws, under the settings in force
// now; `dateText` is what the base-date box reads.
GroupDisplay ShowGroupCode(const DrawTables& draws, int baseDraw, int code, const GroupSettings& settings,
                           std::string_view dateText);

// "03.07.12." : each number of a group followed by a full stop.
std::string GroupText(const std::vector<int>& group);
