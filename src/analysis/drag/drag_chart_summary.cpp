#include "analysis/drag/drag_chart_summary.h"

#include "draws/draw_tables.h"

int DragChartCommonNumbers(const std::array<std::string, 7>& reference, const DrawTables& draws, int draw,
                           int balls) {
    std::array<bool, MaxBallSlots> taken{};
    int common = 0;
    for (int q = 0; q < balls; ++q) {
        for (int p = 1; p <= balls; ++p) {
            if (!taken[static_cast<std::size_t>(p - 1)] &&
                draws.DrawNums[p][draw] == reference[static_cast<std::size_t>(q)]) {
                taken[static_cast<std::size_t>(p - 1)] = true;
                ++common;
                break;
            }
        }
    }
    return common;
}

void Count_no(DragChartPass& pass, const DragChartSettings& settings, int k) {
    const DrawTables& draws = pass.draws();
    const int count = pass.drawCount();
    const int reference = count - k + 1;
    if (reference < 1)
        return;
    DragChartRun& run = pass.run();
    for (int q = 1; q <= pass.balls(); ++q)
        run.chart_qno[static_cast<std::size_t>(q - 1)] = draws.DrawNums[q][reference];
    pass.showRange();

    std::vector<int> common(static_cast<std::size_t>(count) + 1, 0);
    for (int i = 1; i <= count; ++i)
        if (pass.inRange(i))
            common[static_cast<std::size_t>(i)] =
                DragChartCommonNumbers(run.chart_qno, draws, i, pass.balls());
    // One pass per ticked mode: a draw that satisfies several modes is listed and counted once each.
    for (int mode = 1; mode <= ChartModes; ++mode) {
        if (!settings.modes[static_cast<std::size_t>(mode - 1)])
            continue;
        for (int i = 1; i <= count; ++i)
            if (pass.inRange(i) && common[static_cast<std::size_t>(i)] >= mode)
                pass.addMatch(i, k);
    }
    pass.finishDistance();
}

DragChartRun RunDragSummary(const DrawTables& draws, const DragChartSettings& settings) {
    DragChartRun run;
    DragChartPass pass(draws, settings, run);
    pass.start();
    for (int k = 1; k <= ChartDistances; ++k)
        if (settings.distances[static_cast<std::size_t>(k - 1)])
            Count_no(pass, settings, k);
    return run;
}
