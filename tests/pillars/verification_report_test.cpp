#include "pillars/verification_report.h"

#include <gtest/gtest.h>

#include "common/num_text.h"
#include "memo_lines.h"

namespace {

const std::string Header = "最近 50 期驗證";

std::vector<std::string> tail(const std::vector<std::string>& lines, std::size_t from) {
    return {lines.begin() + static_cast<std::ptrdiff_t>(from), lines.end()};
}

} // namespace

TEST(VerificationReport, DetailLineAppendsHitsAndBetsWon) {
    const auto lines = MemoOf({{"03", "05", "12", "22", "37"}});
    const DrawHit hit = CHECK_Bingo_pillar({{"03", "04"}, {"12", "13"}}, DrawKey(lines[0]));
    EXPECT_EQ(VerificationDetailLine(lines[0], hit),
              "0001,2026/01/01,115000,03,05,12,22,37,|,03,__,12,__,__,|,1,0,0");

    // A line edited into something else is kept as it is and simply misses.
    EXPECT_EQ(VerificationDetailLine("garbage", CHECK_Bingo_pillar({{"03"}, {"12"}}, DrawKey("garbage"))),
              "garbage,|,__,__,__,__,__,|,0,0,0");
    EXPECT_EQ(VerificationDetailLine("", DrawHit{}), ",|,__,__,__,__,__,|,0,0,0");
}

TEST(VerificationReport, ManualLayoutOverTheMemoWithSummary) {
    auto memo = MemoOf(
        {{"01", "03", "05", "07", "09"}, {"02", "04", "11", "12", "13"}, {"10", "20", "30", "31", "39"}});
    memo.push_back("edited, not a draw");
    const PillarNumbers pillars{{"01", "02"}, {"03", "04"}, {"05", "06"}};
    const VerificationReport report = PillarVerification(memo, memo.size(), pillars, {2, 2, 2}, Header);

    EXPECT_EQ(report.lines[0], "0001,2026/01/01,115000,01,03,05,07,09,|,01,03,05,__,__,|,3,1,0");
    EXPECT_EQ(report.lines[1], "0002,2026/01/02,115000,02,04,11,12,13,|,02,04,__,__,__,|,1,0,0");
    EXPECT_EQ(report.lines[2], "0003,2026/01/03,115000,10,20,30,31,39,|,__,__,__,__,__,|,0,0,0");
    EXPECT_EQ(report.lines[3], "edited, not a draw,|,__,__,__,__,__,|,0,0,0");
    EXPECT_EQ(report.hits, (StarCounts{4, 1, 0}));
    const std::vector<std::string> summary{"",
                                           Header,
                                           "",
                                           "第1柱",
                                           "01",
                                           "02",
                                           "",
                                           "第2柱",
                                           "03",
                                           "04",
                                           "",
                                           "第3柱",
                                           "05",
                                           "06",
                                           "",
                                           "成本二星 12 碰",
                                           "成本三星 8 碰",
                                           "成本四星 0 碰",
                                           "",
                                           "開出星星統計",
                                           "二星開出 4 碰",
                                           "三星開出 1 碰",
                                           "四星開出 0 碰"};
    EXPECT_EQ(tail(report.lines, 4), summary);
}

TEST(VerificationReport, PillarMemoLinesCountWhileSizesPriceAndList) {
    const auto memo = MemoOf({{"03", "04", "20", "21", "22"}});
    // Three lines under a size of 2: the third number still hits, the summary lists two.
    VerificationReport report =
        PillarVerification(memo, 1, {{"01", "02", "03"}, {"04", "05"}}, {2, 2}, Header);
    EXPECT_EQ(report.lines[0].substr(37), ",|,03,04,__,__,__,|,1,0,0");
    EXPECT_EQ(tail(report.lines, 4),
              (std::vector<std::string>{"第1柱", "01", "02", "", "第2柱", "04", "05", "", "成本二星 4 碰",
                                        "成本三星 0 碰", "成本四星 0 碰", "", "開出星星統計", "二星開出 1 碰",
                                        "三星開出 0 碰", "四星開出 0 碰"}));

    // One line under a size of 2: the missing number is listed empty, and the cost follows the sizes.
    report = PillarVerification(memo, 1, {{"03"}, {"04", "05"}, {"20"}}, {2, 2, 1}, Header);
    EXPECT_EQ(report.lines[0].substr(37), ",|,03,04,20,__,__,|,3,1,0");
    EXPECT_EQ(report.lines[5], "03");
    EXPECT_EQ(report.lines[6], "");
    EXPECT_EQ(report.lines[7], "");
    EXPECT_EQ(report.lines[8], "第2柱");
    EXPECT_EQ(report.hits, (StarCounts{3, 1, 0}));
    EXPECT_NE(std::find(report.lines.begin(), report.lines.end(), "成本二星 8 碰"), report.lines.end());

    // A pillar holds eight numbers: a ninth memo line is not part of the layout.
    const std::vector<std::string> nine{"10", "11", "12", "13", "14", "15", "16", "17", "03"};
    report = PillarVerification(memo, 1, {nine, {"04"}}, {8, 1}, Header);
    EXPECT_EQ(report.hits, (StarCounts{0, 0, 0}));
}

TEST(VerificationReport, OnlyTheDrawLinesGetDetail) {
    auto memo = MemoOf({{"01", "02", "03", "04", "05"}, {"01", "02", "06", "07", "08"}});
    memo.push_back("an older summary line");
    // The report memo has a line more than the draw memo: it stays as it is.
    VerificationReport report = PillarVerification(memo, 2, {{"01"}, {"02"}}, {1, 1}, Header);
    EXPECT_EQ(report.lines[2], "an older summary line");
    EXPECT_EQ(report.hits.star2, 2);

    // The report memo was cut short by hand: only its own lines are checked, nothing is made up.
    report = PillarVerification({memo[0]}, 2, {{"01"}, {"02"}}, {1, 1}, Header);
    EXPECT_EQ(report.hits.star2, 1);
    EXPECT_EQ(report.lines[1], "");
    EXPECT_EQ(report.lines[2], Header);

    // An empty memo still gets its summary.
    report = PillarVerification({}, 0, {{"01"}, {"02"}}, {1, 1}, Header);
    EXPECT_EQ(report.lines.size(), 17u);
}

TEST(VerificationReport, FullWheelOfTwoAndOfThirty) {
    const auto draws = MemoOf({{"03", "05", "12", "22", "37"}, {"01", "02", "03", "04", "05"}});
    VerificationReport report = WheelVerification(draws, draws, {"03", "12"}, true, Header);
    EXPECT_EQ(report.lines[0].substr(37), ",|,03,__,12,__,__,|,1,0,0");
    EXPECT_EQ(report.lines[1].substr(37), ",|,__,__,03,__,__,|,0,0,0");
    EXPECT_EQ(tail(report.lines, 2),
              (std::vector<std::string>{"", Header, "", "如果您選擇連碰號碼( 2 碼)", "03,12", "",
                                        "每期二星 1 碰", "每期三星 0 碰", "每期四星 0 碰", "", "※開出統計※",
                                        "二星開出 1 碰", "三星開出 0 碰", "四星開出 0 碰"}));

    std::vector<std::string> thirty;
    for (int n = 1; n <= 30; ++n)
        thirty.push_back(NumText(n));
    report = WheelVerification(draws, draws, thirty, true, Header);
    EXPECT_EQ(report.lines[1].substr(37), ",|,01,02,03,04,05,|,10,10,5");
    EXPECT_EQ(report.lines[5], "如果您選擇連碰號碼( 30 碼)");
    EXPECT_EQ(report.lines[6], "01,02,03,04,05,06,07,08,09,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,"
                               "26,27,28,29,30");
    EXPECT_EQ(report.lines[8], "每期二星 435 碰");
    EXPECT_EQ(report.lines[9], "每期三星 4060 碰");
    EXPECT_EQ(report.lines[10], "每期四星 27405 碰");
    // 03 05 12 22 drawn in the first draw, all five in the second.
    EXPECT_EQ(report.hits, (StarCounts{6 + 10, 4 + 10, 1 + 5}));
    EXPECT_EQ(report.lines.back(), "四星開出 6 碰");
}

TEST(VerificationReport, FullWheelWithoutDetailAndRepeated) {
    const auto draws = MemoOf({{"03", "05", "12", "22", "37"}, {"01", "02", "03", "04", "05"}});
    VerificationReport report = WheelVerification(draws, draws, {"03", "05"}, false, Header);
    EXPECT_EQ(report.lines[0], draws[0]);
    EXPECT_EQ(report.lines[1], draws[1]);
    EXPECT_EQ(report.hits, (StarCounts{2, 0, 0}));
    EXPECT_EQ(report.lines.size(), 2u + 14u);

    // A second run over its own report rewrites the detail from the draw memo and adds a second summary.
    const VerificationReport again = WheelVerification(draws, report.lines, {"03", "05"}, true, Header);
    EXPECT_EQ(again.lines[0].substr(37), ",|,03,05,__,__,__,|,1,0,0");
    EXPECT_EQ(tail(again.lines, 2), [&] {
        auto both = tail(report.lines, 2);
        auto second = tail(report.lines, 2);
        both.insert(both.end(), second.begin(), second.end());
        return both;
    }());

    // The report memo was emptied by hand: every draw still gets its detail line.
    report = WheelVerification(draws, {}, {"03", "05"}, true, Header);
    EXPECT_EQ(report.lines[1].substr(0, 37), draws[1]);
    EXPECT_EQ(report.lines[2], "");
}

TEST(VerificationReport, SelectionTextBreaksBeforeTheSixteenthNumber) {
    std::vector<std::string> selection;
    for (int n = 1; n <= 15; ++n)
        selection.push_back(NumText(n));
    EXPECT_EQ(SelectionText(selection), "01,02,03,04,05,06,07,08,09,10,11,12,13,14,15,");
    selection.push_back("16");
    selection.push_back("17");
    EXPECT_EQ(SelectionText(selection), "01,02,03,04,05,06,07,08,09,10,11,12,13,14,15, 16,17,");
    EXPECT_EQ(SelectionText({}), "");
}
