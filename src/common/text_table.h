#pragma once

#include <string>
#include <string_view>
#include <vector>

// Rows x columns of text addressed like a string grid: cell(col, row), both from 0, with the first
// fixedRows rows and fixedColumns columns as headings. Reading outside the table gives empty text;
// writing outside it is ignored, so no input can reach past the table.
class TextTable {
public:
    TextTable() = default;
    TextTable(int columns, int rows, int fixedColumns = 0, int fixedRows = 0);

    int columnCount() const { return columns_; }
    int rowCount() const { return rows_; }
    int fixedColumns() const { return fixedColumns_; }
    int fixedRows() const { return fixedRows_; }

    // Keeps the cells that still fit; new cells are empty.
    void resize(int columns, int rows);
    void setRowCount(int rows) { resize(columns_, rows); }
    void setColumnCount(int columns) { resize(columns, rows_); }
    void setFixed(int fixedColumns, int fixedRows);
    // Every cell empty, size kept.
    void clearCells();

    const std::string& cell(int column, int row) const;
    void setCell(int column, int row, std::string text);
    // A whole row or column from its first cell on; texts past the table's end are dropped.
    void setRow(int row, const std::vector<std::string>& texts);
    void setColumn(int column, const std::vector<std::string>& texts);
    bool contains(int column, int row) const {
        return column >= 0 && row >= 0 && column < columns_ && row < rows_;
    }

    // The cells of a row joined by the separator (nothing after the last cell).
    std::string joinedRow(int row, std::string_view separator) const;
    // Every cell of a row, each followed by the terminator ("," for the CSV copies of the grids).
    std::string terminatedRow(int row, std::string_view terminator) const;
    // Every row joined by the separator, fixed rows and columns included: the text copy of a grid.
    std::vector<std::string> lines(std::string_view separator) const;

    bool operator==(const TextTable&) const = default;

private:
    std::size_t at(int column, int row) const; // of a cell inside the table

    int columns_ = 0;
    int rows_ = 0;
    int fixedColumns_ = 0;
    int fixedRows_ = 0;
    std::vector<std::string> cells_; // row-major
};
