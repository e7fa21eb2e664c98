#include <gtest/gtest.h>

#include <QDialog>
#include <QHeaderView>
#include <QPixmapCache>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "common/text_table.h"
#include "platform/string_grid.h"
#include "support/heap_in_use.h"

TEST(StringGrid, FixedRowsAndColumnsAreTheHeadings) {
    StringGrid grid(1, 1);
    grid.SetColCount(3);
    grid.SetRowCount(4);
    EXPECT_EQ(grid.ColCount(), 3);
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.model()->columnCount(), 2);
    EXPECT_EQ(grid.model()->rowCount(), 3);

    grid.SetCell(0, 0, QStringLiteral("corner"));
    grid.SetCell(1, 0, QStringLiteral("head"));
    grid.SetCell(0, 2, QStringLiteral("side"));
    grid.SetCell(2, 3, QStringLiteral("cell"));
    EXPECT_EQ(grid.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("head"));
    EXPECT_EQ(grid.model()->headerData(1, Qt::Vertical).toString(), QStringLiteral("side"));
    EXPECT_EQ(grid.model()->index(2, 1).data().toString(), QStringLiteral("cell"));
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
    EXPECT_EQ(grid.AllText(QLatin1Char(',')), QStringLiteral("corner,head,\r\n,,\r\nside,,\r\n,,cell"));
    EXPECT_EQ(grid.table().cell(2, 3), "cell");
}

TEST(StringGrid, ShowsAWholeTableAndKeepsItsLook) {
    StringGrid grid(0, 1);
    EXPECT_TRUE(grid.horizontalHeader()->isVisibleTo(&grid));
    EXPECT_FALSE(grid.verticalHeader()->isVisibleTo(&grid));
    EXPECT_EQ(grid.verticalHeader()->defaultSectionSize(), 20);
    EXPECT_EQ(grid.editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_FALSE(grid.wordWrap());
    grid.SetColCount(2);
    grid.SetRowCount(1);
    grid.SetColWidth(1, 77);

    TextTable table(2, 4, 0, 1);
    table.setRow(0, {"日期", "期數"});
    table.setRow(1, {"2026/01/02", "115001"});
    table.setRow(3, {"2026/01/05", "115003"});
    grid.setTable(table);
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.model()->rowCount(), 3);
    EXPECT_EQ(grid.Cells(1, 3), QStringLiteral("115003"));
    EXPECT_EQ(grid.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("日期"));
    EXPECT_EQ(grid.columnWidth(1), 77);
    EXPECT_EQ(grid.table(), table);

    // The same shape again keeps the selected row; the row is counted with the fixed row.
    grid.setCurrentIndex(grid.model()->index(2, 0));
    EXPECT_EQ(grid.Row(), 3);
    table.setCell(1, 3, "115004");
    grid.setTable(table);
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_EQ(grid.Cells(1, 3), QStringLiteral("115004"));

    // A table brings its own fixed rows and columns.
    grid.setTable(TextTable(3, 3, 1, 0));
    EXPECT_EQ(grid.FixedCols(), 1);
    EXPECT_EQ(grid.FixedRows(), 0);
    EXPECT_FALSE(grid.horizontalHeader()->isVisibleTo(&grid));
    EXPECT_TRUE(grid.verticalHeader()->isVisibleTo(&grid));
    EXPECT_EQ(grid.Row(), -1);
}

TEST(StringGrid, EnterOnAPickedCellLeavesTheDefaultButtonAlone) {
    QDialog window;
    auto* grid = new StringGrid(1, 1, &window);
    grid->SetColCount(3);
    grid->SetRowCount(4);
    auto* close = new QPushButton(QStringLiteral("關閉"), &window);
    close->setDefault(true);
    QObject::connect(close, &QPushButton::clicked, &window, &QDialog::close);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(grid);
    layout->addWidget(close);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(1, 1)).center());
    ASSERT_TRUE(grid->hasFocus());
    ASSERT_EQ(grid->Row(), 2);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        QTest::keyClick(grid, key);
        EXPECT_TRUE(window.isVisible()) << key;
    }
}

// A window repaints its grids at every showing; coloured headings may not add to memory each time.
TEST(StringGrid, RepaintedColouredHeadingsHoldNoMoreMemory) {
    if (!HeapMeasured)
        GTEST_SKIP() << "the heap is not measured under the sanitizer";
    StringGrid grid(1, 1);
    grid.SetColCount(26);
    grid.SetRowCount(3);
    grid.SetHeadingColours(QColor(0xFF, 0xFF, 0xE0), Qt::red);
    grid.resize(900, 120);
    const auto paint = [&grid](int times) {
        for (int i = 0; i < times; ++i)
            grid.grab();
    };
    paint(3);
    const QPalette::ColorGroup group = grid.horizontalHeader()->palette().currentColorGroup();
    EXPECT_EQ(grid.horizontalHeader()->palette().color(group, QPalette::Button), QColor(0xFF, 0xFF, 0xE0));
    EXPECT_EQ(grid.verticalHeader()->palette().color(group, QPalette::ButtonText), QColor(Qt::red));
    QPixmapCache::clear();
    paint(1);
    const std::size_t before = HeapInUse();
    paint(20);
    EXPECT_LT(HeapInUse(), before + 500 * 1024);
}
