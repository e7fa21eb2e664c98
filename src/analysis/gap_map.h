#pragma once

#include <string>
#include <vector>

#include "common/text_table.h"

struct DrawTables;

// For every number, the gaps between its appearances over the loaded history: gap k is the number
// of draws strictly between appearance k-1 and appearance k (appearance 0 standing before draw 1),
// and the last entry is its current absence (draws since it was last drawn, all of them when it
// never was). With no draw loaded there are no gaps at all.
struct GapMap {
    int maxNo = 0;
    int drawCount = 0;
    std::vector<std::vector<int>> gaps; // [number 1..maxNo]; entry 0 unused
    int ni_maxcount = 0;                // the most appearances of any number
    int ni_maxgap = 0;                  // the longest gap of the map, current absences included
    int maxGapNumber = 0;               // where it first occurs (numbers, then rows ascending)
    int maxGapRow = 0;

    const std::vector<int>& column(int number) const { return gaps.at(static_cast<std::size_t>(number)); }
};

// Ball positions searched in each draw.
constexpr int GapBalls = 5;

GapMap BuildGapMap(const DrawTables& draws);

// A gap as its map cell shows it: 0 as " -", 1..9 with a leading blank, larger as plain digits.
std::string GapCellText(int gap);

// The map as its grid shows it: row 0 the numbers "01".., column 0 the rows "001".., a row for
// every gap of the most drawn number and four more.
TextTable GapMapTable(const GapMap& map);

// The longest gap with where it lies ("25期  號碼 07 位置 012"), or "0期" when no gap exceeds 0.
std::string LongestGapText(const GapMap& map);
