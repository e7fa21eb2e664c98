#pragma once

#include "draws/draw_tables.h"

// Scratch that several windows rewrite: the working copy of the numbers (drawn or sorted order, as
// the last window that switched it left it) and the draw numbers picked by the last query.
struct WorkArea {
    DrawNumberTable DrawNumsWork; // [position][draw]; drawn order after every split
    DrawTextColumn RightIssue;
    int RightIssueCount = 0;
};
