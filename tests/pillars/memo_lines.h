#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "pillars/draw_memo.h"

// Draw memo lines numbered from 0001, one day apart from 2026/01/01, with the given numbers.
inline std::vector<std::string> MemoOf(std::initializer_list<std::array<const char*, 5>> draws) {
    std::vector<std::string> lines;
    int n = 0;
    for (const auto& d : draws) {
        ++n;
        lines.push_back(DrawMemoLine(n, Date::fromDayNumber(Date{2026, 1, 1}.dayNumber() + n - 1), "115000",
                                     {d[0], d[1], d[2], d[3], d[4]}));
    }
    return lines;
}
