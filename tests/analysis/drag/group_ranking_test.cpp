#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

#include "analysis/drag/drag_grid.h"
#include "analysis/drag/group_ranking.h"
#include "common/num_format.h"
#include "common/num_text.h"

namespace {

constexpr int MaxNo = 39;

// A drag-shaped grid whose number columns are marked at random, with its statistic rows' room.
TextTable randomGrid(int rows, unsigned seed, int percent) {
    std::mt19937 random(seed);
    TextTable grid(DragGridColumns(MaxNo), rows + 13, 0, 1);
    for (int r = 1; r <= rows; ++r) {
        grid.setCell(0, r, "date" + std::to_string(r));
        grid.setCell(1, r, NumFormat("000000", r));
        for (int n = 1; n <= MaxNo; ++n)
            if (static_cast<int>(random() % 100) < percent)
                grid.setCell(n + 1, r, "●");
    }
    return grid;
}

// The ranking read cell by cell, as a player would count it.
std::vector<std::string> slowRanking(const TextTable& grid, int rows, int size, int width) {
    std::vector<std::string> keys;
    const auto pad = [width](int v) {
        std::string s = std::to_string(v);
        return std::string(static_cast<std::size_t>(std::max(0, width - static_cast<int>(s.size()))), '0') +
               s;
    };
    std::vector<int> group(static_cast<std::size_t>(size));
    std::function<void(int, int)> choose = [&](int from, int depth) {
        if (depth == size) {
            int hit = 0, marks = 0;
            for (int r = 1; r <= rows; ++r) {
                bool any = false;
                for (int n : group)
                    if (!grid.cell(n + 1, r).empty()) {
                        any = true;
                        ++marks;
                    }
                hit += any;
            }
            if (size == 3 && !(rows > 0 && static_cast<double>(hit) / rows > 0.3 + 1e-12))
                return;
            std::string key = pad(hit) + pad(marks);
            for (int i = 0; i < size; ++i)
                key += (i ? "." : "") + NumText(group[static_cast<std::size_t>(i)]);
            keys.push_back(key);
            return;
        }
        for (int n = from; n <= MaxNo; ++n) {
            group[static_cast<std::size_t>(depth)] = n;
            choose(n + 1, depth + 1);
        }
    };
    choose(1, 0);
    std::sort(keys.begin(), keys.end(), std::greater<>());
    return keys;
}

} // namespace

TEST(GroupRanking, MatchesASlowCountOfEveryGroup) {
    for (int rows : {0, 1, 7, 64, 65, 300}) {
        const TextTable grid = randomGrid(rows, static_cast<unsigned>(rows), 13);
        EXPECT_EQ(get_twoforone(grid, rows, MaxNo), slowRanking(grid, rows, 2, 3)) << rows;
        EXPECT_EQ(get_threeforone(grid, rows, MaxNo), slowRanking(grid, rows, 3, 3)) << rows;
    }
    EXPECT_EQ(get_twoforone(randomGrid(10, 1, 13), 10, MaxNo).size(), 741u);
}

TEST(GroupRanking, LongDragsWidenBothCountsAlike) {
    const TextTable grid = randomGrid(2500, 4, 40);
    const std::vector<std::string> pairs = get_twoforone(grid, 2500, MaxNo);
    EXPECT_EQ(pairs, slowRanking(grid, 2500, 2, 4));
    EXPECT_EQ(pairs.front().size(), 4u + 4u + 5u);
    EXPECT_EQ(GroupOfKey(pairs.front(), 2).size(), 5u);
    EXPECT_EQ(GroupOfKey(pairs.front(), 2)[2], '.');
    const std::vector<std::string> triples = get_threeforone(grid, 2500, MaxNo);
    ASSERT_FALSE(triples.empty());
    EXPECT_EQ(triples, slowRanking(grid, 2500, 3, 4));
    EXPECT_EQ(GroupOfKey(triples.back(), 3).substr(5, 1), ".");
}

TEST(GroupRanking, TiesOrderByMarksThenTheHigherNumbers) {
    TextTable grid(DragGridColumns(MaxNo), 2 + 13, 0, 1);
    // Row 1: 01 02 03; row 2: 01. Pairs hitting both rows: 01 with anything.
    for (int n : {1, 2, 3})
        grid.setCell(n + 1, 1, "●");
    grid.setCell(2, 2, "●");
    const std::vector<std::string> keys = get_twoforone(grid, 2, MaxNo);
    const std::vector<std::string> top = GroupChoices(keys, 2, 4);
    EXPECT_EQ(top, (std::vector<std::string>{"01.03", "01.02", "01.39", "01.38"}));
    EXPECT_EQ(keys.front(), "002003"
                            "01.03");
    EXPECT_EQ(GroupChoices(keys, 2, 100).size(), 100u);
}

TEST(GroupRanking, TriplesMustHitMoreThanThirtyPercent) {
    TextTable grid(DragGridColumns(MaxNo), 100 + 13, 0, 1);
    for (int r = 1; r <= 30; ++r) // 01 in exactly 30 of 100 rows
        grid.setCell(2, r, "●");
    EXPECT_TRUE(get_threeforone(grid, 100, MaxNo).empty());
    grid.setCell(2, 31, "●"); // 31%
    const std::vector<std::string> keys = get_threeforone(grid, 100, MaxNo);
    EXPECT_EQ(keys.size(), static_cast<std::size_t>(38 * 37 / 2));
    EXPECT_EQ(GroupOfKey(keys.front(), 3), "01.38.39");
    EXPECT_TRUE(get_threeforone(grid, 0, MaxNo).empty());
}

TEST(GroupRanking, ChosenColumnsAreCopiedWholeAndCounted) {
    const TextTable grid = randomGrid(20, 8, 25);
    TextTable view = GroupView(grid, 2);
    EXPECT_EQ(view.columnCount(), 4);
    EXPECT_EQ(view.cell(1, 3), grid.cell(1, 3));
    const GroupCounts counts = ShowGroupColumns(view, grid, "05.17", 2, 20, MaxNo);
    int hit = 0, marks = 0;
    for (int r = 0; r < grid.rowCount(); ++r) {
        EXPECT_EQ(view.cell(2, r), grid.cell(6, r));
        EXPECT_EQ(view.cell(3, r), grid.cell(18, r));
        if (r >= 1 && r <= 20) {
            const int here = !grid.cell(6, r).empty() + !grid.cell(18, r).empty();
            marks += here;
            hit += here > 0;
        }
    }
    EXPECT_EQ(counts.hit, hit);
    EXPECT_EQ(counts.marks, marks);
    EXPECT_EQ(view.rowCount(), 20 + 13);

    // A part above the game's numbers, or not a number, leaves its column as it was.
    ShowGroupColumns(view, grid, "40.xx", 2, 20, MaxNo);
    EXPECT_EQ(view.cell(2, 1), grid.cell(6, 1));
    EXPECT_EQ(view.cell(3, 1), grid.cell(18, 1));
    ClearGroupColumns(view, 2);
    const GroupCounts none = ShowGroupColumns(view, grid, "", 2, 20, MaxNo);
    EXPECT_EQ(none.hit, 0);
    EXPECT_EQ(none.marks, 0);
}
