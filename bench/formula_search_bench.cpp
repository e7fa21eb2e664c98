#include <array>
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
            PrepareDragSearch("-1", std::stoi(choice.predictionText), "2", static_cast<int>(picks.size()));
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

// The ordered keep over an enumeration shaped like the 50-draw nurturing family with its five
// positions (7^5 x 19 formulas, each checked over 50 draws of the shipped history), on 1 and 2
// threads: the work per formula is real, so this shows how the pattern scales.
void NurturingSizedKeep(benchmark::State& run) {
    SharedTables& t = Shipped();
    const int newest = t.draws.DrawCount;
    struct Draw {
        std::array<int, 5> balls{};
        unsigned long long drawn = 0; // bit n: number n drawn
    };
    std::vector<Draw> draws(static_cast<std::size_t>(newest) + 1);
    for (int d = newest - 60; d <= newest; ++d)
        for (int p = 1; p <= 5; ++p) {
            const int n = std::stoi(t.work.DrawNumsWork[p][d]);
            draws[static_cast<std::size_t>(d)].balls[static_cast<std::size_t>(p - 1)] = n;
            draws[static_cast<std::size_t>(d)].drawn |= 1ULL << n;
        }
    SearchControl control;
    control.threads = static_cast<int>(run.range(0));
    std::size_t kept = 0;
    for (auto _ : run) {
        const auto result = KeepFirstInOrder<std::string>(
            49, 1000,
            [&](int chunk, ChunkKeeper<std::string>& keeper) {
                const int c1 = chunk / 7, c2 = chunk % 7;
                for (int c3 = 0; c3 < 7; ++c3)
                    for (int c4 = 0; c4 < 7; ++c4)
                        for (int c5 = 0; c5 < 7; ++c5)
                            for (int k = 1; k <= 19; ++k) {
                                int hits = 0;
                                for (int j = newest - 49; j <= newest; ++j) {
                                    const auto& b = draws[static_cast<std::size_t>(j - 1)].balls;
                                    const int pred = FoldPrediction(39, c1 * b[0] + c2 * b[1] + c3 * b[2] +
                                                                            c4 * b[3] + c5 * b[4] + k);
                                    const auto in = [&](int d) {
                                        return d <= newest &&
                                               (draws[static_cast<std::size_t>(d)].drawn >> pred & 1);
                                    };
                                    hits += in(j) || in(j + 1) || in(j + 2);
                                }
                                if (MeetsPercent(hits, 50, 70) &&
                                    !keeper.keep(
                                        std::to_string(hits) +
                                        std::to_string(chunk * 10000 + c3 * 1000 + c4 * 100 + c5 * 20 + k)))
                                    return;
                            }
            },
            control);
        kept = result.keys.size();
    }
    run.counters["kept"] = static_cast<double>(kept);
}
BENCHMARK(NurturingSizedKeep)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
