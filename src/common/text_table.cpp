#include "common/text_table.h"

#include <algorithm>
#include <climits>

namespace {
const std::string Empty;
}

TextTable::TextTable(int columns, int rows, int fixedColumns, int fixedRows)
    : fixedColumns_(std::max(0, fixedColumns)), fixedRows_(std::max(0, fixedRows)) {
    resize(columns, rows);
}

void TextTable::resize(int columns, int rows) {
    columns = std::max(0, columns);
    rows = std::max(0, rows);
    if (columns == columns_) {
        cells_.resize(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows));
    } else {
        std::vector<std::string> cells(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows));
        const int keepRows = std::min(rows, rows_);
        const int keepColumns = std::min(columns, columns_);
        for (int r = 0; r < keepRows; ++r)
            for (int c = 0; c < keepColumns; ++c)
                cells[static_cast<std::size_t>(r) * static_cast<std::size_t>(columns) +
                      static_cast<std::size_t>(c)] = std::move(cells_[at(c, r)]);
        cells_ = std::move(cells);
    }
    columns_ = columns;
    rows_ = rows;
}

std::size_t TextTable::at(int column, int row) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
           static_cast<std::size_t>(column);
}

void TextTable::setFixed(int fixedColumns, int fixedRows) {
    fixedColumns_ = std::max(0, fixedColumns);
    fixedRows_ = std::max(0, fixedRows);
}

void TextTable::clearCells() {
    for (std::string& cell : cells_)
        cell.clear();
}

const std::string& TextTable::cell(int column, int row) const {
    if (!contains(column, row))
        return Empty;
    return cells_[at(column, row)];
}

void TextTable::setCell(int column, int row, std::string text) {
    if (contains(column, row))
        cells_[at(column, row)] = std::move(text);
}

void TextTable::setRow(int row, const std::vector<std::string>& texts) {
    const int count = std::min(columns_, static_cast<int>(std::min<std::size_t>(texts.size(), INT_MAX)));
    for (int c = 0; c < count; ++c)
        setCell(c, row, texts[static_cast<std::size_t>(c)]);
}

void TextTable::setColumn(int column, const std::vector<std::string>& texts) {
    const int count = std::min(rows_, static_cast<int>(std::min<std::size_t>(texts.size(), INT_MAX)));
    for (int r = 0; r < count; ++r)
        setCell(column, r, texts[static_cast<std::size_t>(r)]);
}

std::string TextTable::joinedRow(int row, std::string_view separator) const {
    std::string line;
    for (int c = 0; c < columns_; ++c) {
        if (c > 0)
            line += separator;
        line += cell(c, row);
    }
    return line;
}

std::string TextTable::terminatedRow(int row, std::string_view terminator) const {
    std::string line;
    for (int c = 0; c < columns_; ++c) {
        line += cell(c, row);
        line += terminator;
    }
    return line;
}

std::vector<std::string> TextTable::lines(std::string_view separator) const {
    std::vector<std::string> result;
    result.reserve(static_cast<std::size_t>(rows_));
    for (int r = 0; r < rows_; ++r)
        result.push_back(joinedRow(r, separator));
    return result;
}
