#include <gtest/gtest.h>

#include "analysis/drag/drag_grid.h"
#include "analysis/drag/drag_queries.h"
#include "drag_history.h"

namespace {

constexpr int MaxNo = 39;

// Column of number n and of tail t.
int col(int n) {
    return n + 1;
}
int tailCol(int t) {
    return TailColumn(MaxNo, t);
}

// Publishes the target rows as the drag window does.
DragHandOver publish(const DrawTables& draws, const std::vector<int>& rows, DragMark mark = DragMark::Dot,
                     const std::string& cut = "999999", bool cyclePage = false) {
    auto out = std::make_unique<DragHandOver>();
    PublishDragQuery(*out, draws, rows, mark, cut, cyclePage);
    return *out;
}

int count(const std::string& text) {
    return text.empty() ? 0 : std::stoi(text);
}

} // namespace

TEST(DragGrid, DataRowsCarryDateDrawNumberAndMarks) {
    const auto t = HistoryOf({{5, 12, 33, 1, 20}, {3, 13, 20, 38, 39}});
    const DragHandOver out = publish(t->draws, {1, 2});
    const TextTable& g = out.Grid;
    EXPECT_EQ(g.columnCount(), 52);
    EXPECT_EQ(g.rowCount(), 2 + 13);
    EXPECT_EQ(g.cell(0, 0), "日     期");
    EXPECT_EQ(g.cell(1, 0), " 期  數");
    EXPECT_EQ(g.cell(col(7), 0), "07");
    EXPECT_EQ(g.cell(MaxNo + 2, 0), "");
    EXPECT_EQ(g.cell(tailCol(3), 0), "３");
    EXPECT_EQ(g.cell(0, 1), HistoryDate(1));
    EXPECT_EQ(g.cell(1, 2), "000002");
    EXPECT_EQ(g.cell(col(5), 1), "●");
    EXPECT_EQ(g.cell(col(6), 1), "");
    // Tails of row 2 (3, 13, 20, 38, 39): 2 under ３, 1 under ０, ８ and ９.
    EXPECT_EQ(g.cell(tailCol(3), 2), "2");
    EXPECT_EQ(g.cell(tailCol(0), 2), "1");
    EXPECT_EQ(g.cell(tailCol(8), 2), "1");
    EXPECT_EQ(g.cell(tailCol(1), 2), "");
    EXPECT_EQ(g.cell(tailCol(0), 3), ""); // the blank row after the data
}

TEST(DragGrid, BallPositionMarks) {
    const auto t = HistoryOf({{5, 12, 33, 1, 20}});
    const TextTable g = publish(t->draws, {1}, DragMark::BallPosition).Grid;
    EXPECT_EQ(g.cell(6, 1), "１");
    EXPECT_EQ(g.cell(13, 1), "２");
    EXPECT_EQ(g.cell(34, 1), "３");
    EXPECT_EQ(g.cell(2, 1), "４");
    EXPECT_EQ(g.cell(21, 1), "５");
    EXPECT_EQ(g.cell(tailCol(0), 1), "1"); // a position digit counts as a mark
}

TEST(DragGrid, NumbersOutsideTheGameAreNeverMarkedOrCounted) {
    auto t = HistoryOf({{5, 12, 33, 1, 20}});
    t->draws.DrawNumsDrawn[2][1] = "00";
    t->draws.DrawNumsDrawn[3][1] = "40";
    t->draws.DrawNumsDrawn[4][1] = "9x";
    const DragHandOver out = publish(t->draws, {1});
    int marks = 0;
    for (int c = 0; c < out.Grid.columnCount(); ++c)
        marks += out.Grid.cell(c, 1) == "●";
    EXPECT_EQ(marks, 2); // 05 and 20
    EXPECT_EQ(out.NoTotalKey[5], 1005);
    EXPECT_EQ(GameNumber("39", MaxNo), 39);
    EXPECT_EQ(GameNumber("40", MaxNo), 0);
    EXPECT_EQ(GameNumber("00", MaxNo), 0);
    EXPECT_EQ(GameNumber("7", MaxNo), 0);
}

TEST(DragGrid, NoDataRows) {
    const auto t = HistoryOf({{5, 12, 33, 1, 20}});
    const DragHandOver out = publish(t->draws, {});
    const TextTable& g = out.Grid;
    EXPECT_EQ(out.TraceRowCount, 0);
    EXPECT_EQ(out.TraceGridRows, 1);
    EXPECT_EQ(g.rowCount(), 13);
    EXPECT_EQ(g.cell(0, 2), "期數 0");
    EXPECT_EQ(g.cell(0, 5), "最近 0 期");
    for (int r = 3; r <= 12; ++r)
        for (int c = 2; c < g.columnCount(); ++c)
            EXPECT_EQ(g.cell(c, r), "") << c << "," << r;
    for (int n = 1; n <= MaxNo; ++n)
        EXPECT_EQ(out.NoTotalKey[n], n);
    EXPECT_EQ(out.TraceHits[0][1], "");
    EXPECT_EQ(out.GridCsvLines.size(), 13u);
}

TEST(DragGrid, StatisticRowsCountMarksAndDistances) {
    // 07 is drawn in targets 1, 2 and 5 of five; 39 first in target 9 of nine.
    std::vector<std::array<int, 5>> draws(9, {1, 2, 3, 4, 6});
    draws[0] = draws[1] = draws[4] = {7, 2, 3, 4, 6};
    draws[8] = {39, 2, 3, 4, 6};
    const auto t = HistoryOf(draws);
    const DragHandOver five = publish(t->draws, {1, 2, 3, 4, 5});
    const TextTable& g = five.Grid;
    const int R = 6;
    EXPECT_EQ(five.TraceGridRows, R);
    EXPECT_EQ(g.cell(0, R + 1), "期數 5");
    EXPECT_EQ(g.cell(1, R + 1), " 號   碼");
    EXPECT_EQ(g.cell(col(7), R + 1), "07"); // the headings again
    EXPECT_EQ(g.cell(tailCol(9), R + 1), "９");
    EXPECT_EQ(g.cell(1, R + 2), "    ●");
    EXPECT_EQ(g.cell(0, R + 3), "統計 ");
    EXPECT_EQ(g.cell(1, R + 3), "      ");
    EXPECT_EQ(g.cell(0, R + 4), "最近 5 期");
    EXPECT_EQ(g.cell(col(7), R + 2), "3");
    EXPECT_EQ(g.cell(col(7), R + 4), "3");
    EXPECT_EQ(g.cell(0, R + 5), "連莊開出");
    EXPECT_EQ(g.cell(col(7), R + 5), "2"); // rows 1 and 2
    EXPECT_EQ(g.cell(col(7), R + 7), "1"); // row 5, three after row 2
    EXPECT_EQ(g.cell(0, R + 11), "隔七版以上");
    EXPECT_EQ(g.cell(col(2), R + 5), "5");
    EXPECT_EQ(five.NoTotalKey[7], 3007);
    EXPECT_EQ(five.NoTotalKey[2], 5002);
    EXPECT_EQ(g.cell(tailCol(7), R + 2), "3"); // tail columns are counted too
    EXPECT_EQ(g.cell(MaxNo + 2, R + 2), "");

    const DragHandOver nine = publish(t->draws, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    EXPECT_EQ(nine.Grid.cell(col(39), 10 + 11), "1"); // first mark in row 9: 隔七版以上
    EXPECT_EQ(nine.Grid.cell(col(39), 10 + 5), "");
}

TEST(DragGrid, CyclePageCountsIncludeTheBlankRow) {
    const auto t = HistoryOf(RandomDraws(4, 2));
    const TextTable g = publish(t->draws, {1, 2, 3, 4}, DragMark::Dot, "999999", true).Grid;
    EXPECT_EQ(g.cell(0, 6), "期數 5");
    EXPECT_EQ(g.cell(0, 9), "最近 5 期");
}

TEST(DragGrid, CsvLinesHaveEveryColumnAndOneMore) {
    const auto t = HistoryOf(RandomDraws(3, 5));
    const DragHandOver out = publish(t->draws, {1, 2, 3});
    ASSERT_EQ(out.GridCsvLines.size(), static_cast<std::size_t>(3 + 13));
    for (const std::string& line : out.GridCsvLines) {
        EXPECT_EQ(std::count(line.begin(), line.end(), ','), MaxNo + 14);
        EXPECT_EQ(line.substr(line.size() - 2), ",,");
    }
    EXPECT_EQ(out.GridCsvLines[1].rfind(HistoryDate(1) + ",000001,", 0), 0u);
    EXPECT_EQ(out.GridCsvLines[0].rfind("日     期, 期  數,01,", 0), 0u);
}

TEST(DragGrid, HandOverStopsAtTheCut) {
    const auto t = HistoryOf(RandomDraws(6, 9));
    const DragHandOver all = publish(t->draws, {2, 4, 6}, DragMark::Dot, "999999");
    EXPECT_EQ(all.TraceHits[0][3], HistoryDate(6));
    const DragHandOver cut = publish(t->draws, {2, 4, 6}, DragMark::Dot, "000004");
    EXPECT_EQ(cut.TraceHits[1][1], "000002");
    EXPECT_EQ(cut.TraceHits[1][2], "000004");
    EXPECT_EQ(cut.TraceHits[1][3], "");
    EXPECT_EQ(cut.TraceRowCount, 3); // the grid keeps every row
    int stars = 0;
    for (int n = 1; n <= MaxNo; ++n) {
        EXPECT_EQ(cut.TraceHits[1 + n][3], "");
        stars += cut.TraceHits[1 + n][2] == "*";
        EXPECT_EQ(cut.TraceHits[1 + n][2] == "*", !cut.Grid.cell(col(n), 2).empty());
    }
    EXPECT_EQ(stars, 5);
}

TEST(DragGrid, TailTotalsSortHighestFirstTiesToTheHigherDigit) {
    auto out = std::make_unique<DragHandOver>();
    for (int n = 1; n <= MaxNo; ++n)
        out->NoTotalKey[n] = n;
    out->NoTotalKey[3] = 2003;  // tail 3: 2
    out->NoTotalKey[13] = 1013; // tail 3: 3 in all
    out->NoTotalKey[7] = 3007;  // tail 7: 3
    out->NoTotalKey[1] = 1001;  // tail 1: 1
    get_tail_total(*out, MaxNo);
    EXPECT_EQ(out->TailTotalKey[0], 3007);
    EXPECT_EQ(out->TailTotalKey[1], 3003);
    EXPECT_EQ(out->TailTotalKey[2], 1001);
    EXPECT_EQ(out->TailTotalKey[3], 9);
    EXPECT_EQ(out->TailTotalKey[9], 0);
}

TEST(DragGrid, StatisticsMatchASlowCountOverALongHistory) {
    const auto t = HistoryOf(RandomDraws(400, 11));
    std::vector<int> rows;
    for (int k = 1; k <= 400; k += 2)
        rows.push_back(k);
    const DragHandOver out = publish(t->draws, rows);
    const int R = static_cast<int>(rows.size()) + 1;
    for (int n = 1; n <= MaxNo; ++n) {
        int marks = 0, runs = 0;
        bool previous = false;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            bool drawn = false;
            for (int p = 1; p <= 5; ++p)
                drawn = drawn || t->draws.DrawNumsDrawn[p][rows[r]] == NumText(n);
            marks += drawn;
            runs += drawn && (previous || r == 0);
            previous = drawn;
        }
        EXPECT_EQ(count(out.Grid.cell(col(n), R + 2)), marks) << n;
        EXPECT_EQ(count(out.Grid.cell(col(n), R + 5)), runs) << n;
        EXPECT_EQ(out.NoTotalKey[n], marks * 1000 + n);
        int distances = 0;
        for (int row = R + 5; row <= R + 11; ++row)
            distances += count(out.Grid.cell(col(n), row));
        EXPECT_EQ(distances, marks) << n;
    }
}
