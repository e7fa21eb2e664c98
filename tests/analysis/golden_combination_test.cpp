#include "analysis/golden_combination.h"

#include <gtest/gtest.h>

#include <memory>

#include "common/errors.h"
#include "common/num_format.h"
#include "common/num_text.h"
#include "golden_reference.h"

namespace {

struct TestDraw {
    Date date;
    std::array<std::string, 5> balls;
};

// Tables filled directly, so that draws a load would refuse (numbers outside 1..39, a number twice)
// can reach the counts too.
std::unique_ptr<DrawTables> Tables(const std::vector<TestDraw>& list) {
    auto draws = std::make_unique<DrawTables>();
    draws->DrawCount = static_cast<int>(list.size());
    for (int i = 1; i <= draws->DrawCount; ++i) {
        const TestDraw& d = list[static_cast<std::size_t>(i - 1)];
        draws->DrawDate[i] = d.date;
        draws->DrawId[i] = "1" + NumFormat("00000", i);
        std::array<std::string, 5> sorted = d.balls;
        std::sort(sorted.begin(), sorted.end());
        for (int p = 1; p <= 5; ++p) {
            draws->DrawNumsDrawn[p][i] = d.balls[static_cast<std::size_t>(p - 1)];
            draws->DrawNums[p][i] = sorted[static_cast<std::size_t>(p - 1)];
        }
    }
    return draws;
}

TestDraw Drawn(Date date, std::array<int, 5> numbers) {
    TestDraw d{date, {}};
    for (std::size_t k = 0; k < 5; ++k)
        d.balls[k] = NumText(numbers[k]);
    return d;
}

std::vector<SlowDraw> SlowDraws(const DrawTables& draws, const GoldenQuery& query) {
    std::vector<SlowDraw> out;
    for (int i : GoldenDraws(draws, query)) {
        SlowDraw d;
        for (int p = 1; p <= 7; ++p)
            d[static_cast<std::size_t>(p - 1)] = draws.DrawNumsDrawn[p][i];
        out.push_back(d);
    }
    return out;
}

// "0105  003" back to the entry "0030105" the slow counting makes.
std::vector<std::string> AsEntries(const std::vector<std::string>& lines) {
    std::vector<std::string> entries;
    for (const std::string& line : lines) {
        const std::size_t gap = line.find("  ");
        entries.push_back(line.substr(gap + 2) + line.substr(0, gap));
    }
    return entries;
}

const GoldenQuery January{{2020, 1, 1}, {2020, 1, 4}, true};

} // namespace

TEST(GoldenCombination, RankingCountsTheRangeAndSkipsNumbersOutsideTheGame) {
    const auto draws = Tables({Drawn({2019, 12, 31}, {5, 5, 5, 5, 5}), Drawn({2020, 1, 1}, {1, 2, 3, 4, 5}),
                               Drawn({2020, 1, 2}, {5, 6, 7, 8, 9}), Drawn({2020, 1, 3}, {1, 5, 10, 11, 12}),
                               TestDraw{{2020, 1, 4}, {"39", "05", "00", "40", "01"}},
                               Drawn({2020, 1, 5}, {20, 20, 20, 20, 20})});
    const GoldenRanking ranking = get_sumno(*draws, January);
    EXPECT_EQ(ranking.drawsInRange, 4);
    EXPECT_EQ(GoldenDrawCountText(ranking), "  4");
    ASSERT_EQ(ranking.gold_key.size(), 39u);
    EXPECT_EQ(ranking.gold_key[0], 405);
    EXPECT_EQ(ranking.gold_key[1], 301);
    EXPECT_EQ(ranking.gold_key[2], 139); // equal counts: the higher number first
    EXPECT_EQ(ranking.gold_key[3], 112);
    EXPECT_EQ(ranking.gold_key[13], 38);

    TextTable sga1, sga2;
    ShowRanking(ranking, sga1, sga2);
    EXPECT_EQ(sga1.columnCount(), 25);
    EXPECT_EQ(sga1.cell(0, 0), "05");
    EXPECT_EQ(sga1.cell(0, 1), "4");
    EXPECT_EQ(sga1.cell(24, 0), "27");
    EXPECT_EQ(sga1.cell(24, 1), "0");
    EXPECT_EQ(sga2.cell(0, 0), "26");
    EXPECT_EQ(sga2.cell(13, 0), "13");
    EXPECT_EQ(sga2.cell(14, 0), "");
    EXPECT_EQ(sga2.cell(24, 1), "");
    EXPECT_EQ(GoldenTopNumbersOf(ranking).front(), 1);
    EXPECT_EQ(GoldenTopNumbersOf(ranking).back(), 39);
    EXPECT_EQ(GoldenTopNumbersOf(ranking).size(), 25u);

    // No draw in the range: every count 0, ranked from 39 down.
    const GoldenRanking none = get_sumno(*draws, {{2021, 1, 1}, {2021, 12, 31}, true});
    EXPECT_EQ(none.drawsInRange, 0);
    EXPECT_EQ(none.gold_key.front(), 39);
    EXPECT_EQ(none.gold_key.back(), 1);
    EXPECT_EQ(TenNumberLines(*draws, {{2021, 1, 1}, {2021, 12, 31}, true}, {}),
              (std::vector<std::string>{"", "六合彩最佳組合：黃金十號",
                                        "開獎日期自 2021/01/01 至 2021/12/31 共   0 期"}));

    // A position that is no integer is the conversion error of the count.
    draws->DrawNumsDrawn[3][2] = "";
    EXPECT_THROW(get_sumno(*draws, January), ConversionError);
}

TEST(GoldenCombination, PairsAndTriplesAsTheSlowCountSortsThem) {
    const auto draws = Tables({Drawn({2020, 1, 1}, {1, 2, 3, 4, 5}), Drawn({2020, 1, 2}, {5, 6, 7, 8, 9}),
                               Drawn({2020, 1, 3}, {1, 5, 10, 11, 12}),
                               TestDraw{{2020, 1, 4}, {"39", "05", "00", "40", "01"}}});
    const std::vector<std::string> pairs = PairLines(*draws, January);
    ASSERT_EQ(pairs.size(), 741u);
    EXPECT_EQ(pairs[0], "0105  003");
    EXPECT_EQ(pairs[1], "1112  001"); // equal counts: the higher pair first
    EXPECT_EQ(pairs.back(), "0106  000");
    EXPECT_EQ(AsEntries(pairs), SlowCombinationEntries(39, 2, SlowDraws(*draws, January)));

    const std::vector<std::string> triples = TripleLines(*draws, January);
    ASSERT_EQ(triples.size(), 1000u);
    EXPECT_EQ(triples[0], "101112  001");
    std::vector<std::string> slow = SlowCombinationEntries(39, 3, SlowDraws(*draws, January));
    slow.resize(1000);
    EXPECT_EQ(AsEntries(triples), slow);
}

TEST(GoldenCombination, ADrawRepeatingANumberCountsByItsPositions) {
    // Positions are counted, not numbers: 05 twice makes two matching positions.
    const auto draws = Tables(
        {TestDraw{{2020, 1, 2}, {"05", "05", "07", "08", "09"}}, Drawn({2020, 1, 3}, {5, 7, 20, 21, 22})});
    const std::vector<SlowDraw> slow = SlowDraws(*draws, January);
    EXPECT_EQ(AsEntries(PairLines(*draws, January)), SlowCombinationEntries(39, 2, slow));
    std::vector<std::string> triples = SlowCombinationEntries(39, 3, slow);
    triples.resize(1000);
    EXPECT_EQ(AsEntries(TripleLines(*draws, January)), triples);
    EXPECT_EQ(SlowBingo("0507", slow), 1);
    EXPECT_EQ(SlowBingo("0105", slow), 1);
}

TEST(GoldenCombination, CountsOfAThousandWidenTheCountField) {
    std::vector<TestDraw> list(1000, Drawn({2020, 1, 2}, {1, 2, 3, 4, 5}));
    list.push_back(Drawn({2020, 1, 3}, {6, 7, 8, 9, 10}));
    const auto draws = Tables(list);
    const std::vector<std::string> pairs = PairLines(*draws, January);
    EXPECT_EQ(pairs[0], "0405  1000");
    EXPECT_EQ(pairs[10], "0910  0001");
    EXPECT_EQ(pairs.back(), "0106  0000");
    EXPECT_EQ(TenNumberLines(*draws, January, {}).at(3),
              "第 01 組號碼 01 02 03 04 05 06 07 08 09 10 開出五星以上(含特別號)1001 次");
}

TEST(GoldenCombination, TenNumberReport) {
    const auto draws = Tables({Drawn({2020, 1, 2}, {3, 1, 4, 5, 2}), Drawn({2020, 2, 2}, {3, 1, 4, 5, 2})});
    GoldenQuery query{{2020, 1, 1}, {2020, 1, 31}, true};
    EXPECT_EQ(TenNumberLines(*draws, query, {}),
              (std::vector<std::string>{
                  "", "六合彩最佳組合：黃金十號", "開獎日期自 2020/01/01 至 2020/01/31 共   1 期",
                  "第 01 組號碼 01 02 03 04 05 35 36 37 38 39 開出五星以上(含特別號)1 次",
                  "第 02 組號碼 01 02 03 04 05 34 36 37 38 39 開出五星以上(含特別號)1 次"}));
    query.specialNumber = false;
    EXPECT_EQ(TenNumberLines(*draws, query, {}).at(4),
              "第 02 組號碼 01 02 03 04 05 34 36 37 38 39 開出五星以上(不含特別號)1 次");

    // The whole window's texts from one call.
    const GoldenTexts texts = GoldenCombination(*draws, query);
    EXPECT_EQ(texts.drawCount, "  1");
    EXPECT_EQ(texts.sga1.cell(0, 0), "05");
    EXPECT_EQ(texts.pairs.size(), 741u);
    EXPECT_EQ(texts.triples.size(), 1000u);
    EXPECT_EQ(texts.ten, TenNumberLines(*draws, query, {}));
}
