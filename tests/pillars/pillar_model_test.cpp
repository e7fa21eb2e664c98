#include "pillars/pillar_model.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

std::array<std::string, 5> hitNo(std::initializer_list<const char*> texts) {
    std::array<std::string, 5> out;
    std::size_t i = 0;
    for (const char* t : texts)
        out[i++] = t;
    return out;
}

} // namespace

TEST(PillarModel, CostsAreTheElementarySymmetricSumsOfThePillarSizes) {
    const std::vector<int> fourPairs{2, 2, 2, 2, 0, 0, 0, 0};
    EXPECT_EQ(ElementaryStars(fourPairs), (StarCounts{24, 32, 16}));
    const std::vector<int> threeTriples{3, 3, 3};
    EXPECT_EQ(ElementaryStars(threeTriples), (StarCounts{27, 27, 0}));
    const std::vector<int> singlesAndPairs{1, 1, 2, 2, 2};
    EXPECT_EQ(ElementaryStars(singlesAndPairs).star2, 25);
    EXPECT_EQ(ElementaryStars(singlesAndPairs), (StarCounts{25, 38, 28}));
    const std::vector<int> twoTwoThreeThree{2, 2, 3, 3};
    EXPECT_EQ(ElementaryStars(twoTwoThreeThree), (StarCounts{37, 60, 36}));
    // The largest layout the tables hold does not overflow.
    const std::vector<int> full(8, 8);
    EXPECT_EQ(ElementaryStars(full), (StarCounts{28 * 64, 56 * 512, 70 * 4096}));
    EXPECT_EQ(ElementaryStars(std::vector<int>{}), (StarCounts{0, 0, 0}));
}

TEST(PillarModel, WheelCostsAreBinomials) {
    EXPECT_EQ(WheelStars(2), (StarCounts{1, 0, 0}));
    EXPECT_EQ(WheelStars(5), (StarCounts{10, 10, 5}));
    EXPECT_EQ(WheelStars(30), (StarCounts{435, 4060, 27405}));
    EXPECT_EQ(WheelStars(1), (StarCounts{0, 0, 0}));
    EXPECT_EQ(WheelStars(0), (StarCounts{0, 0, 0}));
}

TEST(PillarModel, PillarCheckCountsBetsWonAndMarksHitPositions) {
    const PillarNumbers pillars{{"01", "02"}, {"03", "04"}, {"05", "06"}, {"07", "08"}};
    DrawHit hit = CHECK_Bingo_pillar(pillars, "0103051020");
    EXPECT_EQ(hit.stars, (StarCounts{3, 1, 0}));
    EXPECT_EQ(hit.HitNo, hitNo({"01", "03", "05", "__", "__"}));

    // Four pillars each hit once: one 4-star bet.
    hit = CHECK_Bingo_pillar(pillars, "0103050709");
    EXPECT_EQ(hit.stars, (StarCounts{6, 4, 1}));

    // Two numbers of one pillar drawn: they never form a bet together.
    hit = CHECK_Bingo_pillar(pillars, "0102030910");
    EXPECT_EQ(hit.stars, (StarCounts{2, 0, 0}));
    EXPECT_EQ(hit.HitNo, hitNo({"01", "02", "03", "__", "__"}));

    // A memo with fewer lines than the pillar's size: only its lines are compared.
    const PillarNumbers shortMemo{{"01"}, {"03", "04"}, {"05", "06"}, {"07", "08"}};
    EXPECT_EQ(CHECK_Bingo_pillar(shortMemo, "0203051020").stars, (StarCounts{1, 0, 0}));

    // A number in two slots counts once per slot; a hand-typed "5" never matches "05".
    const PillarNumbers repeated{{"01"}, {"01"}, {"5"}};
    hit = CHECK_Bingo_pillar(repeated, "0105101520");
    EXPECT_EQ(hit.stars, (StarCounts{1, 0, 0}));
    EXPECT_EQ(hit.HitNo, hitNo({"01", "__", "__", "__", "__"}));

    // A cut-short or garbled key is no hit and no crash.
    EXPECT_EQ(CHECK_Bingo_pillar(pillars, "01").stars, (StarCounts{0, 0, 0}));
    EXPECT_EQ(CHECK_Bingo_pillar(pillars, "").HitNo, hitNo({"__", "__", "__", "__", "__"}));
}

TEST(PillarModel, WheelCheckCountsSubsetsOfTheDrawnNumbers) {
    const std::vector<std::string> ten{"01", "02", "03", "04", "05", "06", "07", "08", "09", "10"};
    DrawHit hit = CHECK_Bingo_lenpon(ten, "0102030420");
    EXPECT_EQ(hit.stars, (StarCounts{6, 4, 1}));
    EXPECT_EQ(hit.HitNo, hitNo({"01", "02", "03", "04", "__"}));
    EXPECT_EQ(CHECK_Bingo_lenpon(ten, "0111203039").stars, (StarCounts{0, 0, 0}));
    EXPECT_EQ(CHECK_Bingo_lenpon(ten, "1112203039").stars, (StarCounts{0, 0, 0}));
    EXPECT_EQ(CHECK_Bingo_lenpon(ten, "0102030405").stars, (StarCounts{10, 10, 5}));
    EXPECT_EQ(CHECK_Bingo_lenpon({"03", "12"}, "0305122237").stars, (StarCounts{1, 0, 0}));
}

TEST(PillarModel, ChkBingoCountsLinesHoldingEveryNumberOfTheKey) {
    const std::vector<std::string> lines{"0001,2026/01/02,115001,01,05,12,22,37",
                                         "0002,2026/01/03,115002,01,02,03,04,05",
                                         "0003,2026/01/05,115003,02,05,06,07,08",
                                         "0004,2026/01/06,115004,01,06,11,21,31",
                                         "garbage",
                                         ""};
    EXPECT_EQ(chkBingo("0105", lines), 2);
    EXPECT_EQ(chkBingo("01", lines), 3);
    EXPECT_EQ(chkBingo("0501", lines), 2);
    EXPECT_EQ(chkBingo("010203", lines), 1);
    EXPECT_EQ(chkBingo("39", lines), 0);
    EXPECT_EQ(chkBingo("", lines), 6);
}
