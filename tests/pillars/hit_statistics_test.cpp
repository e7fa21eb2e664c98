#include "pillars/hit_statistics.h"

#include <gtest/gtest.h>

#include "memo_lines.h"
#include "pillars/draw_memo.h"
#include "pillars/pillar_model.h"

void PrintTo(const HotCombination& h, std::ostream* out) {
    *out << h.key << ":" << h.hits;
}
void PrintTo(const RankedCount& r, std::ostream* out) {
    *out << r.key << ":" << r.hits;
}

TEST(HitStatistics, CombinationListsHoldEachCombinationOnceInOrderOfFirstOccurrence) {
    const auto lines = MemoOf({{"01", "02", "03", "04", "05"}, {"01", "02", "03", "04", "06"}});
    const NumberCount count = Count_Sumno(lines, 39);
    EXPECT_EQ(count.combinations.quads.size(), 9u);
    EXPECT_EQ(count.combinations.triples.size(), 16u);
    EXPECT_EQ(count.combinations.pairs.size(), 14u);
    EXPECT_EQ(count.combinations.quads.front(), "01020304");
    EXPECT_EQ(count.combinations.quads[4], "02030405");
    EXPECT_EQ(count.combinations.quads[5], "01020306");
    EXPECT_EQ(count.combinations.pairs.back(), "0406");
    ASSERT_EQ(count.ranking.size(), 39u);
    EXPECT_EQ(count.ranking[0], (RankedCount{4, 2}));
    EXPECT_EQ(count.ranking[3], (RankedCount{1, 2}));
    EXPECT_EQ(count.ranking[4], (RankedCount{6, 1}));
    EXPECT_EQ(count.ranking[5], (RankedCount{5, 1}));
    EXPECT_EQ(count.ranking[6], (RankedCount{39, 0}));
    EXPECT_EQ(count.ranking.back(), (RankedCount{7, 0}));
}

TEST(HitStatistics, EmptyWindowRanksEveryNumberHighestFirst) {
    const NumberCount count = Count_Sumno({}, 39);
    ASSERT_EQ(count.ranking.size(), 39u);
    for (int r = 0; r < 39; ++r)
        EXPECT_EQ(count.ranking[static_cast<std::size_t>(r)], (RankedCount{39 - r, 0}));
    EXPECT_TRUE(count.combinations.pairs.empty());
    const auto tails = Count_Sumno_tail({}, 39);
    EXPECT_EQ(tails.front(), (RankedCount{9, 0}));
    EXPECT_EQ(tails.back(), (RankedCount{0, 0}));
    EXPECT_TRUE(get_allno(2, count.combinations.pairs, {}, 39).empty());
}

TEST(HitStatistics, TailsRankByHitsThenHigherDigit) {
    const auto lines = MemoOf({{"01", "11", "22", "30", "39"}, {"03", "13", "20", "29", "31"}});
    const auto tails = Count_Sumno_tail(lines, 39);
    ASSERT_EQ(tails.size(), 10u);
    EXPECT_EQ(tails[0], (RankedCount{1, 3}));
    EXPECT_EQ(tails[1], (RankedCount{9, 2}));
    EXPECT_EQ(tails[2], (RankedCount{3, 2}));
    EXPECT_EQ(tails[3], (RankedCount{0, 2}));
    EXPECT_EQ(tails[4], (RankedCount{2, 1}));
    EXPECT_EQ(tails[5], (RankedCount{8, 0}));
}

TEST(HitStatistics, HotListsRankByHitsThenLargerKey) {
    const auto lines = MemoOf({{"01", "05", "12", "22", "37"},
                               {"01", "05", "13", "22", "38"},
                               {"02", "05", "12", "22", "39"},
                               {"01", "06", "12", "23", "37"}});
    const NumberCount count = Count_Sumno(lines, 39);
    const auto pairs = get_allno(2, count.combinations.pairs, lines, 39);
    ASSERT_EQ(pairs.size(), count.combinations.pairs.size());
    EXPECT_EQ(pairs[0], (HotCombination{"0522", 3}));
    EXPECT_EQ(pairs[1], (HotCombination{"1237", 2}));
    // Every count equals the plain line-by-line check.
    for (const auto& p : pairs)
        EXPECT_EQ(p.hits, chkBingo(p.key, lines)) << p.key;
    const auto quads = get_allno(4, count.combinations.quads, lines, 39);
    EXPECT_EQ(quads[0], (HotCombination{"06122337", 1}));
    for (std::size_t i = 1; i < quads.size(); ++i)
        EXPECT_TRUE(quads[i - 1].hits > quads[i].hits ||
                    (quads[i - 1].hits == quads[i].hits && quads[i - 1].key > quads[i].key));
    EXPECT_TRUE(get_allno(5, count.combinations.quads, lines, 39).empty());

    // Pressing twice gives the same list; the memo lines read key, two blanks, three-digit count.
    EXPECT_EQ(get_allno(2, count.combinations.pairs, lines, 39), pairs);
    const auto text = HotListLines(pairs, count.combinations.pairs.size());
    EXPECT_EQ(text[0], "0522  003");
    EXPECT_EQ(text.size(), pairs.size());
}

TEST(HitStatistics, HotListsFollowTheMemoAsItStandsNow) {
    auto lines = MemoOf({{"01", "05", "12", "22", "37"}, {"01", "05", "13", "22", "38"}});
    const NumberCount count = Count_Sumno(lines, 39);
    // The second line edited away after the recount: its combinations stay listed with no hits.
    lines[1] = "edited by hand";
    const auto pairs = get_allno(2, count.combinations.pairs, lines, 39);
    EXPECT_EQ(pairs.size(), 10u);
    const auto text = HotListLines(pairs, count.combinations.pairs.size());
    ASSERT_EQ(text.size(), count.combinations.pairs.size());
    EXPECT_EQ(text[10], "  ");
    EXPECT_EQ(text.back(), "  ");
}

TEST(HitStatistics, EditedLinesCountOnlyTheirRealNumbers) {
    auto lines = MemoOf({{"01", "05", "12", "22", "37"}});
    lines.push_back("0002,2026/01/02,115002,01,xx,00,45,05");
    lines.push_back("0003,2026/01/03,115003,05,05,01");
    lines.push_back("");
    const NumberCount count = Count_Sumno(lines, 39);
    EXPECT_EQ(count.ranking[0], (RankedCount{5, 4}));
    EXPECT_EQ(count.ranking[1], (RankedCount{1, 3}));
    const auto pairs = get_allno(2, count.combinations.pairs, lines, 39);
    EXPECT_EQ(pairs[0], (HotCombination{"0105", 3}));
    EXPECT_EQ(pairs[0].hits, chkBingo("0105", lines));
    EXPECT_EQ(Count_Sumno_tail(lines, 39)[0], (RankedCount{5, 4}));
}

TEST(HitStatistics, CountsAboveNineHundredNinetyNineWidenTheField) {
    std::vector<std::string> lines(
        1200, DrawMemoLine(1, Date{2026, 1, 1}, "115000", {"01", "02", "03", "04", "05"}));
    lines.push_back(DrawMemoLine(2, Date{2026, 1, 2}, "115001", {"01", "02", "07", "08", "09"}));
    const NumberCount count = Count_Sumno(lines, 39);
    const auto pairs = get_allno(2, count.combinations.pairs, lines, 39);
    EXPECT_EQ(pairs[0], (HotCombination{"0102", 1201}));
    const auto text = HotListLines(pairs, pairs.size());
    EXPECT_EQ(text[0], "0102  1201");
    EXPECT_EQ(text[1], "0405  1200");
    EXPECT_EQ(text.back(), "0107  0001");
}

TEST(HitStatistics, CountRowsShowKeysOverHitsAsTheGridsDo) {
    const auto lines = MemoOf({{"01", "05", "15", "25", "39"}, {"05", "10", "20", "30", "35"}});
    const CountRows numbers = NumberCountRows(Count_Sumno(lines, 39).ranking);
    ASSERT_EQ(numbers.keys.size(), 39u);
    EXPECT_EQ(numbers.keys[0], "05");
    EXPECT_EQ(numbers.hits[0], "2");
    EXPECT_EQ(numbers.keys[1], "39");
    EXPECT_EQ(numbers.keys.back(), "02");
    EXPECT_EQ(numbers.hits.back(), "0");

    // Tail 5 holds 05 twice, 15, 25 and 35: five hits; tail 0 three; 9 and 1 tie, the higher first.
    const CountRows tails = TailCountRows(Count_Sumno_tail(lines, 39));
    EXPECT_EQ(tails.keys, (std::vector<std::string>{"5 尾", "0 尾", "9 尾", "1 尾", "8 尾", "7 尾", "6 尾",
                                                    "4 尾", "3 尾", "2 尾"}));
    EXPECT_EQ(tails.hits[0], "5");
    EXPECT_EQ(tails.hits[1], "3");
    EXPECT_EQ(tails.hits[9], "0");
}
