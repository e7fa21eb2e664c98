#include "pillars/split_enumeration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "split_reference.h"

namespace {

std::string Key(const std::vector<std::string>& numbers) {
    std::string key;
    for (const std::string& n : numbers)
        key += n;
    return key;
}

// Each pillar as a sorted set, pillars of equal size as an unordered collection: two splits that
// only swap equal pillars give the same canonical form.
std::multiset<std::pair<std::size_t, std::string>> Canonical(SplitShape shape, const std::string& split) {
    std::multiset<std::pair<std::size_t, std::string>> out;
    for (auto pillar : SplitPillars(shape, split)) {
        std::sort(pillar.begin(), pillar.end());
        out.insert({pillar.size(), Key(pillar)});
    }
    return out;
}

TEST(SplitEnumeration, PickGroupsInLoopOrder) {
    EXPECT_EQ(pick_type1("0105091220", 2), "0105010901120120");
    EXPECT_EQ(pick_type2("01050912", 3), "010509010512010912050912");

    const std::string triples = pick_type1(Key(NumberRange(1, 6)), 3);
    ASSERT_EQ(triples.size(), 10u * 6);
    for (std::size_t at = 0; at < triples.size(); at += 6)
        EXPECT_EQ(triples.substr(at, 2), "01");
    EXPECT_EQ(triples.substr(0, 6), "010203");
    EXPECT_EQ(triples.substr(54), "010506");

    const std::string pairs = pick_type2(Key(NumberRange(1, 8)), 2);
    ASSERT_EQ(pairs.size(), 28u * 4);
    EXPECT_EQ(pairs.substr(0, 4), "0102");
    EXPECT_EQ(pairs.substr(pairs.size() - 4), "0708");

    EXPECT_EQ(pick_type2("0102030405", 4), "01020304010203050102040501030405"
                                           "02030405");
    EXPECT_EQ(pick_type1("0102030405", 4), "0102030401020305010204050103"
                                           "0405");

    // Sizes the groups cannot take, and keys too short for them.
    EXPECT_EQ(pick_type1(Key(NumberRange(1, 6)), 5), "");
    EXPECT_EQ(pick_type2(Key(NumberRange(1, 6)), 1), "");
    EXPECT_EQ(pick_type2("0102", 3), "");
    EXPECT_EQ(pick_type1("01", 2), "");
    EXPECT_EQ(pick_type1("", 2), "");
    EXPECT_EQ(pick_type2("01020", 2), "0102"); // a stray last character is no number
}

TEST(SplitEnumeration, EveryShapeListsEachSplitOnceInAscendingOrder) {
    struct Case {
        SplitShape shape;
        std::size_t count;
    };
    for (const Case c : {Case{SplitShape::Pairs2222, 105}, Case{SplitShape::Singles11222, 420},
                         Case{SplitShape::Triples333, 280}, Case{SplitShape::Mixed2233, 2520}}) {
        SCOPED_TRACE(static_cast<int>(c.shape));
        const std::vector<std::string> numbers = {"03", "11", "17", "22", "25", "28", "31", "34", "36", "39"};
        const std::vector<std::string> chosen(numbers.begin(), numbers.begin() + ShapeNumberCount(c.shape));
        const std::vector<std::string> splits = EnumerateSplits(c.shape, chosen);
        ASSERT_EQ(splits.size(), c.count);
        // Strictly ascending: the searches break ties by this order.
        EXPECT_EQ(std::adjacent_find(splits.begin(), splits.end(), std::greater_equal<>()), splits.end());

        std::set<std::multiset<std::pair<std::size_t, std::string>>> seen;
        for (const std::string& split : splits) {
            // Every number once, each pillar ascending.
            std::vector<std::string> used;
            for (const auto& pillar : SplitPillars(c.shape, split)) {
                EXPECT_TRUE(std::is_sorted(pillar.begin(), pillar.end())) << split;
                used.insert(used.end(), pillar.begin(), pillar.end());
            }
            std::sort(used.begin(), used.end());
            EXPECT_EQ(used, chosen) << split;
            EXPECT_TRUE(seen.insert(Canonical(c.shape, split)).second) << "repeated split " << split;
        }

        // The position patterns give the same splits for any numbers.
        const std::vector<SplitPattern>& patterns = SplitPatterns(c.shape);
        ASSERT_EQ(patterns.size(), c.count);
        for (std::size_t i = 0; i < patterns.size(); ++i) {
            std::string split;
            for (int slot = 0; slot < ShapeNumberCount(c.shape); ++slot)
                split += chosen[patterns[i][static_cast<std::size_t>(slot)]];
            ASSERT_EQ(split, splits[i]);
        }
    }
    // The unordered shapes are complete: 8!/(2^4 4!) = 105, 9!/(3!^3 3!) = 280, 8!/(2^3 3! 2!) = 420.
    // The 2x2x3x3 splits are those with the smallest number in a pillar of two: 9 * 28 * 10.
    for (const std::string& split : EnumerateSplits(SplitShape::Mixed2233, NumberRange(1, 10))) {
        const auto pillars = SplitPillars(SplitShape::Mixed2233, split);
        EXPECT_TRUE(pillars[0][0] == "01") << split;
    }
}

TEST(SplitEnumeration, FirstAndLastSplitsOfTheSelection) {
    const std::vector<std::string> pairs = EnumerateSplits(SplitShape::Pairs2222, NumberRange(1, 8));
    EXPECT_EQ(pairs[0], "0102030405060708");
    EXPECT_EQ(pairs[1], "0102030405070608");
    EXPECT_EQ(pairs[2], "0102030405080607");

    const std::vector<std::string> singles = EnumerateSplits(SplitShape::Singles11222, NumberRange(1, 8));
    EXPECT_EQ(singles.front(), "0102030405060708");
    EXPECT_EQ(singles.back(), "0708010602050304");

    // The numbers arrive in any order; the splits are the same.
    std::vector<std::string> shuffled = NumberRange(1, 8);
    std::reverse(shuffled.begin(), shuffled.end());
    EXPECT_EQ(EnumerateSplits(SplitShape::Pairs2222, shuffled), pairs);
    EXPECT_THROW(EnumerateSplits(SplitShape::Pairs2222, NumberRange(1, 7)), std::invalid_argument);

    const auto pillars = SplitPillars(SplitShape::Mixed2233, "01100809020607030405");
    ASSERT_EQ(pillars.size(), 4u);
    EXPECT_EQ(pillars[1], (std::vector<std::string>{"08", "09"}));
    EXPECT_EQ(pillars[3], (std::vector<std::string>{"03", "04", "05"}));
}

TEST(SplitEnumeration, SubsetsDropTheSmallestFirstAndTheLargestLast) {
    const std::vector<std::string> twelve = Subset1208(NumberRange(1, 12));
    ASSERT_EQ(twelve.size(), 495u);
    EXPECT_EQ(twelve.front(), "0506070809101112");
    EXPECT_EQ(twelve[1], "0406070809101112"); // the fourth dropped number moves first
    EXPECT_EQ(twelve.back(), "0102030405060708");
    EXPECT_EQ(std::set<std::string>(twelve.begin(), twelve.end()).size(), 495u);

    const std::vector<std::string> fifteen = Subset1510(NumberRange(21, 35));
    ASSERT_EQ(fifteen.size(), 3003u);
    EXPECT_EQ(fifteen.front(), "26272829303132333435");
    EXPECT_EQ(fifteen.back(), "21222324252627282930");
    EXPECT_EQ(std::set<std::string>(fifteen.begin(), fifteen.end()).size(), 3003u);

    EXPECT_EQ(SubsetPositions(4, 4), (std::vector<std::vector<int>>{{0, 1, 2, 3}}));
    EXPECT_TRUE(SubsetPositions(3, 4).empty());
}

} // namespace
