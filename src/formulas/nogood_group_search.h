#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "formulas/ordered_search.h"

struct DrawTables;

// The non-appearing group: a rule (u, v, m) takes the draws u and v places back (1 <= u < v <= 10),
// their numbers in ascending order, and derives fourteen candidates, seven from the differences and
// seven from the sums of equal positions, each times m and offset by its index, folded into
// 1..MaxNo. The first n candidates, made distinct, are the group expected not to be drawn. Positions
// the draws of this game do not have (6 and 7) count as 0, so candidates 6, 7, 13 and 14 are the
// constants the rule gives. A rule is verified over the 9 draws ending at the base draw.

inline constexpr int GroupVerifyDraws = 9;
inline constexpr int GroupFarthestBack = 10; // v
inline constexpr int GroupCandidates = 14;
inline constexpr int GroupSizeLeast = 5;
inline constexpr int GroupSizeMost = 14;
inline constexpr int GroupCapacity = 2000; // kept codes; also the early stop
inline constexpr int GroupProgressMax = 3780;
inline constexpr int GroupCountedPositions = 6; // a draw's numbers counted against the group

struct GroupRule {
    int u = 1;
    int v = 2;
    int m = 1;
};

struct GroupSettings {
    int maxHits = 1;   // numbers of a verification draw allowed in the group: 2, 1 or 0
    int passNeed = 6;  // passing draws required of the 9: 5, 6 or 7
    int groupSize = 8; // n, 5..14
};

// total x 1 000 000 + u x 10 000 + v x 100 + m: ascending puts the fewest hits first, then the
// smaller u, v, m.
int GroupCode(int totalHits, const GroupRule& rule);
GroupRule RuleOfCode(int code);
// "NGG" + u, v, m, two digits each (NGG010239).
std::string GroupCodeText(const GroupRule& rule);

// The group of a draw from the values at positions 1..7 of the draws u and v places back.
std::vector<int> GroupFromValues(const int (&near)[7], const int (&far)[7], int m, int groupSize, int maxNo);
// The group of draw p (it may be a coming draw: only the draws u and v back must be loaded).
std::vector<int> GroupOfDraw(const DrawTables& draws, const GroupRule& rule, int p, int groupSize);
// Numbers of draw p at positions 1..6 that are in the group (the special number is not counted).
int GroupHits(const DrawTables& draws, const std::vector<int>& group, int p);

// Whether a rule's nine draws pass: a draw passes with at most maxHits hits; too many hits (two or
// more when maxHits is 0, else maxHits + 1 or more) cost ten passes.
bool GroupRulePasses(const std::vector<int>& hitsPerDraw, const GroupSettings& settings);

// Enough draws before the base draw: the rule reads back to b - 18.
bool GroupHistoryCovers(int baseDraw);

// Every rule, u = 1..9, v = u + 1..10, m = 1..MaxNo, verified over draws b - 8..b; the first 2000 that
// pass in enumeration order, sorted ascending.
OrderedSearchResult<int> SearchGroupRules(const DrawTables& draws, int baseDraw,
                                          const GroupSettings& settings, const SearchControl& control);

// The boxes of the window and its memory file.
// Line 2 of the memory file: "3" 爆二支, "4" 爆一支, anything else 全過關.
int MaxHitsOfLine(std::string_view line);
std::string LineOfMaxHits(int maxHits);
// Line 3: "83" 九期過五期, "84" 九期過六期, anything else 九期過七期.
int PassNeedOfLine(std::string_view line);
std::string LineOfPassNeed(int passNeed);
struct GroupSizeChoice {
    int size = 8;
    std::string text; // what the box is to read
};
// No integer: 8; above 14: 14; below 5: 5 (the box then reads the corrected value).
GroupSizeChoice GroupSizeFromText(std::string_view text);
