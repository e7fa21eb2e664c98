#pragma once

#include <string>
#include <vector>

#include "formulas/nogood_group_search.h"

struct DrawTables;
struct WorkArea;

// Slow references for the fast searches: each walks its family as the window's description reads,
// one formula at a time over the text tables (texts converted and compared as texts, an empty
// position counting as 0 where the family reads it), with the exchange sort. The fast searches must
// keep exactly what these keep.

std::vector<std::string> ReferenceTailSearch(const DrawTables& draws, const WorkArea& work, char lookBack);
std::vector<int> ReferenceGroupSearch(const DrawTables& draws, int baseDraw, const GroupSettings& settings);
std::vector<std::string> ReferenceLineSearch(const DrawTables& draws, const WorkArea& work, char lookBack,
                                             int baseDraw, int sign, int percent);
std::vector<std::string> ReferenceNurtureSearch(const DrawTables& draws, const WorkArea& work,
                                                int verifyDraws, char lookBack, int baseDraw, int percent);
