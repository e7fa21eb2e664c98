#include <gtest/gtest.h>

#include "platform/string_grid.h"

TEST(StringGrid, FixedRowsAndColumnsAreTheHeadings) {
    StringGrid grid(1, 1);
    grid.SetColCount(3);
    grid.SetRowCount(4);
    EXPECT_EQ(grid.ColCount(), 3);
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.columnCount(), 2);
    EXPECT_EQ(grid.rowCount(), 3);

    grid.SetCell(0, 0, QStringLiteral("corner"));
    grid.SetCell(1, 0, QStringLiteral("head"));
    grid.SetCell(0, 2, QStringLiteral("side"));
    grid.SetCell(2, 3, QStringLiteral("cell"));
    EXPECT_EQ(grid.horizontalHeaderItem(0)->text(), QStringLiteral("head"));
    EXPECT_EQ(grid.verticalHeaderItem(1)->text(), QStringLiteral("side"));
    EXPECT_EQ(grid.item(2, 1)->text(), QStringLiteral("cell"));
    EXPECT_EQ(grid.Cells(0, 0), QStringLiteral("corner"));
    EXPECT_EQ(grid.Cells(2, 3), QStringLiteral("cell"));
    EXPECT_EQ(grid.Cells(1, 1), QString());
    // Headings without text are blank, not numbered.
    EXPECT_EQ(grid.model()->headerData(1, Qt::Horizontal).toString(), QString());
    EXPECT_EQ(grid.model()->headerData(0, Qt::Vertical).toString(), QString());

    // Outside the grid: nothing is written, nothing is read.
    grid.SetCell(3, 1, QStringLiteral("x"));
    grid.SetCell(1, 4, QStringLiteral("x"));
    EXPECT_EQ(grid.Cells(3, 1), QString());
    EXPECT_EQ(grid.Cells(-1, 0), QString());
    EXPECT_EQ(grid.AllText(QLatin1Char(',')),
              QStringLiteral("corner,head,\r\n,,\r\nside,,\r\n,,cell"));
}
