#pragma once

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "common/num_format.h"
#include "common/num_text.h"

// A 2500-line draw memo of random draws, as the draw window lists them.
inline const std::vector<std::string>& Memo2500() {
    static const std::vector<std::string> memo = [] {
        std::mt19937 random(539);
        std::vector<std::string> lines;
        for (int row = 1; row <= 2500; ++row) {
            std::vector<int> all(39);
            for (int i = 0; i < 39; ++i)
                all[static_cast<std::size_t>(i)] = i + 1;
            std::shuffle(all.begin(), all.end(), random);
            std::sort(all.begin(), all.begin() + 5);
            std::string line = NumFormat("0000", row) + ",2026/01/05," + NumFormat("000000", 100000 + row);
            for (int i = 0; i < 5; ++i)
                line += "," + NumText(all[static_cast<std::size_t>(i)]);
            lines.push_back(line);
        }
        return lines;
    }();
    return memo;
}

// n numbers spread over the whole range, as a player's pick would be.
inline std::vector<int> SpreadSelection(int count) {
    std::vector<int> numbers;
    for (int i = 0; i < count; ++i)
        numbers.push_back(1 + i * 38 / (count - 1));
    return numbers;
}
