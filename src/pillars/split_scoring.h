#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "pillars/pillar_model.h"
#include "pillars/split_enumeration.h"
#include "pillars/split_hit_counts.h"

// Bets won over the draw window, by stars.
using StarTotals = StarCounts;

// Scores every split of a shape (in SplitPatterns order) whose numbers are the selection positions
// `members` (ascending, as many as the shape holds). `totals` is resized to the number of splits.
class SplitScorer {
public:
    explicit SplitScorer(SplitShape shape);

    void score(const CoOccurrence& counts, std::span<const int> members,
               std::vector<StarTotals>& totals) const;

private:
    void scoreByGroups(const CoOccurrence& counts, std::span<const int> members,
                       std::vector<StarTotals>& totals) const;
    void scoreMixedByBlocks(const CoOccurrence& counts, std::span<const int> members,
                            std::vector<StarTotals>& totals) const;

    SplitShape shape_;
    const std::vector<SplitPattern>& patterns_;
    // Slot positions of every group of 2, 3 and 4 slots in different pillars.
    std::vector<std::vector<int>> crossGroups_[3];
};
