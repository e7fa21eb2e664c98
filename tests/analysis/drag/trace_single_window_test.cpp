#include "analysis/drag/trace_single_window.h"

#include <gtest/gtest.h>

#include "analysis/drag/drag_queries.h"
#include "analysis/paths/path_rules_check.h"
#include "common/text_file.h"
#include "drag_history.h"
#include "support/box_caption.h"
#include "support/window_fixture.h"

namespace {

class DragWindowTest : public WindowTest {
protected:
    void open(const std::vector<std::array<int, 5>>& history) {
        loadDraws(HistoryLines(history));
        window =
            std::make_unique<TForm_rk_trace_single>(tables.draws, tables.work, tables.drag, services, links);
        platform.shower.showModeless(*window);
    }
    TForm_rk_trace_single& w() { return *window; }
    const DragHandOver& drag() { return tables.drag; }
    // The draw number column of the grid's data rows.
    QStringList shownDraws() {
        QStringList ids;
        for (int r = 1; r <= drag().TraceRowCount; ++r)
            ids << GridRow(w(), "sgmap", r)[1];
        return ids;
    }
    // The grid shows the hand-over, and the hidden memo its CSV copy.
    void expectGridHandedOver() {
        const TextTable& grid = drag().Grid;
        ASSERT_EQ(RowCount(w(), "sgmap"), grid.rowCount());
        for (int r = 0; r < grid.rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < grid.columnCount(); ++c)
                cells << QString::fromStdString(grid.cell(c, r));
            EXPECT_EQ(GridRow(w(), "sgmap", r), cells) << r;
        }
        EXPECT_EQ(MemoLines(w(), "Memo1").size(), static_cast<qsizetype>(drag().GridCsvLines.size()));
    }

    std::unique_ptr<TForm_rk_trace_single> window;
};

// 05 in draws 1, 3, 4, 6 and the newest, 7.
const std::vector<std::array<int, 5>> Seven = {{5, 12, 33, 1, 20}, {7, 8, 9, 10, 11},    {5, 6, 30, 31, 32},
                                               {1, 2, 3, 4, 5},    {12, 13, 14, 15, 16}, {5, 17, 18, 19, 21},
                                               {5, 22, 23, 24, 25}};

} // namespace

TEST_F(DragWindowTest, ShowingStartsAtTheNewestDrawOnPageZero) {
    open(Seven);
    EXPECT_EQ(CurrentPage(w(), "PageControl1"), QStringLiteral("TabSheet1"));
    EXPECT_EQ(Text(w(), "cb_latest"), QStringLiteral("000007"));
    EXPECT_EQ(Items(w(), "cb_latest").size(), 7);
    EXPECT_EQ(Text(w(), "cb_trno"), QStringLiteral("05"));
    EXPECT_EQ(Label(w(), "lbtridx"), QStringLiteral("下 1 期"));
    EXPECT_EQ(shownDraws(), (QStringList{"000002", "000004", "000005", "000007"}));
    EXPECT_EQ(drag().RuleTitle, "本期開 05 下 1 期 拖牌分析");
    for (const char* period : {"cb_latest2", "cb_latest2_3", "cb_latest3", "cb_latest4", "cb_latest_ck"})
        EXPECT_EQ(Text(w(), period), QStringLiteral("000007")) << period;
    expectGridHandedOver();
    EXPECT_TRUE(platform.dialogs.prompts.empty());
}

TEST_F(DragWindowTest, ShowingSplitsTheTablesAgain) {
    loadDraws(HistoryLines(Seven));
    tables.work.DrawNumsWork[1][1] = "01"; // a window switched the working copy to ascending order
    window = std::make_unique<TForm_rk_trace_single>(tables.draws, tables.work, tables.drag, services, links);
    platform.shower.showModeless(*window);
    EXPECT_EQ(tables.work.DrawNumsWork[1][1], "05");
}

TEST_F(DragWindowTest, PeriodStepsAndANewPeriod) {
    open(Seven);
    Click(w(), "SpeedButton1");
    EXPECT_EQ(Label(w(), "lbtridx"), QStringLiteral("本期"));
    EXPECT_EQ(shownDraws(), (QStringList{"000001", "000003", "000004", "000006", "000007"}));
    EXPECT_EQ(Text(w(), "cbn1"), QStringLiteral("05")); // the numbers of the draw the rows point to
    EXPECT_EQ(Items(w(), "cbn1").size(), 5);
    EXPECT_EQ(Label(w(), "lbn1"), QStringLiteral("本期 000007"));
    Click(w(), "SpeedButton2");
    Click(w(), "SpeedButton2");
    EXPECT_EQ(Label(w(), "lbtridx"), QStringLiteral("下 2 期"));
    EXPECT_EQ(Label(w(), "lbn1"), QStringLiteral("下 2 期 ")); // past the newest draw

    Pick(w(), "cb_latest", "000004");
    EXPECT_EQ(Label(w(), "lbtridx"), QStringLiteral("下 4 期"));
    EXPECT_EQ(Text(w(), "cb_trno"), QStringLiteral("01"));
    Type(w(), "cb_trno", "12");
    EXPECT_EQ(shownDraws(), (QStringList{"000005"}));
    EXPECT_EQ(drag().RuleTitle, "本期開 12 下 4 期 拖牌分析");
    // Rows after the chosen period stay out of the hand-over.
    EXPECT_EQ(drag().TraceHits[1][1], "");
    expectGridHandedOver();
}

TEST_F(DragWindowTest, PinningSearchesOnlyThePinnedRows) {
    open(Seven);
    Click(w(), "sbpin1");
    EXPECT_EQ(Text(w(), "sbpin1"), QStringLiteral("已固定"));
    EXPECT_FALSE(Enabled(w(), "Panel1"));
    EXPECT_TRUE(Visible(w(), "Panel7"));
    EXPECT_EQ(w().baseDraws(), (std::vector<int>{2, 4, 5, 7}));
    Pick(w(), "cbn1", "05");
    EXPECT_EQ(shownDraws(), (QStringList{"000004", "000007"}));
    Click(w(), "SpeedButton17");
    EXPECT_EQ(Label(w(), "lbtridx_n1"), QStringLiteral("下 1 期"));
    EXPECT_EQ(shownDraws(), (QStringList{"000005"}));
    Click(w(), "SpeedButton3");
    EXPECT_EQ(Text(w(), "sbpin1"), QStringLiteral("固定"));
    EXPECT_TRUE(Enabled(w(), "Panel1"));
    EXPECT_FALSE(Visible(w(), "Panel7"));
    EXPECT_EQ(shownDraws(), (QStringList{"000002", "000004", "000005", "000007"}));

    // Pinned with no rows: nothing until the pin ends; closing while pinned unpins the next showing.
    Type(w(), "cb_trno", "39");
    Click(w(), "sbpin1");
    Pick(w(), "cbn1", "05");
    EXPECT_EQ(drag().TraceRowCount, 0);
    w().close();
    platform.shower.showModeless(w());
    EXPECT_EQ(Text(w(), "sbpin1"), QStringLiteral("固定"));
    EXPECT_EQ(drag().TraceRowCount, 4);
}

TEST_F(DragWindowTest, EachPageRunsItsOwnQuery) {
    open(Seven);
    Pick(w(), "cb_tr22", "05.22");
    EXPECT_EQ(CurrentPage(w(), "PageControl1"), QStringLiteral("TabSheet2"));
    EXPECT_EQ(drag().RuleTitle, "本期開 05.22 下 1 期 拖牌分析");
    Click(w(), "SpeedButton6");
    EXPECT_EQ(shownDraws(), (QStringList{"000007"}));
    Type(w(), "cb_tr22", "12.05");
    EXPECT_EQ(shownDraws(), (QStringList{"000001"}));

    Pick(w(), "cb_tr22_3", "05.22.23");
    EXPECT_EQ(Label(w(), "lbtridx2_3"), QStringLiteral("下 1 期"));
    Click(w(), "SpeedButton4");
    EXPECT_EQ(shownDraws(), (QStringList{"000007"}));

    Pick(w(), "cb_fix11", "2");
    Type(w(), "cb_fix12", "05");
    EXPECT_EQ(shownDraws(), (QStringList{"000002"})); // draw 1's second smallest number, one on
    EXPECT_EQ(drag().RuleTitle, "本期第 2 支開 05 下 1 期 拖牌分析");

    Pick(w(), "cb_latest4", "000001");
    EXPECT_EQ(Text(w(), "cb_fix22"), QStringLiteral("05"));
    Click(w(), "SpeedButton12");
    Click(w(), "SpeedButton12");
    Click(w(), "SpeedButton12");
    Click(w(), "SpeedButton12");
    Click(w(), "SpeedButton12");
    Click(w(), "SpeedButton12");
    Click(w(), "SpeedButton12"); // offset 0: the base draws, marked with their ball positions
    EXPECT_EQ(GridRow(w(), "sgmap", 1)[6], QStringLiteral("１"));
    EXPECT_EQ(GridRow(w(), "sgmap", 1)[13], QStringLiteral("２"));

    Pick(w(), "cb_add3", "1");
    EXPECT_EQ(Label(w(), "lbtridx_add"), QStringLiteral("本期"));
    EXPECT_EQ(shownDraws(), (QStringList{"000002", "000003", "000004", "000005"}));
    EXPECT_EQ(drag().TraceHits[1][4], "000005"); // no period on this page: every row handed over

    Pick(w(), "cb_ck", "02");
    EXPECT_EQ(shownDraws(), (QStringList{"000002", "000004", "000006"}));
    EXPECT_EQ(GridRow(w(), "sgmap", 5)[0], QStringLiteral("期數 4"));
    EXPECT_TRUE(platform.dialogs.prompts.empty());
}

TEST_F(DragWindowTest, TypedPositionsAndCyclesThatAreNoNumbers) {
    open(Seven);
    Pick(w(), "cb_latest3", "000007");
    const TextTable before = drag().Grid;
    platform.dialogs.answer(DialogAnswer::Yes);
    Type(w(), "cb_fix11", "x");
    EXPECT_EQ(platform.dialogs.lastText(), QStringLiteral("第？支錯誤"));
    EXPECT_EQ(drag().Grid, before);
    platform.dialogs.answer(DialogAnswer::Yes);
    Click(w(), "SpeedButton8"); // the step still counts
    EXPECT_EQ(Label(w(), "lbtridx_fix1"), QStringLiteral("下 2 期"));

    // Page 5: a position that holds no number is a conversion error, shown once.
    Type(w(), "cb_add1", "6");
    EXPECT_EQ(platform.dialogs.prompts.back().kind, DialogKind::Error);
    const std::size_t shown = platform.dialogs.prompts.size();
    Type(w(), "cb_ck", "z");
    EXPECT_EQ(platform.dialogs.prompts.size(), shown + 1);
    // The step reads the box again; its message names it by the caption before it.
    EXPECT_TRUE(NamedByItsCaption(w(), "cb_ck"));
    Click(w(), "SpeedButton18");
    EXPECT_EQ(platform.dialogs.lastText(), QStringLiteral("「每隔」的內容「z」不是有效的整數"));
}

TEST_F(DragWindowTest, AddPagePositionsThatNameNoBallAreToldByBoxAndText) {
    open(Seven);
    Pick(w(), "cb_add3", "1");
    const std::vector<std::tuple<const char*, QString, const char*>> boxes = {
        {"cb_add1", QStringLiteral("第"), "1"}, {"cb_add4", QStringLiteral("等於第"), "2"}};
    for (const auto& [box, caption, kept] : boxes) {
        EXPECT_TRUE(NamedByItsCaption(w(), box));
        Click(w(), "SpeedButton13");
        const QString offset = Label(w(), "lbtridx_add");
        const TextTable shown = drag().Grid;
        for (const QString& typed : {QString(), QStringLiteral("q")}) {
            Type(w(), box, typed);
            EXPECT_EQ(platform.dialogs.lastText(),
                      QStringLiteral("「%1」的內容「%2」不是有效的整數").arg(caption, typed));
            // A step with the box so is refused too, and moves nothing.
            Click(w(), "SpeedButton13");
            EXPECT_EQ(platform.dialogs.lastText(),
                      QStringLiteral("「%1」的內容「%2」不是有效的整數").arg(caption, typed));
            EXPECT_EQ(Label(w(), "lbtridx_add"), offset);
            EXPECT_EQ(drag().Grid, shown);
        }
        Type(w(), box, kept);
    }
    EXPECT_EQ(Label(w(), "lbtridx_add"), QStringLiteral("本期")); // a box changed: back to offset 0
}

TEST_F(DragWindowTest, CycleHandOverStopsAtTheDrawTheCycleUsed) {
    open(RandomDraws(12, 4));
    Type(w(), "cb_ck", "3");
    EXPECT_EQ(drag().TraceRowCount, 4); // every third draw back from the one after the newest: 10, 7, 4, 1
    for (const char* period : {"000000", "abc"}) {
        Type(w(), "cb_latest_ck", period);
        EXPECT_EQ(shownDraws(), (QStringList{"000001", "000004", "000007", "000010"})) << period;
        EXPECT_EQ(FilledTraceRows(drag(), MaxDraws), 4) << period;
    }
    Type(w(), "cb_latest_ck", "000006");
    EXPECT_EQ(shownDraws(), (QStringList{"000001", "000004", "000007"}));
    EXPECT_EQ(drag().TraceHits[1][2], "000004");
    EXPECT_EQ(drag().TraceHits[1][3], ""); // the draw after the chosen period
}

TEST_F(DragWindowTest, ButtonsAndPopupItemsAskTheShell) {
    open(Seven);
    Click(w(), "Button1");
    Click(w(), "Button2");
    Click(w(), "Button17");
    Click(w(), "N1");
    Click(w(), "Excel1");
    EXPECT_EQ(links.opened, (std::vector{WindowId::Form_rk_twoforone, WindowId::Form_rk_threeforone,
                                         WindowId::Form_rk_grid_sort, WindowId::Form_rk_no_analysis,
                                         WindowId::Form_img_excel}));
    EXPECT_EQ(CurrentPage(w(), "PageControl1"), QStringLiteral("TabSheet3"));
    Click(w(), "N3");
    EXPECT_EQ(links.helpShown, QStringList{"help_single.txt"});
    EXPECT_FALSE(Enabled(w(), "N2"));
}

TEST_F(DragWindowTest, SavesTheGridAsCommaSeparatedText) {
    open(Seven);
    const QString file = dir.file(QStringLiteral("drag.txt"));
    platform.dialogs.saveAs(file);
    Click(w(), "N4");
    EXPECT_EQ(platform.dialogs.saveRequests.back().defaultSuffix, QStringLiteral("txt"));
    EXPECT_EQ(platform.dialogs.lastText(), QStringLiteral("本圖表數據已儲存為文字檔"));
    EXPECT_EQ(ReadTextLines(file.toStdString()), drag().GridCsvLines);

    platform.dialogs.saveAs({}); // cancelled: nothing more
    Click(w(), "N4");
    EXPECT_EQ(platform.dialogs.prompts.size(), 1u);
}

TEST_F(DragWindowTest, NoDrawsLoadedShowsEmptyPages) {
    open({});
    EXPECT_EQ(Text(w(), "cb_latest"), QString());
    EXPECT_EQ(Items(w(), "cb_trno").size(), 5); // five empty entries: no draw to take numbers from
    for (int page = 0; page < DragPageCount; ++page) {
        w().showPage(page);
        EXPECT_EQ(drag().TraceRowCount, 0) << page;
        EXPECT_EQ(RowCount(w(), "sgmap"), 13) << page;
    }
    EXPECT_TRUE(platform.dialogs.prompts.empty());
}
