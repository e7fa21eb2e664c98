// libFuzzer target for the draw-file reader: any bytes must load into consistent tables without
// throwing, crashing or writing outside a table.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "common/text_file.h"
#include "drawhistory/draw_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto state = std::make_unique<SharedState>();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const DrawReadResult read = ReadDrawLines(SplitLines(Big5ToUtf8(bytes)), "2026/12/07");
    ClearDrawTables(*state);
    StoreDrawLines(*state, read.lines);
    SortDrawLines(*state, 1);
    NewestDrawLabels(*state);
    SortDrawLines(*state, 2);
    SplitDrawLines(*state); // every accepted line must split
    if (state->DrawCount > MaxDraws || static_cast<std::size_t>(state->DrawCount) != read.lines.size())
        std::abort();
    return 0;
}
