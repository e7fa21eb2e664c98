#include <benchmark/benchmark.h>
#include <random>

#include "common/num_format.h"
#include "common/num_text.h"
#include "pillars/subset_search.h"

namespace {

// A 2500-line draw memo of random draws, as the draw window lists them.
const std::vector<std::string>& Memo2500() {
    static const std::vector<std::string> memo = [] {
        std::mt19937 random(539);
        std::vector<std::string> lines;
        for (int row = 1; row <= 2500; ++row) {
            std::vector<int> all(39);
            for (int i = 0; i < 39; ++i)
                all[static_cast<std::size_t>(i)] = i + 1;
            std::shuffle(all.begin(), all.end(), random);
            std::sort(all.begin(), all.begin() + 5);
            std::string line = NumFormat("0000", row) + ",2026/01/05," + NumFormat("000000", 100000 + row);
            for (int i = 0; i < 5; ++i)
                line += "," + NumText(all[static_cast<std::size_t>(i)]);
            lines.push_back(line);
        }
        return lines;
    }();
    return memo;
}

SplitSearchInput Input(int count) {
    // Spread over the whole range, as a player's pick would be.
    std::vector<std::string> selection;
    for (int i = 0; i < count; ++i)
        selection.push_back(NumText(1 + i * 38 / (count - 1)));
    return {selection, Memo2500(), "最近 2500 期驗證", 0};
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
