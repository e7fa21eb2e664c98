#pragma once

#include <string>

#include "draws/draw_tables.h"

// The path-rule settings: written by the path-definition window, reset by every load, read by the
// number analysis.
struct PathRules {
    FixedTable<bool, RuleSlots> RuleEnable;
    FixedTable<std::string, RuleSlots> RuleName;
    int RuleOkCount = 3;
};

// All switches on, run length 3, captions 1..10 to their defaults (11..20 untouched).
void ResetPathRules(PathRules& rules);
