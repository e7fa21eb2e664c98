#include <benchmark/benchmark.h>

#include <memory>

#include "analysis/drag/drag_chart_queries.h"
#include "analysis/drag/drag_chart_summary.h"
#include "draws/draw_loader.h"
#include "random_draw_memo.h"

namespace {

// Every distance and every mode over the whole history: the heaviest summary a player can ask for.
DragChartSettings Everything() {
    DragChartSettings settings;
    settings.from = {2005, 1, 1};
    settings.to = {2030, 12, 31};
    settings.distances.fill(true);
    settings.modes.fill(true);
    return settings;
}

void SummaryAllDistancesAllModes2500(benchmark::State& state) {
    const DrawTables& draws = RandomHistory().draws;
    std::size_t lines = 0;
    for (auto _ : state) {
        DragChartRun run = RunDragSummary(draws, Everything());
        lines = run.memo1.size() + run.memo2.size();
        benchmark::DoNotOptimize(run);
    }
    state.counters["memo_lines"] = static_cast<double>(lines);
}
BENCHMARK(SummaryAllDistancesAllModes2500)->Unit(benchmark::kMillisecond);

// All position boxes empty: every draw matches for every distance.
void QueryEveryDrawAllDistances2500(benchmark::State& state) {
    const DrawTables& draws = RandomHistory().draws;
    DragChartQuery query;
    query.kind = DragChartQueryKind::PositionNumbers;
    for (auto _ : state) {
        DragChartRun run = RunDragChartQuery(draws, Everything(), query);
        benchmark::DoNotOptimize(run);
    }
}
BENCHMARK(QueryEveryDrawAllDistances2500)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
