#pragma once

#include <string>

#include "common/date.h"
#include "common/fixed_table.h"

constexpr int MaxDraws = 2500;   // room in every draw table
constexpr int MaxBallSlots = 7;  // positions 1..7 of the number tables (a draw fills 1..5)
constexpr int RuleSlots = 20;    // path-rule switches and captions
constexpr int TraceRows = 51;    // rows 0..50 of the drag hand-over

using DrawTextColumn = FixedTable<std::string, MaxDraws>;

// The draw history and the settings every window shares. One object, owned by the application and
// handed to every window by reference. Tables are 1-based; entries past DrawCount carry no meaning.
struct SharedState {
    // Game
    int MaxNo = 39;
    int GameIndex = 1; // 1 = 今彩539, 0 = 加州夢幻５
    std::string DataFileName = "TW539.txt";
    std::string GameName = "今彩539";
    bool DownloadEnabled = true;

    // Draw tables
    FixedTable<std::string, MaxDraws> DrawLines;
    int DrawCount = 0;
    FixedTable<Date, MaxDraws> DrawDate;
    DrawTextColumn DrawId;
    FixedTable<DrawTextColumn, MaxBallSlots> DrawNumsDrawn; // [position][draw], drawn order
    FixedTable<DrawTextColumn, 57> DrawNums;                // [position][draw], ascending
    FixedTable<DrawTextColumn, MaxBallSlots> DrawNumsWork;  // [position][draw], working copy

    // Draw numbers picked by a query; scratch of the windows that fill it.
    DrawTextColumn RightIssue;
    int RightIssueCount = 0;

    // Path rules
    FixedTable<bool, RuleSlots> RuleEnable;
    FixedTable<std::string, RuleSlots> RuleName;
    int RuleOkCount = 3;

    // Hand-over from the drag window
    std::string RuleTitle;
    FixedTable<DrawTextColumn, TraceRows, 0> TraceHits; // [row][drag row]
    int TraceRowCount = 0;
};
