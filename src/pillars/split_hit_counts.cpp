#include "pillars/split_hit_counts.h"

#include <bit>
#include <stdexcept>

namespace {

constexpr std::size_t NumberColumns[] = {24, 27, 30, 33, 36};
constexpr std::size_t LastColumn = 37;

std::size_t CheckedSelectionSize(const std::vector<std::string>& selection) {
    if (selection.size() > MaxSearchSelection)
        throw std::invalid_argument("too many selected numbers for a split search");
    return selection.size();
}

bool StartsCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

} // namespace

std::array<std::string_view, 5> MemoLineNumbers(std::string_view line) {
    // Byte offset where each character column starts, up to the one after the last number.
    std::array<std::size_t, LastColumn + 2> start{};
    start.fill(line.size());
    std::size_t column = 0;
    for (std::size_t b = 0; b < line.size() && column <= LastColumn; ++b)
        if (StartsCharacter(line[b]))
            start[++column] = b;
    std::array<std::string_view, 5> numbers{};
    for (std::size_t i = 0; i < 5; ++i) {
        const std::size_t from = start[NumberColumns[i]];
        numbers[i] = line.substr(from, start[NumberColumns[i] + 2] - from);
    }
    return numbers;
}

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
