#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "common/date.h"

struct DrawTables;

// A draw as the best-pillar window lists it, one per memo line:
//   "0001,2026/01/02,115001,01,05,12,22,37"
// running number in the listing, date, draw number, the five numbers ascending. The numbers stand
// at the 1-based columns 24, 27, 30, 33 and 36; their last digits at 25, 28, 31, 34 and 37.

constexpr std::array<int, 5> MemoNumberColumns{24, 27, 30, 33, 36};

std::string DrawMemoLine(int lineNumber, const Date& date, std::string_view drawId,
                         const std::array<std::string, 5>& numbers);

// The memo lines of the given draws (indices into the shared draw tables), numbered from "0001".
std::vector<std::string> ListDraws(const DrawTables& tables, const std::vector<int>& draws);

// The five number texts of a memo line: two characters (not bytes) each at the number columns,
// shorter or empty where the line ends early.
std::array<std::string_view, 5> MemoLineNumbers(std::string_view line);

// The two-character text at number position 1..5 of a memo line; shorter when the line is.
std::string_view MemoNumberText(std::string_view line, int position);

// The number at position 1..5 when it is a two-digit number in 1..maxNo, else 0 (a line edited
// into something else).
int MemoNumber(std::string_view line, int position, int maxNo);

// The five number texts of a memo line concatenated (10 characters, blanks where the line is
// short): the key the hit tests take.
std::string DrawKey(std::string_view line);

// Which query filled the draw memos last.
enum class SourceKind { DateRange = 1, Latest = 2, Periodic = 3, Drag = 4 };

// Draws dated from..to, both ends inclusive, oldest first.
std::vector<int> DrawsInDateRange(const DrawTables& tables, const Date& from, const Date& to);

// The latest n draws (n >= 1), oldest first.
std::vector<int> LatestDraws(int drawCount, int n);

// Every k-th draw (k >= 1) counted back from the latest: the draws whose index is congruent to
// drawCount modulo k, oldest first.
std::vector<int> PeriodicPicks(int drawCount, int k);

// The last n (n >= 1) entries of a pick list.
std::vector<int> LastPicks(const std::vector<int>& picks, int n);

// The draws that followed, lag draws later, the draws holding the number text x: at ascending
// position pos (1..5) when fixedPosition, else anywhere. The last such draw is left out: with the
// proposed lag its follow-up is the draw still to come.
std::vector<int> DragDraws(const DrawTables& tables, int pos, std::string_view x, int lag,
                           bool fixedPosition);

// The latest draw dated dateText ("yyyy/mm/dd"), or 0 when no loaded draw has that date.
int DrawOfDate(const DrawTables& tables, std::string_view dateText);

// The number of listed draws as "期數" shows it: two blanks, then the count.
std::string ListingCountText(std::size_t count);

// The headings of the reports for each query; the date range's carries the listing's count text.
std::string DateRangeHeader(const Date& from, const Date& to, std::size_t count);
std::string LatestHeader(std::string_view countText);
std::string PeriodicHeader(std::string_view intervalText, std::string_view countText);
std::string DragHeader(bool fixedPosition, std::string_view positionText, std::string_view x,
                       std::string_view lagText, int count);
