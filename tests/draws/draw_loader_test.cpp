#include <gtest/gtest.h>

#include "common/date.h"
#include "common/errors.h"
#include "common/num_format.h"
#include "draws/draw_loader.h"
#include "draws/shared_tables.h"
#include "support/draw_lines.h"

namespace {

const std::string Today = "2026/12/07";

std::unique_ptr<SharedTables> loaded(const std::vector<std::string>& file) {
    auto state = std::make_unique<SharedTables>();
    StoreDrawLines(state->draws, ReadDrawLines(file, Today).lines);
    SplitDrawLines(state->draws, state->work);
    return state;
}

} // namespace

TEST(DrawReader, SortsOldestFirstAndOrdersTiesByDrawNumber) {
    const auto state = loaded({MakeDrawLine("2026/03/02", "115050", {1, 2, 3, 4, 5}),
                               MakeDrawLine("2026/03/01", "115049", {6, 7, 8, 9, 10}),
                               MakeDrawLine("2026/03/01", "115048", {11, 12, 13, 14, 15})});
    ASSERT_EQ(state->draws.DrawCount, 3);
    EXPECT_EQ(state->draws.DrawId[1], "115048");
    EXPECT_EQ(state->draws.DrawId[2], "115049");
    EXPECT_EQ(state->draws.DrawId[3], "115050");
    EXPECT_EQ(state->draws.DrawDate[1], (Date{2026, 3, 1}));
}

TEST(DrawReader, StopsAtAWrongLengthAndSkipsFutureDraws) {
    const std::vector<std::string> file = {MakeDrawLine("2026/12/06", "115300", {1, 2, 3, 4, 5}),
                                           MakeDrawLine("2026/12/08", "115302", {1, 2, 3, 4, 5}),
                                           MakeDrawLine("2026/12/07", "115301", {1, 2, 3, 4, 5}),
                                           "2026/12/05,115299,01,02,03,04,5",
                                           MakeDrawLine("2026/12/01", "115295", {1, 2, 3, 4, 5})};
    const DrawReadResult read = ReadDrawLines(file, Today);
    EXPECT_FALSE(read.bad); // a short line ends the list silently
    EXPECT_EQ(read.lines, (std::vector<std::string>{file[0], file[2]})); // tomorrow skipped, today kept
    EXPECT_TRUE(ReadDrawLines({"", file[0]}, Today).lines.empty());
}

TEST(DrawReader, TrimsBlanksAroundALine) {
    const auto state = loaded({"  " + MakeDrawLine("2026/01/02", "115001", {7, 3, 21, 1, 15}) + " \t"});
    ASSERT_EQ(state->draws.DrawCount, 1);
    EXPECT_EQ(state->draws.DrawLines[1], "2026/01/02,115001,07,03,21,01,15");
    EXPECT_EQ(state->draws.DrawId[1], "115001");
    const char* drawn[] = {"07", "03", "21", "01", "15"};
    const char* sorted[] = {"01", "03", "07", "15", "21"};
    for (int p = 1; p <= 5; ++p) {
        EXPECT_EQ(state->draws.DrawNumsDrawn[p][1], drawn[p - 1]);
        EXPECT_EQ(state->work.DrawNumsWork[p][1], drawn[p - 1]);
        EXPECT_EQ(state->draws.DrawNums[p][1], sorted[p - 1]);
    }
    for (int p = 6; p <= 7; ++p)
        EXPECT_EQ(state->draws.DrawNums[p][1], "");
}

TEST(DrawReader, ReportsABadLineAndKeepsWhatCameBefore) {
    const std::vector<std::string> file = {MakeDrawLine("2026/01/02", "115001", {1, 2, 3, 4, 5}),
                                           "2026/02/30,115002,01,02,03,04,05",
                                           MakeDrawLine("2026/01/05", "115003", {1, 2, 3, 4, 5})};
    DrawReadResult read = ReadDrawLines(file, Today);
    ASSERT_TRUE(read.bad);
    EXPECT_EQ(read.bad->lineNumber, 2);
    EXPECT_EQ(read.bad->text, file[1]);
    EXPECT_EQ(read.lines, std::vector<std::string>{file[0]});

    read = ReadDrawLines({file[0], "2026/01/03,115002,01,0x,03,04,05"}, Today);
    ASSERT_TRUE(read.bad);
    EXPECT_EQ(read.bad->lineNumber, 2);
    // A number no table holds ends the list like a bad date: "00" and 40..99 never load.
    for (const std::string numbers : {"00,02,03,04,05", "01,02,40,04,05", "01,02,03,04,99"}) {
        read = ReadDrawLines({file[0], "2026/01/03,115002," + numbers, file[2]}, Today);
        ASSERT_TRUE(read.bad) << numbers;
        EXPECT_EQ(read.bad->lineNumber, 2);
        EXPECT_EQ(read.lines, std::vector<std::string>{file[0]});
    }
    EXPECT_EQ(ReadDrawLines({"2026/01/03,115002,01,39,03,04,05"}, Today).lines.size(), 1u);
}

TEST(DrawReader, KeepsTheNewest2500) {
    std::vector<std::string> file;
    Date day{2010, 1, 1};
    for (int i = 0; i < 2600; ++i) {
        file.push_back(MakeDrawLine(DateFormat("yyyy/mm/dd", Date::fromDayNumber(day.dayNumber() + i)),
                                    NumFormat("000000", i), {1, 2, 3, 4, 5}));
    }
    std::reverse(file.begin(), file.end());
    const auto state = loaded(file);
    ASSERT_EQ(state->draws.DrawCount, MaxDraws);
    EXPECT_EQ(state->draws.DrawId[1], "000100");
    EXPECT_EQ(state->draws.DrawId[MaxDraws], "002599");
}

TEST(DrawTables, SortModesAndReset) {
    auto state = loaded({MakeDrawLine("2026/01/02", "115001", {1, 2, 3, 4, 5}),
                         MakeDrawLine("2026/01/03", "115002", {6, 7, 8, 9, 10})});
    SortDrawLines(state->draws, 1);
    EXPECT_EQ(state->draws.DrawLines[1].substr(11, 6), "115002");
    EXPECT_EQ(NewestDrawLabels(state->draws),
              (std::array<std::string, 3>{"日期:2026/01/03", "期數:115002", "號碼(落球):06,07,08,09,10"}));
    SortDrawLines(state->draws, 2);
    EXPECT_EQ(state->draws.DrawLines[1].substr(11, 6), "115001");

    state->rules.RuleEnable[4] = false;
    state->rules.RuleOkCount = 5;
    state->rules.RuleName[11] = "mine";
    ResetPathRules(state->rules);
    EXPECT_TRUE(state->rules.RuleEnable[4]);
    EXPECT_EQ(state->rules.RuleOkCount, 3);
    EXPECT_EQ(state->rules.RuleName[2], "隔一版開 Ｎ＋１號(X1N+1)");
    EXPECT_EQ(state->rules.RuleName[10], "隔二版開 Ｎ－２號(X2N-2)");
    EXPECT_EQ(state->rules.RuleName[11], "mine");

    const auto empty = std::make_unique<SharedTables>();
    EXPECT_EQ(NewestDrawLabels(empty->draws),
              (std::array<std::string, 3>{"日期:", "期數:", "號碼(落球):(檔案中沒有開獎資料)"}));
}

TEST(DrawTables, SplitOfAnUncheckedLineStopsThere) {
    auto owned = std::make_unique<SharedTables>();
    SharedTables& state = *owned;
    StoreDrawLines(state.draws, {MakeDrawLine("2026/01/02", "115001", {1, 2, 3, 4, 5}),
                                 "2026/01/0x,115002,01,02,03,04,05"});
    EXPECT_THROW(SplitDrawLines(state.draws, state.work), ConversionError);
    EXPECT_EQ(state.draws.DrawNums[5][1], "05");
}
