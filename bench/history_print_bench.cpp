#include <benchmark/benchmark.h>
#include <memory>
#include <random>

#include "common/date.h"
#include "common/num_format.h"
#include "drawhistory/draw_download.h"
#include "drawhistory/history_print.h"
#include "draws/draw_loader.h"
#include "draws/shared_tables.h"
#include "random_draw_memo.h"

namespace {

// A full history of 2500 draws, newest first, as the record grid holds it.
struct History {
    std::unique_ptr<SharedTables> state = std::make_unique<SharedTables>();
    std::vector<RecordRow> rows;

    History() {
        const std::vector<std::string> lines = RandomDrawLines();
        StoreDrawLines(state->draws, lines);
        SplitDrawLines(state->draws, state->work);
        for (auto line = lines.rbegin(); line != lines.rend(); ++line)
            rows.push_back(DrawLineCells(*line));
    }
};

const History& history() {
    static const History built;
    return built;
}

// "列印" over the whole history: every grid date converted and every line built.
void PrintLinesOfAllDraws(benchmark::State& run) {
    const History& h = history();
    for (auto _ : run)
        benchmark::DoNotOptimize(DateRangePrintLines(h.rows, Date{2002, 1, 22}, Date{2026, 12, 7}));
}
BENCHMARK(PrintLinesOfAllDraws)->Unit(benchmark::kMicrosecond);

// The count shown on every change of a date picker.
void CountDrawsOnPickerChange(benchmark::State& run) {
    const History& h = history();
    for (auto _ : run)
        benchmark::DoNotOptimize(CountDrawsInRange(h.state->draws, Date{2015, 1, 1}, Date{2016, 12, 31}));
}
BENCHMARK(CountDrawsOnPickerChange)->Unit(benchmark::kMicrosecond);

// The check that decides whether a downloaded body may replace the draw file.
void CheckDownloadedFile(benchmark::State& run) {
    std::string body;
    for (const RecordRow& row : history().rows)
        body += row[0] + "," + row[1] + "," + row[2] + "," + row[3] + "," + row[4] + "," + row[5] + "," +
                row[6] + "\n";
    for (auto _ : run)
        benchmark::DoNotOptimize(DrawFileFromDownload(body, Date{2026, 12, 7}));
}
BENCHMARK(CheckDownloadedFile)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
