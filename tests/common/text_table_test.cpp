#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

#include "common/text_table.h"

namespace {

// a b c
// d   f
TextTable SmallTable() {
    TextTable table(3, 2, 1, 1);
    table.setRow(0, {"a", "b", "c"});
    table.setCell(0, 1, "d");
    table.setCell(2, 1, "f");
    return table;
}

} // namespace

TEST(TextTable, TextAndCsvLines) {
    const TextTable table = SmallTable();
    EXPECT_EQ(table.joinedRow(0, "\t"), "a\tb\tc");
    EXPECT_EQ(table.joinedRow(1, "  "), "d    f");
    EXPECT_EQ(table.terminatedRow(0, ","), "a,b,c,");
    EXPECT_EQ(table.terminatedRow(1, ","), "d,,f,");
    EXPECT_EQ(table.lines(","), (std::vector<std::string>{"a,b,c", "d,,f"}));
    EXPECT_EQ(table.joinedRow(2, ","), ",,"); // a row past the end reads as empty cells

    const TextTable empty(0, 2);
    EXPECT_EQ(empty.lines(","), (std::vector<std::string>{"", ""}));
    EXPECT_TRUE(TextTable().lines(",").empty());
}

TEST(TextTable, ResizeKeepsTheCellsThatStillFit) {
    TextTable table = SmallTable();
    table.setRowCount(4); // rows only
    table.setColumnCount(5);
    EXPECT_EQ(table.lines(","), (std::vector<std::string>{"a,b,c,,", "d,,f,,", ",,,,", ",,,,"}));
    EXPECT_EQ(table.fixedColumns(), 1);
    EXPECT_EQ(table.fixedRows(), 1);

    table.resize(2, 1);
    EXPECT_EQ(table.lines(","), std::vector<std::string>{"a,b"});
    // What was cut away does not come back.
    table.resize(3, 2);
    EXPECT_EQ(table.lines(","), (std::vector<std::string>{"a,b,", ",,"}));

    table.resize(-1, -5);
    EXPECT_EQ(table.columnCount(), 0);
    EXPECT_EQ(table.rowCount(), 0);
    table.clearCells();
    table.resize(2, 2);
    EXPECT_EQ(table.lines("|"), (std::vector<std::string>{"|", "|"}));

    TextTable cleared = SmallTable();
    cleared.clearCells();
    EXPECT_EQ(cleared.columnCount(), 3);
    EXPECT_EQ(cleared.lines(","), (std::vector<std::string>{",,", ",,"}));
}

TEST(TextTable, OutsideReadsEmptyAndWritesNothing) {
    TextTable table = SmallTable();
    const TextTable before = table;
    for (const auto& [column, row] :
         std::vector<std::pair<int, int>>{{-1, 0}, {0, -1}, {3, 0}, {0, 2}, {3, 2}}) {
        table.setCell(column, row, "x");
        EXPECT_EQ(table.cell(column, row), "") << column << "," << row;
        EXPECT_FALSE(table.contains(column, row));
    }
    table.setRow(-1, {"x"});
    table.setRow(2, {"x"});
    table.setColumn(3, {"x"});
    table.setColumn(-1, {"x"});
    EXPECT_EQ(table, before);

    // Bulk setters stop at the table's end and leave the rest of the line alone.
    table.setRow(1, {"1", "2", "3", "4"});
    table.setColumn(2, {"y"});
    EXPECT_EQ(table.lines(","), (std::vector<std::string>{"a,b,y", "1,2,3"}));
    table.setColumn(0, {"p", "q", "r"});
    EXPECT_EQ(table.lines(","), (std::vector<std::string>{"p,b,y", "q,2,3"}));

    table.setFixed(-2, 5);
    EXPECT_EQ(table.fixedColumns(), 0);
    EXPECT_EQ(table.fixedRows(), 5);
    EXPECT_NE(table, before);
}
