#include <benchmark/benchmark.h>

#include "pillars/hit_statistics.h"
#include "random_draw_memo.h"

namespace {

// The recount after every query: numbers with their combinations, then tails.
void Recount2500(benchmark::State& run) {
    for (auto _ : run) {
        NumberCount count = Count_Sumno(RandomDrawMemo(), 39);
        auto tails = Count_Sumno_tail(RandomDrawMemo(), 39);
        benchmark::DoNotOptimize(count);
        benchmark::DoNotOptimize(tails);
    }
}
BENCHMARK(Recount2500)->Unit(benchmark::kMillisecond);

// One hot list from the button press to its memo lines.
void HotList2500(benchmark::State& run) {
    const int k = static_cast<int>(run.range(0));
    const NumberCount count = Count_Sumno(RandomDrawMemo(), 39);
    const auto& combinations = *count.combinations.ofSize(k);
    for (auto _ : run) {
        auto ranked = get_allno(k, combinations, RandomDrawMemo(), 39);
        auto lines = HotListLines(ranked, combinations.size());
        benchmark::DoNotOptimize(lines);
    }
    run.counters["combinations"] = static_cast<double>(combinations.size());
}
BENCHMARK(HotList2500)->Arg(2)->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
