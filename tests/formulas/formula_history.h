#pragma once

#include <algorithm>
#include <array>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "common/date.h"
#include "common/num_format.h"
#include "common/text_file.h"
#include "draws/draw_loader.h"
#include "draws/shared_tables.h"
#include "formulas/ordered_search.h"
#include "support/draw_lines.h"

// Draw histories for the formula tests, loaded by the program's own loader.

using DrawNumbers = std::array<int, 5>;

// Draw d (1-based) is dated 2020/01/01 + d days with draw number 109000 + d.
inline std::string FormulaDrawDate(int d) {
    return DateFormat("yyyy/mm/dd", Date::fromDayNumber(Date{2020, 1, 1}.dayNumber() + d));
}

inline std::vector<std::string> FormulaDrawLines(const std::vector<DrawNumbers>& numbers) {
    std::vector<std::string> lines;
    int d = 0;
    for (const DrawNumbers& draw : numbers) {
        ++d;
        lines.push_back(MakeDrawLine(FormulaDrawDate(d), NumFormat("000000", 109000 + d), draw));
    }
    return lines;
}

inline std::unique_ptr<SharedTables> LoadedTables(const std::vector<std::string>& lines) {
    auto tables = std::make_unique<SharedTables>();
    StoreDrawLines(tables->draws, ReadDrawLines(lines, "2099/12/31").lines);
    SplitDrawLines(tables->draws, tables->work);
    return tables;
}

inline std::unique_ptr<SharedTables> HistoryOf(const std::vector<DrawNumbers>& numbers) {
    return LoadedTables(FormulaDrawLines(numbers));
}

// `count` draws of five distinct numbers from 1..maxNumber, reproducible by seed. A small range
// makes numbers come back often, so runs of hits are common.
inline std::vector<DrawNumbers> RandomDraws(int count, unsigned seed, int maxNumber = 39) {
    std::mt19937 random(seed);
    std::vector<DrawNumbers> out;
    for (int d = 0; d < count; ++d) {
        DrawNumbers draw{};
        for (std::size_t k = 0; k < draw.size(); ++k) {
            int n;
            do
                n = static_cast<int>(random() % static_cast<unsigned>(maxNumber)) + 1;
            while (std::find(draw.begin(), draw.begin() + static_cast<std::ptrdiff_t>(k), n) !=
                   draw.begin() + static_cast<std::ptrdiff_t>(k));
            draw[k] = n;
        }
        out.push_back(draw);
    }
    return out;
}

// The shipped history as the program loads it: its newest 2500 draws.
inline std::unique_ptr<SharedTables> ShippedHistory() {
    return LoadedTables(ReadTextLines(std::string(QORVEL_DATA_DIR) + "/TW539.txt"));
}

// A search run on this many threads, with no progress and no stop.
inline SearchControl Threads(int n) {
    SearchControl control;
    control.threads = n;
    return control;
}
