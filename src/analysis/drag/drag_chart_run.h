#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "analysis/drag/drag_chart_counters.h"
#include "analysis/drag/drag_chart_texts.h"
#include "common/date.h"

struct DrawTables;

constexpr int ChartDistances = 12; // cb_next01..cb_next12
constexpr int ChartModes = 3;      // cb_star1..cb_star3

// The top panel's choices that a run reads.
struct DragChartSettings {
    Date from{2005, 1, 1};                                  // DateTimePicker1
    Date to{2005, 1, 1};                                    // DateTimePicker2
    std::array<bool, ChartModes> modes{true, false, false}; // at least 1, 2, 3 common numbers
    std::array<bool, ChartDistances> distances{true,  false, false, false, false, false,
                                               false, false, false, false, false, false}; // k = 1..12
    bool sort = true;                                                                     // cb_sort
    int balls = 5; // chart_balls: the balls of a draw that are compared and counted
};

// Everything a run leaves on screen: the detail memos, the counters and the bars drawn from them,
// the titles and draw count of the last distance that ran, and the no-record messages in order.
struct DragChartRun {
    int chart_lineno = 0;
    std::array<std::string, 7> chart_qno;
    DragChartCounters counters;
    DragChartCounters shown;                          // the display copies, sorted when sorting is ticked
    std::vector<std::string> memo1{DragDetailHeader}; // the matching draws
    std::vector<std::string> memo2{DragDetailHeader}; // the draws that followed them
    DragChartBars bars;                               // no bars until a distance completes
    std::optional<DragChartTitles> titles;            // untouched when no distance ran
    std::optional<int> drawsInRange;                  // Label5, likewise
    std::vector<std::string> messages;
};

// The number at a ball position of a draw, in drawn order (落球) or ascending order (順球).
const std::string& DrawNumberInOrder(const DrawTables& draws, bool drawnOrder, int position, int draw);

// The common steps of a summary or query run over one set of draw tables. Detail bodies are built
// once per draw and order, as a run lists the same draws again for every distance and mode.
class DragChartPass {
public:
    DragChartPass(const DrawTables& draws, const DragChartSettings& settings, DragChartRun& run);

    // A fresh run: line numbers from 1, memos back to their header, counters reset, no bars.
    void start();
    // Label5 and the titles of one distance.
    void showRange(const std::string& numbersPrefix = {});
    bool inRange(int draw) const { return inRange_[static_cast<std::size_t>(draw)]; }
    // Lists a matching draw in Memo1 and, when the draw k places after it is loaded, lists and
    // counts that draw in Memo2. Returns whether a follower was counted.
    bool addMatch(int draw, int k, bool drawnOrder = false);
    // Copies the counters for display, sorts them when asked, and draws the bars.
    void finishDistance();
    void restartMemo1();

    int balls() const { return balls_; }
    int drawCount() const { return static_cast<int>(inRange_.size()) - 1; } // DrawCount within the tables
    const DrawTables& draws() const { return draws_; }
    DragChartRun& run() { return run_; }

private:
    const std::string& body(int draw, bool drawnOrder);

    const DrawTables& draws_;
    const DragChartSettings& settings_;
    DragChartRun& run_;
    int balls_;
    std::vector<bool> inRange_;
    std::array<std::vector<std::string>, 2> bodies_; // ascending, drawn order
};
