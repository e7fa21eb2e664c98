#include "analysis/golden_ten_search.h"

#include <gtest/gtest.h>

#include <memory>
#include <numeric>
#include <random>

#include "analysis/golden_combination.h"
#include "common/num_format.h"
#include "common/num_text.h"
#include "golden_reference.h"

namespace {

// Random draws mostly of the favoured numbers, so that groups of them share counts; some draws
// repeat a number, hold "00" or "40", or lie outside the range (dated 2019).
std::unique_ptr<DrawTables> RandomTables(std::mt19937& random, int count, const std::vector<int>& favoured) {
    auto draws = std::make_unique<DrawTables>();
    draws->DrawCount = count;
    for (int i = 1; i <= count; ++i) {
        draws->DrawDate[i] =
            random() % 10 == 0 ? Date{2019, 6, 1} : Date{2020, 1, 1 + static_cast<int>(random() % 28)};
        for (int p = 1; p <= 5; ++p) {
            const unsigned pick = random() % 40;
            std::string ball = pick < 34 ? NumText(favoured[random() % favoured.size()])
                                         : NumText(static_cast<int>(random() % 39) + 1);
            if (pick == 39)
                ball = random() % 2 ? "00" : "40";
            draws->DrawNumsDrawn[p][i] = ball;
        }
    }
    return draws;
}

std::vector<SlowDraw> SlowDrawsOf(const DrawTables& draws, const std::vector<int>& indexes) {
    std::vector<SlowDraw> out;
    for (int i : indexes) {
        SlowDraw d;
        for (int p = 1; p <= 7; ++p)
            d[static_cast<std::size_t>(p - 1)] = draws.DrawNumsDrawn[p][i];
        out.push_back(d);
    }
    return out;
}

std::vector<std::string> Entries(const std::vector<GoldenEntry>& kept) {
    std::vector<std::string> out;
    for (const GoldenEntry& e : kept)
        out.push_back(NumFormat("000", e.count) + e.text());
    return out;
}

std::vector<std::string> Texts(const std::vector<int>& numbers) {
    std::vector<std::string> out;
    for (int n : numbers)
        out.push_back(NumText(n));
    return out;
}

const GoldenQuery Month{{2020, 1, 1}, {2020, 1, 31}, true};

} // namespace

TEST(GoldenTenSearch, MatchesTheSlowSearchOnSmallTopLists) {
    std::mt19937 random(2020);
    for (int round = 0; round < 6; ++round) {
        // 10..16 top numbers in any order of value; 1..300 draws.
        std::vector<int> pool(39);
        std::iota(pool.begin(), pool.end(), 1);
        std::shuffle(pool.begin(), pool.end(), random);
        std::vector<int> top(pool.begin(), pool.begin() + 10 + round + (round > 3 ? 1 : 0));
        std::sort(top.begin(), top.end());
        const int drawCount = round == 0 ? 1 : 60 * round;
        const auto draws = RandomTables(random, drawCount, top);
        const std::vector<int> indexes = GoldenDraws(*draws, Month);
        const std::vector<std::string> slow = SlowTenNumberEntries(Texts(top), SlowDrawsOf(*draws, indexes));
        for (int threads : {1, 2, 3}) {
            GoldenSearchControl control;
            control.threads = threads;
            const GoldenTenOutcome fast = BestTenNumberGroups(*draws, indexes, top, control);
            ASSERT_FALSE(fast.stopped);
            EXPECT_EQ(Entries(fast.kept), slow) << "round " << round << ", threads " << threads;
        }
    }
}

TEST(GoldenTenSearch, MatchesTheSlowSearchOverTheTopTwentyFive) {
    // A few draws of a short range: the whole search of 3 268 760 groups, ties everywhere (the
    // tenth-entry rule decides which groups of equal count stay).
    std::mt19937 random(25);
    std::vector<int> favoured = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37};
    const auto draws = RandomTables(random, 5, favoured);
    const GoldenQuery query{{2019, 1, 1}, {2020, 12, 31}, false};
    const GoldenRanking ranking = get_sumno(*draws, query);
    const std::vector<int> top = GoldenTopNumbersOf(ranking);
    const std::vector<int> indexes = GoldenDraws(*draws, query);
    const std::vector<std::string> slow = SlowTenNumberEntries(Texts(top), SlowDrawsOf(*draws, indexes));
    ASSERT_NE(slow[0].substr(0, 3), "000");
    for (int threads : {1, 2}) {
        GoldenSearchControl control;
        control.threads = threads;
        EXPECT_EQ(Entries(BestTenNumberGroups(*draws, indexes, top, control).kept), slow) << threads;
    }
}

TEST(GoldenTenSearch, NoGroupsBelowTenNumbersAndAStopEndsEarly) {
    std::mt19937 random(9);
    const std::vector<int> nine = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    const auto draws = RandomTables(random, 40, nine);
    const std::vector<int> indexes = GoldenDraws(*draws, Month);
    // Nothing to choose from: the ten starting entries stay.
    const GoldenTenOutcome none = BestTenNumberGroups(*draws, indexes, nine, {});
    EXPECT_EQ(Entries(none.kept), std::vector<std::string>(10, "00001020304050607080910"));

    const std::vector<int> top = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                                  14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25};
    std::vector<std::pair<int, int>> progress;
    std::atomic<bool> stop{false};
    GoldenSearchControl control{[&](int done, int total) {
                                    progress.emplace_back(done, total);
                                    if (done == 100)
                                        stop = true;
                                },
                                &stop, 2};
    const GoldenTenOutcome stopped = BestTenNumberGroups(*draws, indexes, top, control);
    EXPECT_TRUE(stopped.stopped);
    EXPECT_TRUE(stopped.kept.empty());
    ASSERT_EQ(progress.size(), 101u);
    EXPECT_EQ(progress.back(), std::pair(100, 816)); // the groups come in 816 runs of a first three

    progress.clear();
    stop = false;
    control.progress = [&](int done, int total) { progress.emplace_back(done, total); };
    EXPECT_FALSE(BestTenNumberGroups(*draws, indexes, top, control).stopped);
    EXPECT_EQ(progress.back(), std::pair(816, 816));
    EXPECT_EQ(progress.size(), 817u);
}
