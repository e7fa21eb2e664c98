#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "drawhistory/line_sync_protocol.h"

namespace {

using Frames = std::vector<std::string>;

Frames Answer(const LineSyncTable& table, const std::string& datagram) {
    return AnswerLineRequest(table, datagram);
}

} // namespace

TEST(LineSyncProtocol, EmptyTableAnswers) {
    const LineSyncTable empty;
    EXPECT_EQ(Answer(empty, "REQ0000"), (Frames{"RCX", "RCV", "END"}));
    EXPECT_EQ(Answer(empty, "REQ0001"), (Frames{"RCX", "RCV"}));
    EXPECT_EQ(Answer(empty, "REQ0012"), (Frames{"RCX", "RCV"}));
    EXPECT_EQ(Answer(empty, "REQ9999"), (Frames{"RCX", "RCV"}));
    // The count field reads like a typed integer: blanks first and a sign are part of it.
    EXPECT_EQ(Answer(empty, "REQ  12"), (Frames{"RCX", "RCV"}));
    EXPECT_EQ(Answer(empty, "REQ+000"), (Frames{"RCX", "RCV", "END"}));
    // Not an integer: the digits before the first bad character count, none counts as 0.
    EXPECT_EQ(Answer(empty, "REQabcd"), (Frames{"END"}));
    EXPECT_EQ(Answer(empty, "REQ    "), (Frames{"END"}));
    EXPECT_EQ(Answer(empty, "REQ12ab"), Frames{});
    EXPECT_EQ(Answer(empty, "REQ0a00"), (Frames{"END"}));
}

TEST(LineSyncProtocol, OnlyRequestsOfExactlySevenCharactersAreAnswered) {
    const LineSyncTable empty;
    for (const char* other :
         {"req0000", "Req0000", "REQ000", "REQ00000", "ABC", "", "REQ", " REQ0000", "RCX0000"}) {
        EXPECT_FALSE(IsLineRequest(other)) << other;
        EXPECT_EQ(Answer(empty, other), Frames{}) << other;
    }
    EXPECT_TRUE(IsLineRequest("REQ0000"));
    EXPECT_TRUE(IsLineRequest(std::string("REQ\0\0\0\0", 7)));
    EXPECT_EQ(Answer(empty, std::string("REQ\0\0\0\0", 7)), (Frames{"END"}));
}

TEST(LineSyncProtocol, NegativeCountsGetNoAnswer) {
    LineSyncTable table;
    table.lineCount = 2;
    table.lines[1] = "one";
    table.lines[2] = "two";
    for (const char* negative : {"REQ-001", "REQ-999", "REQ-1ab", "REQ  -5"})
        EXPECT_EQ(Answer(table, negative), Frames{}) << negative;
    // Minus nothing is still nothing.
    EXPECT_EQ(Answer(table, "REQ-000"), (Frames{"RCX", "RCVonetwo", "END"}));
    EXPECT_EQ(Answer(table, "REQ-abc"), (Frames{"END"}));
}

TEST(LineSyncProtocol, FilledTableHandsOutTheLinesThePeerLacks) {
    LineSyncTable table;
    table.header = "2026/12/07";
    table.lineCount = 3;
    table.lines[1] = "a1";
    table.lines[2] = "b2";
    table.lines[3] = "c3";
    table.lines[4] = "not in use";
    EXPECT_EQ(Answer(table, "REQ0000"), (Frames{"RCX2026/12/07", "RCVa1b2c3", "END"}));
    EXPECT_EQ(Answer(table, "REQ0002"), (Frames{"RCX2026/12/07", "RCVc3", "END"}));
    EXPECT_EQ(Answer(table, "REQ0003"), (Frames{"RCX2026/12/07", "RCV", "END"}));
    EXPECT_EQ(Answer(table, "REQ0004"), (Frames{"RCX2026/12/07", "RCV"}));
    EXPECT_EQ(Answer(table, "REQ3xyz"), (Frames{"END"}));
    EXPECT_EQ(Answer(table, "REQ4xyz"), Frames{});
}

TEST(LineSyncProtocol, CountsBeyondTheTableStayInsideIt) {
    LineSyncTable full;
    full.lines.fill("x");
    full.lineCount = static_cast<int>(LineSyncCapacity);
    const Frames all = Answer(full, "REQ0000");
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[1], "RCV" + std::string(LineSyncCapacity, 'x'));
    EXPECT_EQ(Answer(full, "REQ2499")[1], "RCVx");
    EXPECT_EQ(Answer(full, "REQ9999"), (Frames{"RCX", "RCV"}));

    // A count that claims more lines than the table holds hands out only what the table has.
    LineSyncTable overclaimed = full;
    overclaimed.lineCount = 9000;
    EXPECT_EQ(Answer(overclaimed, "REQ2500"), (Frames{"RCX", "RCV", "END"}));
    EXPECT_EQ(Answer(overclaimed, "REQ9999"), (Frames{"RCX", "RCV"}));
}
