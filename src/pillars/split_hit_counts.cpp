#include "pillars/split_hit_counts.h"

#include <bit>
#include <stdexcept>

#include "pillars/draw_memo.h"

namespace {

std::size_t CheckedSelectionSize(const std::vector<std::string>& selection) {
    if (selection.size() > MaxSearchSelection)
        throw std::invalid_argument("too many selected numbers for a split search");
    return selection.size();
}

} // namespace

std::vector<std::uint32_t> SelectionHitMasks(const std::vector<std::string>& selection,
                                             const std::vector<std::string>& memoLines) {
    CheckedSelectionSize(selection);
    std::vector<std::uint32_t> masks;
    masks.reserve(memoLines.size());
    for (const std::string& line : memoLines) {
        const std::array<std::string_view, 5> numbers = MemoLineNumbers(line);
        std::uint32_t mask = 0;
        for (std::size_t s = 0; s < selection.size(); ++s)
            for (std::string_view n : numbers)
                if (n == selection[s]) {
                    mask |= 1u << s;
                    break;
                }
        masks.push_back(mask);
    }
    return masks;
}

CoOccurrence::CoOccurrence(const std::vector<std::string>& selection,
                           const std::vector<std::string>& memoLines)
    : selectionSize_(static_cast<int>(CheckedSelectionSize(selection))),
      counts_(std::size_t{1} << selectionSize_, 0) {
    for (std::uint32_t mask : SelectionHitMasks(selection, memoLines)) {
        if (std::popcount(mask) < 2)
            continue;
        // Every group of 2..4 numbers that the line holds.
        for (std::uint32_t group = mask; group != 0; group = (group - 1) & mask) {
            const int size = std::popcount(group);
            if (size >= 2 && size <= 4)
                ++counts_[group];
        }
    }
}
