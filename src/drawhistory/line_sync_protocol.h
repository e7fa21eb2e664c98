#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/fixed_table.h"

// The line-sync service hands out the lines of its line table to a peer that asks for them with a
// request datagram "REQ" followed by four characters, its own line count. Every datagram carries
// one frame of plain 8-bit text without terminator.
inline constexpr std::size_t LineSyncCapacity = 2500;

struct LineSyncTable {
    FixedTable<std::string, LineSyncCapacity> lines;
    int lineCount = 0;  // lines 1..lineCount are in use
    std::string header; // payload of the "RCX" frame
};

// "REQ" followed by exactly four characters.
bool IsLineRequest(std::string_view datagram);

// The frames that answer a datagram, in sending order; none for anything that is not a request.
//  - When the four characters are an integer v: "RCX" + header, then "RCV" + the lines after the
//    peer's first v, concatenated.
//  - Then "END" when the line count is at least v, where for characters that are not an integer v
//    is the value of the digits before the first bad character (0 when there are none).
//  - A count that reads as negative gets no answer, so nothing outside the table is ever read.
std::vector<std::string> AnswerLineRequest(const LineSyncTable& table, std::string_view datagram);
