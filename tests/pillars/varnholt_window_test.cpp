#include "pillars/varnholt_window.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "app/application.h"
#include "common/num_format.h"
#include "app/main_window.h"
#include "draws/shared_tables.h"
#include "platform/memo_lines.h"
#include "platform/string_grid.h"
#include "support/draw_lines.h"
#include "support/fake_platform.h"
#include "support/work_dir.h"
#include "varnholt_fixture.h"

TEST_F(VarnholtWindowTest, OpeningListsTheDrawsSince2009AndPricesFourPillarsOfTwo) {
    open();
    EXPECT_EQ(w().windowTitle(), QStringLiteral("最佳Qorvel"));
    EXPECT_EQ(w().PageC->currentWidget(), w().TS2);
    EXPECT_EQ(w().DateTimePicker1->date(), QDate(2009, 1, 1));
    EXPECT_EQ(w().DateTimePicker2->date(), QDate(2026, 12, 7));
    const QStringList lines = memo1();
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines[0], QStringLiteral("0001,2009/01/01,097003,03,04,05,20,30"));
    EXPECT_EQ(lines[9], QStringLiteral("0010,2009/01/10,097012,12,13,14,20,30"));
    EXPECT_EQ(MemoLines(*w().Memo2), lines);
    EXPECT_EQ(MemoLines(*w().Memo3), lines);
    EXPECT_EQ(w().Edit1->text(), QStringLiteral("  10"));
    EXPECT_EQ(w().unit.Source, SourceKind::DateRange);
    EXPECT_EQ(w().unit.WindowHeader, "驗證期間：2009/01/01 至 2026/12/07 共   10 期");

    EXPECT_EQ(w().lb_NOTT->text(), QStringLiteral("您立柱所有的號碼數為：8  請留意！必須和您上面所選的數目相同"));
    EXPECT_EQ(w().lb_pon2->text(), QStringLiteral("二星= 24 碰"));
    EXPECT_EQ(w().lb_pon3->text(), QStringLiteral("三星= 32 碰"));
    EXPECT_EQ(w().lb_pon4->text(), QStringLiteral("四星= 16 碰"));
    EXPECT_EQ(w().lb_tot->text(), QStringLiteral("共= 72 碰"));
    EXPECT_TRUE(w().SizeBox[4]->isEnabled());
    EXPECT_FALSE(w().SizeBox[5]->isEnabled());
    EXPECT_FALSE(w().PillarMemo[8]->isEnabled());
    EXPECT_EQ(w().lb2s->text(), QStringLiteral("---"));

    // The drag query is prepared from the latest draw.
    EXPECT_EQ(w().cb_date->count(), 12);
    EXPECT_EQ(w().cb_date->currentText(), QStringLiteral("2009/01/10"));
    EXPECT_EQ(w().cb_date->itemText(11), QStringLiteral("2008/12/30"));
    EXPECT_EQ(w().CB_xx->currentText(), QStringLiteral("12"));
    EXPECT_EQ(w().cb_prediction->currentText(), QStringLiteral("1"));

    // Numbers above the highest lottery number have no box.
    EXPECT_FALSE(w().NoBox[39]->isHidden());
    EXPECT_TRUE(w().NoBox[40]->isHidden());
    EXPECT_TRUE(w().HeadBox[4]->isHidden());
    EXPECT_TRUE(platform.dialogs.prompts.empty()) << platform.dialogs.lastText().toStdString();
}

TEST_F(VarnholtWindowTest, CountsRankNumbersAndTailsWithTiesToTheHigher) {
    open();
    // Window 2009/01/01..: 20 and 30 ten times, 05..12 three times each.
    EXPECT_EQ(w().sga1->Cells(0, 0), QStringLiteral("30"));
    EXPECT_EQ(w().sga1->Cells(0, 1), QStringLiteral("10"));
    EXPECT_EQ(w().sga1->Cells(1, 0), QStringLiteral("20"));
    EXPECT_EQ(w().sga1->Cells(2, 0), QStringLiteral("12"));
    EXPECT_EQ(w().sga1->Cells(2, 1), QStringLiteral("3"));
    EXPECT_EQ(w().sga1->Cells(9, 0), QStringLiteral("05"));
    EXPECT_EQ(w().sga1->Cells(10, 0), QStringLiteral("13"));
    EXPECT_EQ(w().sga1->Cells(10, 1), QStringLiteral("2"));
    EXPECT_EQ(w().sga2->Cells(13, 0), QStringLiteral("01"));
    EXPECT_EQ(w().sga2->Cells(13, 1), QStringLiteral("0"));
    // Tail 0 has 20 hits (20, 30, and 10 three times: 23); tails 4 and 3 tie at 4... ranked higher first.
    EXPECT_EQ(w().sgaT->Cells(0, 0), QStringLiteral("0 尾"));
    EXPECT_EQ(w().sgaT->Cells(0, 1), QStringLiteral("23"));
    for (int c = 1; c < 10; ++c) {
        const int hitsBefore = w().sgaT->Cells(c - 1, 1).toInt();
        const int hits = w().sgaT->Cells(c, 1).toInt();
        EXPECT_TRUE(hitsBefore > hits || (hitsBefore == hits && w().sgaT->Cells(c - 1, 0) > w().sgaT->Cells(c, 0)));
    }

    // An empty window ranks every number with no hits, the highest first.
    w().DateTimePicker1->setDate(QDate(2020, 1, 1));
    click(w().Button1);
    EXPECT_TRUE(memo1().isEmpty());
    EXPECT_EQ(w().Edit1->text(), QStringLiteral("  0"));
    EXPECT_EQ(w().sga1->Cells(0, 0), QStringLiteral("39"));
    EXPECT_EQ(w().sga1->Cells(24, 0), QStringLiteral("15"));
    EXPECT_EQ(w().sga2->Cells(0, 0), QStringLiteral("14"));
    EXPECT_EQ(w().sga2->Cells(13, 0), QStringLiteral("01"));
    EXPECT_EQ(w().sga2->Cells(13, 1), QStringLiteral("0"));
    click(w().SpeedButton2);
    EXPECT_TRUE(MemoLines(*w().mm).isEmpty());
}

TEST_F(VarnholtWindowTest, HotListsAndTheirCopyButtons) {
    open();
    click(w().SpeedButton2);
    const QStringList pairs = MemoLines(*w().mm);
    ASSERT_FALSE(pairs.isEmpty());
    EXPECT_EQ(pairs[0], QStringLiteral("2030  010"));
    EXPECT_EQ(pairs[1], QStringLiteral("1230  003"));
    EXPECT_EQ(w().lb2s->text(), QString::number(pairs.size()));
    click(w().SpeedButton1);
    EXPECT_EQ(MemoLines(*w().mm9)[0], QStringLiteral("12132030  002"));
    click(w().SpeedButton3);
    EXPECT_EQ(MemoLines(*w().mm3)[0], QStringLiteral("122030  003"));

    click(w().BitBtn1);
    EXPECT_EQ(platform.clipboard.content, w().mm->toPlainText());
    EXPECT_EQ(platform.dialogs.lastText(), QStringLiteral("資料已複製Copy"));

    // The lists stay until their button is pressed again, also across queries.
    pick(w().cbis, QStringLiteral("20"));
    type(w().cbis, QStringLiteral("2"));
    click(w().Button16);
    EXPECT_EQ(MemoLines(*w().mm), pairs);
    click(w().SpeedButton2);
    EXPECT_EQ(MemoLines(*w().mm)[0], QStringLiteral("2030  002"));
}

TEST_F(VarnholtWindowTest, LatestAndEveryKthQueries) {
    open();
    type(w().cbis, QStringLiteral("3"));
    click(w().Button16);
    QStringList lines = memo1();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("0001,2009/01/08,097010")));
    EXPECT_EQ(w().DateTimePicker1->date(), QDate(2009, 1, 8));
    EXPECT_EQ(w().unit.Source, SourceKind::Latest);
    EXPECT_EQ(w().unit.WindowHeader, "最近 3 期驗證");

    // More than there are: every draw, the picker on the first.
    type(w().cbis, QStringLiteral("500"));
    click(w().Button16);
    EXPECT_EQ(memo1().size(), 12);
    EXPECT_EQ(w().DateTimePicker1->date(), QDate(2008, 12, 30));

    type(w().cb_intv, QStringLiteral("5"));
    type(w().cbis_2, QStringLiteral("2"));
    click(w().Button17);
    lines = memo1();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("0001,2009/01/05,097007")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("0002,2009/01/10,097012")));
    EXPECT_EQ(w().DateTimePicker1->date(), QDate(2009, 1, 5));
    EXPECT_EQ(w().unit.WindowHeader, "每 5 期一次，取最近 2 期驗證");
    EXPECT_EQ(w().sga1->Cells(0, 1), QStringLiteral("2"));

    // A re-run repeats the query that ran last.
    w().Memo1->clear();
    w().rerunQuery();
    EXPECT_EQ(memo1(), lines);
    EXPECT_TRUE(platform.dialogs.prompts.empty()) << platform.dialogs.lastText().toStdString();
}

TEST_F(VarnholtWindowTest, DragQueryWithAndWithoutFixedPosition) {
    open();
    // 05 is in draws 3, 4 and 5; the draw after each but the last.
    pick(w().cb_ii, QStringLiteral("1"));
    w().CB_xx->setCurrentText(QStringLiteral("05"));
    w().cb_prediction->setCurrentText(QStringLiteral("1"));
    click(w().cb_ff); // off
    EXPECT_FALSE(w().cb_ff->isChecked());
    w().CB_xx->setCurrentText(QStringLiteral("05"));
    w().cb_prediction->setCurrentText(QStringLiteral("1"));
    click(w().Button18);
    QStringList lines = memo1();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("0001,2009/01/02,097004")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("0002,2009/01/03,097005")));
    EXPECT_EQ(w().unit.WindowHeader, "當05不定點開出 之下1期統計驗證 (共 2 期)");
    EXPECT_EQ(w().unit.Source, SourceKind::Drag);

    // Fixed: 20 stands at ascending position 4 in every draw; two draws later.
    click(w().cb_ff); // on again, which re-proposes from the chosen date
    pick(w().cb_ii, QStringLiteral("4"));
    EXPECT_EQ(w().CB_xx->currentText(), QStringLiteral("20"));
    w().cb_prediction->setCurrentText(QStringLiteral("2"));
    click(w().Button18);
    lines = memo1();
    ASSERT_EQ(lines.size(), 10);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("0001,2009/01/01,097003")));
    EXPECT_EQ(w().unit.WindowHeader, "當第 4 支開20之下2期統計驗證 (共 10 期)");

    // A number typed without its leading zero matches nothing.
    w().CB_xx->setCurrentText(QStringLiteral("5"));
    click(w().Button18);
    EXPECT_TRUE(memo1().isEmpty());

    // Choosing an earlier reference draw proposes its number and the distance to the next draw.
    pick(w().cb_ii, QStringLiteral("1"));
    pick(w().cb_date, QStringLiteral("2009/01/09"));
    EXPECT_EQ(w().CB_xx->currentText(), QStringLiteral("11"));
    EXPECT_EQ(w().cb_prediction->currentText(), QStringLiteral("2"));
    EXPECT_TRUE(platform.dialogs.prompts.empty()) << platform.dialogs.lastText().toStdString();
}

TEST_F(VarnholtWindowTest, ATypedReferenceDateIsTakenWhenConfirmed) {
    // 25 draws: the list offers the latest 20 dates, draw d holds d at ascending position 1.
    std::vector<std::string> tw539;
    for (int d = 1; d <= 25; ++d)
        tw539.push_back(MakeDrawLine(DateFormat("yyyy/mm/dd", Date::fromDayNumber(Date{2009, 2, 1}.dayNumber() + d)),
                                     NumFormat("000000", 98000 + d), {d, 31, 32, 33, 34}));
    open(tw539);
    ASSERT_EQ(w().cb_date->count(), 20);
    QLineEdit* date = w().cb_date->lineEdit();

    // Typing alone changes nothing and asks nothing; Enter takes the date of draw 2, older than the list.
    type(w().cb_date, QStringLiteral("2009/02/03"));
    EXPECT_EQ(w().CB_xx->currentText(), QStringLiteral("25"));
    QTest::keyClick(date, Qt::Key_Return);
    EXPECT_EQ(w().CB_xx->currentText(), QStringLiteral("02"));
    EXPECT_EQ(w().cb_prediction->currentText(), QStringLiteral("24"));
    EXPECT_TRUE(platform.dialogs.prompts.empty()) << platform.dialogs.lastText().toStdString();

    // Confirming again without a change leaves the number the user typed since.
    w().CB_xx->setCurrentText(QStringLiteral("07"));
    QTest::keyClick(date, Qt::Key_Return);
    EXPECT_EQ(w().CB_xx->currentText(), QStringLiteral("07"));

    // A typed position is taken the same way.
    type(w().cb_ii, QStringLiteral("2"));
    QTest::keyClick(w().cb_ii->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(w().CB_xx->currentText(), QStringLiteral("31"));

    // A date no draw has is refused once, when confirmed.
    type(w().cb_date, QStringLiteral("2009/03/30"));
    QTest::keyClick(date, Qt::Key_Return);
    ASSERT_EQ(platform.dialogs.prompts.size(), 1u);
    EXPECT_EQ(platform.dialogs.prompts[0].kind, DialogKind::Warning);
    EXPECT_EQ(w().CB_xx->currentText(), QStringLiteral("31"));
}

TEST_F(VarnholtWindowTest, ValuesTheTablesCannotServeAreRefusedAndTheMemosKept) {
    open();
    const QStringList before = memo1();
    const std::string header = w().unit.WindowHeader;
    auto expectRefused = [&](const char* what) {
        ASSERT_FALSE(platform.dialogs.prompts.empty()) << what;
        EXPECT_EQ(platform.dialogs.prompts.back().kind, DialogKind::Warning) << what;
        EXPECT_EQ(memo1(), before) << what;
        EXPECT_EQ(w().unit.WindowHeader, header) << what;
        EXPECT_EQ(w().unit.Source, SourceKind::DateRange) << what;
        platform.dialogs.prompts.clear();
    };
    type(w().cbis, QStringLiteral("0"));
    click(w().Button16);
    expectRefused("latest 0");
    type(w().cb_intv, QStringLiteral("0"));
    click(w().Button17);
    expectRefused("interval 0");
    type(w().cb_intv, QStringLiteral("2"));
    type(w().cbis_2, QStringLiteral("-3"));
    click(w().Button17);
    expectRefused("count -3");
    w().cb_ii->setCurrentText(QStringLiteral("6"));
    click(w().Button18);
    expectRefused("position 6");
    w().cb_ii->setCurrentText(QStringLiteral("1"));
    w().cb_prediction->setCurrentText(QStringLiteral("-1"));
    click(w().Button18);
    expectRefused("lag -1");
    pick(w().cb_date, QStringLiteral("2009/02/30"));
    expectRefused("no such draw date");
    EXPECT_EQ(w().CB_xx->currentText(), QStringLiteral("12"));

    // Text that is no number: the conversion error, and still nothing lost.
    type(w().cbis, QStringLiteral("abc"));
    click(w().Button16);
    ASSERT_EQ(platform.dialogs.prompts.size(), 1u);
    EXPECT_EQ(platform.dialogs.prompts[0].kind, DialogKind::Error);
    EXPECT_EQ(memo1(), before);
}

TEST_F(VarnholtWindowTest, EditedMemoLinesAreCountedWithoutFailing) {
    open();
    QStringList lines = memo1();
    lines[0] = QStringLiteral("0001,2009/01/01,097003,xx,04,05");
    lines << QStringLiteral("nonsense") << QString();
    SetMemoLines(*w().Memo1, lines);
    click(w().SpeedButton2);
    EXPECT_EQ(MemoLines(*w().mm)[0], QStringLiteral("2030  009"));
    w().Button2Click();
    EXPECT_EQ(w().sga1->Cells(0, 1), QStringLiteral("9"));
    EXPECT_TRUE(platform.dialogs.prompts.empty()) << platform.dialogs.lastText().toStdString();
}

TEST_F(VarnholtWindowTest, SelectionLabelsBreakBeforeTheSixteenthNumber) {
    open();
    EXPECT_EQ(w().Label6->text(), QStringLiteral("沒有號碼"));
    EXPECT_EQ(w().Label28->text(), QStringLiteral("共計：0  個"));
    for (int n = 1; n <= 15; ++n)
        w().NoBox[n]->setChecked(true);
    const QString fifteen = QStringLiteral("01,02,03,04,05,06,07,08,09,10,11,12,13,14,15,");
    EXPECT_EQ(w().Label6->text(), fifteen);
    click(w().NoBox[16]);
    for (QLabel* numbers : {w().Label6, w().Label57, w().Label41})
        EXPECT_EQ(numbers->text(), fifteen + QStringLiteral(" 16,"));
    for (QLabel* count : {w().Label28, w().Label56, w().Label42})
        EXPECT_EQ(count->text(), QStringLiteral("  共計 16 個"));
    EXPECT_EQ(w().lb_selectNo->text(), QStringLiteral("16"));
    EXPECT_EQ(w().unit.SelNo[16], "16");
    EXPECT_TRUE(w().NoBox[16]->font().bold());
    EXPECT_EQ(w().NoBox[16]->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(w().NoBox[17]->palette().color(QPalette::WindowText), QColor(Qt::blue));

    // A head box unticks what it does not cover; ticking heads past 30 numbers: one message per
    // number beyond.
    click(w().HeadBox[0]);
    click(w().HeadBox[1]);
    click(w().HeadBox[2]);
    EXPECT_EQ(w().unit.SelCount, 29);
    EXPECT_TRUE(platform.dialogs.prompts.empty());
    click(w().HeadBox[3]);
    ASSERT_EQ(platform.dialogs.prompts.size(), 9u);
    EXPECT_EQ(platform.dialogs.lastText(), QStringLiteral("您所選的號碼超過上限30個，請減少號碼"));
    EXPECT_EQ(platform.dialogs.prompts.back().kind, DialogKind::Error);
    EXPECT_EQ(w().unit.SelCount, 39);

    // Clearing leaves nothing ticked, the labels at 0, and asks nothing on the way.
    platform.dialogs.prompts.clear();
    click(w().Button8);
    EXPECT_TRUE(ticked().isEmpty());
    EXPECT_FALSE(w().HeadBox[2]->isChecked());
    EXPECT_EQ(w().lb_selectNo->text(), QStringLiteral("0"));
    EXPECT_EQ(w().Label28->text(), QStringLiteral("  共計 0 個"));
    EXPECT_TRUE(platform.dialogs.prompts.empty());
}

TEST_F(VarnholtWindowTest, TailAndHeadBoxesTickTheirGroups) {
    open();
    click(w().TailBox[1]);
    EXPECT_EQ(ticked(), (QStringList{"01", "11", "21", "31"}));
    EXPECT_TRUE(w().TailBox[1]->font().bold());
    click(w().HeadBox[0]);
    EXPECT_EQ(ticked().size(), 12);
    click(w().HeadBox[0]);
    EXPECT_EQ(ticked(), (QStringList{"01", "11", "21", "31"}));
    EXPECT_FALSE(w().HeadBox[0]->font().bold());

    // Unticking a tail keeps the numbers of a ticked head.
    click(w().HeadBox[1]);
    click(w().TailBox[1]);
    EXPECT_EQ(ticked(), (QStringList{"10", "11", "12", "13", "14", "15", "16", "17", "18", "19"}));

    // "0尾" acts at once like the other tails.
    click(w().Button8);
    click(w().TailBox[0]);
    EXPECT_EQ(ticked(), (QStringList{"10", "20", "30"}));
    click(w().TailBox[0]);
    EXPECT_TRUE(ticked().isEmpty());
}

TEST_F(VarnholtWindowTest, PickingTheHottestNumbers) {
    open();
    click(w().NoBox[1]);
    click(w().TailBox[5]);
    pick(w().cb9, QStringLiteral("8"));
    click(w().Button7);
    EXPECT_EQ(ticked(), (QStringList{"07", "08", "09", "10", "11", "12", "20", "30"}));
    EXPECT_FALSE(w().TailBox[5]->isChecked());
    EXPECT_EQ(w().unit.SelCount, 8);
    EXPECT_EQ(w().unit.LayoutTotal, 8);

    // Beyond the ranked numbers the grid has no number: the conversion error after ticking them all.
    type(w().cb9, QStringLiteral("45"));
    click(w().Button7);
    EXPECT_EQ(w().unit.SelCount, 39);
    ASSERT_FALSE(platform.dialogs.prompts.empty());
    EXPECT_EQ(platform.dialogs.prompts.back().kind, DialogKind::Error);
}

TEST_F(VarnholtWindowTest, PillarCountAndSizesPriceTheLayout) {
    open();
    pick(w().CB_Select, QStringLiteral("6"));
    EXPECT_TRUE(w().SizeBox[6]->isEnabled());
    EXPECT_EQ(w().SizeBox[6]->palette().color(QPalette::Base), QColor(255, 255, 255));
    pick(w().SizeBox[5], QStringLiteral("3"));
    pick(w().SizeBox[6], QStringLiteral("1"));
    EXPECT_EQ(w().unit.LayoutTotal, 12);
    pick(w().CB_Select, QStringLiteral("4"));
    EXPECT_EQ(w().SizeBox[5]->currentText(), QStringLiteral("0"));
    EXPECT_EQ(w().SizeBox[6]->currentText(), QStringLiteral("0"));
    EXPECT_FALSE(w().PillarMemo[5]->isEnabled());
    EXPECT_EQ(w().PillarMemo[5]->palette().color(QPalette::Base), QColor(192, 192, 192));
    EXPECT_EQ(w().unit.LayoutTotal, 8);
    pick(w().CB_Select, QStringLiteral("6"));
    EXPECT_TRUE(w().SizeBox[5]->isEnabled());
    EXPECT_EQ(w().SizeBox[5]->currentText(), QStringLiteral("0"));

    pick(w().CB_Select, QStringLiteral("3"));
    for (int p = 1; p <= 3; ++p)
        pick(w().SizeBox[p], QStringLiteral("3"));
    EXPECT_EQ(w().lb_pon2->text(), QStringLiteral("二星= 27 碰"));
    EXPECT_EQ(w().lb_pon3->text(), QStringLiteral("三星= 27 碰"));
    EXPECT_EQ(w().lb_pon4->text(), QStringLiteral("四星= 0 碰"));
    EXPECT_EQ(w().unit.CostStar2, 27);

    pick(w().CB_Select, QStringLiteral("5"));
    for (int p = 1; p <= 5; ++p)
        pick(w().SizeBox[p], p <= 2 ? QStringLiteral("1") : QStringLiteral("2"));
    EXPECT_EQ(w().lb_pon2->text(), QStringLiteral("二星= 25 碰"));
    EXPECT_EQ(w().lb_tot->text(), QStringLiteral("共= 91 碰"));
    EXPECT_TRUE(platform.dialogs.prompts.empty()) << platform.dialogs.lastText().toStdString();
}

TEST_F(VarnholtWindowTest, LayoutInputOutsideTheTablesIsRefused) {
    open();
    type(w().CB_Select, QStringLiteral("9"));
    ASSERT_EQ(platform.dialogs.prompts.size(), 1u);
    EXPECT_EQ(platform.dialogs.prompts[0].kind, DialogKind::Warning);
    EXPECT_EQ(w().unit.PillarCount, 4);
    EXPECT_EQ(w().CB_Select->currentText(), QStringLiteral("4"));
    EXPECT_FALSE(w().SizeBox[5]->isEnabled());

    type(w().SizeBox[2], QStringLiteral("9"));
    EXPECT_EQ(platform.dialogs.prompts.size(), 2u);
    EXPECT_EQ(w().unit.PillarSize[2], 2);
    EXPECT_EQ(w().SizeBox[2]->currentText(), QStringLiteral("2"));
    EXPECT_EQ(w().lb_tot->text(), QStringLiteral("共= 72 碰"));

    // Not a number: the conversion error, labels unchanged.
    type(w().SizeBox[2], QStringLiteral("x"));
    ASSERT_EQ(platform.dialogs.prompts.size(), 3u);
    EXPECT_EQ(platform.dialogs.prompts.back().kind, DialogKind::Error);
    EXPECT_EQ(w().lb_tot->text(), QStringLiteral("共= 72 碰"));

    // A pillar memo with more than eight lines: only eight are read.
    SetMemoLines(*w().PillarMemo[1], {"01", "02", "03", "04", "05", "06", "07", "08", "09", "10"});
    SetMemoLines(*w().PillarMemo[2], {"11"});
    const PillarNumbers pillars = w().pillarMemoNumbers();
    ASSERT_EQ(pillars.size(), 4u);
    EXPECT_EQ(pillars[0].size(), 8u);
    EXPECT_EQ(pillars[0].back(), "08");
    EXPECT_EQ(pillars[1], (std::vector<std::string>{"11"}));
    EXPECT_TRUE(pillars[2].empty());
}

TEST_F(VarnholtWindowTest, LogoFollowsTheGameAndReopeningStartsOver) {
    open();
    EXPECT_EQ(w().Image3->pixmap().cacheKey(), app->windows().Form_rk_main->currentLogo().cacheKey());
    QPixmap other(10, 10);
    other.fill(Qt::green);
    emit app->windows().Form_rk_main->logoChanged(other);
    EXPECT_EQ(w().Image3->pixmap().toImage(), other.toImage());

    // A second showing runs the date-range query again but keeps the selection.
    type(w().cbis, QStringLiteral("3"));
    click(w().Button16);
    click(w().NoBox[5]);
    pick(w().CB_Select, QStringLiteral("6"));
    pick(w().SizeBox[5], QStringLiteral("2"));
    w().close();
    app->windows().Form_rk_main->Varnholt->trigger();
    EXPECT_EQ(w().unit.Source, SourceKind::DateRange);
    EXPECT_EQ(memo1().size(), 10);
    EXPECT_EQ(ticked(), (QStringList{"05"}));
    // Four pillars of two again, and only those four open for sizes.
    EXPECT_EQ(w().CB_Select->currentText(), QStringLiteral("4"));
    EXPECT_EQ(w().SizeBox[5]->currentText(), QStringLiteral("0"));
    EXPECT_TRUE(w().SizeBox[4]->isEnabled());
    EXPECT_FALSE(w().SizeBox[5]->isEnabled());
    EXPECT_FALSE(w().PillarMemo[6]->isEnabled());
    EXPECT_EQ(w().PillarMemo[6]->palette().color(QPalette::Base), QColor(192, 192, 192));
    EXPECT_EQ(w().unit.LayoutTotal, 8);
}
