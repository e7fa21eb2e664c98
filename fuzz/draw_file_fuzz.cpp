// The draw-file reader: any bytes load into consistent tables without throwing, crashing or
// writing outside a table, and every draw that loads is a real one: a calendar date no later than
// today and five numbers in 1..39, split into the tables as the line says.
#include <cstdint>
#include <memory>
#include <string>

#include "common/date.h"
#include "common/text_file.h"
#include "draws/draw_loader.h"
#include "draws/shared_tables.h"
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto state = std::make_unique<SharedTables>();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const DrawReadResult read = ReadDrawLines(SplitLines(bytes), "2026/12/07");
    for (const std::string& line : read.lines) {
        FUZZ_CHECK(fuzz::RealDrawLine(line, GameMaxNo));
        FUZZ_CHECK(line.compare(0, 10, "2026/12/07") <= 0);
    }
    ClearDrawTables(state->draws, state->work);
    StoreDrawLines(state->draws, read.lines);
    SortDrawLines(state->draws, 1);
    NewestDrawLabels(state->draws);
    SortDrawLines(state->draws, 2);
    SplitDrawLines(state->draws, state->work); // every accepted line must split
    const DrawTables& draws = state->draws;
    FUZZ_CHECK(draws.DrawCount <= MaxDraws && static_cast<std::size_t>(draws.DrawCount) == read.lines.size());
    for (int k = 1; k <= draws.DrawCount; ++k) {
        const std::string& line = draws.DrawLines[k];
        fuzz::PlainDate date;
        FUZZ_CHECK(fuzz::RealDate(fuzz::Trimmed(line.substr(0, 10)), &date));
        FUZZ_CHECK(draws.DrawDate[k] == (Date{date.year, date.month, date.day}));
        FUZZ_CHECK(draws.DrawId[k] == line.substr(11, 6));
        for (int p = 1; p <= 5; ++p) {
            const int n = fuzz::DigitsValue(draws.DrawNumsDrawn[p][k], 2);
            FUZZ_CHECK(n >= 1 && n <= GameMaxNo);
            FUZZ_CHECK(draws.DrawNumsDrawn[p][k] == line.substr(15 + 3 * static_cast<std::size_t>(p), 2));
        }
    }
    return 0;
}
