#pragma once

#include <string>
#include <vector>

// Counts over the lines of the draw memo: hits per number and per tail digit, ranked, and the
// pairs, triples and quadruples of numbers drawn together. Lines are read at their number columns;
// a column that does not hold a number 1..maxNo (a line edited by hand) is not counted.

// A number (or tail digit) and how many listed draws hold it.
struct RankedCount {
    int key = 0;
    int hits = 0;
    bool operator==(const RankedCount&) const = default;
};

// The combinations of 2, 3 and 4 numbers that occur in the lines, each once, in the order they
// first occur (line by line, each line's combinations in ascending order), as their keys: the
// number texts concatenated ascending ("0105" for 01 and 05).
struct CombinationLists {
    std::vector<std::string> pairs;
    std::vector<std::string> triples;
    std::vector<std::string> quads;

    const std::vector<std::string>* ofSize(int k) const;
};

struct NumberCount {
    std::vector<RankedCount> ranking; // every number 1..maxNo, most hits first, ties to the higher number
    CombinationLists combinations;
};

NumberCount Count_Sumno(const std::vector<std::string>& lines, int maxNo);

// A ranking as its two-row grid shows it, one column per entry: the keys over their hits.
struct CountRows {
    std::vector<std::string> keys;
    std::vector<std::string> hits;
};

// Numbers as "05", tails as "3 尾"; hits in plain decimal.
CountRows NumberCountRows(const std::vector<RankedCount>& ranking);
CountRows TailCountRows(const std::vector<RankedCount>& ranking);

// Every tail digit 0..9 by the hits of the numbers ending in it, most first, ties to the higher digit.
std::vector<RankedCount> Count_Sumno_tail(const std::vector<std::string>& lines, int maxNo);

// A combination's key and the number of lines that hold all of its numbers.
struct HotCombination {
    std::string key;
    int hits = 0;
    bool operator==(const HotCombination&) const = default;
};

// Counts each listed combination of size k (2, 3 or 4) over the lines and ranks those that occur:
// most hits first, equal hits with the larger key first. Any other k gives an empty list.
std::vector<HotCombination> get_allno(int k, const std::vector<std::string>& combinations,
                                      const std::vector<std::string>& lines, int maxNo);

// The lines of a hot list's memo: key, two blanks, the count (three digits, more when a count
// needs them); then a line of two blanks for each listed combination that did not occur.
std::vector<std::string> HotListLines(const std::vector<HotCombination>& ranked, std::size_t listed);
