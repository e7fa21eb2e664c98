#include <benchmark/benchmark.h>

#include "formulas/formula_history.h"
#include "formulas/formula_search.h"
#include "formulas/line_formula_search.h"
#include "formulas/line_formula_texts.h"
#include "formulas/nogood_group_search.h"
#include "formulas/nogood_group_texts.h"
#include "formulas/nurture_search.h"
#include "formulas/nurture_texts.h"
#include "formulas/tail_formula_search.h"
#include "formulas/tail_formula_texts.h"

// One click on 開始 in each family's window over the shipped history with its default settings: the
// search on the threads given, then the grid and explanation of the first kept formula.

namespace {

SharedTables& Shipped() {
    static SharedTables* tables = ShippedHistory().release();
    return *tables;
}

SearchControl Threads(const benchmark::State& run) {
    SearchControl control;
    control.threads = static_cast<int>(run.range(0));
    return control;
}

void TailFormula(benchmark::State& run) {
    SharedTables& t = Shipped();
    std::size_t kept = 0;
    for (auto _ : run) {
        const TailSearchSetup setup = PrepareTailSearch(t.draws, "1");
        const std::vector<std::string> codes = SearchTailFormulas(t.draws, t.work, setup, Threads(run)).keys;
        kept = codes.size();
        if (!codes.empty())
            benchmark::DoNotOptimize(ShowTailCode(t.draws, t.work, codes.front(), "落"));
    }
    run.counters["kept"] = static_cast<double>(kept);
}
BENCHMARK(TailFormula)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void NogoodGroup(benchmark::State& run) {
    SharedTables& t = Shipped();
    std::size_t kept = 0;
    const GroupSettings settings{1, 6, 8};
    for (auto _ : run) {
        const std::vector<int> codes =
            SearchGroupRules(t.draws, t.draws.DrawCount, settings, Threads(run)).keys;
        kept = codes.size();
        if (!codes.empty())
            benchmark::DoNotOptimize(
                ShowGroupCode(t.draws, t.draws.DrawCount, codes.front(), settings, "date"));
    }
    run.counters["kept"] = static_cast<double>(kept);
}
BENCHMARK(NogoodGroup)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void LineFormula(benchmark::State& run) {
    SharedTables& t = Shipped();
    std::size_t kept = 0;
    for (auto _ : run) {
        const LineSearchSetup setup = PrepareLineSearch(t.draws, "1", t.draws.DrawCount, 1, 40);
        const std::vector<std::string> keys = SearchLineFormulas(t.draws, t.work, setup, Threads(run)).keys;
        kept = keys.size();
        benchmark::DoNotOptimize(LineFormulaList(t.draws, t.work, keys, "落球", "date", 1));
        if (!keys.empty())
            benchmark::DoNotOptimize(ShowLineKey(t.draws, t.work, t.draws.DrawCount, keys.front(), 1));
    }
    run.counters["kept"] = static_cast<double>(kept);
}
BENCHMARK(LineFormula)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The heaviest: every formula checked over 50 (30) draws; percent 50 fills the list early, 60 and 80
// walk the whole family.
void Nurture(benchmark::State& run, NurtureVariant variant, int percent) {
    SharedTables& t = Shipped();
    std::size_t kept = 0;
    for (auto _ : run) {
        const NurtureSearchSetup setup =
            PrepareNurtureSearch(t.draws, variant, "1", t.draws.DrawCount, percent);
        const std::vector<std::string> keys =
            SearchNurtureFormulas(t.draws, t.work, setup, Threads(run)).keys;
        kept = keys.size();
        if (!keys.empty())
            benchmark::DoNotOptimize(ShowNurtureKey(t.draws, t.work, variant, t.draws.DrawCount, keys.front(),
                                                    NurtureBoxes{"date", "1", "60", "落"}));
    }
    run.counters["kept"] = static_cast<double>(kept);
}
BENCHMARK_CAPTURE(Nurture, Fifty60, Nurture50, 60)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Nurture, Fifty50, Nurture50, 50)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Nurture, Thirty80, Nurture30, 80)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
