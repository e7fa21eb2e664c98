#pragma once

#include "common/text_table.h"

struct DrawTables;

// The record viewer's grid: a heading row and one row per draw line (date, draw number, the five
// numbers), in the order DrawLines has.
constexpr int RecordColumns = 7;

// Headings (drawn order) and every draw line, numbers as the file gives them.
TextTable RecordTable(const DrawTables& draws);

// Overwrites the number columns with the split tables: ascending or drawn order, headings to match.
void SetRecordNumbers(TextTable& table, const DrawTables& draws, bool ascending);
