#pragma once

#include <string>

#include "common/date.h"

struct DrawTables;

// What a window says beside the result of a date range that starts before the oldest loaded draw:
// the program keeps only the newest draws of the file, so a range reaching further back counts
// fewer draws than the file holds. Empty when the range starts on or after that draw, or when no
// draw is loaded. The tables may be split newest first (while the record viewer is open).
std::string HistoryStartNote(const DrawTables& draws, const Date& rangeStart);
