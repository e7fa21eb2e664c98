#include <gtest/gtest.h>

#include "analysis/drag/drag_grid.h"
#include "analysis/drag/sorted_grid.h"
#include "drag_history.h"

TEST(SortedGrid, NumberAndTailColumnsFollowTheirTotals) {
    // 07 in three rows, 12 in two, 05 and 09 in one each; the rest never.
    const auto t = HistoryOf({{7, 12, 5, 1, 2}, {7, 12, 9, 1, 2}, {7, 3, 4, 1, 2}});
    for (int p = 4; p <= 5; ++p) // leave 01 and 02 unmarked: numbers outside the game
        for (int k = 1; k <= 3; ++k)
            t->draws.DrawNumsDrawn[p][k] = "00";
    auto drag = std::make_unique<DragHandOver>();
    PublishDragQuery(*drag, t->draws, {1, 2, 3}, DragMark::Dot, "999999", false);
    const SortedDragGrid sorted = show_grid_sort(*drag, 39);
    const TextTable& g = sorted.grid;
    EXPECT_EQ(g.columnCount(), 62);
    EXPECT_EQ(g.rowCount(), drag->Grid.rowCount());
    EXPECT_EQ(g.cell(0, 1), drag->Grid.cell(0, 1));
    EXPECT_EQ(g.cell(2, 0), "07");
    EXPECT_EQ(g.cell(3, 0), "12");
    EXPECT_EQ(g.cell(4, 0), "09"); // equal totals: the higher number first
    EXPECT_EQ(g.cell(5, 0), "05");
    EXPECT_EQ(g.cell(6, 0), "04");
    EXPECT_EQ(g.cell(7, 0), "03");
    EXPECT_EQ(g.cell(8, 0), "39"); // never marked: after every marked number, highest first
    EXPECT_EQ(g.cell(40, 0), "01");
    EXPECT_EQ(g.cell(2, 1), "●");
    EXPECT_EQ(g.cell(41, 0), "");
    // Tails: 7 (3 marks), 2 (2), then 9, 5, 4, 3 (1 each, higher digit first).
    EXPECT_EQ(g.cell(TailColumn(39, 0), 0), "７");
    EXPECT_EQ(g.cell(TailColumn(39, 1), 0), "２");
    EXPECT_EQ(g.cell(TailColumn(39, 2), 0), "９");
    EXPECT_EQ(g.cell(TailColumn(39, 9), 0), "０");
    // The totals stay in number order for the other readers, so a second showing is the same.
    EXPECT_EQ(drag->NoTotalKey[1], 1);
    EXPECT_EQ(show_grid_sort(*drag, 39).grid, g);
    ASSERT_EQ(sorted.csvLines.size(), static_cast<std::size_t>(drag->TraceGridRows + 12));
    EXPECT_EQ(std::count(sorted.csvLines[1].begin(), sorted.csvLines[1].end(), ','), 39 + 14);
}
