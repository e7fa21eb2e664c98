#pragma once

#include <string>

#include "common/date.h"
#include "common/fixed_table.h"

constexpr int MaxDraws = 2500;  // room in every draw table
constexpr int GameMaxNo = 39;   // the highest number of both games
constexpr int MaxBallSlots = 7; // positions 1..7 of the number tables (a draw fills 1..5)
constexpr int DrawBalls = 5;    // balls in one draw of this game
constexpr int RuleSlots = 20;   // path-rule switches and captions
constexpr int TraceRows = 51;   // rows 0..50 of the drag hand-over

using DrawTextColumn = FixedTable<std::string, MaxDraws>;
using DrawNumberTable = FixedTable<DrawTextColumn, MaxBallSlots>; // [position][draw]

// The draw files of the two games.
inline constexpr const char* FirstGameFile = "TW539.txt";  // 今彩539
inline constexpr const char* SecondGameFile = "US539.txt"; // 加州夢幻５

// The current game and its loaded draw history. Written only by the load and the re-split; every
// other window reads it as const. Tables are 1-based; entries past DrawCount carry no meaning.
struct DrawTables {
    // Game
    int MaxNo = GameMaxNo;
    int GameIndex = 1; // 1 = 今彩539, 0 = 加州夢幻５
    std::string DataFileName = FirstGameFile;
    std::string GameName = "今彩539";

    // Draw tables
    FixedTable<std::string, MaxDraws> DrawLines;
    int DrawCount = 0;
    FixedTable<Date, MaxDraws> DrawDate;
    DrawTextColumn DrawId;
    DrawNumberTable DrawNumsDrawn;           // drawn order
    FixedTable<DrawTextColumn, 57> DrawNums; // ascending
};
