#include <QComboBox>
#include <gtest/gtest.h>

#include "analysis/gap_map.h"
#include "analysis/gap_report.h"
#include "analysis/gap_window.h"
#include "analysis/statistics/statistics_draws.h"
#include "app/application.h"
#include "app/main_window.h"
#include "platform/qt_text.h"
#include "support/window_fixture.h"

namespace {

// Ten draws of 30..34, with 7 in place of 30 in the first two.
std::vector<std::string> History() {
    std::vector<std::array<int, 5>> numbers(10, {30, 31, 32, 33, 34});
    numbers[0][0] = numbers[1][0] = 7;
    return DatedDraws(numbers);
}

QStringList Report(const DrawTables& draws, int n, const std::string& typed) {
    return qsList(GapReportLines(BuildGapMap(draws), n, typed, draws.DrawId[draws.DrawCount]));
}

class GapWindowTest : public WindowTest {
protected:
    TForm_rk_no_interval& open() {
        window = std::make_unique<TForm_rk_no_interval>(tables.draws, services);
        services.shower.showModal(*window);
        return *window;
    }
    std::unique_ptr<TForm_rk_no_interval> window;
};

} // namespace

TEST_F(GapWindowTest, ShowingMapsTheGapsAndReportsNumberOne) {
    loadDraws(History());
    TForm_rk_no_interval& w = open();
    const QStringList row1 = GridRow(w, "sgmap", 1);
    EXPECT_EQ(row1[0], "001");
    EXPECT_EQ(row1[7], " -");
    EXPECT_EQ(row1[1], "10");
    EXPECT_EQ(GridRow(w, "sgmap", 3)[7], " 8");
    EXPECT_EQ(Label(w, "Label2"), qs(LongestGapText(BuildGapMap(tables.draws))));
    EXPECT_EQ(MemoLines(w, "Memo1"), Report(tables.draws, 1, "01"));
    EXPECT_EQ(Text(w, "cb_no"), "01");
}

TEST_F(GapWindowTest, ChosenAndTypedNumbersAppendTheirReports) {
    loadDraws(History());
    TForm_rk_no_interval& w = open();
    Type(w, "cb_no", "07");
    EXPECT_EQ(MemoLines(w, "Memo1").size(), 4); // nothing until the number is confirmed
    Confirm(w, "cb_no"); // Enter takes the number and nothing else (no button of the window)
    Pick(w, "cb_no", "30");
    const QStringList memo = MemoLines(w, "Memo1");
    ASSERT_EQ(memo.size(), 12);
    EXPECT_EQ(memo.mid(4, 4), Report(tables.draws, 7, "07"));
    EXPECT_EQ(memo.mid(8, 4), Report(tables.draws, 30, "30"));
    EXPECT_TRUE(platform.dialogs.prompts.empty());

    // A number outside the game is refused and reports nothing.
    Type(w, "cb_no", "40");
    Confirm(w, "cb_no");
    ASSERT_EQ(platform.dialogs.prompts.size(), 1u);
    EXPECT_EQ(platform.dialogs.prompts[0].text, qs(GapNumberRefusal(39)));
    EXPECT_EQ(platform.dialogs.prompts[0].kind, DialogKind::Warning);
    EXPECT_EQ(MemoLines(w, "Memo1").size(), 12);

    Click(w, "Label4");
    EXPECT_EQ(MemoLines(w, "Memo1").size(), 39 * 4);
    EXPECT_EQ(MemoLines(w, "Memo1").mid(6 * 4, 4), Report(tables.draws, 7, "07"));
    EXPECT_EQ(Text(w, "cb_no"), "39");
    Click(w, "Button3");
    EXPECT_TRUE(MemoLines(w, "Memo1").isEmpty());
}

TEST_F(GapWindowTest, NoDrawsLoadedShowsNoGapsAndNoReport) {
    loadDraws({});
    TForm_rk_no_interval& w = open();
    EXPECT_EQ(Label(w, "Label2"), "0期");
    EXPECT_TRUE(MemoLines(w, "Memo1").isEmpty());
    Click(w, "Label4");
    EXPECT_TRUE(MemoLines(w, "Memo1").isEmpty());
    EXPECT_TRUE(platform.dialogs.prompts.empty());
}

TEST_F(GapWindowTest, OpensFromTheStatisticsMenuAndRebuildsOnEveryShowing) {
    loadDraws(History());
    Application app(services);
    app.start();
    Click(*app.windows().get<TForm_rk_main>(), "stk_no_interval");
    ASSERT_TRUE(app.windows().get<TForm_rk_no_interval>());
    TForm_rk_no_interval& w = *app.windows().get<TForm_rk_no_interval>();
    EXPECT_EQ(platform.shower.modalShown.back(), QStringLiteral("Form_rk_no_interval"));
    Pick(w, "cb_no", "07");
    EXPECT_EQ(MemoLines(w, "Memo1").size(), 8);
    w.close();
    Click(*app.windows().get<TForm_rk_main>(), "stk_no_interval");
    EXPECT_EQ(MemoLines(w, "Memo1").size(), 4); // the report of 01 again
}
