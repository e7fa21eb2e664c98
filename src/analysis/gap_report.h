#pragma once

#include <optional>
#include <string>
#include <vector>

struct GapMap;

// The number a typed text asks about: a text that is no integer asks about number 1, as the box
// starts there; an integer outside 1..maxNo asks about none.
std::optional<int> GapReportNumber(const std::string& text, int maxNo);

// Why a typed number is refused.
std::string GapNumberRefusal(int maxNo);

// The report of one number under its typed text: the heading up to the newest draw, appearances
// with the longest and the average gap (both counting the current absence), the gaps and how long
// the number has been absent, and an empty line. Nothing when the map holds no gap (no draws).
std::vector<std::string> GapReportLines(const GapMap& map, int number, const std::string& typedText,
                                        const std::string& newestDrawId);
