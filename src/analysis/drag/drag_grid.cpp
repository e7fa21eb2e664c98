#include "analysis/drag/drag_grid.h"

#include <array>

#include "common/date.h"
#include "common/num_format.h"
#include "common/num_text.h"
#include "draws/drag_handover.h"
#include "draws/draw_tables.h"

namespace {

const std::array<const char*, 10> FullWidthDigits = {"０", "１", "２", "３", "４",
                                                     "５", "６", "７", "８", "９"};
const std::array<const char*, 7> DistanceLabels = {"連莊開出",   "隔二版開出", "隔三版開出", "隔四版開出",
                                                   "隔五版開出", "隔六版開出", "隔七版以上"};

std::string countText(int count) {
    return NumFormat("###", count);
}

} // namespace

int GameNumber(const std::string& text, int maxNo) {
    if (text.size() != 2 || text[0] < '0' || text[0] > '9' || text[1] < '0' || text[1] > '9')
        return 0;
    const int value = (text[0] - '0') * 10 + (text[1] - '0');
    return value >= 1 && value <= maxNo ? value : 0;
}

TextTable DragGridRows(const DrawTables& draws, const std::vector<int>& rows, DragMark mark) {
    const int maxNo = draws.MaxNo;
    const int count = static_cast<int>(rows.size());
    TextTable grid(DragGridColumns(maxNo), count + 2, 0, 1);
    grid.setCell(0, 0, "日     期");
    grid.setCell(1, 0, " 期  數");
    for (int n = 1; n <= maxNo; ++n)
        grid.setCell(n + 1, 0, NumText(n));
    for (int t = 0; t <= 9; ++t)
        grid.setCell(TailColumn(maxNo, t), 0, FullWidthDigits[static_cast<std::size_t>(t)]);

    for (int r = 1; r <= count; ++r) {
        const int j = rows[static_cast<std::size_t>(r - 1)];
        grid.setCell(0, r, DateFormat("yyyy/mm/dd", draws.DrawDate[j]));
        grid.setCell(1, r, draws.DrawId[j]);
        for (int p = 1; p <= DrawBalls; ++p) {
            const int n = GameNumber(draws.DrawNumsDrawn[p][j], maxNo);
            if (n != 0)
                grid.setCell(n + 1, r,
                             mark == DragMark::Dot ? "●" : FullWidthDigits[static_cast<std::size_t>(p)]);
        }
    }
    return grid;
}

void get_tail99(TextTable& grid, int maxNo) {
    for (int r = 1; r < grid.rowCount(); ++r) {
        std::array<int, 10> tails{};
        for (int n = 1; n <= maxNo; ++n)
            if (!grid.cell(n + 1, r).empty())
                ++tails[static_cast<std::size_t>(n % 10)];
        for (int t = 0; t <= 9; ++t)
            grid.setCell(TailColumn(maxNo, t), r, NumFormat("#", tails[static_cast<std::size_t>(t)]));
    }
}

void Toltno42(DragHandOver& out, const TextTable& grid, int dataRows, const std::string& cutText, int maxNo) {
    const int lastTraceRow = std::min(maxNo + 1, static_cast<int>(TraceRows) - 1);
    for (int row = 0; row <= lastTraceRow; ++row)
        out.TraceHits[row].fill({});
    const int rows = std::min(dataRows, MaxDraws);
    for (int r = 1; r <= rows; ++r) {
        if (grid.cell(1, r) > cutText)
            continue;
        for (int n = 1; n + 1 <= lastTraceRow; ++n)
            out.TraceHits[1 + n][r] = grid.cell(n + 1, r).empty() ? "" : "*";
        out.TraceHits[0][r] = grid.cell(0, r);
        out.TraceHits[1][r] = grid.cell(1, r);
    }
}

void get_grid_total(DragHandOver& out, TextTable& grid, int dataRows, int maxNo, bool cyclePage) {
    const int R = dataRows + 1; // the blank row
    out.TraceRowCount = dataRows;
    grid.setRowCount(R + 1 + StatisticRows);
    for (int r = R + 1; r <= R + StatisticRows; ++r)
        for (int c = 0; c < grid.columnCount(); ++c)
            grid.setCell(c, r, {});

    for (int c = 0; c < grid.columnCount(); ++c)
        grid.setCell(c, R + 1, grid.cell(c, 0));
    grid.setCell(1, R + 1, " 號   碼");
    grid.setCell(1, R + 2, "    ●");
    grid.setCell(1, R + 3, "      ");
    grid.setCell(1, R + 4, "    ●");

    const int lastColumn = std::min(maxNo + 12, grid.columnCount() - 1);
    for (int c = 2; c <= lastColumn; ++c) {
        int marks = 0;
        int previous = 0;
        std::array<int, 7> distances{}; // 1..6, then 7 and more
        for (int r = 1; r <= R; ++r) {
            if (grid.cell(c, r).empty())
                continue;
            ++marks;
            const int d = r - previous;
            ++distances[static_cast<std::size_t>(std::min(d, 7) - 1)];
            previous = r;
        }
        grid.setCell(c, R + 2, countText(marks));
        grid.setCell(c, R + 4, countText(marks));
        for (int d = 0; d < 7; ++d)
            grid.setCell(c, R + 5 + d, countText(distances[static_cast<std::size_t>(d)]));
        const int n = c - 1;
        if (n >= 1 && n <= maxNo && decltype(out.NoTotalKey)::contains(n))
            out.NoTotalKey[n] = marks * 1000 + n;
    }

    const int periods = cyclePage ? R : R - 1;
    grid.setCell(0, R + 1, "期數 " + std::to_string(periods));
    grid.setCell(0, R + 3, "統計 ");
    grid.setCell(0, R + 4, "最近 " + std::to_string(periods) + " 期");
    for (int d = 0; d < 7; ++d)
        grid.setCell(0, R + 5 + d, DistanceLabels[static_cast<std::size_t>(d)]);
    out.TraceGridRows = R;
    out.GridCsvLines = GridCsvLines(grid, R + StatisticRows, maxNo + 14);
    get_tail_total(out, maxNo);
}

void get_tail_total(DragHandOver& out, int maxNo) {
    out.TailTotalKey.fill(0);
    for (int n = 1; n <= maxNo && decltype(out.NoTotalKey)::contains(n); ++n)
        out.TailTotalKey[n % 10] += (out.NoTotalKey[n] / 1000) * 1000;
    for (int t = 0; t <= 9; ++t)
        out.TailTotalKey[t] += t;
    for (int i = 0; i <= 8; ++i)
        for (int j = i + 1; j <= 9; ++j)
            if (out.TailTotalKey[j] > out.TailTotalKey[i])
                std::swap(out.TailTotalKey[i], out.TailTotalKey[j]);
}

std::vector<std::string> GridCsvLines(const TextTable& grid, int lastRow, int fields) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(std::max(0, lastRow + 1)));
    for (int r = 0; r <= lastRow; ++r) {
        std::string line;
        for (int c = 0; c < fields; ++c) {
            line += grid.cell(c, r);
            line += ',';
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

void PublishDragQuery(DragHandOver& out, const DrawTables& draws, const std::vector<int>& rows, DragMark mark,
                      const std::string& cutText, bool cyclePage) {
    TextTable grid = DragGridRows(draws, rows, mark);
    const int dataRows = static_cast<int>(rows.size());
    get_tail99(grid, draws.MaxNo);
    Toltno42(out, grid, dataRows, cutText, draws.MaxNo);
    get_grid_total(out, grid, dataRows, draws.MaxNo, cyclePage);
    out.Grid = std::move(grid);
}
