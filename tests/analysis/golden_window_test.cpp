#include "analysis/golden_window.h"

#include <QSignalSpy>

#include "common/num_format.h"
#include "drawhistory/app_test_fixture.h"
#include "platform/qt_text.h"
#include "support/window_fixture.h"

namespace {

// Thirty draws of 2026/01, the numbers walking up by one each draw.
std::vector<std::string> JanuaryDraws() {
    std::vector<std::string> lines;
    for (int i = 1; i <= 30; ++i)
        lines.push_back(MakeDrawLine(DateFormat("yyyy/mm/dd", Date{2026, 1, i}), "1150" + NumFormat("00", i),
                                     {i, i % 39 + 1, (i + 1) % 39 + 1, 20, 30}));
    return lines;
}

class GoldenWindowTest : public WindowTest {
protected:
    GoldenWindowTest() {
        loadDraws(JanuaryDraws());
        window = std::make_unique<TForm_rk_gold12>(tables.draws, services);
        window->show();
    }

    // Clicks the ten-number button and waits for the search to end on the event loop.
    void searchTenNumbers() {
        QSignalSpy ended(window.get(), &TForm_rk_gold12::tenNumberSearchEnded);
        Click(*window, "SpeedButton1");
        EXPECT_TRUE(window->searching());
        EXPECT_TRUE(Visible(*window, "pb1"));
        EXPECT_FALSE(Enabled(*window, "SpeedButton2"));
        ASSERT_TRUE(ended.wait(30000));
    }

    std::unique_ptr<TForm_rk_gold12> window;
};

} // namespace

TEST_F(GoldenWindowTest, ShowingRanksTheWholeHistoryWithoutAnError) {
    EXPECT_TRUE(platform.dialogs.prompts.empty()); // every draw is counted over its five numbers
    EXPECT_EQ(PickedDate(*window, "DateTimePicker1"), QDate(2002, 7, 4));
    EXPECT_EQ(PickedDate(*window, "DateTimePicker2"), QDate(2026, 12, 7));
    EXPECT_EQ(Text(*window, "Edit1"), "  30");
    const GoldenTexts expected = GoldenCombination(tables.draws, {{2002, 7, 4}, {2026, 12, 7}, true}, {});
    for (int r = 0; r < 2; ++r) {
        QStringList first, second;
        for (int c = 0; c < 25; ++c) {
            first << qs(expected.sga1.cell(c, r));
            second << qs(expected.sga2.cell(c, r));
        }
        EXPECT_EQ(GridRow(*window, "sga1", r), first);
        EXPECT_EQ(GridRow(*window, "sga2", r), second);
    }
    EXPECT_EQ(GridRow(*window, "sga2", 0).at(14), ""); // ranks past 39

    // A narrower range recounts.
    PickDate(*window, "DateTimePicker2", QDate(2026, 1, 10));
    EXPECT_EQ(Text(*window, "Edit1"), "  10");
    EXPECT_EQ(GridRow(*window, "sga1", 1).at(0), "10");
}

TEST_F(GoldenWindowTest, ListsFillTheirMemos) {
    PickDate(*window, "DateTimePicker1", QDate(2026, 1, 5));
    const GoldenQuery query{{2026, 1, 5}, {2026, 12, 7}, true};
    Click(*window, "SpeedButton2");
    EXPECT_EQ(MemoLines(*window, "mm"), qsList(PairLines(tables.draws, query)));
    Click(*window, "SpeedButton3");
    EXPECT_EQ(MemoLines(*window, "mm3"), qsList(TripleLines(tables.draws, query)));
    EXPECT_TRUE(MemoLines(*window, "mm9").isEmpty());
}

TEST_F(GoldenWindowTest, TenNumberSearchRunsInTheBackground) {
    Click(*window, "cb_spno");
    searchTenNumbers();
    EXPECT_FALSE(window->searching());
    EXPECT_FALSE(Visible(*window, "pb1"));
    EXPECT_TRUE(Enabled(*window, "SpeedButton2"));
    const std::vector<std::string> expected =
        TenNumberLines(tables.draws, {{2002, 7, 4}, {2026, 12, 7}, false}, {});
    EXPECT_EQ(MemoLines(*window, "mm9"), qsList(expected));
    EXPECT_NE(MemoLines(*window, "mm9").at(3).indexOf("(不含特別號)"), -1);

    // Closed while searching: the search is told to stop, and the window is usable when shown again.
    QSignalSpy ended(window.get(), &TForm_rk_gold12::tenNumberSearchEnded);
    Click(*window, "SpeedButton1");
    window->hide();
    ASSERT_TRUE(ended.wait(30000));
    window->show();
    EXPECT_TRUE(Enabled(*window, "SpeedButton1"));
    EXPECT_FALSE(Visible(*window, "pb1"));
}

class GoldenOpenerTest : public AppTest {};

TEST_F(GoldenOpenerTest, CreatedOnFirstUseAndKept) {
    startWith(JanuaryDraws());
    EXPECT_FALSE(windows().get<TForm_rk_gold12>());
    Click(main(), "gold12");
    ASSERT_TRUE(windows().get<TForm_rk_gold12>());
    TForm_rk_gold12* first = windows().get<TForm_rk_gold12>();
    Click(main(), "gold12");
    EXPECT_EQ(windows().get<TForm_rk_gold12>(), first);
    EXPECT_EQ(platform.shower.modalShown, (QStringList{"Form_rk_gold12", "Form_rk_gold12"}));
}

class GoldenHistoryTest : public WindowTest {};

TEST_F(GoldenHistoryTest, ARangeBeforeTheLoadedHistorySaysWhereItStarts) {
    dir.copyData(QStringLiteral("TW539.txt")); // the newest 2500 draws start on 2018/08/31
    loadDrawFile();
    TForm_rk_gold12 window(tables.draws, services);
    window.show();
    EXPECT_TRUE(Label(window, "lb_history_start").contains(QStringLiteral("2018/08/31")));
    PickDate(window, "DateTimePicker1", QDate(2018, 1, 1));
    PickDate(window, "DateTimePicker2", QDate(2018, 12, 31));
    EXPECT_EQ(Text(window, "Edit1"), "  105");
    EXPECT_TRUE(Label(window, "lb_history_start").contains(QStringLiteral("2018/08/31")));
    PickDate(window, "DateTimePicker1", QDate(2018, 8, 31));
    EXPECT_EQ(Text(window, "Edit1"), "  105");
    EXPECT_EQ(Label(window, "lb_history_start"), QString());
}
