#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

#include "common/text_file.h"
#include "formulas/memory_file.h"

// Showing a formula window reads its memory file: here a 100 MB one, four lines the window wrote
// and a million long lines after them.

namespace {

void HugeMemoryFile(benchmark::State& run) {
    const std::string path =
        (std::filesystem::temp_directory_path() / "qorvel_memory_file_bench.txt").string();
    std::string bytes = "2026/08/14\r\n2\r\n65\r\nB\r\n";
    const std::string filler = std::string(98, 'x') + "\r\n";
    for (int i = 0; i < 1'000'000; ++i)
        bytes += filler;
    WriteFileBytes(path, bytes);
    for (auto _ : run)
        benchmark::DoNotOptimize(ReadMemoryFile(path));
    std::remove(path.c_str());
}
BENCHMARK(HugeMemoryFile)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
