#include "golden_reference.h"

#include <algorithm>
#include <functional>
#include <string_view>
#include <utility>

#include "common/num_format.h"
#include "common/num_text.h"

namespace {

int MatchedPositions(std::string_view combination, const SlowDraw& draw) {
    int matched = 0;
    for (const std::string& ball : draw)
        for (std::size_t at = 0; at + 2 <= combination.size(); at += 2)
            if (ball == combination.substr(at, 2)) {
                ++matched;
                break;
            }
    return matched;
}

void ExchangeSortDescending(std::vector<std::string>& texts) {
    for (std::size_t i = 0; i + 1 < texts.size(); ++i)
        for (std::size_t j = i + 1; j < texts.size(); ++j)
            if (texts[i] < texts[j])
                std::swap(texts[i], texts[j]);
}

} // namespace

int SlowBingo(const std::string& combination, const std::vector<SlowDraw>& draws) {
    int count = 0;
    for (const SlowDraw& draw : draws)
        count += MatchedPositions(combination, draw) == static_cast<int>(combination.size() / 2) ? 1 : 0;
    return count;
}

int SlowBingo9(const std::string& combination, const std::vector<SlowDraw>& draws) {
    int count = 0;
    for (const SlowDraw& draw : draws)
        count += MatchedPositions(combination, draw) >= 5 ? 1 : 0;
    return count;
}

std::vector<std::string> SlowCombinationEntries(int maxNo, int size, const std::vector<SlowDraw>& draws) {
    std::vector<std::string> entries;
    std::function<void(int, int, std::string)> choose = [&](int slot, int from,
                                                            const std::string& combination) {
        if (slot == size) {
            entries.push_back(NumFormat("000", SlowBingo(combination, draws)) + combination);
            return;
        }
        for (int n = from; n <= maxNo; ++n)
            choose(slot + 1, n + 1, combination + NumText(n));
    };
    choose(0, 1, "");
    std::sort(entries.begin(), entries.end(), std::greater<>());
    return entries;
}

std::vector<std::string> SlowTenNumberEntries(std::vector<std::string> top,
                                              const std::vector<SlowDraw>& draws) {
    for (std::size_t i = 0; i + 1 < top.size(); ++i)
        for (std::size_t j = i + 1; j < top.size(); ++j)
            if (top[i] > top[j])
                std::swap(top[i], top[j]);
    std::vector<std::string> kept(10, "00001020304050607080910");
    const int n = static_cast<int>(top.size());
    std::string group;
    std::function<void(int, int)> choose = [&](int slot, int from) {
        if (slot == 10) {
            const std::string entry = NumFormat("000", SlowBingo9(group, draws)) + group;
            if (entry > kept[9]) {
                kept[9] = entry;
                ExchangeSortDescending(kept);
            }
            return;
        }
        for (int i = from; i <= n - 10 + slot; ++i) {
            group += top[static_cast<std::size_t>(i)];
            choose(slot + 1, i + 1);
            group.resize(group.size() - 2);
        }
    };
    choose(0, 0);
    ExchangeSortDescending(kept);
    return kept;
}
