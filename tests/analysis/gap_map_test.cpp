#include <gtest/gtest.h>
#include <random>

#include "analysis/gap_map.h"
#include "analysis/gap_report.h"
#include "analysis/statistics/statistics_draws.h"
#include "common/errors.h"

namespace {

// Ten draws of 30..34; `set` puts number n into draw d (1-based) at position 1.
std::unique_ptr<SharedTables> TenDraws(const std::vector<std::pair<int, int>>& set) {
    auto tables = LoadedTables(DatedDraws(std::vector<std::array<int, 5>>(10, {30, 31, 32, 33, 34})));
    for (const auto& [n, d] : set)
        tables->draws.DrawNumsDrawn[1][d] = NumText(n);
    return tables;
}

std::vector<std::string> Column(const TextTable& table, int col) {
    std::vector<std::string> out;
    for (int row = 1; row < table.rowCount() && !table.cell(col, row).empty(); ++row)
        out.push_back(table.cell(col, row));
    return out;
}

int CellValue(const std::string& text) {
    try {
        return StrToInt(text);
    } catch (const ConversionError&) {
        return 0;
    }
}

// The map built the long way: one pass over every draw per number, comparing "00" texts, then the
// longest gap over every cell and the report read back from the cells.
struct ReferenceMap {
    TextTable table;
    int longest = 0;
};

ReferenceMap BuildReference(const DrawTables& draws) {
    ReferenceMap ref;
    int maxCount = 0;
    std::vector<std::vector<int>> columns(static_cast<std::size_t>(draws.MaxNo) + 1);
    for (int n = 1; n <= draws.MaxNo; ++n) {
        std::vector<int> appear{0};
        for (int i = 1; i <= draws.DrawCount; ++i)
            for (int p = 1; p <= 5; ++p)
                if (draws.DrawNumsDrawn[p][i] == NumText(n)) {
                    appear.push_back(i);
                    break;
                }
        const int c = static_cast<int>(appear.size()) - 1;
        appear.push_back(draws.DrawCount);
        maxCount = std::max(maxCount, c);
        for (int k = 1; k <= c; ++k)
            columns[static_cast<std::size_t>(n)].push_back(appear[k] - appear[k - 1] - 1);
        columns[static_cast<std::size_t>(n)].push_back(appear[c + 1] - appear[c]);
    }
    ref.table = TextTable(draws.MaxNo + 1, maxCount + 5, 1, 1);
    for (int n = 1; n <= draws.MaxNo; ++n) {
        ref.table.setCell(n, 0, NumText(n));
        const auto& column = columns[static_cast<std::size_t>(n)];
        for (std::size_t k = 0; k < column.size(); ++k) {
            const int v = column[k];
            ref.table.setCell(n, static_cast<int>(k) + 1,
                              v == 0 ? " -" : (v < 10 ? " " : "") + std::to_string(v));
            ref.longest = std::max(ref.longest, v);
        }
    }
    for (int row = 1; row < ref.table.rowCount(); ++row)
        ref.table.setCell(0, row, NumFormat("000", row));
    return ref;
}

std::vector<std::string> ReferenceReport(const TextTable& table, int col, const std::string& typed,
                                         const std::string& newestId) {
    int longest = 0, cnt = 0, sum = 0;
    for (int r = 1; r < table.rowCount(); ++r) {
        const int v = CellValue(table.cell(col, r));
        longest = std::max(longest, v);
        if (!table.cell(col, r).empty()) {
            ++cnt;
            sum += v;
        }
    }
    std::string gaps = "間隔明細";
    for (int r = 1; r < cnt; ++r)
        gaps += "," + table.cell(col, r);
    gaps += table.cell(col, cnt) == " -" ? "  (上期開出)" : "  (目前" + table.cell(col, cnt) + "期未開)";
    return {typed + " 分析  至" + newestId + "期",
            "開出次數 " + std::to_string(cnt - 1) + "   最長間隔 " + std::to_string(longest) +
                "   平均間隔 " + NumFormat("#0.00", static_cast<double>(sum) / cnt),
            gaps, ""};
}

} // namespace

TEST(GapMap, CellsAndReportsOfDrawnAndNeverDrawnNumbers) {
    // 7 in draws 1 and 2; 5 in draws 4 and 10; 9 last in draw 7; 30 in every draw; 1 never.
    const auto tables = TenDraws({{7, 1}, {7, 2}, {5, 4}, {5, 10}, {9, 3}, {9, 7}});
    const GapMap map = BuildGapMap(tables->draws);
    const TextTable table = GapMapTable(map);
    EXPECT_EQ(Column(table, 7), (std::vector<std::string>{" -", " -", " 8"}));
    EXPECT_EQ(Column(table, 1), (std::vector<std::string>{"10"})); // gaps of 10 and more have no blank
    EXPECT_EQ(Column(table, 5), (std::vector<std::string>{" 3", " 5", " -"}));
    EXPECT_EQ(table.cell(7, 0), "07");
    EXPECT_EQ(table.cell(0, 3), "003");
    EXPECT_EQ(map.ni_maxcount, 10); // 30
    EXPECT_EQ(table.rowCount(), 15);
    EXPECT_EQ(table.cell(0, 14), "014");

    const std::string newest = tables->draws.DrawId[10];
    EXPECT_EQ(GapReportLines(map, 7, "07", newest),
              (std::vector<std::string>{"07 分析  至109010期", "開出次數 2   最長間隔 8   平均間隔 2.67",
                                        "間隔明細, -, -  (目前 8期未開)", ""}));
    EXPECT_EQ(GapReportLines(map, 5, "05", newest)[2], "間隔明細, 3, 5  (上期開出)");
    EXPECT_EQ(GapReportLines(map, 9, "9", newest)[2], "間隔明細, 2, 3  (目前 3期未開)");
    EXPECT_EQ(GapReportLines(map, 1, "01", newest),
              (std::vector<std::string>{"01 分析  至109010期", "開出次數 0   最長間隔 10   平均間隔 10.00",
                                        "間隔明細  (目前10期未開)", ""}));
    EXPECT_EQ(LongestGapText(map), "10期  號碼 01 位置 001");
}

TEST(GapMap, TheLongestGapMayBeTheCurrentAbsenceOfTheMostDrawnNumber) {
    auto tables = LoadedTables(DatedDraws(std::vector<std::array<int, 5>>(20, {30, 31, 32, 33, 34})));
    tables->draws.MaxNo = 3;
    for (const auto& [n, d] :
         std::vector<std::pair<int, int>>{{1, 1}, {1, 2}, {1, 3}, {2, 10}, {2, 20}, {3, 5}, {3, 15}})
        tables->draws.DrawNumsDrawn[1][d] = NumText(n);
    const GapMap map = BuildGapMap(tables->draws);
    EXPECT_EQ(map.ni_maxcount, 3);
    EXPECT_EQ(LongestGapText(map), "17期  號碼 01 位置 004");
    EXPECT_EQ(GapMapTable(map).rowCount(), 8);
}

TEST(GapMap, NoDrawsGiveNoGapsAndNoReport) {
    const auto tables = std::make_unique<SharedTables>();
    const GapMap map = BuildGapMap(tables->draws);
    EXPECT_EQ(LongestGapText(map), "0期");
    EXPECT_TRUE(GapReportLines(map, 1, "01", "").empty());
    const TextTable table = GapMapTable(map);
    EXPECT_EQ(table.columnCount(), 40);
    EXPECT_EQ(table.cell(1, 1), "");

    // A number in every draw has no gap above 0.
    auto every = LoadedTables(DatedDraws(std::vector<std::array<int, 5>>(3, {1, 1, 2, 2, 2})));
    every->draws.MaxNo = 2;
    EXPECT_EQ(LongestGapText(BuildGapMap(every->draws)), "0期");
}

TEST(GapMap, BadNumberTextsAndRepeatsInADraw) {
    auto tables = TenDraws({{7, 1}});
    tables->draws.DrawNumsDrawn[2][1] = "07"; // twice in draw 1: one appearance
    tables->draws.DrawNumsDrawn[3][1] = "00";
    tables->draws.DrawNumsDrawn[4][1] = "40";
    tables->draws.DrawNumsDrawn[5][1] = " 7";
    const GapMap map = BuildGapMap(tables->draws);
    EXPECT_EQ(map.column(7), (std::vector<int>{0, 9}));
}

TEST(GapMap, MatchesTheLongWayOnRandomHistories) {
    std::mt19937 random(5);
    for (int round = 0; round < 6; ++round) {
        const int count = round == 0 ? MaxDraws : 1 + static_cast<int>(random() % 400);
        std::vector<std::array<int, 5>> numbers;
        for (int d = 0; d < count; ++d) {
            std::array<int, 5> draw{};
            for (int& n : draw)
                n = 1 + static_cast<int>(random() % 39);
            numbers.push_back(draw);
        }
        const auto tables = LoadedTables(DatedDraws(numbers));
        const GapMap map = BuildGapMap(tables->draws);
        const TextTable table = GapMapTable(map);
        const ReferenceMap ref = BuildReference(tables->draws);
        ASSERT_EQ(table.rowCount(), ref.table.rowCount()) << count;
        for (int row = 0; row < table.rowCount(); ++row)
            ASSERT_EQ(table.joinedRow(row, "|"), ref.table.joinedRow(row, "|")) << count << " row " << row;
        EXPECT_EQ(map.ni_maxgap, ref.longest);
        const std::string newest = tables->draws.DrawId[count];
        for (int n = 1; n <= 39; ++n)
            ASSERT_EQ(GapReportLines(map, n, NumText(n), newest),
                      ReferenceReport(ref.table, n, NumText(n), newest))
                << n;
    }
}

TEST(GapReport, TypedNumbers) {
    EXPECT_EQ(GapReportNumber("07", 39), 7);
    EXPECT_EQ(GapReportNumber(" 7", 39), 7);
    EXPECT_EQ(GapReportNumber("39", 39), 39);
    EXPECT_EQ(GapReportNumber("abc", 39), 1); // no integer: the first number, as the box starts
    EXPECT_EQ(GapReportNumber("", 39), 1);
    EXPECT_FALSE(GapReportNumber("40", 39));
    EXPECT_FALSE(GapReportNumber("0", 39));
    EXPECT_FALSE(GapReportNumber("-3", 39));
    EXPECT_EQ(GapNumberRefusal(39), "請輸入 01 到 39 的號碼");
}
