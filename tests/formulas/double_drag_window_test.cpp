#include <memory>

#include "app/app_windows.h"
#include "app/application.h"
#include "app/main_window.h"
#include "formula_window_fixture.h"
#include "formulas/double_drag_texts.h"
#include "formulas/stk_3xx_window.h"
#include "formulas/stk_t3xx_window.h"

namespace {

class DoubleDragWindowTest : public FormulaWindowTest {
protected:
    std::unique_ptr<TForm_rk_ai2_stk_3xx> position;
    std::unique_ptr<TForm_rk_ai2_stk_T3xx> tail;

    TForm_rk_ai2_stk_3xx& showPosition() {
        position = std::make_unique<TForm_rk_ai2_stk_3xx>(tables.draws, tables.work, services, links);
        show(*position);
        return *position;
    }
    TForm_rk_ai2_stk_T3xx& showTail() {
        tail = std::make_unique<TForm_rk_ai2_stk_T3xx>(tables.draws, tables.work, services, links);
        show(*tail);
        return *tail;
    }
    // The picks as the core finds them for what the window's boxes read now.
    std::vector<int> corePicks(DoubleDragWindow& w) {
        const int d1 = Text(w, "cb_d1").toInt();
        return FindPicks(tables.draws, tables.work,
                         {Text(w, "CB_xx").toStdString(), Text(w, "cb_d2").toStdString(),
                          Text(w, "cb_d1").toStdString(), d1, Text(w, "cb_prediction").toInt()});
    }
    int pickRows(DoubleDragWindow& w) { return RowCount(w, "sgl") - 2; }
    bool sorted(int draw) {
        for (int p = 1; p <= 5; ++p)
            if (tables.work.DrawNumsWork[p][draw] != tables.draws.DrawNums[p][draw])
                return false;
        return true;
    }
};

} // namespace

TEST_F(DoubleDragWindowTest, ShowingSearchesTheNewestDrawInSortedOrder) {
    loadNumbers(RandomDraws(300, 21, 12));
    TForm_rk_ai2_stk_3xx& w = showPosition();
    EXPECT_EQ(Text(w, "cb_date"), QString::fromStdString(FormulaDrawDate(300)));
    EXPECT_EQ(Items(w, "cb_date").size(), 20);
    EXPECT_TRUE(Ticked(w, "rb_ball_sort"));
    EXPECT_TRUE(sorted(1) && sorted(300));
    EXPECT_EQ(w.ball_mode_name, "順");
    EXPECT_EQ(Text(w, "CB_xx"), QString::fromStdString(tables.draws.DrawNums[1][300]));
    EXPECT_EQ(Text(w, "cb_prediction"), QStringLiteral("1"));
    EXPECT_EQ(Text(w, "cb_d1"), QStringLiteral("0"));
    EXPECT_EQ(Text(w, "cb_d2"), Text(w, "CB_xx"));

    const std::vector<int> picks = corePicks(w);
    EXPECT_EQ(StoredPicks(tables.work), picks);
    EXPECT_EQ(pickRows(w), static_cast<int>(picks.size()));
    EXPECT_EQ(GridRow(w, "sgl", static_cast<int>(picks.size()))[1],
              QString::fromStdString(tables.draws.DrawId[300]));
    EXPECT_EQ(Label(w, "lb_tot"), QString::fromStdString(TotalLabel(w.ruleCount())));
    ASSERT_GT(w.ruleCount(), 0);
    EXPECT_EQ(Label(w, "lb_sortidx"), QStringLiteral("第 1 組"));
    EXPECT_TRUE(Label(w, "plan").startsWith(QStringLiteral("準")));
    EXPECT_TRUE(MemoLines(w, "mm").front().startsWith(QStringLiteral("【基準期】")));
    EXPECT_TRUE(dialogTexts().isEmpty());
}

TEST_F(DoubleDragWindowTest, PagingClampsAtBothEndsAndShowsEachKey) {
    loadNumbers(RandomDraws(120, 22));
    TForm_rk_ai2_stk_T3xx& w = showTail();
    // A run of no hits keeps every tail.
    Type(w, "cb_lan", "0");
    Confirm(w, "cb_lan");
    clickAndWait(w, "SpeedButton4");
    ASSERT_GT(tables.work.RightIssueCount, 0);
    ASSERT_EQ(w.ruleCount(), 10);
    EXPECT_EQ(Label(w, "lb_rule"), QString::fromStdString(w.ruleList().front()));

    Click(w, "SpeedButton2");
    EXPECT_EQ(Label(w, "lb_sortidx"), QStringLiteral("第 1 組"));
    for (int i = 0; i < 12; ++i)
        Click(w, "SpeedButton6");
    EXPECT_EQ(w.rule_idx(), 10);
    EXPECT_EQ(Label(w, "lb_sortidx"), QStringLiteral("第 10 組"));
    EXPECT_EQ(Label(w, "lb_rule"), QString::fromStdString(w.ruleList().back()));
    Click(w, "SpeedButton2");
    EXPECT_EQ(Label(w, "lb_rule"), QString::fromStdString(w.ruleList()[8]));
    EXPECT_TRUE(MemoLines(w, "mm").front().startsWith(QStringLiteral("【基準期】")));
}

TEST_F(DoubleDragWindowTest, PickingABaseDateSetsTheQueryAndSearchesAgain) {
    loadNumbers(RandomDraws(200, 23));
    TForm_rk_ai2_stk_3xx& w = showPosition();
    Pick(w, "cb_date", 3);
    ASSERT_TRUE(SearchEnds(w));
    EXPECT_EQ(Text(w, "cb_prediction"), QStringLiteral("4"));
    EXPECT_EQ(Items(w, "cb_d1").size(), 4);
    EXPECT_EQ(Text(w, "cb_d2"), QString::fromStdString(tables.work.DrawNumsWork[1][200]));
    EXPECT_EQ(StoredPicks(tables.work), corePicks(w));

    // A new d1 offers the numbers of the draw that far after the base draw, and waits for Y.
    const int before = tables.work.RightIssueCount;
    Pick(w, "cb_d1", "1");
    EXPECT_FALSE(w.searching());
    EXPECT_EQ(Text(w, "cb_d2"), QString::fromStdString(tables.work.DrawNumsWork[1][198]));
    EXPECT_EQ(tables.work.RightIssueCount, before);
    Pick(w, "cb_d2", 2);
    ASSERT_TRUE(SearchEnds(w));
    EXPECT_EQ(StoredPicks(tables.work), corePicks(w));
    EXPECT_EQ(pickRows(w), tables.work.RightIssueCount);
}

TEST_F(DoubleDragWindowTest, BaseDatesThatNameNoDrawOrLieTooFarBackAreRefused) {
    loadNumbers(RandomDraws(150, 24));
    TForm_rk_ai2_stk_3xx& w = showPosition();
    const std::vector<std::string> keys = w.ruleList();
    const int picks = tables.work.RightIssueCount;

    Type(w, "cb_date", "1999/01/01");
    Confirm(w, "cb_date");
    EXPECT_FALSE(w.searching());
    ASSERT_EQ(dialogTexts(), QStringList{QString::fromStdString(UnknownBaseDateMessage("1999/01/01"))});
    EXPECT_EQ(platform.dialogs.prompts.back().kind, DialogKind::Warning);
    EXPECT_EQ(w.ruleList(), keys);
    EXPECT_EQ(tables.work.RightIssueCount, picks);

    Type(w, "cb_date", QString::fromStdString(FormulaDrawDate(20)));
    Confirm(w, "cb_date");
    ASSERT_TRUE(SearchEnds(w));
    EXPECT_EQ(Text(w, "cb_prediction"), QStringLiteral("131"));
    ASSERT_EQ(dialogTexts().size(), 2);
    EXPECT_EQ(dialogTexts().back(), QString::fromStdString(BaseDateTooFarMessage()));
    EXPECT_EQ(w.ruleCount(), 0);
}

TEST_F(DoubleDragWindowTest, NoFormulaKeptShowsNothingInThePlanAndNoMessage) {
    loadNumbers(RandomDraws(400, 25));
    TForm_rk_ai2_stk_3xx& w = showPosition();
    Pick(w, "cb_lan", "4");
    const DragSearchSetup setup = PrepareDragSearch("-1", 1, "4", tables.work.RightIssueCount);
    ASSERT_TRUE(
        SearchDragFormulas(DragFamily::Position, tables.draws, tables.work, StoredPicks(tables.work), setup)
            .empty());
    clickAndWait(w, "SpeedButton4");
    EXPECT_EQ(Label(w, "plan"), QStringLiteral("無"));
    EXPECT_EQ(Label(w, "lb_tot"), QStringLiteral("共 0 組"));
    EXPECT_FALSE(Enabled(w, "SpeedButton2"));
    EXPECT_FALSE(Enabled(w, "SpeedButton6"));
    EXPECT_TRUE(dialogTexts().isEmpty());
    EXPECT_EQ(pickRows(w), tables.work.RightIssueCount); // the picks stay listed
}

TEST_F(DoubleDragWindowTest, SearchRunsWithTheInputsDisabledAndAClosingWaitsForIt) {
    loadNumbers(RandomDraws(300, 26));
    TForm_rk_ai2_stk_3xx& w = showPosition();
    Click(w, "SpeedButton4");
    EXPECT_TRUE(w.searching());
    EXPECT_FALSE(Enabled(w, "Panel1"));
    EXPECT_FALSE(Enabled(w, "SpeedButton4"));
    EXPECT_FALSE(Enabled(w, "sgl"));
    w.close();
    EXPECT_TRUE(w.isVisible());
    ASSERT_TRUE(SearchEnds(w));
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(Enabled(w, "SpeedButton4"));
}

TEST_F(DoubleDragWindowTest, OrderRadiosRewriteEveryLoadedDrawForEveryWindow) {
    loadNumbers(RandomDraws(1500, 27, 12));
    TForm_rk_ai2_stk_3xx& w = showPosition();
    EXPECT_TRUE(sorted(1400));
    Click(w, "rb_ball_ori");
    ASSERT_TRUE(SearchEnds(w));
    for (int p = 1; p <= 5; ++p)
        EXPECT_EQ(tables.work.DrawNumsWork[p][1400], tables.draws.DrawNumsDrawn[p][1400]);
    EXPECT_EQ(w.ball_mode_name, "落");
    EXPECT_EQ(Text(w, "CB_xx"), QString::fromStdString(tables.draws.DrawNumsDrawn[1][1500]));
    EXPECT_TRUE(MemoLines(w, "mm")[1].contains(QStringLiteral("落球")));

    // The tail twin's radios are hidden; its first showing checks "順球" for every window.
    TForm_rk_ai2_stk_T3xx& t = showTail();
    EXPECT_FALSE(Visible(t, "rb_ball_sort"));
    EXPECT_TRUE(sorted(1400));
    EXPECT_TRUE(Visible(t, "lb_rule"));
    EXPECT_FALSE(Visible(w, "lb_rule"));
}

TEST_F(DoubleDragWindowTest, PickListIsFilledBeforeItIsRead) {
    loadNumbers(RandomDraws(100, 28));
    // Another window's picks: draw numbers, far outside the loaded draws.
    for (int r = 1; r <= 3; ++r)
        tables.work.RightIssue[r] = "115200";
    tables.work.RightIssueCount = 3;
    TForm_rk_ai2_stk_3xx& w = showPosition();
    EXPECT_EQ(StoredPicks(tables.work), corePicks(w));
    EXPECT_EQ(pickRows(w), tables.work.RightIssueCount);
}

TEST_F(DoubleDragWindowTest, EmptyHistoryShowsAnEmptyWindowAndRefusesASearch) {
    TForm_rk_ai2_stk_T3xx& t = showTail();
    TForm_rk_ai2_stk_3xx& p = showPosition();
    EXPECT_TRUE(dialogTexts().isEmpty()); // showing asks nothing
    for (DoubleDragWindow* w : {static_cast<DoubleDragWindow*>(&t), static_cast<DoubleDragWindow*>(&p)}) {
        EXPECT_EQ(Text(*w, "cb_date"), QString());
        EXPECT_EQ(tables.work.RightIssueCount, 0);
        EXPECT_EQ(RowCount(*w, "sgl"), 2);
        const QStringList before = dialogTexts();
        MouseClick(*w, "SpeedButton4");
        ASSERT_TRUE(SearchEnds(*w));
        // Refused as the other formula windows refuse, with nothing on screen changed.
        EXPECT_EQ(dialogTexts(), before + QStringList{QString::fromUtf8(HistoryTooShortMessage.data(),
                                                                        HistoryTooShortMessage.size())});
        EXPECT_EQ(w->ruleCount(), 0);
        EXPECT_EQ(Label(*w, "lb_tot"), QString::fromUtf8(InitialTotalLabel.data(), InitialTotalLabel.size()));
        EXPECT_EQ(Label(*w, "plan"), QStringLiteral("---"));
        EXPECT_EQ(RowCount(*w, "sgl"), 2);
    }
}

TEST_F(DoubleDragWindowTest, FewerPicksThanTheRunLengthLowerIt) {
    // 05 is drawn with 06 the next draw only twice.
    loadNumbers({{5, 6, 10, 20, 30},
                 {6, 11, 21, 31, 33},
                 {5, 12, 22, 32, 34},
                 {6, 13, 23, 35, 36},
                 {1, 2, 3, 4, 7},
                 {5, 8, 9, 14, 15}});
    TForm_rk_ai2_stk_3xx& w = showPosition();
    Type(w, "cb_date", QString::fromStdString(FormulaDrawDate(3)));
    Confirm(w, "cb_date");
    ASSERT_TRUE(SearchEnds(w));
    EXPECT_EQ(Text(w, "cb_d1"), QStringLiteral("3"));
    EXPECT_EQ(StoredPicks(tables.work), (std::vector<int>{3}));
    EXPECT_EQ(Text(w, "cb_lan"), QStringLiteral("0")); // one pick: every formula kept
    Pick(w, "cb_lan", "3");
    Pick(w, "cb_d1", "1");
    Pick(w, "cb_d2", "06");
    ASSERT_TRUE(SearchEnds(w));
    EXPECT_EQ(StoredPicks(tables.work), (std::vector<int>{1, 3}));
    EXPECT_EQ(Text(w, "cb_lan"), QStringLiteral("1"));
}

TEST_F(DoubleDragWindowTest, BothWindowsOpenFromTheFormulaMenu) {
    dir.writeLines(QStringLiteral("TW539.txt"), FormulaDrawLines(RandomDraws(60, 29)));
    Application app(platform.services());
    app.start();
    TForm_rk_main& main = *app.windows().get<TForm_rk_main>();
    Click(main, "stk_3xx");
    ASSERT_TRUE(app.windows().get<TForm_rk_ai2_stk_3xx>());
    TForm_rk_ai2_stk_3xx& w = *app.windows().get<TForm_rk_ai2_stk_3xx>();
    ASSERT_TRUE(SearchEnds(w));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("雙連拖定位獨支"));
    EXPECT_TRUE(w.isVisible());
    EXPECT_GT(app.tables().work.RightIssueCount, 0);
    w.close();
    Click(main, "stk_T3xx");
    ASSERT_TRUE(app.windows().get<TForm_rk_ai2_stk_T3xx>());
    TForm_rk_ai2_stk_T3xx& t = *app.windows().get<TForm_rk_ai2_stk_T3xx>();
    ASSERT_TRUE(SearchEnds(t));
    EXPECT_EQ(t.windowTitle(), QStringLiteral("雙連拖統計尾數 "));
    EXPECT_EQ(platform.shower.modalShown,
              (QStringList{QStringLiteral("Form_rk_ai2_stk_3xx"), QStringLiteral("Form_rk_ai2_stk_T3xx")}));
    t.close();
}
