#pragma once

#include <array>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "common/num_format.h"
#include "common/num_text.h"
#include "draws/draw_loader.h"
#include "draws/shared_tables.h"
#include "pillars/draw_memo.h"
#include "support/draw_lines.h"

// A draw memo of 2500 random draws of 5 out of 39, as the best-pillar window lists them.
inline const std::vector<std::string>& RandomDrawMemo() {
    static const std::vector<std::string> lines = [] {
        std::vector<std::string> out;
        std::mt19937 random(11);
        const Date start{2012, 1, 2};
        for (int i = 1; i <= 2500; ++i) {
            std::set<int> numbers;
            while (numbers.size() < 5)
                numbers.insert(static_cast<int>(random() % 39) + 1);
            std::array<std::string, 5> texts;
            std::size_t k = 0;
            for (int n : numbers)
                texts[k++] = NumText(n);
            out.push_back(DrawMemoLine(i, Date::fromDayNumber(start.dayNumber() + i), "100000", texts));
        }
        return out;
    }();
    return lines;
}

// n numbers spread over the whole range, as a player's pick would be.
inline std::vector<int> SpreadSelection(int count) {
    std::vector<int> numbers;
    for (int i = 0; i < count; ++i)
        numbers.push_back(1 + i * 38 / (count - 1));
    return numbers;
}

// 2500 draw-file lines, oldest first, with random numbers (repeats allowed: the reader takes them).
inline std::vector<std::string> RandomDrawLines() {
    std::vector<std::string> lines;
    std::mt19937 random(7);
    const Date start{2012, 1, 2};
    for (int i = 0; i < MaxDraws; ++i) {
        std::array<int, 5> numbers{};
        for (int& n : numbers)
            n = static_cast<int>(random() % 39) + 1;
        lines.push_back(MakeDrawLine(DateFormat("yyyy/mm/dd", Date::fromDayNumber(start.dayNumber() + i)),
                                     NumFormat("000000", i), numbers));
    }
    return lines;
}

// Those lines loaded and split, once per program.
inline const SharedTables& RandomHistory() {
    static const std::unique_ptr<SharedTables> tables = [] {
        auto t = std::make_unique<SharedTables>();
        StoreDrawLines(t->draws, RandomDrawLines());
        SplitDrawLines(t->draws, t->work);
        return t;
    }();
    return *tables;
}
