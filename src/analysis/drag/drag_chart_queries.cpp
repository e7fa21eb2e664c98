#include "analysis/drag/drag_chart_queries.h"

#include <functional>
#include <vector>

#include "common/text_cut.h"
#include "draws/draw_tables.h"

namespace {

std::string trimmed(const std::string& text) {
    return std::string(TrimmedView(text));
}

// The units digit of a number text, as a text to compare with a typed tail.
std::string tailOf(const std::string& number) {
    return number.size() >= 2 ? number.substr(1, 1) : std::string();
}

// True when every part can be given its own ball: for each part in order, the first ball not yet
// taken whose key equals it. Keys are whole numbers or tails.
bool partsOnDistinctBalls(const std::vector<std::string>& parts, const DrawTables& draws, int draw, int balls,
                          bool byTail) {
    std::array<bool, MaxBallSlots> taken{};
    for (const std::string& part : parts) {
        bool found = false;
        for (int p = 1; p <= balls && !found; ++p) {
            const std::string& number = draws.DrawNums[p][draw];
            if (!taken[static_cast<std::size_t>(p - 1)] && (byTail ? tailOf(number) : number) == part)
                found = taken[static_cast<std::size_t>(p - 1)] = true;
        }
        if (!found)
            return false;
    }
    return true;
}

// Parts are cut from the text as typed, only their count comes from the trimmed length: a blank in
// front shifts the cut and the query matches nothing.
std::vector<std::string> numberParts(const std::string& text) {
    const std::size_t length = trimmed(text).size();
    if (length == 2)
        return {text};
    if (length == 4 || length == 6) {
        std::vector<std::string> parts;
        for (std::size_t at = 0; at < length; at += 2)
            parts.push_back(text.substr(at, 2));
        return parts;
    }
    return {};
}

std::vector<std::string> tailParts(const std::string& text) {
    const std::size_t length = trimmed(text).size();
    if (length == 1)
        return {text};
    if (length < 2 || length > 4)
        return {};
    std::vector<std::string> parts;
    for (std::size_t at = 0; at < length; ++at)
        parts.push_back(text.substr(at, 1));
    return parts;
}

void loadQuery(DragChartRun& run, const std::vector<std::string>& parts) {
    for (std::size_t q = 0; q < parts.size() && q < run.chart_qno.size(); ++q)
        run.chart_qno[q] = parts[q];
}

// The frame every kind shares for one distance: range and titles, the scan, the bars, and the
// kind's message when no following draw was found.
void queryDistance(DragChartPass& pass, int k, const std::string& titlePrefix, bool drawnOrder,
                   const std::string& message, const std::function<bool(int)>& matches) {
    pass.showRange(titlePrefix);
    int found = 0;
    for (int i = 1; i <= pass.drawCount(); ++i)
        if (pass.inRange(i) && matches(i) && pass.addMatch(i, k, drawnOrder))
            ++found;
    pass.finishDistance();
    if (found == 0)
        pass.run().messages.push_back(message);
}

std::array<std::string, 7> trimmedBoxes(const std::array<std::string, 7>& boxes) {
    std::array<std::string, 7> out;
    for (std::size_t p = 0; p < boxes.size(); ++p)
        out[p] = trimmed(boxes[p]);
    return out;
}

void positionalDistance(DragChartPass& pass, int k, const std::array<std::string, 7>& boxes, bool drawnOrder,
                        bool byTail) {
    // Memo1 shows the matches of the last distance only; line numbers go on.
    pass.restartMemo1();
    const std::array<std::string, 7> query = trimmedBoxes(boxes);
    pass.run().chart_qno = query;
    const DrawTables& draws = pass.draws();
    const std::string text = PositionalQueryText(boxes);
    queryDistance(pass, k, "六合彩" + text, drawnOrder, ChartQueryNoRecordMessage(byTail, text),
                  [&](int draw) {
                      for (int p = 1; p <= MaxBallSlots; ++p) {
                          const std::string& wanted = query[static_cast<std::size_t>(p - 1)];
                          const std::string& number = DrawNumberInOrder(draws, drawnOrder, p, draw);
                          if (!wanted.empty() && (byTail ? tailOf(number) : number) != wanted)
                              return false;
                      }
                      return true;
                  });
}

} // namespace

std::string PositionalQueryText(const std::array<std::string, 7>& boxes) {
    std::string text;
    for (std::size_t p = 0; p < 5; ++p) {
        const std::string box = trimmed(boxes[p]);
        text += (p > 0 ? "," : "") + (box.empty() ? std::string("_") : box);
    }
    return text;
}

std::string ChartQueryNoRecordMessage(bool tails, const std::string& query) {
    return std::string(tails ? "您查詢的尾數" : "您查詢的號碼") + query + "尚無開出記錄,故無統計資訊";
}

void Count_no234(DragChartPass& pass, int k, const std::string& text) {
    const std::vector<std::string> parts = numberParts(text);
    loadQuery(pass.run(), parts);
    const std::string shown = trimmed(text);
    queryDistance(pass, k, "六合彩" + shown, false, ChartQueryNoRecordMessage(false, shown), [&](int draw) {
        return !parts.empty() && partsOnDistinctBalls(parts, pass.draws(), draw, pass.balls(), false);
    });
}

void Count_no234T(DragChartPass& pass, int k, const std::string& text) {
    const std::vector<std::string> parts = tailParts(text);
    loadQuery(pass.run(), parts);
    const std::string shown = trimmed(text);
    queryDistance(
        pass, k, "六合彩尾數" + shown, false, ChartQueryNoRecordMessage(true, shown), [&](int draw) {
            return !parts.empty() && partsOnDistinctBalls(parts, pass.draws(), draw, pass.balls(), true);
        });
}

void Count_no567(DragChartPass& pass, int k, const std::array<std::string, 7>& boxes, bool drawnOrder) {
    positionalDistance(pass, k, boxes, drawnOrder, false);
}

void Count_no567T(DragChartPass& pass, int k, const std::array<std::string, 7>& boxes, bool drawnOrder) {
    positionalDistance(pass, k, boxes, drawnOrder, true);
}

DragChartRun RunDragChartQuery(const DrawTables& draws, const DragChartSettings& settings,
                               const DragChartQuery& query) {
    DragChartRun run;
    DragChartPass pass(draws, settings, run);
    pass.start();
    for (int k = 1; k <= ChartDistances; ++k) {
        if (!settings.distances[static_cast<std::size_t>(k - 1)])
            continue;
        switch (query.kind) {
        case DragChartQueryKind::Numbers:
            Count_no234(pass, k, query.text);
            break;
        case DragChartQueryKind::Tails:
            Count_no234T(pass, k, query.text);
            break;
        case DragChartQueryKind::PositionNumbers:
            Count_no567(pass, k, query.boxes, query.drawnOrder);
            break;
        case DragChartQueryKind::PositionTails:
            Count_no567T(pass, k, query.boxes, query.drawnOrder);
            break;
        }
    }
    return run;
}
