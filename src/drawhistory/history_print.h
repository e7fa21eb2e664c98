#pragma once

#include <array>
#include <string>
#include <vector>

#include "common/date.h"

struct DrawTables;

// One row of the record grid: date, draw number and the five numbers, as shown.
using RecordRow = std::array<std::string, 7>;

// The number of loaded draws dated from..to, both days included.
int CountDrawsInRange(const DrawTables& draws, const Date& from, const Date& to);

// The printed lines of the rows dated from..to (both included), in the rows' order: a running
// number of at least three digits and "_", then every cell followed by two blanks ("001_2026/01/02
// 115001  01  ..."). Throws ConversionError at a row whose date does not convert.
std::vector<std::string> DateRangePrintLines(const std::vector<RecordRow>& rows, const Date& from,
                                             const Date& to);
