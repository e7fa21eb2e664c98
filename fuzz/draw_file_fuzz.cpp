// libFuzzer target for the draw-file reader: any bytes must load into consistent tables without
// throwing, crashing or writing outside a table.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "common/text_file.h"
#include "draws/draw_loader.h"
#include "draws/shared_tables.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto state = std::make_unique<SharedTables>();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const DrawReadResult read = ReadDrawLines(SplitLines(Big5ToUtf8(bytes)), "2026/12/07");
    ClearDrawTables(state->draws, state->work);
    StoreDrawLines(state->draws, read.lines);
    SortDrawLines(state->draws, 1);
    NewestDrawLabels(state->draws);
    SortDrawLines(state->draws, 2);
    SplitDrawLines(state->draws, state->work); // every accepted line must split
    if (state->draws.DrawCount > MaxDraws ||
        static_cast<std::size_t>(state->draws.DrawCount) != read.lines.size())
        std::abort();
    return 0;
}
