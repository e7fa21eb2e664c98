#pragma once

#include <string>
#include <vector>

#include "common/text_table.h"
#include "draws/draw_tables.h"

// What the drag window hands to the windows that analyse its result (two-of, three-of, sorted grid,
// number analysis). Written only by the drag window, after every query; the readers take it const.
struct DragHandOver {
    std::string RuleTitle;                              // caption of the current drag query
    FixedTable<DrawTextColumn, TraceRows, 0> TraceHits; // [row][drag row]: 0 date, 1 draw number, 1+n "*"
    int TraceRowCount = 0;
    FixedTable<int, 51> NoTotalKey;      // per number: marks x 1000 + number
    FixedTable<int, 10, 0> TailTotalKey; // per tail, sorted descending: marks x 1000 + tail
    int TraceGridRows = 0;               // grid rows when the statistic rows were appended
    TextTable Grid; // the drag grid `sgmap` as shown: headings, data rows and statistic rows
    std::vector<std::string> GridCsvLines; // its CSV copy
};
