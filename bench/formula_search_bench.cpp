#include <benchmark/benchmark.h>

#include "common/text_file.h"
#include "draws/draw_loader.h"
#include "draws/shared_tables.h"
#include "formulas/double_drag_search.h"
#include "formulas/double_drag_texts.h"
#include "formulas/formula_search.h"
#include "formulas/ordered_search.h"

namespace {

// The shipped history as the program loads it: its newest 2500 draws.
SharedTables& Shipped() {
    static SharedTables* tables = [] {
        auto* t = new SharedTables;
        StoreDrawLines(t->draws,
                       ReadDrawLines(ReadTextLines(QORVEL_DATA_DIR "/TW539.txt"), "2099/12/31").lines);
        SplitDrawLines(t->draws, t->work);
        return t;
    }();
    return *tables;
}

// What one click on 搜尋 does in a double-drag window from the base date `back` draws before the
// newest: the pick query, the search, the sort, and the grid and explanation of the first key.
void DoubleDrag(benchmark::State& run, DragFamily family, int back) {
    SharedTables& t = Shipped();
    const std::string date = DateFormat("yyyy/mm/dd", t.draws.DrawDate[t.draws.DrawCount - back]);
    const BaseDateChoice choice = *ChooseBaseDate(t.draws, t.work, date);
    const int d1 = std::stoi(choice.d1Text);
    const PickQuery query{choice.xItems[0], SecondDrawItems(t.draws, t.work, choice.baseDraw, d1)[0],
                          choice.d1Text, d1, std::stoi(choice.predictionText)};
    std::size_t kept = 0;
    for (auto _ : run) {
        const std::vector<int> picks = FindPicks(t.draws, t.work, query);
        StorePicks(t.work, picks);
        const DragSearchSetup setup =
            PrepareDragSearch("-1", choice.predictionText, "2", static_cast<int>(picks.size()));
        std::vector<std::string> keys = SearchDragFormulas(family, t.draws, t.work, picks, setup);
        SortKeys(keys, KeySort::Descending);
        TextTable grid = PickGrid(t.draws, t.work, picks);
        if (!keys.empty()) {
            const DragKey key = *ParseDragKey(family, keys.front());
            ShowDragKey(grid, family, t.draws, t.work, picks, key);
            benchmark::DoNotOptimize(
                ExplainDragKey(family, grid, key, {t.draws, t.work, picks, query, "順"}));
        }
        kept = keys.size();
    }
    run.counters["kept"] = static_cast<double>(kept);
}
BENCHMARK_CAPTURE(DoubleDrag, PositionNewest, DragFamily::Position, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DoubleDrag, PositionTwelveBack, DragFamily::Position, 12)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DoubleDrag, TailNewest, DragFamily::Tail, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DoubleDrag, TailTwelveBack, DragFamily::Tail, 12)->Unit(benchmark::kMillisecond);

// The order toggle over every loaded draw.
void OrderToggle(benchmark::State& run) {
    SharedTables& t = Shipped();
    for (auto _ : run) {
        ApplyBallOrder(t.draws, t.work, BallOrder::Sorted, 7);
        ApplyBallOrder(t.draws, t.work, BallOrder::Drawn, 7);
    }
}
BENCHMARK(OrderToggle)->Unit(benchmark::kMillisecond);

// The ordered keep's own cost over an enumeration as large as the 50-draw nurturing family
// (7^6 x 19 formulas), each formula trivially cheap, on 1 and 2 threads.
void OrderedKeepOverhead(benchmark::State& run) {
    constexpr int Outer = 343; // c1, c2, c3
    constexpr int Inner = 343 * 19;
    SearchControl control;
    control.threads = static_cast<int>(run.range(0));
    for (auto _ : run) {
        const auto result = KeepFirstInOrder<int>(
            Outer, 1000,
            [](int chunk, ChunkKeeper<int>& keeper) {
                for (int f = 0; f < Inner; ++f)
                    if (((chunk * 7919 + f * 104729) % 100003) == 0 && !keeper.keep(chunk * Inner + f))
                        return;
            },
            control);
        benchmark::DoNotOptimize(result.keys.data());
    }
}
BENCHMARK(OrderedKeepOverhead)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
