#include <QDir>
#include <QFile>

#include "drawhistory/app_test_fixture.h"
#include "drawhistory/date_select_window.h"
#include "platform/report_form.h"

namespace {

class RecordViewerTest : public AppTest {
protected:
    void startWithThreeDraws() {
        // In the file oldest first and out of order; the viewer must still list newest first.
        startWith({MakeDrawLine("2026/01/03", "115002", {21, 3, 7, 1, 15}),
                   MakeDrawLine("2026/01/02", "115001", {9, 8, 7, 6, 5}),
                   MakeDrawLine("2026/01/05", "115003", {39, 2, 30, 11, 20})});
    }

    // Opens the date-range window from the viewer and runs `action` there.
    void printFromViewer(const std::function<void(TForm_dateselect&)>& action, bool byPopup = false) {
        whenShown<TForm_dateselect>(QStringLiteral("Form_dateselect"), action);
        Click(viewer(), byPopup ? "N1" : "SpeedButton13");
    }
};

} // namespace

TEST_F(RecordViewerTest, ShowsNewestFirstInBothOrdersAndReloadsOnClose) {
    startWithThreeDraws();
    state().rules.RuleOkCount = 5;
    bool ran = false;
    inViewer([&](TForm_rk_lotto_record& v) {
        ran = true;
        EXPECT_EQ(Label(v, "lb_reclen"), QStringLiteral("開獎資料共 3 期"));
        EXPECT_EQ(RowCount(viewer(), "sgl"), 4);
        EXPECT_EQ(gridRow(0), QStringLiteral("開獎日期 期  數 一落 二落 三落 四落 五落"));
        EXPECT_EQ(gridRow(1), QStringLiteral("2026/01/05 115003 39 02 30 11 20"));
        EXPECT_EQ(gridRow(3), QStringLiteral("2026/01/02 115001 09 08 07 06 05"));
        EXPECT_EQ(state().draws.DrawId[1], "115001"); // showing alone leaves the tables oldest first
        EXPECT_TRUE(Enabled(v, "BitBtn2"));

        Click(v, "SpeedButton3");
        EXPECT_EQ(gridRow(0), QStringLiteral("開獎日期 期  數 順一 順二 順三 順四 順五"));
        EXPECT_EQ(gridRow(1), QStringLiteral("2026/01/05 115003 02 11 20 30 39"));
        EXPECT_EQ(gridRow(2), QStringLiteral("2026/01/03 115002 01 03 07 15 21"));
        EXPECT_EQ(state().draws.DrawId[1], "115003"); // re-split newest first
        EXPECT_EQ(state().draws.DrawNums[1][2], "01");

        Click(v, "SpeedButton12");
        EXPECT_EQ(gridRow(0), QStringLiteral("開獎日期 期  數 一落 二落 三落 四落 五落"));
        EXPECT_EQ(gridRow(2), QStringLiteral("2026/01/03 115002 21 03 07 01 15"));
        EXPECT_EQ(state().work.DrawNumsWork[1][2], "21");
        EXPECT_EQ(state().rules.RuleOkCount, 5);
    });
    ASSERT_TRUE(ran);
    EXPECT_FALSE(viewer().isVisible());
    // Closing runs the full load: oldest first again, path rules reset.
    EXPECT_EQ(state().draws.DrawId[1], "115001");
    EXPECT_EQ(gridRow(1), QStringLiteral("2026/01/02 115001 09 08 07 06 05"));
    EXPECT_EQ(state().rules.RuleOkCount, 3);
    EXPECT_TRUE(platform.dialogs.prompts.empty());
}

TEST_F(RecordViewerTest, EmptyHistoryAndDisabledDownload) {
    startWith({});
    state().download.DownloadEnabled = false;
    inViewer([&](TForm_rk_lotto_record& v) {
        EXPECT_EQ(Label(v, "lb_reclen"), QStringLiteral("開獎資料共 0 期"));
        EXPECT_EQ(RowCount(viewer(), "sgl"), 1);
        EXPECT_FALSE(Enabled(v, "BitBtn2"));
        Click(v, "SpeedButton3"); // nothing to sort, nothing breaks
        EXPECT_EQ(GridRow(v, "sgl", 0)[2], QStringLiteral("順一"));
        Click(v, "SpeedButton10");
    });
    EXPECT_EQ(platform.dialogs.texts(), QStringList{QStringLiteral("說明檔 help_record.txt 不存在")});
    EXPECT_EQ(ToolTip(viewer(), "sgl"), QStringLiteral("按滑鼠右鍵列印開獎資料"));
    EXPECT_EQ(MenuItems(viewer(), "sgl"), QStringList{Text(viewer(), "N1")});
    EXPECT_EQ(Colour(viewer(), "sgl", QPalette::Text), QColor(0, 0, 128)); // navy numbers
}

TEST_F(RecordViewerTest, DateRangeCountsAndPrintsWhatTheGridShows) {
    startWithThreeDraws();
    platform.reportPreview.pdfFile = dir.file(QStringLiteral("range.pdf"));
    inViewer([&](TForm_rk_lotto_record&) {
        printFromViewer([&](TForm_dateselect& d) {
            EXPECT_EQ(d.windowTitle(), QStringLiteral("列印日期區間選擇"));
            EXPECT_EQ(PickedDate(d, "DateTimePicker1"), QDate(2002, 1, 22));
            EXPECT_EQ(PickedDate(d, "DateTimePicker2"), QDate(2026, 12, 7));
            EXPECT_EQ(Text(d, "Edit1"), QStringLiteral("3"));
            PickDate(d, "DateTimePicker1", QDate(2026, 1, 3)); // both ends inclusive
            PickDate(d, "DateTimePicker2", QDate(2026, 1, 5));
            EXPECT_EQ(Text(d, "Edit1"), QStringLiteral("2"));
            Click(d, "SpeedButton1");
        });
        EXPECT_EQ(platform.reportPreview.lastLines,
                  (QStringList{QStringLiteral("001_2026/01/05  115003  39  02  30  11  20  "),
                               QStringLiteral("002_2026/01/03  115002  21  03  07  01  15  ")}));
        EXPECT_EQ(platform.reportPreview.lastFontSize, 12);
        EXPECT_EQ(platform.reportPreview.lastPages, 1);

        // After "順球順序" the print follows the ascending numbers; a one-day range gives one line.
        Click(viewer(), "SpeedButton3");
        printFromViewer(
            [&](TForm_dateselect& d) {
                EXPECT_EQ(PickedDate(d, "DateTimePicker1"), QDate(2002, 1, 22)); // the show resets the range
                PickDate(d, "DateTimePicker1", QDate(2026, 1, 5));
                PickDate(d, "DateTimePicker2", QDate(2026, 1, 5));
                EXPECT_EQ(Text(d, "Edit1"), QStringLiteral("1"));
                Click(d, "SpeedButton1");
            },
            true);
        EXPECT_EQ(platform.reportPreview.lastLines,
                  QStringList{QStringLiteral("001_2026/01/05  115003  02  11  20  30  39  ")});

        // An empty range still previews a (blank) report.
        printFromViewer([&](TForm_dateselect& d) {
            PickDate(d, "DateTimePicker2", QDate(2025, 1, 1));
            EXPECT_EQ(Text(d, "Edit1"), QStringLiteral("0"));
            Click(d, "SpeedButton1");
        });
        EXPECT_TRUE(platform.reportPreview.lastLines.isEmpty());
        EXPECT_EQ(platform.reportPreview.lastPages, 1);
    });
    EXPECT_EQ(platform.reportPreview.previews, 3);
    EXPECT_EQ(windows().get<Trpt>()->qrFontSize, 12); // stays for later printouts
}

TEST_F(RecordViewerTest, LongRangeOfTheRealHistoryRunsOverManyPages) {
    startOnShippedHistory();
    platform.reportPreview.pdfFile = dir.file(QStringLiteral("long.pdf"));
    inViewer([&](TForm_rk_lotto_record& v) {
        EXPECT_EQ(Label(v, "lb_reclen"), QStringLiteral("開獎資料共 2500 期"));
        EXPECT_EQ(GridRow(v, "sgl", 1)[0], QStringLiteral("2026/08/18"));
        printFromViewer([&](TForm_dateselect& d) {
            EXPECT_EQ(Text(d, "Edit1"), QStringLiteral("2500"));
            Click(d, "SpeedButton1");
        });
    });
    const QStringList& lines = platform.reportPreview.lastLines;
    ASSERT_EQ(lines.size(), 2500);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("001_2026/08/18  115200  ")));
    EXPECT_TRUE(lines[999].startsWith(QStringLiteral("1000_")));
    EXPECT_TRUE(lines[2499].startsWith(QStringLiteral("2500_2018/08/31  107209  ")));
    EXPECT_GE(platform.reportPreview.lastPages, 2500 / 80);
}

TEST_F(RecordViewerTest, UnreadableGridDateEndsThePrintWithoutPreview) {
    startWithThreeDraws();
    inViewer([&](TForm_rk_lotto_record&) {
        state().records.setCell(0, 2, "2026/02/30"); // what the print reads
        printFromViewer([&](TForm_dateselect& d) { Click(d, "SpeedButton1"); });
    });
    EXPECT_EQ(platform.reportPreview.previews, 0);
    ASSERT_EQ(platform.dialogs.prompts.size(), 1u);
    EXPECT_EQ(platform.dialogs.prompts[0].kind, DialogKind::Error);
    EXPECT_TRUE(platform.dialogs.lastText().contains(QStringLiteral("2026/02/30")));
}

TEST_F(RecordViewerTest, ClosesEvenWhenTheReloadFails) {
    startWithThreeDraws();
    inViewer([&](TForm_rk_lotto_record&) {
        // The draw file turns into a folder: the reload cannot even create it.
        QFile::remove(dir.file(QStringLiteral("TW539.txt")));
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("TW539.txt")));
    });
    EXPECT_FALSE(viewer().isVisible()); // a modal viewer that cannot close would lock the program
    ASSERT_EQ(platform.dialogs.prompts.size(), 1u);
    EXPECT_EQ(platform.dialogs.prompts[0].kind, DialogKind::Error);
}

TEST_F(RecordViewerTest, ARangeBeforeTheLoadedHistorySaysWhereItStarts) {
    startOnShippedHistory(); // 2007 to 2026: the newest 2500 draws start on 2018/08/31
    inViewer([&](TForm_rk_lotto_record&) {
        printFromViewer([&](TForm_dateselect& d) {
            EXPECT_TRUE(Label(d, "lb_history_start").contains(QStringLiteral("2018/08/31")));
            PickDate(d, "DateTimePicker1", QDate(2018, 1, 1));
            PickDate(d, "DateTimePicker2", QDate(2018, 12, 31));
            EXPECT_EQ(Text(d, "Edit1"), QStringLiteral("105")); // the loaded draws of 2018
            EXPECT_TRUE(Label(d, "lb_history_start").contains(QStringLiteral("2018/08/31")));
            Click(d, "SpeedButton1");
            PickDate(d, "DateTimePicker1", QDate(2018, 8, 31));
            EXPECT_EQ(Text(d, "Edit1"), QStringLiteral("105"));
            EXPECT_EQ(Label(d, "lb_history_start"), QString());
        });
    });
    // The note stays in the window: the print lists the draws alone.
    ASSERT_EQ(platform.reportPreview.lastLines.size(), 105);
    EXPECT_TRUE(platform.reportPreview.lastLines.back().startsWith(QStringLiteral("105_2018/08/31")));
    EXPECT_TRUE(platform.dialogs.prompts.empty());
}
