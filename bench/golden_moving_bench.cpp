// The golden window's pair and triple lists and a moving-path recomputation over 2500 draws.
#include <benchmark/benchmark.h>

#include <memory>

#include "analysis/golden_combination.h"
#include "analysis/paths/moving_path.h"
#include "draws/draw_loader.h"
#include "random_draw_memo.h"

namespace {

const GoldenQuery WholeHistory{{2002, 7, 4}, {2026, 12, 7}, true};

void GoldenRanking(benchmark::State& run) {
    for (auto _ : run)
        benchmark::DoNotOptimize(get_sumno(RandomHistory().draws, WholeHistory));
}
BENCHMARK(GoldenRanking)->Unit(benchmark::kMillisecond);

void GoldenPairs(benchmark::State& run) {
    for (auto _ : run)
        benchmark::DoNotOptimize(PairLines(RandomHistory().draws, WholeHistory));
}
BENCHMARK(GoldenPairs)->Unit(benchmark::kMillisecond);

void GoldenTriples(benchmark::State& run) {
    for (auto _ : run)
        benchmark::DoNotOptimize(TripleLines(RandomHistory().draws, WholeHistory));
}
BENCHMARK(GoldenTriples)->Unit(benchmark::kMillisecond);

// One setting change: columns 9..12 and the details of every row, page 1 with three offsets or page 2.
void MovingRecomputation(benchmark::State& run) {
    const SharedTables& t = RandomHistory();
    const bool average = run.range(0) == 2;
    const MovingPageTexts texts{"1", {"1", "2", "3"}, {"加", "減", "加"}, {"3", "5", "11"}, 3};
    const MovingRule rule = *ReadMovingRule(texts, average, t.draws.MaxNo);
    TextTable sgl(MovingColumns, t.draws.DrawCount + 2, 0, 1);
    auto detail = std::make_unique<MovingDetail>();
    for (auto _ : run) {
        ShowMoving(t.draws, t.work, "落球", rule, sgl, *detail);
        benchmark::DoNotOptimize(sgl);
    }
}
BENCHMARK(MovingRecomputation)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The grid frame of a showing or an order switch.
void MovingFrame(benchmark::State& run) {
    const SharedTables& t = RandomHistory();
    TextTable sgl(MovingColumns, t.draws.DrawCount + 2, 0, 1);
    for (auto _ : run) {
        show_map(sgl, t.draws, t.work, 1);
        benchmark::DoNotOptimize(sgl);
    }
}
BENCHMARK(MovingFrame)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
