#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The k-number groups of a key (a concatenation of two-character number texts), each written as its
// numbers without separators, in loop order i < j < l < m. k outside 2..4 gives the empty text.
// pick_type1: only the groups holding the key's first number; pick_type2: every group.
std::string pick_type1(std::string_view key, int k);
std::string pick_type2(std::string_view key, int k);

// The pillar shapes the best-split searches deal the selection into.
enum class SplitShape {
    Pairs2222,    // 8 numbers: 2, 2, 2, 2 (105 splits)
    Singles11222, // 8 numbers: 1, 1, 2, 2, 2 (420 splits)
    Triples333,   // 9 numbers: 3, 3, 3 (280 splits)
    Mixed2233,    // 10 numbers: 2, 2, 3, 3, the smallest number in a pillar of two (2520 splits)
};

constexpr int MaxShapeNumbers = 10;

// Pillar sizes in pillar order.
std::span<const int> PillarSizes(SplitShape shape);
int ShapeNumberCount(SplitShape shape);

// Every split of the numbers (two-character texts, as many as the shape holds) into the shape, each
// as its pillars' numbers in pillar order without separators. Numbers are dealt out pillar group by
// pillar group from the ascending rest, so swapping equal pillars never gives a second split. The
// order is ascending as text.
std::vector<std::string> EnumerateSplits(SplitShape shape, std::vector<std::string> numbers);

// The same splits as positions (0-based) into the ascending numbers: the order of every search,
// whatever the numbers. Built once per shape.
using SplitPattern = std::array<std::uint8_t, MaxShapeNumbers>;
const std::vector<SplitPattern>& SplitPatterns(SplitShape shape);

// A split text cut into its pillars, each a list of number texts.
std::vector<std::vector<std::string>> SplitPillars(SplitShape shape, std::string_view splitText);

// The subsets that keep `keep` of the ascending selection, as ascending positions: the dropped
// positions run through every combination in loop order (i < j < l ...), so the first subset drops
// the smallest numbers and the last the largest.
std::vector<std::vector<int>> SubsetPositions(int selectionCount, int keep);

// The 8-of-12 and 10-of-15 subsets as texts (the kept numbers concatenated, ascending).
std::vector<std::string> Subset1208(const std::vector<std::string>& selection);
std::vector<std::string> Subset1510(const std::vector<std::string>& selection);
