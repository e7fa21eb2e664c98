#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "common/text_table.h"
#include "draws/draw_tables.h"

// The numbers a formula search reads, taken out of the text tables once before the enumeration so
// that millions of formulas compare bits instead of texts. A position the game's draws do not have
// (6 and 7 of a five-number draw) holds empty text: it has no value and matches nothing.

// Bit n set when the draw holds number n at one of positions 1..lastPosition, the text read exactly
// as the two-digit text of n ("07" is 7, "7" is nothing). No draw (outside 1..drawCount): no bits.
template <class Table>
std::uint64_t NumberBits(const Table& table, int draw, int drawCount, int lastPosition);

// Bit t set when the second character of a text at positions 1..lastPosition is the digit t: the
// tails of the numbers drawn.
template <class Table> std::uint16_t TailBits(const Table& table, int draw, int drawCount, int lastPosition);

// The value of a position that the draws of this game have (1..DrawBalls), converted strictly: a
// text that is no integer throws ConversionError. Positions past DrawBalls are 0.
template <class Table> int BallValue(const Table& table, int position, int draw);

// Whether draw d is one of the loaded draws.
inline bool DrawLoaded(const DrawTables& draws, int draw) {
    return draw >= 1 && draw <= draws.DrawCount;
}

// The date of a loaded draw as "yyyy/mm/dd" (or another pattern); empty text for any other draw.
std::string DrawDateText(const DrawTables& draws, int draw, const char* pattern = "yyyy/mm/dd");
// The draw number of a loaded draw; empty text for any other draw.
std::string DrawIdText(const DrawTables& draws, int draw);

// A result grid of the formula windows: its heading row, then `rows` - 1 empty rows.
TextTable HeadedGrid(const std::vector<const char*>& headings, int rows);
// Three blanks, the text a result column holds before a key fills it, in `columns` of rows
// 1..lastRow (those the grid has).
void BlankResultCells(TextTable& grid, std::initializer_list<int> columns, int lastRow);
// Columns 0..8 of a grid row: the date, the draw number and ball positions 1..7 of a loaded draw as
// `balls` holds them (drawn order or the working copy); a draw not loaded leaves the row as it is.
void WriteDrawRow(TextTable& grid, int row, const DrawTables& draws, const DrawNumberTable& balls, int draw);

// ---- implementation

namespace formula_balls_detail {
int StrictValue(const std::string& text);
int TwoDigitNumber(const std::string& text); // 0 unless the text is two digits
} // namespace formula_balls_detail

template <class Table>
std::uint64_t NumberBits(const Table& table, int draw, int drawCount, int lastPosition) {
    if (draw < 1 || draw > drawCount)
        return 0;
    std::uint64_t bits = 0;
    for (int p = 1; p <= lastPosition && Table::contains(p); ++p) {
        const int n = formula_balls_detail::TwoDigitNumber(table[p][draw]);
        if (n > 0 && n < 64)
            bits |= std::uint64_t{1} << n;
    }
    return bits;
}

template <class Table> std::uint16_t TailBits(const Table& table, int draw, int drawCount, int lastPosition) {
    if (draw < 1 || draw > drawCount)
        return 0;
    std::uint16_t bits = 0;
    for (int p = 1; p <= lastPosition && Table::contains(p); ++p) {
        const std::string& text = table[p][draw];
        if (text.size() >= 2 && text[1] >= '0' && text[1] <= '9')
            bits |= static_cast<std::uint16_t>(1u << (text[1] - '0'));
    }
    return bits;
}

template <class Table> int BallValue(const Table& table, int position, int draw) {
    if (position < 1 || position > DrawBalls)
        return 0;
    return formula_balls_detail::StrictValue(table[position][draw]);
}
