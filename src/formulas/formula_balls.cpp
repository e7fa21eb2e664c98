#include "formulas/formula_balls.h"

#include "common/date.h"

namespace formula_balls_detail {

int StrictValue(const std::string& text) {
    return StrToInt(text);
}

int TwoDigitNumber(const std::string& text) {
    if (text.size() != 2 || text[0] < '0' || text[0] > '9' || text[1] < '0' || text[1] > '9')
        return 0;
    return (text[0] - '0') * 10 + (text[1] - '0');
}

} // namespace formula_balls_detail

std::string DrawDateText(const DrawTables& draws, int draw, const char* pattern) {
    return DrawLoaded(draws, draw) ? DateFormat(pattern, draws.DrawDate[draw]) : std::string();
}

std::string DrawIdText(const DrawTables& draws, int draw) {
    return DrawLoaded(draws, draw) ? draws.DrawId[draw] : std::string();
}

TextTable HeadedGrid(const std::vector<const char*>& headings, int rows) {
    TextTable grid(static_cast<int>(headings.size()), rows, 0, 1);
    for (std::size_t c = 0; c < headings.size(); ++c)
        grid.setCell(static_cast<int>(c), 0, headings[c]);
    return grid;
}

void BlankResultCells(TextTable& grid, std::initializer_list<int> columns, int lastRow) {
    for (int r = 1; r < grid.rowCount() && r <= lastRow; ++r)
        for (int c : columns)
            grid.setCell(c, r, "   ");
}

void WriteDrawRow(TextTable& grid, int row, const DrawTables& draws, const DrawNumberTable& balls, int draw) {
    if (!DrawLoaded(draws, draw))
        return;
    grid.setCell(0, row, DrawDateText(draws, draw));
    grid.setCell(1, row, draws.DrawId[draw]);
    for (int p = 1; p <= MaxBallSlots; ++p)
        grid.setCell(1 + p, row, balls[p][draw]);
}
