#pragma once

#include <string>
#include <vector>

#include "analysis/golden_ten_search.h"
#include "common/date.h"
#include "common/text_table.h"
#include "draws/draw_tables.h"

// The golden combination: over the draws of a date range, the numbers ranked by how often they were
// drawn, every pair and triple by the draws that hold it, and the best groups of ten of the 25
// highest-ranked numbers by the draws that hold at least five of their numbers. Every count reads
// the five ball positions a draw has; a drawn number outside 1..MaxNo is counted nowhere.

constexpr int GoldenTopNumbers = 25; // the ten-number groups are taken from the 25 highest ranked
constexpr int GoldenTriplesListed = 1000;

// What the window's date pickers and cb_spno say.
struct GoldenQuery {
    Date start;
    Date end;                  // both inclusive
    bool specialNumber = true; // cb_spno: only the report's wording follows it
};

// The draws of the range, 1-based indexes into the draw tables, oldest first.
std::vector<int> GoldenDraws(const DrawTables& draws, const GoldenQuery& query);

// The per-number counts of the range, ranked: gold_key entries (count × 100 + number), highest
// count first, equal counts to the higher number.
struct GoldenRanking {
    int drawsInRange = 0;
    std::vector<int> gold_key; // MaxNo entries in rank order
};
GoldenRanking get_sumno(const DrawTables& draws, const GoldenQuery& query);

// Edit1: two blanks and the number of draws.
std::string GoldenDrawCountText(const GoldenRanking& ranking);
// The ranking grids: 25 columns x 2 rows each, ranks 1..25 in sga1 and 26..MaxNo in sga2; row 0
// the number, row 1 its count.
void ShowRanking(const GoldenRanking& ranking, TextTable& sga1, TextTable& sga2);
// The 25 highest-ranked numbers (fewer when MaxNo is smaller), ascending.
std::vector<int> GoldenTopNumbersOf(const GoldenRanking& ranking);

// Every pair (size 2) or triple (size 3) of 1..MaxNo with the draws of the range that hold exactly
// its numbers among their positions, best first.
std::vector<GoldenEntry> GoldenCombinations(const DrawTables& draws, const GoldenQuery& query, int size);

// Digits of the count field of a list: 3, or more when a count needs them, so that text order stays
// count order.
int GoldenCountWidth(const std::vector<GoldenEntry>& entries);

// mm: every pair, "0512  007" (the pair, two blanks, the count field).
std::vector<std::string> PairLines(const DrawTables& draws, const GoldenQuery& query);
// mm3: the first 1000 triples, "051226  003".
std::vector<std::string> TripleLines(const DrawTables& draws, const GoldenQuery& query);

// mm9: the report of the two best groups; groups of count 0 are never reported.
std::vector<std::string> TenNumberReport(const GoldenQuery& query, const GoldenRanking& ranking,
                                         const std::vector<GoldenEntry>& kept);

// The window's texts for a query, each as its button shows them.
struct GoldenTexts {
    std::string drawCount; // Edit1
    TextTable sga1, sga2;
    std::vector<std::string> pairs, triples, ten;
    bool stopped = false; // the ten-number search was stopped: `ten` is empty
};
GoldenTexts GoldenCombination(const DrawTables& draws, const GoldenQuery& query,
                              const GoldenSearchControl& control = {});
// The ten-number report alone, as its button makes it (ranking, search, report).
std::vector<std::string> TenNumberLines(const DrawTables& draws, const GoldenQuery& query,
                                        const GoldenSearchControl& control, bool* stopped = nullptr);
