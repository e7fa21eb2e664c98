#pragma once

#include <string>
#include <string_view>
#include <vector>

struct DrawTables;

// The pages of the drag window, in tab order.
enum class DragPage { Single = 0, Pair, Triple, SizePosition, BallPosition, AddSubtract, Cycle };
constexpr int DragPageCount = 7;

// Every query picks base draws i and lists their target draws i + offset, oldest first; a target
// outside the loaded draws gives no row. Number texts compare exactly as two-digit texts, and an
// empty text matches nothing (positions 6 and 7 of the tables are empty).

// Base draws from `baseDraws` (all draws, or the pinned rows) that drew `number` at any ball.
std::vector<int> SingleTargets(const DrawTables& draws, const std::vector<int>& baseDraws,
                               const std::string& number, int offset);
// Base draws that drew both numbers.
std::vector<int> PairTargets(const DrawTables& draws, const std::string& a, const std::string& b, int offset);
// Base draws that drew all three numbers.
std::vector<int> TripleTargets(const DrawTables& draws, const std::string& a, const std::string& b,
                               const std::string& c, int offset);
// Base draws whose `position`-th smallest number is `number` (no draw when the position holds none).
std::vector<int> SizePositionTargets(const DrawTables& draws, int position, const std::string& number,
                                     int offset);
// Base draws whose `position`-th ball drawn is `number`.
std::vector<int> BallPositionTargets(const DrawTables& draws, int position, const std::string& number,
                                     int offset);
// Base draws where value(size position a) + sign * k = value(size position b). The positions' texts
// are converted as numbers, so a position that holds none throws ConversionError (when any draw is
// loaded).
std::vector<int> AddTargets(const DrawTables& draws, int a, int sign, int k, int b, int offset);

struct CycleRows {
    std::vector<int> rows; // oldest first
    int usedDraw = 0;      // the draw the cycle counted back from (the newest when the text names none)
};
// The draw after the period named by `periodText` (the newest when none) moved by `offset`, then
// every `cycle`-th draw back from it.
CycleRows CycleTargets(const DrawTables& draws, const std::string& periodText, int cycle, int offset);

// ---- periods and choice lists ----

// The newest draw whose DrawId is the text, or 0 when none.
int FindPeriod(const DrawTables& draws, const std::string& periodText);
// The offset that puts the first query at the distance from draw L to the next, not yet drawn, one.
int PeriodOffset(const DrawTables& draws, int chosenDraw);
// The DrawIds of the newest 11 draws, newest first.
std::vector<std::string> RecentPeriods(const DrawTables& draws);
// The number lists refilled from draw L; five empty entries when L names no loaded draw.
std::vector<std::string> DrawnChoices(const DrawTables& draws, int chosenDraw);  // drawn order
std::vector<std::string> SizeChoices(const DrawTables& draws, int chosenDraw);   // ascending
std::vector<std::string> PairChoices(const DrawTables& draws, int chosenDraw);   // "aa.bb"
std::vector<std::string> TripleChoices(const DrawTables& draws, int chosenDraw); // "aa.bb.cc"
// The DrawId of a draw, or empty text outside the loaded draws.
std::string PeriodText(const DrawTables& draws, int draw);

// Characters from..from+1 (1-based) of a pair or triple text, empty where the text is short.
std::string ChoicePart(const std::string& text, int from);

// The value of a page-5 box: the whole number it reads, else the value of its leading digits (0 when
// it has none).
int LeadingValue(const std::string& text);
// A page-5 position box read as above. A position that holds no number of a draw raises the
// conversion error naming the box by its caption and what it reads: 「第」的內容「q」不是有效的整數.
int AddPosition(std::string_view caption, const std::string& text);

// ---- labels ----

// "本期", "下 n 期" or "上 n 期".
std::string OffsetLabel(int offset);
// RuleTitle of pages 0-2: "本期開 " + choice + " " + label + " 拖牌分析".
std::string ChoiceTitle(const std::string& choice, const std::string& label);
std::string SizePositionTitle(const std::string& position, const std::string& number,
                              const std::string& label);
std::string BallPositionTitle(const std::string& position, const std::string& number,
                              const std::string& label);
std::string AddTitle(const std::string& a, const std::string& sign, const std::string& k,
                     const std::string& b, const std::string& label);
std::string CycleTitle(const std::string& period, const std::string& cycle, const std::string& label);
