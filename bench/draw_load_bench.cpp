#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>
#include <random>

#include "common/date.h"
#include "common/num_format.h"
#include "common/text_file.h"
#include "drawhistory/draw_loader.h"
#include "support/draw_lines.h"

namespace {

// A 2500-line draw file in random order, written once.
std::string drawFile() {
    static const std::string path = [] {
        std::vector<std::string> lines;
        std::mt19937 random(7);
        const Date start{2012, 1, 2};
        for (int i = 0; i < MaxDraws; ++i) {
            std::array<int, 5> numbers{};
            for (int& n : numbers)
                n = static_cast<int>(random() % 39) + 1;
            lines.push_back(MakeDrawLine(DateFormat("yyyy/mm/dd", Date::fromDayNumber(start.dayNumber() + i)),
                                         NumFormat("000000", i), numbers));
        }
        std::shuffle(lines.begin(), lines.end(), random);
        const std::string file = (std::filesystem::temp_directory_path() / "qorvel_bench_TW539.txt").string();
        WriteTextLines(file, lines);
        return file;
    }();
    return path;
}

// The whole load as the main window runs it, less the widgets: read, sort both ways, split.
void LoadAndSplit2500(benchmark::State& run) {
    const std::string file = drawFile();
    auto state = std::make_unique<SharedState>();
    for (auto _ : run) {
        ClearDrawTables(*state);
        const DrawReadResult read = ReadDrawLines(ReadTextLines(file), "2026/12/07");
        StoreDrawLines(*state, read.lines);
        SortDrawLines(*state, 1);
        benchmark::DoNotOptimize(NewestDrawLabels(*state));
        SortDrawLines(*state, 2);
        SplitDrawLines(*state);
        ResetPathRules(*state);
        benchmark::DoNotOptimize(state->DrawNums[5][MaxDraws]);
    }
}
BENCHMARK(LoadAndSplit2500)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
