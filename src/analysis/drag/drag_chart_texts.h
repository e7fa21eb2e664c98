#pragma once

#include <array>
#include <string>

#include "common/date.h"

struct DrawTables;

// The header line that opens both detail memos.
extern const char* const DragDetailHeader;

// What a detail line says about a draw after its line number: "yyyy/mm/dd, <draw id>, n1,n2,n3,n4,n5,"
// (each number followed by a comma).
std::string DragDetailBody(const Date& date, const std::string& drawId,
                           const std::array<std::string, 5>& numbers);

// A detail-memo line: the four-digit line number, ", " and the body.
std::string DragDetailLine(int lineNo, const std::string& body);

// The first title line of the three charts.
struct DragChartTitles {
    std::string numbers; // Chart1
    std::string heads;   // Chart2
    std::string tails;   // Chart3

    bool operator==(const DragChartTitles&) const = default;
};

// Titles for a date range; `numbersPrefix` goes in front of the number chart's title (a query's
// kind and text).
DragChartTitles DragChartTitlesFor(const Date& from, const Date& to, const std::string& numbersPrefix = {});

// The newest draw for the top panel: its date (Label10) and its numbers joined by "," (Label7), or
// "---" for both when nothing is loaded.
struct LatestDrawLabels {
    std::string date;
    std::string numbers;
};
LatestDrawLabels LatestDrawLabelsOf(const DrawTables& draws);

// The help texts of "說明" (Label6) and "個別查詢說明" (Label11), items separated by empty lines.
std::string DragChartHelpText();
std::string DragQueryHelpText();
