#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <string>
#include <vector>

#include "pillars/split_enumeration.h"
#include "pillars/split_scoring.h"

// One split as text: each pillar's numbers ascending, pillars in order, no separators.
using SplitText = std::string;

// The priority of the totals in a score key, as offered by the radio group RG1.
enum class StarOrder {
    FourThreeTwo, // "４星優先"
    ThreeTwoFour, // "３星優先"
    TwoThreeFour, // "２星優先"
};

// RG1's item index: 0 and 1 as listed, any other value the 2-star order.
StarOrder StarOrderOfItem(int rg1Item);
// "四星優先，四-三-二星開出統計排列" and its two siblings.
std::string StarOrderHeading(StarOrder order);

// Digits of each total in a score key: wide enough for any count of memo lines, so the byte-wise
// order of keys always equals the order of the totals.
constexpr int ScoreFieldWidth = 10;

// The totals in key order: most significant first.
std::array<int, 3> OrderedTotals(const StarTotals& totals, StarOrder order);
// Three zero-padded totals in key order.
std::string ScoreKey(const StarTotals& totals, StarOrder order);

// A split with its totals. Its text is the score key, "_" and the split; comparing two texts byte
// by byte is what the comparison operators do on the fields.
struct ScoredSplit {
    StarTotals totals;
    StarOrder order = StarOrder::FourThreeTwo;
    SplitText split;

    std::string text() const { return ScoreKey(totals, order) + "_" + split; }

    std::strong_ordering operator<=>(const ScoredSplit& other) const;
    bool operator==(const ScoredSplit& other) const { return (*this <=> other) == 0; }
};

// Best first: more hits by the key order, ties to the larger split text.
void RankDescending(std::vector<ScoredSplit>& splits);

// Costs (bets bought) of a shape: 2-, 3- and 4-star.
StarTotals ShapeCosts(SplitShape shape);

// "(05) x (11) x (02,17) x (08,30) x (14,26)".
std::string PillarGroupsText(SplitShape shape, const SplitText& split);
// "四星3碰,三星21碰,二星64碰---(...)" in the split's key order; the 3x3x3 line shows no 4-star total.
std::string ResultLine(SplitShape shape, const ScoredSplit& scored);

// "本分析所選的號碼必須是８個，請重新選擇後再操作本功能", the count in full-width digits.
std::string SelectionCountMessage(int count);

// What a search reads from the window.
struct SplitSearchInput {
    std::vector<std::string> selection; // the selected numbers, ascending two-digit texts
    std::vector<std::string> memoLines; // the draw memo, whatever the user made of it
    std::string windowHeader;
    int rg1Item = 0; // read only by the searches that rank by RG1
};

// Throws std::invalid_argument unless the selection holds `count` distinct two-digit numbers.
void CheckSelection(const std::vector<std::string>& selection, int count);

struct SplitSearchResult {
    std::vector<ScoredSplit> LayoutList; // every split, ranked; the first is the best
    std::vector<std::string> report;     // the lines for Memo2
};

// A whole best-split search: every split of the selection into the shape, scored over the memo,
// ranked, and the report. Only the 2x2x3x3 search ranks by RG1; the others by 4-, 3-, 2-star.
SplitSearchResult RunSplitSearch(SplitShape shape, const SplitSearchInput& input);

// Report lines shared with the subset searches.
std::string JoinTexts(const std::vector<std::string>& texts, const std::string& separator);
std::vector<std::string> ReportHead(const std::string& title, const SplitSearchInput& input,
                                    const std::string& selectionCaption, SplitShape shape,
                                    const std::string& heading, int underline);
