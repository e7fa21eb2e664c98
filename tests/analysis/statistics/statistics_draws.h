#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "common/date.h"
#include "common/num_format.h"
#include "draws/draw_loader.h"
#include "draws/shared_tables.h"
#include "support/draw_lines.h"

// Draw d (1-based) dated 2020/01/01 + d - 1 days, numbered 109000 + d, holding numbers[d - 1].
inline std::vector<std::string> DatedDraws(const std::vector<std::array<int, 5>>& numbers) {
    std::vector<std::string> lines;
    const Date start{2020, 1, 1};
    for (std::size_t d = 0; d < numbers.size(); ++d)
        lines.push_back(MakeDrawLine(DateFormat("yyyy/mm/dd", Date::fromDayNumber(start.dayNumber() + d)),
                                     NumFormat("000000", 109001 + static_cast<double>(d)), numbers[d]));
    return lines;
}

// The tables as the load leaves them, for draw lines given oldest first.
inline std::unique_ptr<SharedTables> LoadedTables(const std::vector<std::string>& lines) {
    auto tables = std::make_unique<SharedTables>();
    StoreDrawLines(tables->draws, lines);
    SplitDrawLines(tables->draws, tables->work);
    return tables;
}
