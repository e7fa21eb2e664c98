#pragma once

#include <string>
#include <vector>

#include "common/text_table.h"

struct DragHandOver;
struct DrawTables;

// How a drawn number is marked in the drag grid: "●", or the full-width ball position at which it
// fell (the page 落球定位拖牌).
enum class DragMark { Dot, BallPosition };

// Columns: 0 date, 1 draw number, n + 1 number n, maxNo + 2 blank, maxNo + 3 + t tail t.
constexpr int DragGridColumns(int maxNo) {
    return maxNo + 13;
}
constexpr int TailColumn(int maxNo, int tail) {
    return maxNo + 3 + tail;
}
// Rows under the blank row that follows the data rows: the heading copy and the totals.
constexpr int StatisticRows = 11;

// The value of a number text when it is a number of the game (1..maxNo), else 0. Every count goes
// through here, so a number outside the game never indexes a table.
int GameNumber(const std::string& text, int maxNo);

// The headings, one row per target draw with the marks of the numbers it drew, and a blank row.
TextTable DragGridRows(const DrawTables& draws, const std::vector<int>& rows, DragMark mark);

// The tail columns of the data rows and the blank row: per last digit, how many numbers are marked.
void get_tail99(TextTable& grid, int maxNo);

// Hands the data rows whose draw number (as text) is not after `cutText` to the number analysis:
// TraceHits row 0 the date, row 1 the draw number, row 1 + n "*" where n is marked.
void Toltno42(DragHandOver& out, const TextTable& grid, int dataRows, const std::string& cutText, int maxNo);

// Appends the statistic rows under the blank row and publishes TraceRowCount, NoTotalKey,
// TraceGridRows, the CSV lines and the tail totals. On the cycle page the two period counts of
// column 0 include the blank row, as that page has always shown them.
void get_grid_total(DragHandOver& out, TextTable& grid, int dataRows, int maxNo, bool cyclePage);

// TailTotalKey: per tail digit its marks x 1000 + digit, sorted descending (ties: higher digit first).
void get_tail_total(DragHandOver& out, int maxNo);

// One CSV line per row 0..lastRow: `fields` cells from column 0, each followed by ",".
std::vector<std::string> GridCsvLines(const TextTable& grid, int lastRow, int fields);

// The end of every query: the grid of the target rows with its tail columns and statistic rows,
// and everything the other windows read from it, into `out` (RuleTitle is left to the caller).
void PublishDragQuery(DragHandOver& out, const DrawTables& draws, const std::vector<int>& rows, DragMark mark,
                      const std::string& cutText, bool cyclePage);
