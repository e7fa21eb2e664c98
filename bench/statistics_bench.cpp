#include <benchmark/benchmark.h>
#include <memory>

#include "analysis/gap_map.h"
#include "analysis/gap_report.h"
#include "analysis/statistics/chart_export.h"
#include "analysis/statistics/number_statistics.h"
#include "draws/draw_loader.h"
#include "random_draw_memo.h"

// The statistics and gap windows over a full history of 2500 draws, as each showing recounts.

namespace {

const DateRange Always{Date{2002, 1, 1}, Date{2030, 12, 31}};

void BM_NumberRanking(benchmark::State& state) {
    const DrawTables& draws = RandomHistory().draws;
    for (auto _ : state)
        benchmark::DoNotOptimize(CountNumbers(draws, Always, true));
}
BENCHMARK(BM_NumberRanking)->Unit(benchmark::kMicrosecond);

void BM_FarRanking(benchmark::State& state) {
    const DrawTables& draws = RandomHistory().draws;
    for (auto _ : state)
        benchmark::DoNotOptimize(CountFar(draws, Always, true));
}
BENCHMARK(BM_FarRanking)->Unit(benchmark::kMicrosecond);

void BM_TailCounts(benchmark::State& state) {
    const DrawTables& draws = RandomHistory().draws;
    for (auto _ : state)
        benchmark::DoNotOptimize(CountTails(draws, Always));
}
BENCHMARK(BM_TailCounts)->Unit(benchmark::kMicrosecond);

// The map build with its grid table, as the gap window does on every showing.
void BM_GapMapWithTable(benchmark::State& state) {
    const DrawTables& draws = RandomHistory().draws;
    for (auto _ : state) {
        const GapMap map = BuildGapMap(draws);
        benchmark::DoNotOptimize(GapMapTable(map));
    }
}
BENCHMARK(BM_GapMapWithTable)->Unit(benchmark::kMicrosecond);

// "全部號碼": the report of every number.
void BM_GapReportAllNumbers(benchmark::State& state) {
    const DrawTables& draws = RandomHistory().draws;
    const GapMap map = BuildGapMap(draws);
    for (auto _ : state)
        for (int n = 1; n <= draws.MaxNo; ++n)
            benchmark::DoNotOptimize(GapReportLines(map, n, NumText(n), draws.DrawId[draws.DrawCount]));
}
BENCHMARK(BM_GapReportAllNumbers)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
