#pragma once

#include <random>
#include <string>
#include <vector>

#include "pillars/split_enumeration.h"
#include "pillars/split_search.h"

// A slow, plain scoring of best splits, written straight from the hit rule, to check the fast
// searches against: each candidate is cut into pillars and checked against every memo line.

// Each memo line's five two-character pieces, cut from its columns 24, 27, 30, 33 and 36.
using SlowMemo = std::vector<std::vector<std::string>>;
SlowMemo SlowMemoPieces(const std::vector<std::string>& memo);

// The score key text ("<key>_<split>") of one split over the memo, in the given order.
std::string SlowScoredText(SplitShape shape, const std::string& split, const SlowMemo& memo, StarOrder order);

// Every split of the numbers, scored and sorted descending as texts.
std::vector<std::string> SlowRankedTexts(SplitShape shape, const std::vector<std::string>& numbers,
                                         const std::vector<std::string>& memo, StarOrder order);

// Random test data: distinct numbers of 01..39, ascending; draw memo lines of which some are edited
// (cut short, letters, repeated or unpadded numbers, wide characters, blank lines).
std::vector<std::string> RandomSelection(std::mt19937& random, int count);
std::vector<std::string> RandomMemo(std::mt19937& random, int lines,
                                    const std::vector<std::string>& favoured);

// A well-formed draw memo line: "0001,2026/01/05,115001,01,03,05,07,09".
std::string MemoLine(int row, std::vector<int> numbers);

std::vector<std::string> Texts(const std::vector<ScoredSplit>& splits);

// "01".."08" and the like.
std::vector<std::string> NumberRange(int first, int last);

// A search input over the memo with the header "最近 50 期驗證".
SplitSearchInput Input(std::vector<std::string> selection, std::vector<std::string> memo, int rg1 = 0);
