#pragma once

#include <array>
#include <string>

#include "analysis/drag/drag_chart_run.h"

struct DrawTables;

// The four individual queries: instead of a reference draw, the player types numbers or tails,
// anywhere in a draw or at ball positions.
enum class DragChartQueryKind {
    Numbers,         // Edit1: one, two or three numbers anywhere (2, 4 or 6 digits)
    Tails,           // Edit1T: one to four tails anywhere
    PositionNumbers, // Editno1..Editno7
    PositionTails,   // EditT1..EditT7
};

struct DragChartQuery {
    DragChartQueryKind kind = DragChartQueryKind::Numbers;
    std::string text;                 // Edit1 or Edit1T as typed
    std::array<std::string, 7> boxes; // the position boxes as typed; empty means any
    bool drawnOrder = true;           // 落球 (drawn order) rather than 順球 (ascending)
};

// Runs a query over every ticked distance. Each distance that finds no following draw adds the
// kind's no-record message.
DragChartRun RunDragChartQuery(const DrawTables& draws, const DragChartSettings& settings,
                               const DragChartQuery& query);

// One distance of each kind.
void Count_no234(DragChartPass& pass, int k, const std::string& text);
void Count_no234T(DragChartPass& pass, int k, const std::string& text);
void Count_no567(DragChartPass& pass, int k, const std::array<std::string, 7>& boxes, bool drawnOrder);
void Count_no567T(DragChartPass& pass, int k, const std::array<std::string, 7>& boxes, bool drawnOrder);

// A positional query as titles and messages write it: the five positions joined by "," with "_"
// for an empty box, e.g. "_,15,_,_,_".
std::string PositionalQueryText(const std::array<std::string, 7>& boxes);

// "您查詢的號碼" / "您查詢的尾數" + query + "尚無開出記錄,故無統計資訊".
std::string ChartQueryNoRecordMessage(bool tails, const std::string& query);
