#include "pillars/varnholt_window.h"

#include <QApplication>
#include <QColor>
#include <QDate>
#include <QPixmap>
#include <gtest/gtest.h>

#include "app/application.h"
#include "app/main_window.h"
#include "common/num_format.h"
#include "draws/shared_tables.h"
#include "support/box_caption.h"
#include "support/draw_lines.h"
#include "support/fake_platform.h"
#include "support/work_dir.h"
#include "varnholt_fixture.h"

TEST_F(VarnholtWindowTest, OpeningListsTheDrawsSince2009AndPricesFourPillarsOfTwo) {
    open();
    EXPECT_EQ(w().windowTitle(), QStringLiteral("最佳Qorvel"));
    EXPECT_EQ(CurrentPage(w(), "PageC"), "TS2");
    EXPECT_EQ(PickedDate(w(), "DateTimePicker1"), QDate(2009, 1, 1));
    EXPECT_EQ(PickedDate(w(), "DateTimePicker2"), QDate(2026, 12, 7));
    const QStringList lines = memo1();
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines[0], QStringLiteral("0001,2009/01/01,097003,03,04,05,20,30"));
    EXPECT_EQ(lines[9], QStringLiteral("0010,2009/01/10,097012,12,13,14,20,30"));
    EXPECT_EQ(MemoLines(w(), "Memo2"), lines);
    EXPECT_EQ(MemoLines(w(), "Memo3"), lines);
    EXPECT_EQ(Text(w(), "Edit1"), QStringLiteral("  10"));
    EXPECT_EQ(w().lastQuery(), SourceKind::DateRange);
    EXPECT_EQ(w().windowHeader(), "驗證期間：2009/01/01 至 2026/12/07 共   10 期");

    EXPECT_EQ(Label(w(), "lb_NOTT"),
              QStringLiteral("您立柱所有的號碼數為：8  請留意！必須和您上面所選的數目相同"));
    EXPECT_EQ(Label(w(), "lb_pon2"), QStringLiteral("二星= 24 碰"));
    EXPECT_EQ(Label(w(), "lb_pon3"), QStringLiteral("三星= 32 碰"));
    EXPECT_EQ(Label(w(), "lb_pon4"), QStringLiteral("四星= 16 碰"));
    EXPECT_EQ(Label(w(), "lb_tot"), QStringLiteral("共= 72 碰"));
    EXPECT_TRUE(Enabled(w(), SizeBox(4)));
    EXPECT_FALSE(Enabled(w(), SizeBox(5)));
    EXPECT_FALSE(Enabled(w(), PillarMemo(8)));
    EXPECT_EQ(Label(w(), "lb2s"), QStringLiteral("---"));

    // The drag query is prepared from the latest draw.
    EXPECT_EQ(Items(w(), "cb_date").size(), 12);
    EXPECT_EQ(Text(w(), "cb_date"), QStringLiteral("2009/01/10"));
    EXPECT_EQ(Items(w(), "cb_date").value(11), QStringLiteral("2008/12/30"));
    EXPECT_EQ(Text(w(), "CB_xx"), QStringLiteral("12"));
    EXPECT_EQ(Text(w(), "cb_prediction"), QStringLiteral("1"));

    // Numbers above the highest lottery number have no box.
    EXPECT_TRUE(Visible(w(), NumberBox(39)));
    EXPECT_FALSE(Visible(w(), NumberBox(40)));
    EXPECT_FALSE(Visible(w(), HeadBox(4)));
    EXPECT_TRUE(platform.dialogs.prompts.empty()) << platform.dialogs.lastText().toStdString();
}

TEST_F(VarnholtWindowTest, CountsRankNumbersAndTailsWithTiesToTheHigher) {
    open();
    // Window 2009/01/01..: 20 and 30 ten times, 05..12 three times each.
    EXPECT_EQ(GridRow(w(), "sga1", 0)[0], QStringLiteral("30"));
    EXPECT_EQ(GridRow(w(), "sga1", 1)[0], QStringLiteral("10"));
    EXPECT_EQ(GridRow(w(), "sga1", 0)[1], QStringLiteral("20"));
    EXPECT_EQ(GridRow(w(), "sga1", 0)[2], QStringLiteral("12"));
    EXPECT_EQ(GridRow(w(), "sga1", 1)[2], QStringLiteral("3"));
    EXPECT_EQ(GridRow(w(), "sga1", 0)[9], QStringLiteral("05"));
    EXPECT_EQ(GridRow(w(), "sga1", 0)[10], QStringLiteral("13"));
    EXPECT_EQ(GridRow(w(), "sga1", 1)[10], QStringLiteral("2"));
    EXPECT_EQ(GridRow(w(), "sga2", 0)[13], QStringLiteral("01"));
    EXPECT_EQ(GridRow(w(), "sga2", 1)[13], QStringLiteral("0"));
    // Tail 0 has 20 hits (20, 30, and 10 three times: 23); tails 4 and 3 tie at 4... ranked higher first.
    EXPECT_EQ(GridRow(w(), "sgaT", 0)[0], QStringLiteral("0 尾"));
    EXPECT_EQ(GridRow(w(), "sgaT", 1)[0], QStringLiteral("23"));
    for (int c = 1; c < 10; ++c) {
        const int hitsBefore = GridRow(w(), "sgaT", 1)[c - 1].toInt();
        const int hits = GridRow(w(), "sgaT", 1)[c].toInt();
        EXPECT_TRUE(hitsBefore > hits ||
                    (hitsBefore == hits && GridRow(w(), "sgaT", 0)[c - 1] > GridRow(w(), "sgaT", 0)[c]));
    }

    // An empty window ranks every number with no hits, the highest first.
    PickDate(w(), "DateTimePicker1", QDate(2020, 1, 1));
    Click(w(), "Button1");
    EXPECT_TRUE(memo1().isEmpty());
    EXPECT_EQ(Text(w(), "Edit1"), QStringLiteral("  0"));
    EXPECT_EQ(GridRow(w(), "sga1", 0)[0], QStringLiteral("39"));
    EXPECT_EQ(GridRow(w(), "sga1", 0)[24], QStringLiteral("15"));
    EXPECT_EQ(GridRow(w(), "sga2", 0)[0], QStringLiteral("14"));
    EXPECT_EQ(GridRow(w(), "sga2", 0)[13], QStringLiteral("01"));
    EXPECT_EQ(GridRow(w(), "sga2", 1)[13], QStringLiteral("0"));
    Click(w(), "SpeedButton2");
    EXPECT_TRUE(MemoLines(w(), "mm").isEmpty());
}

TEST_F(VarnholtWindowTest, HotListsAndTheirCopyButtons) {
    open();
    Click(w(), "SpeedButton2");
    const QStringList pairs = MemoLines(w(), "mm");
    ASSERT_FALSE(pairs.isEmpty());
    EXPECT_EQ(pairs[0], QStringLiteral("2030  010"));
    EXPECT_EQ(pairs[1], QStringLiteral("1230  003"));
    EXPECT_EQ(Label(w(), "lb2s"), QString::number(pairs.size()));
    Click(w(), "SpeedButton1");
    EXPECT_EQ(MemoLines(w(), "mm9")[0], QStringLiteral("12132030  002"));
    Click(w(), "SpeedButton3");
    EXPECT_EQ(MemoLines(w(), "mm3")[0], QStringLiteral("122030  003"));

    Click(w(), "BitBtn1");
    EXPECT_EQ(platform.clipboard.content, Text(w(), "mm"));
    EXPECT_EQ(platform.dialogs.lastText(), QStringLiteral("資料已複製Copy"));

    // The lists stay until their button is pressed again, also across queries.
    Pick(w(), "cbis", QStringLiteral("20"));
    Type(w(), "cbis", QStringLiteral("2"));
    Click(w(), "Button16");
    EXPECT_EQ(MemoLines(w(), "mm"), pairs);
    Click(w(), "SpeedButton2");
    EXPECT_EQ(MemoLines(w(), "mm")[0], QStringLiteral("2030  002"));
}

TEST_F(VarnholtWindowTest, LatestAndEveryKthQueries) {
    open();
    Type(w(), "cbis", QStringLiteral("3"));
    Click(w(), "Button16");
    QStringList lines = memo1();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("0001,2009/01/08,097010")));
    EXPECT_EQ(PickedDate(w(), "DateTimePicker1"), QDate(2009, 1, 8));
    EXPECT_EQ(w().lastQuery(), SourceKind::Latest);
    EXPECT_EQ(w().windowHeader(), "最近 3 期驗證");

    // More than there are: every draw, the picker on the first.
    Type(w(), "cbis", QStringLiteral("500"));
    Click(w(), "Button16");
    EXPECT_EQ(memo1().size(), 12);
    EXPECT_EQ(PickedDate(w(), "DateTimePicker1"), QDate(2008, 12, 30));

    Type(w(), "cb_intv", QStringLiteral("5"));
    Type(w(), "cbis_2", QStringLiteral("2"));
    Click(w(), "Button17");
    lines = memo1();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("0001,2009/01/05,097007")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("0002,2009/01/10,097012")));
    EXPECT_EQ(PickedDate(w(), "DateTimePicker1"), QDate(2009, 1, 5));
    EXPECT_EQ(w().windowHeader(), "每 5 期一次，取最近 2 期驗證");
    EXPECT_EQ(GridRow(w(), "sga1", 1)[0], QStringLiteral("2"));

    // A re-run repeats the query that ran last.
    Type(w(), "Memo1", QString());
    w().rerunQuery();
    EXPECT_EQ(memo1(), lines);
    EXPECT_TRUE(platform.dialogs.prompts.empty()) << platform.dialogs.lastText().toStdString();
}

TEST_F(VarnholtWindowTest, TypedCountsStayAsTypedAndLettersAreNamedInChinese) {
    open();
    QApplication::setActiveWindow(&w()); // completion follows the keys only in the active window
    // The item list is offered, never completed into the box: 7 stays 7, not 70.
    Type(w(), "cbis", QStringLiteral("7"));
    EXPECT_EQ(Text(w(), "cbis"), QStringLiteral("7"));
    Click(w(), "Button16");
    EXPECT_EQ(memo1().size(), 7);
    Type(w(), "cb_intv", QStringLiteral("1"));
    EXPECT_EQ(Text(w(), "cb_intv"), QStringLiteral("1"));

    Type(w(), "cbis", QStringLiteral("abc"));
    Click(w(), "Button16");
    EXPECT_EQ(platform.dialogs.lastText(), QStringLiteral("「最近」的內容「abc」不是有效的整數"));
    EXPECT_EQ(memo1().size(), 7); // what was listed before stays
}

TEST_F(VarnholtWindowTest, DragQueryWithAndWithoutFixedPosition) {
    open();
    // 05 is in draws 3, 4 and 5; the draw after each but the last.
    Pick(w(), "cb_ii", QStringLiteral("1"));
    Type(w(), "CB_xx", QStringLiteral("05"));
    Type(w(), "cb_prediction", QStringLiteral("1"));
    Click(w(), "cb_ff"); // off
    EXPECT_FALSE(Ticked(w(), "cb_ff"));
    Type(w(), "CB_xx", QStringLiteral("05"));
    Type(w(), "cb_prediction", QStringLiteral("1"));
    Click(w(), "Button18");
    QStringList lines = memo1();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("0001,2009/01/02,097004")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("0002,2009/01/03,097005")));
    EXPECT_EQ(w().windowHeader(), "當05不定點開出 之下1期統計驗證 (共 2 期)");
    EXPECT_EQ(w().lastQuery(), SourceKind::Drag);

    // Fixed: 20 stands at ascending position 4 in every draw; two draws later.
    Click(w(), "cb_ff"); // on again, which re-proposes from the chosen date
    Pick(w(), "cb_ii", QStringLiteral("4"));
    EXPECT_EQ(Text(w(), "CB_xx"), QStringLiteral("20"));
    Type(w(), "cb_prediction", QStringLiteral("2"));
    Click(w(), "Button18");
    lines = memo1();
    ASSERT_EQ(lines.size(), 10);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("0001,2009/01/01,097003")));
    EXPECT_EQ(w().windowHeader(), "當第 4 支開20之下2期統計驗證 (共 10 期)");

    // A number typed without its leading zero matches nothing.
    Type(w(), "CB_xx", QStringLiteral("5"));
    Click(w(), "Button18");
    EXPECT_TRUE(memo1().isEmpty());

    // Choosing an earlier reference draw proposes its number and the distance to the next draw.
    Pick(w(), "cb_ii", QStringLiteral("1"));
    Pick(w(), "cb_date", QStringLiteral("2009/01/09"));
    EXPECT_EQ(Text(w(), "CB_xx"), QStringLiteral("11"));
    EXPECT_EQ(Text(w(), "cb_prediction"), QStringLiteral("2"));
    EXPECT_TRUE(platform.dialogs.prompts.empty()) << platform.dialogs.lastText().toStdString();
}

TEST_F(VarnholtWindowTest, ATypedReferenceDateIsTakenWhenConfirmed) {
    // 25 draws: the list offers the latest 20 dates, draw d holds d at ascending position 1.
    std::vector<std::string> tw539;
    for (int d = 1; d <= 25; ++d)
        tw539.push_back(
            MakeDrawLine(DateFormat("yyyy/mm/dd", Date::fromDayNumber(Date{2009, 2, 1}.dayNumber() + d)),
                         NumFormat("000000", 98000 + d), {d, 31, 32, 33, 34}));
    open(tw539);
    ASSERT_EQ(Items(w(), "cb_date").size(), 20);

    // Typing alone changes nothing and asks nothing; Enter takes the date of draw 2, older than the list.
    Type(w(), "cb_date", QStringLiteral("2009/02/03"));
    EXPECT_EQ(Text(w(), "CB_xx"), QStringLiteral("25"));
    Confirm(w(), "cb_date");
    EXPECT_EQ(Text(w(), "CB_xx"), QStringLiteral("02"));
    EXPECT_EQ(Text(w(), "cb_prediction"), QStringLiteral("24"));
    EXPECT_TRUE(platform.dialogs.prompts.empty()) << platform.dialogs.lastText().toStdString();

    // Confirming again without a change leaves the number the user typed since.
    Type(w(), "CB_xx", QStringLiteral("07"));
    Confirm(w(), "cb_date");
    EXPECT_EQ(Text(w(), "CB_xx"), QStringLiteral("07"));

    // A typed position is taken the same way.
    Type(w(), "cb_ii", QStringLiteral("2"));
    Confirm(w(), "cb_ii");
    EXPECT_EQ(Text(w(), "CB_xx"), QStringLiteral("31"));

    // A date no draw has is refused once, when confirmed.
    Type(w(), "cb_date", QStringLiteral("2009/03/30"));
    Confirm(w(), "cb_date");
    ASSERT_EQ(platform.dialogs.prompts.size(), 1u);
    EXPECT_EQ(platform.dialogs.prompts[0].kind, DialogKind::Warning);
    EXPECT_EQ(Text(w(), "CB_xx"), QStringLiteral("31"));
}

TEST_F(VarnholtWindowTest, ValuesTheTablesCannotServeAreRefusedAndTheMemosKept) {
    open();
    const QStringList before = memo1();
    const std::string header = w().windowHeader();
    auto expectRefused = [&](const char* what) {
        ASSERT_FALSE(platform.dialogs.prompts.empty()) << what;
        EXPECT_EQ(platform.dialogs.prompts.back().kind, DialogKind::Warning) << what;
        EXPECT_EQ(memo1(), before) << what;
        EXPECT_EQ(w().windowHeader(), header) << what;
        EXPECT_EQ(w().lastQuery(), SourceKind::DateRange) << what;
        platform.dialogs.prompts.clear();
    };
    Type(w(), "cbis", QStringLiteral("0"));
    Click(w(), "Button16");
    expectRefused("latest 0");
    Type(w(), "cb_intv", QStringLiteral("0"));
    Click(w(), "Button17");
    expectRefused("interval 0");
    Type(w(), "cb_intv", QStringLiteral("2"));
    Type(w(), "cbis_2", QStringLiteral("-3"));
    Click(w(), "Button17");
    expectRefused("count -3");
    Type(w(), "cb_ii", QStringLiteral("6"));
    Click(w(), "Button18");
    expectRefused("position 6");
    Type(w(), "cb_ii", QStringLiteral("1"));
    Type(w(), "cb_prediction", QStringLiteral("-1"));
    Click(w(), "Button18");
    expectRefused("lag -1");
    Type(w(), "cb_date", QStringLiteral("2009/02/30"));
    Confirm(w(), "cb_date");
    expectRefused("no such draw date");
    EXPECT_EQ(Text(w(), "CB_xx"), QStringLiteral("12"));

    // Text that is no number: the conversion error, and still nothing lost.
    Type(w(), "cbis", QStringLiteral("abc"));
    Click(w(), "Button16");
    ASSERT_EQ(platform.dialogs.prompts.size(), 1u);
    EXPECT_EQ(platform.dialogs.prompts[0].kind, DialogKind::Error);
    EXPECT_EQ(memo1(), before);
}

TEST_F(VarnholtWindowTest, EditedMemoLinesAreCountedWithoutFailing) {
    open();
    QStringList lines = memo1();
    lines[0] = QStringLiteral("0001,2009/01/01,097003,xx,04,05");
    lines << QStringLiteral("nonsense") << QString();
    paste("Memo1", lines);
    Click(w(), "SpeedButton2");
    EXPECT_EQ(MemoLines(w(), "mm")[0], QStringLiteral("2030  009"));
    w().countListedDraws();
    EXPECT_EQ(GridRow(w(), "sga1", 1)[0], QStringLiteral("9"));
    EXPECT_TRUE(platform.dialogs.prompts.empty()) << platform.dialogs.lastText().toStdString();
}

TEST_F(VarnholtWindowTest, SelectionLabelsBreakBeforeTheSixteenthNumber) {
    open();
    EXPECT_EQ(Label(w(), "Label6"), QStringLiteral("沒有號碼"));
    EXPECT_EQ(Label(w(), "Label28"), QStringLiteral("共計：0  個"));
    for (int n = 1; n <= 15; ++n)
        Click(w(), NumberBox(n));
    const QString fifteen = QStringLiteral("01,02,03,04,05,06,07,08,09,10,11,12,13,14,15,");
    EXPECT_EQ(Label(w(), "Label6"), fifteen);
    Click(w(), NumberBox(16));
    for (const char* numbers : {"Label6", "Label57", "Label41"})
        EXPECT_EQ(Label(w(), numbers), fifteen + QStringLiteral(" 16,")) << numbers;
    for (const char* count : {"Label28", "Label56", "Label42"})
        EXPECT_EQ(Label(w(), count), QStringLiteral("  共計 16 個")) << count;
    EXPECT_EQ(Label(w(), "lb_selectNo"), QStringLiteral("16"));
    EXPECT_EQ(selection().value(15), QStringLiteral("16"));
    EXPECT_TRUE(Font(w(), NumberBox(16)).bold());
    EXPECT_EQ(Colour(w(), NumberBox(16), QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(Colour(w(), NumberBox(17), QPalette::WindowText), QColor(Qt::blue));

    // A head box unticks what it does not cover; ticking heads past 30 numbers: one message per
    // number beyond.
    Click(w(), HeadBox(0));
    Click(w(), HeadBox(1));
    Click(w(), HeadBox(2));
    EXPECT_EQ(selected(), 29);
    EXPECT_TRUE(platform.dialogs.prompts.empty());
    Click(w(), HeadBox(3));
    ASSERT_EQ(platform.dialogs.prompts.size(), 9u);
    EXPECT_EQ(platform.dialogs.lastText(), QStringLiteral("您所選的號碼超過上限30個，請減少號碼"));
    EXPECT_EQ(platform.dialogs.prompts.back().kind, DialogKind::Error);
    EXPECT_EQ(selected(), 39);

    // Clearing leaves nothing ticked, the labels at 0, and asks nothing on the way.
    platform.dialogs.prompts.clear();
    Click(w(), "Button8");
    EXPECT_TRUE(ticked().isEmpty());
    EXPECT_FALSE(Ticked(w(), HeadBox(2)));
    EXPECT_EQ(Label(w(), "lb_selectNo"), QStringLiteral("0"));
    EXPECT_EQ(Label(w(), "Label28"), QStringLiteral("  共計 0 個"));
    EXPECT_TRUE(platform.dialogs.prompts.empty());
}

TEST_F(VarnholtWindowTest, TailAndHeadBoxesTickTheirGroups) {
    open();
    Click(w(), TailBox(1));
    EXPECT_EQ(ticked(), (QStringList{"01", "11", "21", "31"}));
    EXPECT_TRUE(Font(w(), TailBox(1)).bold());
    Click(w(), HeadBox(0));
    EXPECT_EQ(ticked().size(), 12);
    Click(w(), HeadBox(0));
    EXPECT_EQ(ticked(), (QStringList{"01", "11", "21", "31"}));
    EXPECT_FALSE(Font(w(), HeadBox(0)).bold());

    // Unticking a tail keeps the numbers of a ticked head.
    Click(w(), HeadBox(1));
    Click(w(), TailBox(1));
    EXPECT_EQ(ticked(), (QStringList{"10", "11", "12", "13", "14", "15", "16", "17", "18", "19"}));

    // "0尾" acts at once like the other tails.
    Click(w(), "Button8");
    Click(w(), TailBox(0));
    EXPECT_EQ(ticked(), (QStringList{"10", "20", "30"}));
    Click(w(), TailBox(0));
    EXPECT_TRUE(ticked().isEmpty());
}

TEST_F(VarnholtWindowTest, PickingTheHottestNumbers) {
    open();
    Click(w(), NumberBox(1));
    Click(w(), TailBox(5));
    Pick(w(), "cb9", QStringLiteral("8"));
    Click(w(), "Button7");
    EXPECT_EQ(ticked(), (QStringList{"07", "08", "09", "10", "11", "12", "20", "30"}));
    EXPECT_FALSE(Ticked(w(), TailBox(5)));
    EXPECT_EQ(selected(), 8);
    EXPECT_EQ(Label(w(), "lb_NOTT"), LayoutTotal(8));

    // Beyond the ranked numbers the grid has no number: the conversion error after ticking them all.
    Type(w(), "cb9", QStringLiteral("45"));
    Click(w(), "Button7");
    EXPECT_EQ(selected(), 39);
    ASSERT_FALSE(platform.dialogs.prompts.empty());
    EXPECT_EQ(platform.dialogs.prompts.back().kind, DialogKind::Error);
}

TEST_F(VarnholtWindowTest, PillarCountAndSizesPriceTheLayout) {
    open();
    Pick(w(), "CB_Select", QStringLiteral("6"));
    EXPECT_TRUE(Enabled(w(), SizeBox(6)));
    EXPECT_EQ(Colour(w(), SizeBox(6), QPalette::Base), QColor(255, 255, 255));
    Pick(w(), SizeBox(5), QStringLiteral("3"));
    Pick(w(), SizeBox(6), QStringLiteral("1"));
    EXPECT_EQ(Label(w(), "lb_NOTT"), LayoutTotal(12));
    Pick(w(), "CB_Select", QStringLiteral("4"));
    EXPECT_EQ(Text(w(), SizeBox(5)), QStringLiteral("0"));
    EXPECT_EQ(Text(w(), SizeBox(6)), QStringLiteral("0"));
    EXPECT_FALSE(Enabled(w(), PillarMemo(5)));
    EXPECT_EQ(Colour(w(), PillarMemo(5), QPalette::Base), QColor(192, 192, 192));
    EXPECT_EQ(Label(w(), "lb_NOTT"), LayoutTotal(8));
    Pick(w(), "CB_Select", QStringLiteral("6"));
    EXPECT_TRUE(Enabled(w(), SizeBox(5)));
    EXPECT_EQ(Text(w(), SizeBox(5)), QStringLiteral("0"));

    Pick(w(), "CB_Select", QStringLiteral("3"));
    for (int p = 1; p <= 3; ++p)
        Pick(w(), SizeBox(p), QStringLiteral("3"));
    EXPECT_EQ(Label(w(), "lb_pon2"), QStringLiteral("二星= 27 碰"));
    EXPECT_EQ(Label(w(), "lb_pon3"), QStringLiteral("三星= 27 碰"));
    EXPECT_EQ(Label(w(), "lb_pon4"), QStringLiteral("四星= 0 碰"));
    // The manual verification prices the layout the same.
    Click(w(), "Button27");
    EXPECT_TRUE(MemoLines(w(), "Memo2").contains(QStringLiteral("成本二星 27 碰")));

    Pick(w(), "CB_Select", QStringLiteral("5"));
    for (int p = 1; p <= 5; ++p)
        Pick(w(), SizeBox(p), p <= 2 ? QStringLiteral("1") : QStringLiteral("2"));
    EXPECT_EQ(Label(w(), "lb_pon2"), QStringLiteral("二星= 25 碰"));
    EXPECT_EQ(Label(w(), "lb_tot"), QStringLiteral("共= 91 碰"));
    EXPECT_TRUE(platform.dialogs.prompts.empty()) << platform.dialogs.lastText().toStdString();
}

TEST_F(VarnholtWindowTest, LayoutInputOutsideTheTablesIsRefused) {
    open();
    Type(w(), "CB_Select", QStringLiteral("9"));
    ASSERT_EQ(platform.dialogs.prompts.size(), 1u);
    EXPECT_EQ(platform.dialogs.prompts[0].kind, DialogKind::Warning);
    EXPECT_TRUE(Enabled(w(), SizeBox(4)));
    EXPECT_EQ(Text(w(), "CB_Select"), QStringLiteral("4"));
    EXPECT_FALSE(Enabled(w(), SizeBox(5)));

    Type(w(), SizeBox(2), QStringLiteral("9"));
    EXPECT_EQ(platform.dialogs.prompts.size(), 2u);
    EXPECT_EQ(Label(w(), "lb_NOTT"), LayoutTotal(8));
    EXPECT_EQ(Text(w(), SizeBox(2)), QStringLiteral("2"));
    EXPECT_EQ(Label(w(), "lb_tot"), QStringLiteral("共= 72 碰"));

    // Not a number: the conversion error, labels unchanged.
    Type(w(), SizeBox(2), QStringLiteral("x"));
    ASSERT_EQ(platform.dialogs.prompts.size(), 3u);
    EXPECT_EQ(platform.dialogs.prompts.back().kind, DialogKind::Error);
    EXPECT_EQ(Label(w(), "lb_tot"), QStringLiteral("共= 72 碰"));

    // A pillar memo with more than eight lines: only eight are read.
    paste(PillarMemo(1), {"01", "02", "03", "04", "05", "06", "07", "08", "09", "10"});
    paste(PillarMemo(2), {"11"});
    const PillarNumbers pillars = w().pillarMemoNumbers();
    ASSERT_EQ(pillars.size(), 4u);
    EXPECT_EQ(pillars[0].size(), 8u);
    EXPECT_EQ(pillars[0].back(), "08");
    EXPECT_EQ(pillars[1], (std::vector<std::string>{"11"}));
    EXPECT_TRUE(pillars[2].empty());
}

TEST_F(VarnholtWindowTest, LogoFollowsTheGameAndReopeningStartsOver) {
    openFromMainWindow();
    EXPECT_EQ(Picture(w(), "Image3").cacheKey(),
              app->windows().get<TForm_rk_main>()->currentLogo().cacheKey());
    QPixmap other(10, 10);
    other.fill(Qt::green);
    emit app->windows().get<TForm_rk_main>()->logoChanged(other);
    EXPECT_EQ(Picture(w(), "Image3").toImage(), other.toImage());

    // A second showing runs the date-range query again but keeps the selection.
    Type(w(), "cbis", QStringLiteral("3"));
    Click(w(), "Button16");
    Click(w(), NumberBox(5));
    Pick(w(), "CB_Select", QStringLiteral("6"));
    Pick(w(), SizeBox(5), QStringLiteral("2"));
    w().close();
    Click(*app->windows().get<TForm_rk_main>(), "Varnholt");
    EXPECT_EQ(w().lastQuery(), SourceKind::DateRange);
    EXPECT_EQ(memo1().size(), 10);
    EXPECT_EQ(ticked(), (QStringList{"05"}));
    // Four pillars of two again, and only those four open for sizes.
    EXPECT_EQ(Text(w(), "CB_Select"), QStringLiteral("4"));
    EXPECT_EQ(Text(w(), SizeBox(5)), QStringLiteral("0"));
    EXPECT_TRUE(Enabled(w(), SizeBox(4)));
    EXPECT_FALSE(Enabled(w(), SizeBox(5)));
    EXPECT_FALSE(Enabled(w(), PillarMemo(6)));
    EXPECT_EQ(Colour(w(), PillarMemo(6), QPalette::Base), QColor(192, 192, 192));
    EXPECT_EQ(Label(w(), "lb_NOTT"), LayoutTotal(8));
}

TEST_F(VarnholtWindowTest, ARangeBeforeTheLoadedHistorySaysWhereItStarts) {
    dir.copyData(QStringLiteral("TW539.txt")); // the newest 2500 draws start on 2018/08/31
    loadDrawFile();
    showAlone(); // from 2009/01/01
    EXPECT_TRUE(Label(w(), "lb_history_start").contains(QStringLiteral("2018/08/31")));
    PickDate(w(), "DateTimePicker1", QDate(2018, 1, 1));
    PickDate(w(), "DateTimePicker2", QDate(2018, 12, 31));
    Click(w(), "Button1");
    EXPECT_EQ(Text(w(), "Edit1"), QStringLiteral("  105"));
    EXPECT_TRUE(Label(w(), "lb_history_start").contains(QStringLiteral("2018/08/31")));

    // The other queries list loaded draws only; a range from the oldest one says nothing either.
    Click(w(), "Button16");
    EXPECT_EQ(Label(w(), "lb_history_start"), QString());
    PickDate(w(), "DateTimePicker1", QDate(2018, 8, 31));
    Click(w(), "Button1");
    EXPECT_EQ(Text(w(), "Edit1"), QStringLiteral("  105"));
    EXPECT_EQ(Label(w(), "lb_history_start"), QString());
}

TEST_F(VarnholtWindowTest, EveryNumberBoxIsNamedByTheCaptionBeforeIt) {
    open();
    for (const char* box : {"cbis", "cb_intv", "cbis_2", "cb_ii", "cb_prediction", "cb9", "CB_Select"})
        EXPECT_TRUE(NamedByItsCaption(w(), box));
    for (int p = 1; p <= 8; ++p)
        EXPECT_TRUE(NamedByItsCaption(w(), SizeBox(p)));
    Type(w(), "cb_intv", "x");
    Click(w(), "Button17");
    EXPECT_EQ(platform.dialogs.lastText(), QStringLiteral("「每」的內容「x」不是有效的整數"));
}
