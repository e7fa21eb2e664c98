#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What the best-split searches count: a pillar slot is hit by a memo line when its number equals one
// of the line's number texts (MemoLineNumbers), however often it appears there.

constexpr int MaxSearchSelection = 15;

// For each memo line, the bit set of the selection positions whose number the line holds.
std::vector<std::uint32_t> SelectionHitMasks(const std::vector<std::string>& selection,
                                             const std::vector<std::string>& memoLines);

// How many memo lines hold each group of two, three or four selected numbers. A k-star bet of a
// split is one number from each of k different pillars, and it wins on exactly the lines that hold
// all k numbers; so a split's k-star total is the sum of these counts over its cross-pillar groups,
// and every candidate is scored from one table counted once per search.
class CoOccurrence {
public:
    CoOccurrence(const std::vector<std::string>& selection, const std::vector<std::string>& memoLines);

    // Lines holding every number of the group (a bit set of selection positions, 2..4 bits).
    int lines(std::uint32_t group) const { return static_cast<int>(counts_[group]); }
    int selectionSize() const { return selectionSize_; }

private:
    int selectionSize_;
    std::vector<std::uint32_t> counts_;
};
