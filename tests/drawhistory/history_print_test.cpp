#include <cstdlib>
#include <gtest/gtest.h>

#include "app/application.h"
#include "common/errors.h"
#include "drawhistory/draw_download.h"
#include "drawhistory/history_print.h"
#include "drawhistory/server_address.h"
#include "draws/draw_loader.h"
#include "draws/shared_tables.h"
#include "support/draw_lines.h"

namespace {

RecordRow row(const std::string& date, const std::string& id) {
    return {date, id, "01", "02", "03", "04", "05"};
}

} // namespace

TEST(DateRangePrint, LinesNumberTheRowsInsideTheRangeWithBothEndsIncluded) {
    const std::vector<RecordRow> rows = {row("2026/01/05", "115004"), row("2026/01/04", "115003"),
                                         row("2026/01/03", "115002"), row("2026/01/02", "115001")};
    const auto lines = DateRangePrintLines(rows, Date{2026, 1, 3}, Date{2026, 1, 4});
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "001_2026/01/04  115003  01  02  03  04  05  ");
    EXPECT_EQ(lines[1], "002_2026/01/03  115002  01  02  03  04  05  ");

    EXPECT_EQ(DateRangePrintLines(rows, Date{2026, 1, 5}, Date{2026, 1, 5}).size(), 1u);
    EXPECT_TRUE(DateRangePrintLines(rows, Date{2026, 2, 1}, Date{2026, 3, 1}).empty());
    EXPECT_TRUE(DateRangePrintLines(rows, Date{2026, 1, 5}, Date{2026, 1, 2}).empty()); // reversed ends
}

TEST(DateRangePrint, RunningNumberGrowsPastThreeDigits) {
    std::vector<RecordRow> rows;
    for (int i = 0; i < 1001; ++i)
        rows.push_back(
            row(DateFormat("yyyy/mm/dd", Date::fromDayNumber(Date{2020, 1, 1}.dayNumber() + i)), "000000"));
    const auto lines = DateRangePrintLines(rows, Date{2000, 1, 1}, Date{2030, 1, 1});
    ASSERT_EQ(lines.size(), 1001u);
    EXPECT_EQ(lines[8].substr(0, 4), "009_");
    EXPECT_EQ(lines[998].substr(0, 4), "999_");
    EXPECT_EQ(lines[999].substr(0, 5), "1000_");
    EXPECT_EQ(lines[1000].substr(0, 5), "1001_");
}

TEST(DateRangePrint, BadDateStopsThePrint) {
    const std::vector<RecordRow> rows = {row("2026/01/05", "115004"), row("2026/02/30", "115003")};
    EXPECT_THROW(DateRangePrintLines(rows, Date{2000, 1, 1}, Date{2030, 1, 1}), ConversionError);
    EXPECT_THROW(DateRangePrintLines({row("", "")}, Date{2000, 1, 1}, Date{2030, 1, 1}), ConversionError);
}

TEST(DateRangePrint, CountUsesTheLoadedDates) {
    auto state = std::make_unique<SharedTables>();
    StoreDrawLines(state->draws, {MakeDrawLine("2026/01/02", "115001", {1, 2, 3, 4, 5}),
                                  MakeDrawLine("2026/01/03", "115002", {1, 2, 3, 4, 5}),
                                  MakeDrawLine("2026/01/05", "115003", {1, 2, 3, 4, 5})});
    SplitDrawLines(state->draws, state->work);
    EXPECT_EQ(CountDrawsInRange(state->draws, Date{2026, 1, 2}, Date{2026, 1, 5}), 3);
    EXPECT_EQ(CountDrawsInRange(state->draws, Date{2026, 1, 3}, Date{2026, 1, 4}), 1);
    EXPECT_EQ(CountDrawsInRange(state->draws, Date{2026, 1, 6}, Date{2026, 12, 31}), 0);
    state->draws.DrawCount = 0;
    EXPECT_EQ(CountDrawsInRange(state->draws, Date{2000, 1, 1}, Date{2030, 1, 1}), 0);
}

TEST(ServerAddress, PartsAreTrimmedAndNoneMayBeEmpty) {
    EXPECT_EQ(JoinServerAddress({"192", " 168 ", "0", "7\t"}), "192.168.0.7");
    EXPECT_EQ(JoinServerAddress({"a", "b", "c", "d"}), "a.b.c.d"); // not checked for numbers
    EXPECT_FALSE(JoinServerAddress({"192", "168", "", "7"}));
    EXPECT_FALSE(JoinServerAddress({"192", "168", "0", "   "}));
    EXPECT_FALSE(DownloadAllowedFor("1.1.1.1"));
    EXPECT_FALSE(DownloadAllowedFor(" 1.1.1.1 "));
    EXPECT_TRUE(DownloadAllowedFor("1.1.1.10"));
    EXPECT_TRUE(DownloadAllowedFor("203.66.1.1"));
}

TEST(DrawDownload, OnlyABodyOfWholeDrawLinesIsKept) {
    const Date Today{2026, 12, 7};
    const std::string good = MakeDrawLine("2026/01/02", "115001", {1, 2, 3, 4, 5});
    const std::string next = MakeDrawLine("2026/01/03", "115002", {1, 2, 3, 4, 5});
    EXPECT_EQ(DrawFileFromDownload(good + "\n" + next + "\n", Today).file, good + "\r\n" + next + "\r\n");
    EXPECT_EQ(DrawFileFromDownload(good + "\r\n" + next + "\r", Today).file, good + "\r\n" + next + "\r\n");
    EXPECT_EQ(DrawFileFromDownload("  " + good + "  \r\n", Today).file, "  " + good + "  \r\n");

    EXPECT_FALSE(DrawFileFromDownload("", Today).ok());
    EXPECT_FALSE(DrawFileFromDownload(good + "\r\n" + good, Today).ok()); // no line end: maybe cut
    EXPECT_FALSE(DrawFileFromDownload("  " + good + "  \r\nrest\r\n", Today).ok());
    EXPECT_FALSE(
        DrawFileFromDownload("<!DOCTYPE html><html><body>Service unavailable</body></html>", Today).ok());
    EXPECT_FALSE(DrawFileFromDownload(std::string(32, 'x') + "\n" + good + "\n", Today)
                     .ok()); // right length, not a draw
    EXPECT_FALSE(DrawFileFromDownload("2026/13/02,115001,01,02,03,04,05\r\n", Today).ok());
    EXPECT_FALSE(DrawFileFromDownload("2026/01/02,115001,01,02,03,04,0x\r\n", Today).ok());
}

TEST(DrawDownload, TodayIsTheLastDayAndEachDayHasOneDraw) {
    const Date today{2026, 12, 7};
    const std::string first = MakeDrawLine("2026/08/18", "115200", {1, 2, 3, 4, 5});
    const std::string latest = MakeDrawLine("2026/12/07", "115240", {6, 7, 8, 9, 10});
    EXPECT_TRUE(DrawFileFromDownload(first + "\r\n" + latest + "\r\n", today).ok());

    const DownloadedDrawFile tomorrow = DrawFileFromDownload(
        first + "\r\n" + MakeDrawLine("2026/12/08", "115241", {6, 7, 8, 9, 10}) + "\r\n", today);
    EXPECT_EQ(tomorrow.problem, DownloadProblem::FutureDate);
    EXPECT_EQ(tomorrow.badLineNumber, 2);
    EXPECT_TRUE(tomorrow.file.empty());

    // Blank lines count as lines.
    const DownloadedDrawFile twice =
        DrawFileFromDownload(first + "\r\n\r\n2026/08/18,115201,11,12,13,14,15\r\n", today);
    EXPECT_EQ(twice.problem, DownloadProblem::RepeatedDate);
    EXPECT_EQ(twice.badLineNumber, 3);
    EXPECT_EQ(twice.firstLineNumber, 1);
}

TEST(DrawDownload, AddressFollowsTheEnvironment) {
    unsetenv("QORVEL_DATA_URL");
    EXPECT_EQ(DrawFileUrl(ServerUrlsFromEnvironment().drawData, "TW539.txt"),
              std::string(DefaultDataServerUrl) + "/HISTORYDATA/TW539.txt");
    setenv("QORVEL_DATA_URL", "http://127.0.0.1:8080/", 1);
    EXPECT_EQ(DrawFileUrl(ServerUrlsFromEnvironment().drawData, "TW539.txt"),
              "http://127.0.0.1:8080/HISTORYDATA/TW539.txt");
    unsetenv("QORVEL_DATA_URL");
    EXPECT_EQ(DrawFileUrl("http://127.0.0.1:8080//", "US539.txt"),
              "http://127.0.0.1:8080/HISTORYDATA/US539.txt");
}
