#include <benchmark/benchmark.h>
#include <random>
#include <set>

#include "common/num_text.h"
#include "pillars/draw_memo.h"
#include "pillars/hit_statistics.h"

namespace {

// A draw memo of 2500 random draws, as the window lists them.
const std::vector<std::string>& drawMemo() {
    static const std::vector<std::string> lines = [] {
        std::vector<std::string> out;
        std::mt19937 random(11);
        const Date start{2012, 1, 2};
        for (int i = 1; i <= 2500; ++i) {
            std::set<int> numbers;
            while (numbers.size() < 5)
                numbers.insert(static_cast<int>(random() % 39) + 1);
            std::array<std::string, 5> texts;
            std::size_t k = 0;
            for (int n : numbers)
                texts[k++] = NumText(n);
            out.push_back(DrawMemoLine(i, Date::fromDayNumber(start.dayNumber() + i), "100000", texts));
        }
        return out;
    }();
    return lines;
}

// The recount after every query: numbers with their combinations, then tails.
void Recount2500(benchmark::State& run) {
    for (auto _ : run) {
        NumberCount count = Count_Sumno(drawMemo(), 39);
        auto tails = Count_Sumno_tail(drawMemo(), 39);
        benchmark::DoNotOptimize(count);
        benchmark::DoNotOptimize(tails);
    }
}
BENCHMARK(Recount2500)->Unit(benchmark::kMillisecond);

// One hot list from the button press to its memo lines.
void HotList2500(benchmark::State& run) {
    const int k = static_cast<int>(run.range(0));
    const NumberCount count = Count_Sumno(drawMemo(), 39);
    const auto& combinations = *count.combinations.ofSize(k);
    for (auto _ : run) {
        auto ranked = get_allno(k, combinations, drawMemo(), 39);
        auto lines = HotListLines(ranked, combinations.size());
        benchmark::DoNotOptimize(lines);
    }
    run.counters["combinations"] = static_cast<double>(combinations.size());
}
BENCHMARK(HotList2500)->Arg(2)->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
