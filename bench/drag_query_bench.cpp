#include <benchmark/benchmark.h>
#include <memory>

#include "analysis/drag/drag_grid.h"
#include "analysis/drag/drag_history.h"
#include "analysis/drag/drag_queries.h"
#include "analysis/drag/group_ranking.h"
#include "analysis/drag/sorted_grid.h"
#include "analysis/paths/path_rules_check.h"

namespace {

// 2500 random draws, split as the drag window splits them.
SharedTables& history() {
    static const std::unique_ptr<SharedTables> tables = HistoryOf(RandomDraws(MaxDraws, 17));
    return *tables;
}

std::vector<int> allDraws() {
    std::vector<int> rows;
    for (int k = 1; k <= MaxDraws; ++k)
        rows.push_back(k);
    return rows;
}

// A query with everything that follows it: grid, tail columns, hand-over, statistic rows, CSV lines.
void SingleNumberQuery(benchmark::State& run) {
    SharedTables& t = history();
    const std::vector<int> bases = allDraws();
    for (auto _ : run) {
        PublishDragQuery(t.drag, t.draws, SingleTargets(t.draws, bases, "07", 1), DragMark::Dot, "999999",
                         false);
        benchmark::DoNotOptimize(t.drag.GridCsvLines.data());
    }
    run.counters["rows"] = t.drag.TraceRowCount;
}
BENCHMARK(SingleNumberQuery)->Unit(benchmark::kMillisecond);

void AddSubtractQuery(benchmark::State& run) {
    SharedTables& t = history();
    for (auto _ : run) {
        PublishDragQuery(t.drag, t.draws, AddTargets(t.draws, 1, +1, 1, 2, 0), DragMark::Dot, "999999",
                         false);
        benchmark::DoNotOptimize(t.drag.GridCsvLines.data());
    }
    run.counters["rows"] = t.drag.TraceRowCount;
}
BENCHMARK(AddSubtractQuery)->Unit(benchmark::kMillisecond);

// The largest grid a query can make: every draw a row (a cycle of one).
void CycleQueryEveryDraw(benchmark::State& run) {
    SharedTables& t = history();
    for (auto _ : run) {
        const CycleRows cycle = CycleTargets(t.draws, "", 1, 0);
        PublishDragQuery(t.drag, t.draws, cycle.rows, DragMark::BallPosition,
                         PeriodText(t.draws, cycle.usedDraw), true);
        benchmark::DoNotOptimize(t.drag.GridCsvLines.data());
    }
    run.counters["rows"] = t.drag.TraceRowCount;
}
BENCHMARK(CycleQueryEveryDraw)->Unit(benchmark::kMillisecond);

const DragHandOver& everyDrawHandOver() {
    static const std::unique_ptr<DragHandOver> drag = [] {
        auto out = std::make_unique<DragHandOver>();
        PublishDragQuery(*out, history().draws, allDraws(), DragMark::Dot, "999999", false);
        return out;
    }();
    return *drag;
}

void PairRanking2500Rows(benchmark::State& run) {
    const DragHandOver& drag = everyDrawHandOver();
    for (auto _ : run)
        benchmark::DoNotOptimize(get_twoforone(drag.Grid, drag.TraceRowCount, 39));
}
BENCHMARK(PairRanking2500Rows)->Unit(benchmark::kMillisecond);

void TripleRanking2500Rows(benchmark::State& run) {
    const DragHandOver& drag = everyDrawHandOver();
    std::size_t kept = 0;
    for (auto _ : run) {
        const std::vector<std::string> keys = get_threeforone(drag.Grid, drag.TraceRowCount, 39);
        kept = keys.size();
        benchmark::DoNotOptimize(keys.data());
    }
    run.counters["kept"] = static_cast<double>(kept);
}
BENCHMARK(TripleRanking2500Rows)->Unit(benchmark::kMillisecond);

void SortedGrid2500Rows(benchmark::State& run) {
    const DragHandOver& drag = everyDrawHandOver();
    for (auto _ : run)
        benchmark::DoNotOptimize(show_grid_sort(drag, 39));
}
BENCHMARK(SortedGrid2500Rows)->Unit(benchmark::kMillisecond);

void PathRulePrediction(benchmark::State& run) {
    const DragHandOver& drag = everyDrawHandOver();
    PathRules rules;
    ResetPathRules(rules);
    for (auto _ : run)
        benchmark::DoNotOptimize(PredictByRules(drag, rules, FilledTraceRows(drag, MaxDraws), 39, "t"));
}
BENCHMARK(PathRulePrediction)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
