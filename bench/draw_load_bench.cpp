#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>
#include <random>

#include "common/date.h"
#include "common/num_format.h"
#include "common/text_file.h"
#include "draws/draw_loader.h"
#include "draws/shared_tables.h"
#include "random_draw_memo.h"

namespace {

// A 2500-line draw file in random order, written once.
std::string drawFile() {
    static const std::string path = [] {
        std::vector<std::string> lines = RandomDrawLines();
        std::mt19937 random(7);
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
    auto state = std::make_unique<SharedTables>();
    for (auto _ : run) {
        ClearDrawTables(state->draws, state->work);
        const DrawReadResult read = ReadDrawLines(ReadTextLines(file), "2026/12/07");
        StoreDrawLines(state->draws, read.lines);
        SortDrawLines(state->draws, 1);
        benchmark::DoNotOptimize(NewestDrawLabels(state->draws));
        SortDrawLines(state->draws, 2);
        SplitDrawLines(state->draws, state->work);
        ResetPathRules(state->rules);
        benchmark::DoNotOptimize(state->draws.DrawNums[5][MaxDraws]);
    }
}
BENCHMARK(LoadAndSplit2500)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
