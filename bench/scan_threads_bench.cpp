// The two heavy combinatorial scans on 1 and 2 threads; run as `taskset -c 0,1 scan_threads_bench`.
#include <benchmark/benchmark.h>

#include <memory>

#include "analysis/golden_combination.h"
#include "common/num_text.h"
#include "common/text_file.h"
#include "draws/draw_loader.h"
#include "pillars/subset_search.h"
#include "random_draw_memo.h"

namespace {

SplitSearchInput SubsetInput(int count) {
    std::vector<std::string> selection;
    for (int n : SpreadSelection(count))
        selection.push_back(NumText(n));
    return {selection, RandomDrawMemo(), "最近 2500 期驗證", 0};
}

void FifteenOfTen(benchmark::State& run) {
    const SplitSearchInput input = SubsetInput(15);
    SubsetSearchControl control;
    control.threads = static_cast<int>(run.range(0));
    for (auto _ : run)
        benchmark::DoNotOptimize(Best1510(input, control));
}
BENCHMARK(FifteenOfTen)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

void TwelveOfEight(benchmark::State& run) {
    const SplitSearchInput input = SubsetInput(12);
    SubsetSearchControl control;
    control.threads = static_cast<int>(run.range(0));
    for (auto _ : run)
        benchmark::DoNotOptimize(Best1208(input, control));
}
BENCHMARK(TwelveOfEight)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

std::unique_ptr<SharedTables> Loaded(const std::vector<std::string>& lines) {
    auto t = std::make_unique<SharedTables>();
    StoreDrawLines(t->draws, lines);
    SplitDrawLines(t->draws, t->work);
    return t;
}

// 0: 2500 random draws (numbers may repeat within a draw); 1: the newest 2500 draws of the shipped
// history. All of them in the range.
const SharedTables& History(int which) {
    static const std::unique_ptr<SharedTables> random = Loaded(RandomDrawLines());
    static const std::unique_ptr<SharedTables> real =
        Loaded(ReadDrawLines(ReadTextLines(QORVEL_DATA_DIR "/TW539.txt"), "2099/12/31").lines);
    return which == 0 ? *random : *real;
}

const GoldenQuery WholeHistory{{2002, 7, 4}, {2026, 12, 7}, true};

// The ten-number button: ranking, 3 268 760 groups, report.
void TenNumberGroups(benchmark::State& run) {
    const DrawTables& draws = History(static_cast<int>(run.range(1))).draws;
    GoldenSearchControl control;
    control.threads = static_cast<int>(run.range(0));
    for (auto _ : run)
        benchmark::DoNotOptimize(TenNumberLines(draws, WholeHistory, control));
}
BENCHMARK(TenNumberGroups)->ArgsProduct({{1, 2}, {0, 1}})->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
