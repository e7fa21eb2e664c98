#include "analysis/drag/drag_chart_run.h"

#include <algorithm>

#include "draws/draw_tables.h"

const std::string& DrawNumberInOrder(const DrawTables& draws, bool drawnOrder, int position, int draw) {
    return drawnOrder ? draws.DrawNumsDrawn[position][draw] : draws.DrawNums[position][draw];
}

DragChartPass::DragChartPass(const DrawTables& draws, const DragChartSettings& settings, DragChartRun& run)
    : draws_(draws), settings_(settings), run_(run), balls_(std::clamp(settings.balls, 1, MaxBallSlots)) {
    const int count = std::clamp(draws.DrawCount, 0, MaxDraws);
    inRange_.assign(static_cast<std::size_t>(count) + 1, false);
    for (int i = 1; i <= count; ++i)
        inRange_[static_cast<std::size_t>(i)] =
            settings.from <= draws.DrawDate[i] && draws.DrawDate[i] <= settings.to;
    for (auto& bodies : bodies_)
        bodies.resize(static_cast<std::size_t>(count) + 1);
}

void DragChartPass::start() {
    run_.chart_lineno = 0;
    run_.memo1.assign(1, DragDetailHeader);
    run_.memo2.assign(1, DragDetailHeader);
    ResetArray(run_.counters, draws_.MaxNo);
    ResetArray(run_.shown, draws_.MaxNo);
    run_.bars = {};
}

void DragChartPass::showRange(const std::string& numbersPrefix) {
    run_.drawsInRange = static_cast<int>(std::count(inRange_.begin(), inRange_.end(), true));
    run_.titles = DragChartTitlesFor(settings_.from, settings_.to, numbersPrefix);
}

const std::string& DragChartPass::body(int draw, bool drawnOrder) {
    std::string& text = bodies_[drawnOrder ? 1 : 0][static_cast<std::size_t>(draw)];
    if (text.empty()) {
        std::array<std::string, 5> numbers;
        for (int p = 1; p <= 5; ++p)
            numbers[static_cast<std::size_t>(p - 1)] = DrawNumberInOrder(draws_, drawnOrder, p, draw);
        text = DragDetailBody(draws_.DrawDate[draw], draws_.DrawId[draw], numbers);
    }
    return text;
}

bool DragChartPass::addMatch(int draw, int k, bool drawnOrder) {
    ++run_.chart_lineno;
    run_.memo1.push_back(DragDetailLine(run_.chart_lineno, body(draw, drawnOrder)));
    const int follower = draw + k;
    if (follower > drawCount())
        return false;
    run_.memo2.push_back(DragDetailLine(run_.chart_lineno, body(follower, drawnOrder)));
    for (int p = 1; p <= balls_; ++p)
        CountFollowerNumber(run_.counters, draws_.DrawNums[p][follower], draws_.MaxNo);
    return true;
}

void DragChartPass::finishDistance() {
    run_.shown = run_.counters;
    if (settings_.sort)
        Sortproc(run_.shown, draws_.MaxNo);
    run_.bars = showChartNo(run_.shown, draws_.MaxNo);
}

void DragChartPass::restartMemo1() {
    run_.memo1.assign(1, DragDetailHeader);
}
