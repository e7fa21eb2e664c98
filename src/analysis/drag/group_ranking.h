#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "common/text_table.h"

// Ranking of pairs (二中一) and triples (三中一) of numbers over the data rows 1..dataRows of the
// drag grid: how many rows hold at least one number of the group, then how many marks the group's
// columns hold. A key is the rows hit and the marks as zero-padded counts, then the group "aa.bb" or
// "aa.bb.cc"; keys sort as text, highest first. The counts are three digits wide, wider when the
// rows could count 1000 or more, so that the group always ends the key.

// Every pair i < j of 1..maxNo, ranked.
std::vector<std::string> get_twoforone(const TextTable& grid, int dataRows, int maxNo);
// The triples i < j < k that hit more than 30% of the data rows, ranked (none when there are no rows).
std::vector<std::string> get_threeforone(const TextTable& grid, int dataRows, int maxNo);

// The group at the end of a key ("aa.bb" for size 2, "aa.bb.cc" for size 3).
std::string GroupOfKey(const std::string& key, int size);
// The groups of the first `limit` keys, as the windows list them.
std::vector<std::string> GroupChoices(const std::vector<std::string>& keys, int size, std::size_t limit);

// The window's grid: the drag grid's date and draw-number columns, then one column per number of
// the group; as tall as the drag grid.
TextTable GroupView(const TextTable& grid, int size);

struct GroupCounts {
    int hit = 0;   // rows holding a mark in any chosen column
    int marks = 0; // marks in the chosen columns
};
// Copies the whole drag-grid column of each number the text names (parts at characters 1, 4, 7)
// into the view; a part that is no number of the game leaves its column as it was. Then counts the
// view's data rows and sets its height to the drag grid's with its statistic rows.
GroupCounts ShowGroupColumns(TextTable& view, const TextTable& grid, const std::string& text, int size,
                             int dataRows, int maxNo);
// Empties the group columns (nothing to show).
void ClearGroupColumns(TextTable& view, int size);
