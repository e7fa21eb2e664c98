#include <benchmark/benchmark.h>

#include "common/num_text.h"
#include "pillars/computer_arrangement.h"
#include "pillars/verification_report.h"
#include "random_draw_memo.h"

namespace {

std::vector<std::string> firstNumbers(int count) {
    std::vector<std::string> selection;
    for (int n = 1; n <= count; ++n)
        selection.push_back(NumText(n));
    return selection;
}

// The layouts of 30 numbers the benchmarks arrange: with pillars of one, two and more, and all of three or
// more.
const std::vector<std::vector<int>> Layouts{{1, 1, 2, 2, 6, 6, 6, 6}, {4, 4, 4, 4, 4, 4, 3, 3}};

// Both ranking passes and the dealing into pillars, as the arrangement button runs them.
void Arrange30Of2500(benchmark::State& run) {
    const auto selection = firstNumbers(30);
    const auto& sizes = Layouts[static_cast<std::size_t>(run.range(0))];
    for (auto _ : run) {
        Arrangement arrangement = ArrangeSelection(selection, sizes, RandomDrawMemo());
        benchmark::DoNotOptimize(arrangement);
    }
}
BENCHMARK(Arrange30Of2500)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The arrangement followed by the verification of the arranged layout.
void ArrangeAndVerify30Of2500(benchmark::State& run) {
    const auto selection = firstNumbers(30);
    const auto& sizes = Layouts[0];
    for (auto _ : run) {
        const Arrangement arrangement = ArrangeSelection(selection, sizes, RandomDrawMemo());
        VerificationReport report = PillarVerification(RandomDrawMemo(), RandomDrawMemo().size(),
                                                       arrangement.PillarNo, sizes, "header");
        benchmark::DoNotOptimize(report);
    }
}
BENCHMARK(ArrangeAndVerify30Of2500)->Unit(benchmark::kMillisecond);

// The pillar verification of a layout of 30 numbers.
void VerifyLayoutOf2500(benchmark::State& run) {
    const auto selection = firstNumbers(30);
    PillarNumbers pillars(8);
    for (std::size_t i = 0; i < selection.size(); ++i)
        pillars[i % 8].push_back(selection[i]);
    const std::vector<int> sizes{4, 4, 4, 4, 4, 4, 3, 3};
    for (auto _ : run) {
        VerificationReport report =
            PillarVerification(RandomDrawMemo(), RandomDrawMemo().size(), pillars, sizes, "header");
        benchmark::DoNotOptimize(report);
    }
}
BENCHMARK(VerifyLayoutOf2500)->Unit(benchmark::kMillisecond);

// The full-wheel verification of 30 numbers with detail lines.
void VerifyWheelOf2500(benchmark::State& run) {
    const auto selection = firstNumbers(30);
    for (auto _ : run) {
        VerificationReport report =
            WheelVerification(RandomDrawMemo(), RandomDrawMemo(), selection, true, "header");
        benchmark::DoNotOptimize(report);
    }
}
BENCHMARK(VerifyWheelOf2500)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
