#include "analysis/paths/moving_path.h"

#include <gtest/gtest.h>

#include <memory>

#include "common/errors.h"
#include "draws/draw_loader.h"
#include "draws/shared_tables.h"
#include "support/draw_lines.h"

namespace {

// Draw i (1-based) is dated 2006/12/24 + i days: draw 11 is 2007/01/04, draw 12 2007/01/05.
std::unique_ptr<SharedTables> Loaded(const std::vector<std::array<int, 5>>& numbers) {
    auto tables = std::make_unique<SharedTables>();
    std::vector<std::string> lines;
    const Date first{2006, 12, 25};
    for (std::size_t i = 0; i < numbers.size(); ++i)
        lines.push_back(
            MakeDrawLine(DateFormat("yyyy/mm/dd", Date::fromDayNumber(first.dayNumber() + (long long)i)),
                         "0960" + std::to_string(10 + i), numbers[i]));
    StoreDrawLines(tables->draws, lines);
    SplitDrawLines(tables->draws, tables->work);
    return tables;
}

// Fourteen draws: base draw 11 holds 07 first, draw 12 lacks 10, draw 13 holds it.
std::vector<std::array<int, 5>> ExampleDraws() {
    std::vector<std::array<int, 5>> draws(14, std::array<int, 5>{21, 22, 23, 24, 25});
    draws[0] = {39, 1, 2, 3, 4};
    draws[1] = {1, 38, 2, 3, 4};
    draws[10] = {7, 20, 3, 33, 15};
    draws[11] = {1, 2, 3, 4, 5};
    draws[12] = {11, 10, 12, 13, 14};
    draws[13] = {9, 30, 31, 32, 35};
    return draws;
}

MovingPageTexts Page1(std::string n, std::string p, std::array<std::string, 3> signs,
                      std::array<std::string, 3> sizes, int count) {
    return {std::move(n), {std::move(p), "", ""}, std::move(signs), std::move(sizes), count};
}

struct Computed {
    TextTable sgl;
    MovingDetail detail;
};

std::unique_ptr<Computed> Compute(const SharedTables& t, const MovingPageTexts& texts, bool average,
                                  bool drawnOrder = true) {
    auto out = std::make_unique<Computed>();
    out->sgl = TextTable(MovingColumns, t.draws.DrawCount + 2, 0, 1);
    show_map(out->sgl, t.draws, t.work, drawnOrder ? 1 : 2);
    out->detail.fill("(earlier)");
    const std::optional<MovingRule> rule = ReadMovingRule(texts, average, t.draws.MaxNo);
    EXPECT_TRUE(rule);
    if (rule)
        ShowMoving(t.draws, t.work, MovingBallMode(drawnOrder), *rule, out->sgl, out->detail);
    return out;
}

std::array<std::string, 4> Results(const TextTable& sgl, int row) {
    return {sgl.cell(9, row), sgl.cell(10, row), sgl.cell(11, row), sgl.cell(12, row)};
}

} // namespace

TEST(MovingPath, PageOneRowsAndTheirDetails) {
    const auto t = Loaded(ExampleDraws());
    const auto out = Compute(*t, Page1("1", "1", {"加", "加", "加"}, {"3", "0", "0"}, 1), false);

    EXPECT_EQ(out->detail[12],
              "第011期(2007/01/04)第1落球開07下1期開加3 ,2007/01/05預測10.沒中 ,隔一期中10 ");
    EXPECT_EQ(Results(out->sgl, 12), (std::array<std::string, 4>{"10  ", "", "10 ", ""}));
    EXPECT_EQ(out->detail[13], "第012期(2007/01/05)第1落球開01下1期開加3 ,2007/01/06預測04.沒中 ");

    // Row N has no base draw: nothing shown, its detail untouched.
    EXPECT_EQ(Results(out->sgl, 1), (std::array<std::string, 4>{"", "", "", ""}));
    EXPECT_EQ(out->detail[1], "(earlier)");
    // The newest draw has no draw after it, the one before it only one.
    EXPECT_EQ(Results(out->sgl, 14)[2], "");
    EXPECT_EQ(Results(out->sgl, 14)[3], "");
    EXPECT_EQ(Results(out->sgl, 13)[3], "");
    EXPECT_EQ(out->detail[14], "第013期(2007/01/06)第1落球開11下1期開加3 ,2007/01/07預測14.沒中 ");

    // The forecast row: predictions only, labelled, with its own detail line.
    EXPECT_EQ(out->sgl.cell(0, 15), "本期預測");
    EXPECT_EQ(Results(out->sgl, 15), (std::array<std::string, 4>{"12  ", "", "", ""}));
    EXPECT_EQ(out->detail[15], "第014期(2007/01/07)第1落球開09下1期開加3 ,第015期版路預測12  ");
}

TEST(MovingPath, OffsetsFoldIntoTheNumbersAndRepeat) {
    EXPECT_EQ(MovingFold(40, 39), 1);
    EXPECT_EQ(MovingFold(39, 39), 39);
    EXPECT_EQ(MovingFold(0, 39), 39);
    EXPECT_EQ(MovingFold(-1, 39), 38);
    EXPECT_EQ(MovingFold(-38, 39), 1);
    EXPECT_EQ(MovingFold(39 + 38, 39), 38);

    const auto t = Loaded(ExampleDraws());
    // Base 39 plus 1 is 01; base 1 minus 1 is 39; offset 0 is the base itself ("本支").
    auto out = Compute(*t, Page1("1", "1", {"加", "減", "加"}, {"1", "1", "0"}, 3), false);
    EXPECT_EQ(out->sgl.cell(9, 2), "01 38 39");
    EXPECT_EQ(out->sgl.cell(10, 2), "01 38 ");
    EXPECT_EQ(out->detail[2].substr(0, out->detail[2].find(',')),
              "第001期(2006/12/25)第1落球開39下1期開加1 減1 本支 ");
    EXPECT_EQ(out->sgl.cell(9, 3), "02 39 01");

    // Two offsets naming one number list it twice wherever it is drawn.
    out = Compute(*t, Page1("2", "2", {"加", "減", "加"}, {"0", "0", "0"}, 2), false);
    EXPECT_EQ(out->sgl.cell(9, 3), "01 01 ");
    EXPECT_EQ(out->sgl.cell(10, 3), "");
    EXPECT_EQ(Results(out->sgl, 12)[0], "22 22 ");
    EXPECT_EQ(out->detail[12].find("第010期"), 0u);
    out = Compute(*t, Page1("1", "2", {"加", "加", "加"}, {"0", "0", "1"}, 2), false);
    EXPECT_EQ(out->sgl.cell(10, 2), "01 01 ");
    EXPECT_NE(out->detail[2].find("預測01.01.中 01 01 "), std::string::npos);
}

TEST(MovingPath, PageTwoTakesTheMeanOfThreePositions) {
    std::vector<std::array<int, 5>> draws = ExampleDraws();
    draws[4] = {5, 6, 8, 30, 31};
    const auto t = Loaded(draws);
    MovingPageTexts texts{"1", {"1", "2", "3"}, {"加", "加", "加"}, {"0", "0", "0"}, 1};
    const auto out = Compute(*t, texts, true);
    EXPECT_EQ(out->sgl.cell(9, 6), "06  ");
    EXPECT_EQ(out->detail[6].rfind("第005期(2006/12/29)第1,2,3落球平均數06下1期開本號 ,2006/12/30預測06.", 0),
              0u);
    // Positions may repeat.
    texts.positions = {"4", "4", "1"};
    EXPECT_EQ(Compute(*t, texts, true)->sgl.cell(9, 6), "21  "); // (30 + 30 + 5) div 3
}

TEST(MovingPath, OrderSwitchRewritesTheWorkTableAndTheFrame) {
    const auto t = Loaded(ExampleDraws());
    FillWorkOrder(t->draws, t->work, false);
    EXPECT_EQ(t->work.DrawNumsWork[1][11], "03");
    EXPECT_EQ(t->work.DrawNumsWork[5][11], "33");
    EXPECT_EQ(t->work.DrawNumsWork[6][11], "");
    auto out = Compute(*t, Page1("1", "1", {"加", "加", "加"}, {"3", "0", "0"}, 1), false, false);
    EXPECT_EQ(out->sgl.cell(2, 0), "順一");
    EXPECT_EQ(out->sgl.cell(7, 0), "順六");
    EXPECT_EQ(out->sgl.cell(2, 11), "03");
    EXPECT_EQ(out->sgl.cell(9, 12), "06  "); // base 03 in ascending order
    EXPECT_EQ(out->detail[12].rfind("第011期(2007/01/04)第1順球開03下1期開加3 ,", 0), 0u);

    FillWorkOrder(t->draws, t->work, true);
    EXPECT_EQ(t->work.DrawNumsWork[1][11], "07");
    out = Compute(*t, Page1("1", "1", {"加", "加", "加"}, {"3", "0", "0"}, 1), false, true);
    EXPECT_EQ(out->sgl.cell(2, 0), "落一");
    EXPECT_EQ(out->sgl.cell(6, 11), "15");
    EXPECT_EQ(out->sgl.cell(8, 0), "特號");
    EXPECT_EQ(out->sgl.cell(0, 11), "2007/01/04");
    EXPECT_EQ(out->sgl.cell(1, 11), "096020");
}

TEST(MovingPath, TextsOutsideTheListsStopTheComputation) {
    const int maxNo = 39;
    const auto rule = [&](MovingPageTexts texts, bool average = false) {
        return ReadMovingRule(texts, average, maxNo);
    };
    const MovingPageTexts fine = Page1("30", "5", {"加", "減", "x"}, {"38", "00", "7"}, 3);
    ASSERT_TRUE(rule(fine));
    EXPECT_EQ(rule(fine)->offsets, (std::array<int, 3>{38, 0, -7})); // any sign but "加" subtracts
    EXPECT_EQ(rule(fine)->lookBack, 30);
    for (const char* n : {"", "abc", "0", "31", "-1"})
        EXPECT_FALSE(rule(Page1(n, "1", fine.signs, fine.sizes, 1))) << n;
    for (const char* p : {"0", "6", "x"})
        EXPECT_FALSE(rule(Page1("1", p, fine.signs, fine.sizes, 1))) << p;
    // Sizes beyond the list would fold wrongly (減100 gives "-12"); every size is read, used or not.
    for (const char* size : {"39", "100", "-5", "1.5"})
        EXPECT_FALSE(rule(Page1("1", "1", fine.signs, {"1", "2", size}, 1))) << size;
    EXPECT_FALSE(rule({"1", {"1", "2", "9"}, fine.signs, fine.sizes, 1}, true));
    EXPECT_TRUE(rule({"1", {"1", "2", "9"}, fine.signs, fine.sizes, 1}, false));
}

TEST(MovingPath, RowDetailOnlyForResultColumnsBelowTheLookBack) {
    MovingDetail detail;
    detail[3] = "line 3";
    detail[15] = "forecast";
    EXPECT_EQ(MovingRowDetail(detail, "2", 9, 3, 14), "line 3");
    EXPECT_EQ(MovingRowDetail(detail, "2", 12, 15, 14), "forecast");
    EXPECT_FALSE(MovingRowDetail(detail, "2", 8, 3, 14));
    EXPECT_FALSE(MovingRowDetail(detail, "2", 0, 3, 14));
    EXPECT_FALSE(MovingRowDetail(detail, "3", 9, 3, 14));
    EXPECT_FALSE(MovingRowDetail(detail, "x", 9, 3, 14));
    EXPECT_FALSE(MovingRowDetail(detail, "2", 9, 16, 14));
}

TEST(MovingPath, RuleTitles) {
    const MovingPageTexts one = Page1("2", "3", {"加", "減", "加"}, {"0", "00", "4"}, 1);
    EXPECT_EQ(MovingRuleTitle(one, false, "落球", "一中一"), "上2期落球第3支,本期開本支 一中一");
    MovingPageTexts three = one;
    three.count = 3;
    EXPECT_EQ(MovingRuleTitle(three, false, "順球", "三中一"), "上2期順球第3支,本期開本支,減00,加4 三中一");
    MovingPageTexts average{"1", {"1", "2", "3"}, {"減", "加", "加"}, {"5", "0", "0"}, 2};
    EXPECT_EQ(MovingRuleTitle(average, true, "落球", "二中一"),
              "上1期落球第1,2,3支取平均數,本期開減5,本號 二中一");

    // A long typed text is quoted by its first twelve characters; twelve stay whole.
    MovingPageTexts typed = Page1(std::string(40000, '7'), "三三三三三三三三三三三三", {"加", "加", "加"},
                                  {std::string(13, '1'), "0", "0"}, 1);
    EXPECT_EQ(MovingRuleTitle(typed, false, "落球", "一中一"),
              "上777777777777…期落球第三三三三三三三三三三三三支,本期開加111111111111… 一中一");
}

TEST(MovingPath, AnEmptyBasePositionIsAConversionError) {
    const auto t = Loaded(ExampleDraws());
    t->work.DrawNumsWork[4][3] = "";
    TextTable sgl(MovingColumns, t->draws.DrawCount + 2, 0, 1);
    MovingDetail detail;
    const MovingRule rule =
        *ReadMovingRule(Page1("1", "1", {"加", "加", "加"}, {"0", "0", "0"}, 1), false, 39);
    EXPECT_THROW(ShowMoving(t->draws, t->work, "落球", rule, sgl, detail), ConversionError);
    EXPECT_EQ(sgl.cell(9, 2), "39  "); // the rows before it were written
    EXPECT_EQ(sgl.cell(9, 3), "01  ");
}
