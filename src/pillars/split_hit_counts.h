#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What the best-split searches need of the pillar hit rule, kept here in one small place: a memo line
// gives the number texts at its character columns 24, 27, 30, 33 and 36 (two characters each, shorter
// or empty where the line ends early), and a pillar slot is hit by a line when its number equals one
// of those texts, however often it appears there.

constexpr int MaxSearchSelection = 15;

// The five number texts of a draw memo line, by character (not byte) columns.
std::array<std::string_view, 5> MemoLineNumbers(std::string_view line);

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
    std::uint32_t lines(std::uint32_t group) const { return counts_[group]; }
    int selectionSize() const { return selectionSize_; }

private:
    int selectionSize_;
    std::vector<std::uint32_t> counts_;
};
