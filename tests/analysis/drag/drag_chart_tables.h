#pragma once

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "common/date.h"
#include "draws/draw_tables.h"

// A draw of a made-up history: date, draw number and the five numbers in drawn order.
struct ChartTestDraw {
    std::string date;
    std::string id;
    std::array<std::string, 5> drawn;
};

// Draw tables filled directly (oldest first), so a test can hold numbers no load would pass.
inline std::unique_ptr<DrawTables> ChartTables(const std::vector<ChartTestDraw>& history) {
    auto draws = std::make_unique<DrawTables>();
    int i = 0;
    for (const ChartTestDraw& draw : history) {
        ++i;
        draws->DrawDate[i] = StrToDate(draw.date);
        draws->DrawId[i] = draw.id;
        std::array<std::string, 5> sorted = draw.drawn;
        std::sort(sorted.begin(), sorted.end());
        for (int p = 1; p <= 5; ++p) {
            draws->DrawNumsDrawn[p][i] = draw.drawn[static_cast<std::size_t>(p - 1)];
            draws->DrawNums[p][i] = sorted[static_cast<std::size_t>(p - 1)];
        }
    }
    draws->DrawCount = i;
    return draws;
}
