#pragma once

#include <array>
#include <string>
#include <vector>

// The golden combination counted the slow, plain way, straight from the texts: each combination is
// cut into two-character pieces and compared with every ball position of every draw.

// One draw's ball positions 1..7 as texts (6 and 7 empty for this game).
using SlowDraw = std::array<std::string, 7>;

// Draws holding every piece: positions matching a piece are exactly as many as the pieces.
int SlowBingo(const std::string& combination, const std::vector<SlowDraw>& draws);
// Draws with at least five positions matching a piece.
int SlowBingo9(const std::string& combination, const std::vector<SlowDraw>& draws);

// Every pair or triple of 1..maxNo as "ccc" + combination, sorted descending as text.
std::vector<std::string> SlowCombinationEntries(int maxNo, int size, const std::vector<SlowDraw>& draws);

// The ten kept "ccc" + group entries of the groups of ten of `top` (number texts in any order),
// best first: ten entries "000" + "01".."10" to start with, a group replacing the tenth when its
// entry is greater as text, the ten sorted again after each replacement.
std::vector<std::string> SlowTenNumberEntries(std::vector<std::string> top,
                                              const std::vector<SlowDraw>& draws);
