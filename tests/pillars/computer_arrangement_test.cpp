#include "pillars/computer_arrangement.h"

#include <gtest/gtest.h>
#include <random>
#include <set>

#include "common/num_format.h"
#include "common/num_text.h"
#include "memo_lines.h"
#include "pillars/verification_report.h"

void PrintTo(const HotCombination& h, std::ostream* out);

namespace {

// Six draws over the selection 01..08 (20..34 are never selected):
// pairs 0102, 0103, 0203 twice; 0104, 0105, 0107, 0206, 0305, 0405 once; 08 in no draw;
// triples 010203 twice, 010405 once.
std::vector<std::string> sixDraws() {
    return MemoOf({{"01", "02", "03", "20", "21"},
                   {"01", "02", "03", "22", "23"},
                   {"01", "04", "05", "24", "25"},
                   {"02", "06", "26", "27", "28"},
                   {"01", "07", "29", "30", "31"},
                   {"03", "05", "32", "33", "34"}});
}

std::vector<std::string> numbers(std::initializer_list<int> values) {
    std::vector<std::string> out;
    for (int v : values)
        out.push_back(NumText(v));
    return out;
}

const std::vector<std::string> OneToEight = numbers({1, 2, 3, 4, 5, 6, 7, 8});

// The ranking as the window first computed it: each subset counted line by line, the entries
// "count + key" sorted descending as text.
std::vector<HotCombination> rankedOneByOne(int k, const std::vector<std::string>& selection,
                                           const std::vector<std::string>& lines) {
    std::vector<std::string> entries;
    const std::size_t n = selection.size();
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j) {
            if (k == 2) {
                const std::string key = selection[i] + selection[j];
                entries.push_back(NumFormat("000", chkBingo(key, lines)) + key);
                continue;
            }
            for (std::size_t l = j + 1; l < n; ++l) {
                const std::string key = selection[i] + selection[j] + selection[l];
                entries.push_back(NumFormat("000", chkBingo(key, lines)) + key);
            }
        }
    std::sort(entries.begin(), entries.end(), std::greater<>());
    std::vector<HotCombination> ranked;
    for (const std::string& e : entries)
        ranked.push_back(HotCombination{e.substr(3), std::stoi(e.substr(0, 3))});
    return ranked;
}

// A draw memo of random draws, some of whose lines were edited by hand.
std::vector<std::string> editedMemo(std::mt19937& random, int count) {
    std::vector<std::string> lines;
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int i = 1; i <= count; ++i) {
        std::set<int> drawn;
        while (drawn.size() < 5)
            drawn.insert(pick(39) + 1);
        std::array<std::string, 5> texts;
        std::size_t t = 0;
        for (int n : drawn)
            texts[t++] = NumText(n);
        std::string line = DrawMemoLine(i, Date{2026, 1, 1}, "115000", texts);
        switch (pick(12)) {
        case 0:
            line.replace(static_cast<std::size_t>(23 + 3 * pick(5)), 2, "ab");
            break;
        case 1:
            line.replace(static_cast<std::size_t>(23 + 3 * pick(5)), 2, "5 ");
            break;
        case 2:
            line.replace(static_cast<std::size_t>(23 + 3 * pick(5)), 2, pick(2) ? "45" : "00");
            break;
        case 3:
            line.replace(26, 2, line.substr(23, 2));
            break; // one number twice
        case 4:
            line.resize(static_cast<std::size_t>(pick(37)));
            break;
        case 5:
            line.insert(static_cast<std::size_t>(pick(30)), " ");
            break;
        case 6:
            line = pick(2) ? "" : "by hand 01 02 03";
            break;
        default:
            break;
        }
        lines.push_back(line);
    }
    return lines;
}

} // namespace

TEST(ComputerArrangement, SelectedSubsetsAreRankedWithTheirHits) {
    const auto lines = sixDraws();
    const auto pairs = get_allno_selected(2, OneToEight, lines);
    ASSERT_EQ(pairs.size(), 28u);
    const std::vector<HotCombination> top{{"0203", 2}, {"0103", 2}, {"0102", 2}, {"0405", 1}, {"0305", 1},
                                          {"0206", 1}, {"0107", 1}, {"0105", 1}, {"0104", 1}, {"0708", 0}};
    EXPECT_EQ(std::vector<HotCombination>(pairs.begin(), pairs.begin() + 10), top);
    EXPECT_EQ(pairs.back(), (HotCombination{"0106", 0}));

    const auto triples = get_allno_selected(3, OneToEight, lines);
    ASSERT_EQ(triples.size(), 56u);
    EXPECT_EQ(triples[0], (HotCombination{"010203", 2}));
    EXPECT_EQ(triples[1], (HotCombination{"010405", 1}));
    EXPECT_EQ(triples[2], (HotCombination{"060708", 0}));
    EXPECT_EQ(triples.back(), (HotCombination{"010204", 0}));

    EXPECT_TRUE(get_allno_selected(4, OneToEight, lines).empty());
    EXPECT_TRUE(get_allno_selected(2, {"01"}, lines).empty());
    EXPECT_EQ(get_allno_selected(3, numbers({1, 2, 3}), {}), (std::vector<HotCombination>{{"010203", 0}}));
}

TEST(ComputerArrangement, FastRankingEqualsTheLineByLineCount) {
    std::mt19937 random(539);
    for (int round = 0; round < 40; ++round) {
        const auto lines = editedMemo(random, static_cast<int>(random() % 400));
        std::set<int> chosen;
        const std::size_t size = 5 + random() % 26;
        while (chosen.size() < size)
            chosen.insert(static_cast<int>(random() % 39) + 1);
        std::vector<std::string> selection;
        for (int n : chosen)
            selection.push_back(NumText(n));
        for (int k : {2, 3})
            ASSERT_EQ(get_allno_selected(k, selection, lines), rankedOneByOne(k, selection, lines))
                << "round " << round << ", k " << k;
    }
}

TEST(ComputerArrangement, PassesScoreTheNumbersOfTheirHits) {
    const auto lines = sixDraws();
    const SelectionPass pairs = RankSelection(2, OneToEight, lines);
    EXPECT_EQ(pairs.scoreLines, (std::vector<std::string>{"701", "503", "502", "305", "204", "107", "106"}));
    EXPECT_EQ(pairs.hotNumbers, numbers({1, 3, 2, 5, 4, 7, 6}));
    ASSERT_EQ(pairs.rankingLines.size(), 28u);
    EXPECT_EQ(pairs.rankingLines[0], "0203  002");
    EXPECT_EQ(pairs.rankingLines.back(), "0106  000");

    const SelectionPass triples = RankSelection(3, OneToEight, lines);
    EXPECT_EQ(triples.scoreLines, (std::vector<std::string>{"301", "203", "202", "105", "104"}));
    EXPECT_EQ(triples.hotNumbers, numbers({1, 3, 2, 5, 4}));
    EXPECT_EQ(triples.rankingLines[1], "010405  001");

    // Nothing drawn: no number is hot.
    EXPECT_TRUE(RankSelection(2, OneToEight, {}).hotNumbers.empty());
}

TEST(ComputerArrangement, HotSelHoldsEverySelectedNumberOnce) {
    // 08 had no pair hit: it closes the list.
    EXPECT_EQ(CompleteHotSel(numbers({1, 3, 2, 5, 4, 7, 6}), numbers({1, 3, 2, 5, 4}), OneToEight),
              numbers({1, 3, 2, 5, 4, 7, 6, 8}));
    // The triple pass moved 02 up over a number that stays further down: it stands once, and the
    // overwritten 05 and the unlisted 09 follow ascending.
    EXPECT_EQ(CompleteHotSel(numbers({5, 1, 2}), numbers({2}), numbers({1, 2, 5, 9})), numbers({2, 1, 5, 9}));
    // A longer triple list than pair list, and numbers of an earlier selection, are handled.
    EXPECT_EQ(CompleteHotSel(numbers({3}), numbers({4, 3}), numbers({3, 4, 6})), numbers({4, 3, 6}));
    EXPECT_EQ(CompleteHotSel(numbers({33, 1}), {}, numbers({1, 2})), numbers({1, 2}));
    EXPECT_EQ(CompleteHotSel({}, {}, numbers({9, 2})), numbers({2, 9}));
}

TEST(ComputerArrangement, LeastHitCombinationsShareAPillar) {
    const auto lines = sixDraws();
    // 3, 3, 2: the least-hit triples of unplaced numbers, then the least-hit pair of the rest.
    Arrangement a = ArrangeSelection(OneToEight, {3, 3, 2}, lines);
    EXPECT_EQ(a.HotSel, numbers({1, 3, 2, 5, 4, 7, 6, 8}));
    EXPECT_EQ(a.PillarNo, (PillarNumbers{numbers({1, 2, 4}), numbers({3, 5, 6}), numbers({7, 8})}));

    // 1, 1, 2, 2, 2: the hottest two alone, then the least-hit pairs walked from the bottom.
    a = ArrangeSelection(OneToEight, {1, 1, 2, 2, 2}, lines);
    EXPECT_EQ(a.PillarNo,
              (PillarNumbers{numbers({1}), numbers({3}), numbers({2, 4}), numbers({5, 6}), numbers({7, 8})}));

    // 4, 4: a triple each, the fourth slots from HotSel.
    a = ArrangeSelection(OneToEight, {4, 4}, lines);
    EXPECT_EQ(a.PillarNo, (PillarNumbers{numbers({1, 2, 4, 7}), numbers({3, 5, 6, 8})}));

    // A number without any hit still gets its slot.
    a = ArrangeSelection(numbers({1, 2, 3, 4, 8}), {1, 1, 1, 1, 1}, lines);
    EXPECT_EQ(a.PillarNo,
              (PillarNumbers{numbers({3}), numbers({2}), numbers({1}), numbers({4}), numbers({8})}));

    // The arranged layout verified over the same draws.
    a = ArrangeSelection(OneToEight, {3, 3, 2}, lines);
    const VerificationReport report = PillarVerification(lines, lines.size(), a.PillarNo, {3, 3, 2}, "");
    EXPECT_EQ(report.hits, (StarCounts{8, 0, 0}));
    EXPECT_EQ(report.lines[5], "0006,2026/01/06,115000,03,05,32,33,34,|,03,05,__,__,__,|,0,0,0");
}

TEST(ComputerArrangement, ArrangingFillsSlotByTableOrderAndStaysInTheTables) {
    // No ranking to go by: singles first, then every slot 1 across the pillars, then every slot 2.
    const auto hot = numbers({1, 2, 3, 4, 5, 6});
    EXPECT_EQ(PPNO_Arrange({3, 2, 1}, hot, {}, {}),
              (PillarNumbers{numbers({2, 4, 6}), numbers({3, 5}), numbers({1})}));
    // More slots than numbers: the rest stay empty.
    EXPECT_EQ(PPNO_Arrange({2, 1}, numbers({7}), {}, {}), (PillarNumbers{{"", ""}, {"07"}}));
    // A ranking entry of the wrong length is passed over.
    EXPECT_EQ(PPNO_Arrange({2}, numbers({1, 2}), {{"0102", 0}, {"010", 0}}, {}),
              (PillarNumbers{numbers({1, 2})}));

    // Sizes beyond the tables are cut to 8 pillars of 8 slots.
    const PillarNumbers wide = PPNO_Arrange({9, -1, 1, 1, 1, 1, 1, 1, 1}, hot, {}, {});
    ASSERT_EQ(wide.size(), 8u);
    EXPECT_EQ(wide[0].size(), 8u);
    EXPECT_TRUE(wide[1].empty());

    const PillarNumbers layout{numbers({1, 2}), {""}};
    EXPECT_TRUE(CHK_PPNO_Double("02", layout));
    EXPECT_FALSE(CHK_PPNO_Double("03", layout));
    EXPECT_FALSE(CHK_PPNO_Double("2", layout));
    EXPECT_TRUE(CHK_PPNO_Double("", layout));
}
