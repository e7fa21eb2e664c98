#include <benchmark/benchmark.h>

#include "common/num_text.h"
#include "pillars/subset_search.h"
#include "random_draw_memo.h"

namespace {

SplitSearchInput Input(int count) {
    std::vector<std::string> selection;
    for (int n : SpreadSelection(count))
        selection.push_back(NumText(n));
    return {selection, RandomDrawMemo(), "最近 2500 期驗證", 0};
}

void SingleSearch(benchmark::State& run, SplitShape shape) {
    const SplitSearchInput input = Input(ShapeNumberCount(shape));
    for (auto _ : run)
        benchmark::DoNotOptimize(RunSplitSearch(shape, input));
}
BENCHMARK_CAPTURE(SingleSearch, Pairs2222, SplitShape::Pairs2222)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SingleSearch, Singles11222, SplitShape::Singles11222)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SingleSearch, Triples333, SplitShape::Triples333)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SingleSearch, Mixed2233, SplitShape::Mixed2233)->Unit(benchmark::kMillisecond);

const DateTime When{{2026, 12, 7}, 10, 20, 30};

void TwelveOfEight(benchmark::State& run) {
    const SplitSearchInput input = Input(12);
    for (auto _ : run) {
        const SubsetSearchOutcome outcome = Best1208(input, {});
        benchmark::DoNotOptimize(Report1208(input, outcome, When, When));
    }
}
BENCHMARK(TwelveOfEight)->Unit(benchmark::kMillisecond);

void FifteenOfTen(benchmark::State& run) {
    const SplitSearchInput input = Input(15);
    for (auto _ : run) {
        const SubsetSearchOutcome outcome = Best1510(input, {});
        benchmark::DoNotOptimize(Report1510(input, outcome, When, When));
    }
}
BENCHMARK(FifteenOfTen)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
