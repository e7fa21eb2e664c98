// Filling a grid the size of the drag grid (2500 rows x 52 columns, one fixed row and column),
// shown offscreen: a whole computed table through setTable against a SetCell loop. Each round
// alternates between two contents so that no cell is left as it was, and ends with the repaint.
#include <QApplication>
#include <benchmark/benchmark.h>
#include <string>

#include "common/text_table.h"
#include "platform/string_grid.h"

namespace {

constexpr int Rows = 2500;
constexpr int Columns = 52;

TextTable ComputedTable(int rows, int round) {
    TextTable table(Columns, rows, 1, 1);
    for (int c = 1; c < Columns; ++c)
        table.setCell(c, 0, std::to_string(c));
    for (int r = 1; r < rows; ++r) {
        table.setCell(0, r, std::to_string(115000 + r));
        for (int c = 1; c < Columns; ++c)
            table.setCell(c, r, std::to_string((r * 7 + c * 3 + round) % 40));
    }
    return table;
}

struct ShownGrid {
    StringGrid grid{1, 1};
    ShownGrid() {
        grid.resize(1000, 700);
        grid.show();
        QApplication::processEvents();
    }
};

// The table is ready; the round copies it in (setTable takes its own copy) and shows it.
void SetTableSameShape(benchmark::State& run) {
    ShownGrid shown;
    const TextTable tables[2] = {ComputedTable(Rows, 0), ComputedTable(Rows, 1)};
    int round = 0;
    for (auto _ : run) {
        shown.grid.setTable(tables[++round % 2]);
        QApplication::processEvents();
    }
}
BENCHMARK(SetTableSameShape)->Unit(benchmark::kMillisecond);

// A different row count each round: the model resets and the view lays out its rows again.
void SetTableNewShape(benchmark::State& run) {
    ShownGrid shown;
    const TextTable tables[2] = {ComputedTable(Rows, 0), ComputedTable(Rows - 1, 1)};
    int round = 0;
    for (auto _ : run) {
        shown.grid.setTable(tables[++round % 2]);
        QApplication::processEvents();
    }
}
BENCHMARK(SetTableNewShape)->Unit(benchmark::kMillisecond);

// What a window pays from numbers to screen: building the texts plus setTable.
void ComputeAndSetTable(benchmark::State& run) {
    ShownGrid shown;
    int round = 0;
    for (auto _ : run) {
        shown.grid.setTable(ComputedTable(Rows, ++round % 2));
        QApplication::processEvents();
    }
}
BENCHMARK(ComputeAndSetTable)->Unit(benchmark::kMillisecond);

// The same texts written cell by cell through the widget.
void SetCellLoop(benchmark::State& run) {
    ShownGrid shown;
    shown.grid.SetColCount(Columns);
    shown.grid.SetRowCount(Rows);
    const TextTable tables[2] = {ComputedTable(Rows, 0), ComputedTable(Rows, 1)};
    int round = 0;
    for (auto _ : run) {
        const TextTable& table = tables[++round % 2];
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Columns; ++c)
                shown.grid.SetCell(c, r, QString::fromStdString(table.cell(c, r)));
        QApplication::processEvents();
    }
}
BENCHMARK(SetCellLoop)->Unit(benchmark::kMillisecond);

} // namespace
