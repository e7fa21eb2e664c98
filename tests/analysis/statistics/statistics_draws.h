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

// Ten draws of 30..34 from 2020/01/01, then five more; the newest holds 2 and 20..23, so a range
// from the 11th draw leaves 30..34 out.
inline std::vector<std::string> TenFarThenFive() {
    std::vector<std::array<int, 5>> numbers(10, {30, 31, 32, 33, 34});
    for (const auto& draw : std::vector<std::array<int, 5>>{{1, 2, 3, 4, 5},
                                                            {6, 7, 8, 9, 10},
                                                            {1, 11, 12, 13, 14},
                                                            {15, 16, 17, 18, 19},
                                                            {20, 21, 22, 23, 2}})
        numbers.push_back(draw);
    return DatedDraws(numbers);
}
