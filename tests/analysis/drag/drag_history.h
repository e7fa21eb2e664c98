#pragma once

#include <array>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "common/num_format.h"
#include "draws/draw_loader.h"
#include "draws/shared_tables.h"
#include "support/draw_lines.h"

// Draw k of a made-up history: a date that rises with k and the draw number "000k" (six digits).
inline std::string HistoryDate(int k) {
    const int day = (k - 1) % 336;
    return NumFormat("0000", 2000 + (k - 1) / 336) + "/" + NumFormat("00", 1 + day / 28) + "/" +
           NumFormat("00", 1 + day % 28);
}
inline std::string HistoryId(int k) {
    return NumFormat("000000", k);
}

inline std::vector<std::string> HistoryLines(const std::vector<std::array<int, 5>>& draws) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < draws.size(); ++i) {
        const int k = static_cast<int>(i) + 1;
        lines.push_back(MakeDrawLine(HistoryDate(k), HistoryId(k), draws[i]));
    }
    return lines;
}

// Shared tables split from the draws (in drawn order), oldest first.
inline std::unique_ptr<SharedTables> HistoryOf(const std::vector<std::array<int, 5>>& draws) {
    auto tables = std::make_unique<SharedTables>();
    StoreDrawLines(tables->draws, HistoryLines(draws));
    SplitDrawLines(tables->draws, tables->work);
    ResetPathRules(tables->rules);
    return tables;
}

// `count` draws of five different numbers 1..39, the same for the same seed.
inline std::vector<std::array<int, 5>> RandomDraws(int count, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<std::array<int, 5>> draws;
    for (int k = 0; k < count; ++k) {
        std::vector<int> pool(39);
        for (int n = 0; n < 39; ++n)
            pool[static_cast<std::size_t>(n)] = n + 1;
        std::shuffle(pool.begin(), pool.end(), random);
        draws.push_back({pool[0], pool[1], pool[2], pool[3], pool[4]});
    }
    return draws;
}
