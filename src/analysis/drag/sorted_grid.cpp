#include "analysis/drag/sorted_grid.h"

#include <algorithm>
#include <functional>

#include "analysis/drag/drag_grid.h"
#include "draws/drag_handover.h"

std::vector<int> NumbersByTotal(const DragHandOver& drag, int maxNo) {
    // Sorting a copy: the totals stay in number order for every other reader.
    std::vector<int> keys;
    for (int n = 1; n <= maxNo && decltype(drag.NoTotalKey)::contains(n); ++n)
        keys.push_back(drag.NoTotalKey[n]);
    std::sort(keys.begin(), keys.end(), std::greater<>());
    std::vector<int> numbers;
    for (int key : keys)
        numbers.push_back(key % 1000);
    return numbers;
}

SortedDragGrid show_grid_sort(const DragHandOver& drag, int maxNo) {
    const TextTable& source = drag.Grid;
    SortedDragGrid out;
    out.grid = TextTable(SortedGridColumns, source.rowCount(), 0, 1);
    TextTable& grid = out.grid;
    const auto copyColumn = [&](int to, int from) {
        for (int r = 0; r < source.rowCount(); ++r)
            grid.setCell(to, r, source.cell(from, r));
    };
    copyColumn(0, 0);
    copyColumn(1, 1);
    const std::vector<int> numbers = NumbersByTotal(drag, maxNo);
    for (std::size_t r = 0; r < numbers.size(); ++r)
        if (numbers[r] >= 1 && numbers[r] <= maxNo)
            copyColumn(static_cast<int>(r) + 2, numbers[r] + 1);
    for (int t = 0; t <= 9; ++t)
        copyColumn(TailColumn(maxNo, t), TailColumn(maxNo, drag.TailTotalKey[t] % 1000));
    out.csvLines = GridCsvLines(grid, drag.TraceGridRows + StatisticRows, maxNo + 14);
    return out;
}
