#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "pillars/pillar_model.h"

// The verification reports of the best-pillar window: each draw line of a memo is followed by how
// the layout (or the full wheel of the selection) fared in that draw, and a summary with the cost
// and the bets won closes the report. Lines that were edited into something else still get their
// detail: the hit test compares text, so they simply miss.

// The draw line followed by its hits and the bets won:
//   "0001,2026/01/02,115001,03,05,12,22,37,|,03,__,12,__,__,|,1,0,0"
std::string VerificationDetailLine(std::string_view memoLine, const DrawHit& hit);

// The selected numbers, each followed by ",", with a blank before the 16th so the labels can wrap.
std::string SelectionText(const std::vector<std::string>& selection);

// A report: the memo's new lines, and the bets won over all draws.
struct VerificationReport {
    std::vector<std::string> lines;
    StarCounts hits;
};

// The pillar verification. memoLines are the lines of the report memo, whose first drawLineCount
// lines (the number of lines of the draw memo) are the draws to check; each of them is replaced by
// its detail line, the lines after them stay. pillars holds, per pillar of the layout, its numbers
// as the pillar memo shows them (at most 8 are compared); sizes the pillar sizes, which price the
// layout and say how many numbers of each pillar the summary lists.
VerificationReport PillarVerification(const std::vector<std::string>& memoLines, std::size_t drawLineCount,
                                      const PillarNumbers& pillars, const std::vector<int>& sizes,
                                      std::string_view windowHeader);

// The full-wheel verification of the selection (NumText strings, ascending) over the draw lines.
// With detail, line i of the report memo becomes the detail line of draw line i (appended when the
// memo is shorter); without, the memo lines stay. The summary is appended in both cases. The
// caller checks that the selection holds 2..30 numbers.
VerificationReport WheelVerification(const std::vector<std::string>& drawLines,
                                     const std::vector<std::string>& memoLines,
                                     const std::vector<std::string>& selection, bool detail,
                                     std::string_view windowHeader);
