#pragma once

#include <string>
#include <vector>

#include "common/fixed_table.h"
#include "pillars/draw_memo.h"
#include "pillars/hit_statistics.h"
#include "pillars/pillar_model.h"
#include "pillars/split_search.h"

constexpr int NumberBoxes = 49; // number boxes of the selection page

// What the best-pillar window works with besides its controls: the pillar layout with its costs
// and hit totals, the current draw window, the counts and hot lists, and the selection.
struct VarnholtState {
    // Pillar layout
    int PillarCount = 4;
    FixedTable<int, MaxPillars> PillarSize{};
    int LayoutTotal = 8;
    FixedTable<FixedTable<std::string, PillarSlots>, MaxPillars> PillarNo;
    int CostStar2 = 0, CostStar3 = 0, CostStar4 = 0;
    int HitStar2 = 0, HitStar3 = 0, HitStar4 = 0;
    int WheelStar2 = 0, WheelStar3 = 0, WheelStar4 = 0;
    // Every split of the last best-split search, best first.
    std::vector<ScoredSplit> LayoutList;

    // Draw window
    SourceKind Source = SourceKind::DateRange;
    std::string WindowHeader;

    // Counts of the draw memo, ranked (NoScore, TailScore), and the combinations drawn together.
    std::vector<RankedCount> NoScore;
    std::vector<RankedCount> TailScore;
    CombinationLists Combos;
    std::vector<HotCombination> HotPairs, HotTriples, HotQuads;

    // Selection: the ticked numbers ascending, and their label text.
    int SelCount = 0;
    FixedTable<std::string, NumberBoxes> SelNo;
    std::string SelText;
    FixedTable<int, NumberBoxes> NoScore2{};
    // The selected numbers hottest first, as the computer arrangement deals them.
    std::vector<std::string> HotSel;
};
