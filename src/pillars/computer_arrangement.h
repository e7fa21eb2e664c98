#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "pillars/hit_statistics.h"
#include "pillars/pillar_model.h"

// The computer arrangement: the selected numbers are dealt into the current pillar sizes so that
// numbers seldom drawn together share a pillar (a bet never takes two numbers of one pillar), and
// the hottest numbers fill the single-number pillars. The selection is given as two-character
// number texts in ascending order; the draws as the lines of the draw memo.

// Every k-subset (k = 2 or 3) of the selection with the number of draw lines holding all of its
// numbers, subsets without a hit included: most hits first, equal hits the larger key first. Any
// other k gives an empty list. The memo is scanned once.
std::vector<HotCombination> get_allno_selected(int k, const std::vector<std::string>& selection,
                                               const std::vector<std::string>& memoLines);

// One ranking pass over the selection's pairs (k = 2) or triples (k = 3).
struct SelectionPass {
    std::vector<HotCombination> ranking;   // HotPairs or HotTriples
    std::vector<std::string> rankingLines; // MM_2 or MM3_2: key, two blanks, count
    std::vector<std::string> scoreLines;   // M2 or M3: the NoScore2 values above 100
    std::vector<std::string> hotNumbers;   // the numbers with a hit, hottest first
};

// Ranks the subsets, then scores each number 100 x (hits of the subsets holding it) + the number
// (NoScore2) and lists the numbers with a hit by that score, ties to the higher number.
SelectionPass RankSelection(int k, const std::vector<std::string>& selection,
                            const std::vector<std::string>& memoLines);

// HotSel after both passes: the triple pass's numbers first, then the pair pass's numbers it did not
// overwrite, each number once, then the selected numbers neither pass listed, ascending. So it
// holds every selected number, and only those.
std::vector<std::string> CompleteHotSel(const std::vector<std::string>& pairHot,
                                        const std::vector<std::string>& tripleHot,
                                        const std::vector<std::string>& selection);

// Whether the number stands in a slot of the layout (pillarNo holds each pillar's slots 1..size).
bool CHK_PPNO_Double(std::string_view no, const PillarNumbers& pillarNo);

// Deals the numbers into pillars of the given sizes (at most 8 pillars of at most 8): single pillars
// take the hottest numbers, pillars of three or more the least-hit triple of unplaced numbers,
// pillars of two the least-hit such pair, and the slots still empty the first unplaced numbers of
// hotSel, slot by slot across the pillars. Returns each pillar's slots 1..size.
PillarNumbers PPNO_Arrange(const std::vector<int>& sizes, const std::vector<std::string>& hotSel,
                           const std::vector<HotCombination>& hotPairs,
                           const std::vector<HotCombination>& hotTriples);

// The whole arrangement of the selection into the sizes, with the passes it rests on. The caller
// checks that the selection holds 5..30 numbers and as many as the layout.
struct Arrangement {
    SelectionPass pairs;
    SelectionPass triples;
    std::vector<std::string> HotSel;
    PillarNumbers PillarNo;
};

Arrangement ArrangeSelection(const std::vector<std::string>& selection, const std::vector<int>& sizes,
                             const std::vector<std::string>& memoLines);
