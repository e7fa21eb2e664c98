#include <QCloseEvent>
#include <QDialog>
#include <gtest/gtest.h>

#include "app/application.h"
#include "app/main_window.h"
#include "common/text_file.h"
#include "drawhistory/app_test_fixture.h"
#include "drawhistory/help_window.h"
#include "drawhistory/record_viewer_window.h"
#include "draws/shared_tables.h"
#include "pillars/varnholt_window.h"
#include "support/draw_lines.h"
#include "support/fake_platform.h"
#include "support/ui_driver.h"
#include "support/work_dir.h"

namespace {

class MainWindowTest : public AppTest {
protected:
    QColor panelColour(const char* panel) { return Colour(main(), panel, QPalette::Window); }
    QImage picture(const char* label) { return Picture(main(), label).toImage(); }
};

} // namespace

TEST_F(MainWindowTest, StartUpLoadsAndShowsTheNewestDraw) {
    startWith({MakeDrawLine("2026/01/03", "115002", {6, 7, 8, 9, 10}),
               MakeDrawLine("2026/01/02", "115001", {21, 3, 7, 1, 15})});
    EXPECT_EQ(main().windowTitle(), QStringLiteral("３９Qorvel王   @2018/12/21   "));
    EXPECT_TRUE(main().isVisible());
    EXPECT_EQ(Label(main(), "lb_data"), QStringLiteral("日期:2026/01/03"));
    EXPECT_EQ(Label(main(), "lb_data1"), QStringLiteral("期數:115002"));
    EXPECT_EQ(Label(main(), "lb_data2"), QStringLiteral("號碼(落球):06,07,08,09,10"));
    ASSERT_EQ(state().draws.DrawCount, 2);
    EXPECT_EQ(state().draws.DrawNums[1][1], "01");
    EXPECT_EQ(RowCount(viewer(), "sgl"), 3);
    EXPECT_EQ(GridRow(viewer(), "sgl", 0)[1], QStringLiteral("期  數"));
    EXPECT_EQ(GridRow(viewer(), "sgl", 1)[0], QStringLiteral("2026/01/02"));
    EXPECT_EQ(GridRow(viewer(), "sgl", 1)[2], QStringLiteral("21"));
    EXPECT_TRUE(platform.dialogs.prompts.empty());
    EXPECT_FALSE(Visible(main(), "rb_mark6"));
    EXPECT_TRUE(Visible(main(), "Panel4")); // only the second game's radio button is hidden
    EXPECT_TRUE(Visible(main(), "Image_m6"));
    EXPECT_EQ(app->windows().get<TForm_varnholt>()->windowTitle(), QStringLiteral("最佳Qorvel"));
}

TEST_F(MainWindowTest, MissingFileIsCreatedEmpty) {
    app = std::make_unique<Application>(platform.services());
    EXPECT_EQ(main().windowTitle(), QStringLiteral("３９Qorvel王 "));
    app->start();
    EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("TW539.txt"))));
    EXPECT_EQ(state().draws.DrawCount, 0);
    EXPECT_EQ(Label(main(), "lb_data"), QStringLiteral("日期:"));
    EXPECT_EQ(Label(main(), "lb_data2"), QStringLiteral("號碼(落球):(檔案中沒有開獎資料)"));
    EXPECT_EQ(RowCount(viewer(), "sgl"), 1);
}

TEST_F(MainWindowTest, BadLineIsReportedAndTheLoadCompletes) {
    startWith({MakeDrawLine("2026/01/02", "115001", {1, 2, 3, 4, 5}), "2026/13/03,115002,01,02,03,04,05",
               MakeDrawLine("2026/01/04", "115003", {1, 2, 3, 4, 5})});
    ASSERT_EQ(platform.dialogs.prompts.size(), 1u);
    EXPECT_EQ(platform.dialogs.prompts[0].kind, DialogKind::Error);
    EXPECT_TRUE(platform.dialogs.lastText().contains(QStringLiteral("第 2 行")));
    EXPECT_TRUE(platform.dialogs.lastText().contains(QStringLiteral("2026/13/03,115002")));
    EXPECT_EQ(state().draws.DrawCount, 1);
    EXPECT_EQ(RowCount(viewer(), "sgl"), 2);
    EXPECT_EQ(state().rules.RuleOkCount, 3); // the path-rule reset ran
}

TEST_F(MainWindowTest, ReloadResetsPathRules) {
    startWith({MakeDrawLine("2026/01/02", "115001", {1, 2, 3, 4, 5})});
    state().rules.RuleEnable[3] = false;
    state().rules.RuleOkCount = 5;
    main().reloadHistory();
    EXPECT_TRUE(state().rules.RuleEnable[3]);
    EXPECT_EQ(state().rules.RuleOkCount, 3);
}

TEST_F(MainWindowTest, GameSwitchReloadsTheChosenFile) {
    startWith({MakeDrawLine("2026/01/02", "115001", {1, 2, 3, 4, 5})});
    dir.writeLines(QStringLiteral("US539.txt"), {MakeDrawLine("2025/05/05", "000123", {39, 38, 37, 36, 35}),
                                                 MakeDrawLine("2025/05/06", "000124", {1, 11, 21, 31, 2})});
    QPixmap logoSeen;
    QObject::connect(&main(), &TForm_rk_main::logoChanged, [&](const QPixmap& p) { logoSeen = p; });

    Unhide(main(), "rb_mark6");
    Click(main(), "rb_mark6");
    EXPECT_EQ(state().draws.DataFileName, "US539.txt");
    EXPECT_EQ(state().draws.GameIndex, 0);
    EXPECT_EQ(state().draws.GameName, "加州夢幻５");
    EXPECT_EQ(state().draws.DrawCount, 2);
    EXPECT_EQ(Text(main(), "Label4"), QStringLiteral("US539.txt"));
    EXPECT_EQ(app->windows().get<TForm_rk_lotto_record>()->windowTitle(),
              QStringLiteral("開獎紀錄  美國夢幻５"));
    EXPECT_EQ(picture("Image1"), picture("Image_m6"));
    EXPECT_EQ(logoSeen.toImage(), picture("Image_m6"));
    EXPECT_TRUE(Font(main(), "rb_mark6").bold());
    EXPECT_FALSE(Font(main(), "rb_biglotto").bold());
    EXPECT_EQ(panelColour("Panel4"), QColor(0xFF, 0x00, 0xFF));
    EXPECT_EQ(panelColour("Panel3"), QColor(Qt::white));

    // Choosing the game that is already chosen still reloads.
    dir.writeLines(QStringLiteral("US539.txt"), {MakeDrawLine("2025/05/05", "000123", {39, 38, 37, 36, 35})});
    Click(main(), "rb_mark6");
    EXPECT_EQ(state().draws.DrawCount, 1);

    Click(main(), "rb_biglotto");
    EXPECT_EQ(state().draws.DataFileName, "TW539.txt");
    EXPECT_EQ(state().draws.DrawCount, 1);
    EXPECT_EQ(state().draws.DrawId[1], "115001");
    EXPECT_EQ(app->windows().get<TForm_rk_lotto_record>()->windowTitle(),
              QStringLiteral("開獎紀錄  今彩５３９"));
    EXPECT_EQ(picture("Image1"), picture("Image_8e"));
    EXPECT_EQ(panelColour("Panel3"), QColor(0xFF, 0x80, 0x00));
    EXPECT_EQ(panelColour("Panel4"), QColor(Qt::white));
}

TEST_F(MainWindowTest, ExitAsksFirst) {
    startWith({});
    platform.dialogs.answer(DialogAnswer::No);
    Click(main(), "N9");
    EXPECT_TRUE(main().isVisible());
    EXPECT_EQ(platform.dialogs.lastText(), QStringLiteral("您即將結束作業,請再一次確認!"));
    EXPECT_EQ(platform.dialogs.prompts.back().kind, DialogKind::Warning);
    EXPECT_EQ(platform.dialogs.prompts.back().buttons, DialogButtons::YesNo);

    platform.dialogs.answer(DialogAnswer::Yes);
    main().close();
    EXPECT_FALSE(main().isVisible());
}

TEST_F(MainWindowTest, HelpShowsAFileOrSaysItIsMissing) {
    startWith({});
    main().show_memo(QStringLiteral("help_record.txt"));
    EXPECT_EQ(platform.dialogs.lastText(), QStringLiteral("說明檔 help_record.txt 不存在"));
    EXPECT_TRUE(platform.dialogs.prompts.back().plain);
    EXPECT_TRUE(platform.shower.modalShown.isEmpty());

    dir.copyData(QStringLiteral("help_record.txt"));
    QString shown;
    platform.shower.whenModal(QStringLiteral("Form_rk_help"), [&](QDialog& d) { shown = Text(d, "mm"); });
    main().show_memo(QStringLiteral("help_record.txt"));
    EXPECT_TRUE(shown.startsWith(QStringLiteral("【開獎紀錄】操作說明")));
    EXPECT_EQ(app->windows().get<TForm_rk_help>()->windowTitle(), QStringLiteral("操作說明"));
}

TEST_F(MainWindowTest, MenuOpensTheRecordViewerAndTheBestPillarWindow) {
    startWith({});
    Click(main(), "lt_record");
    Click(main(), "Varnholt");
    EXPECT_EQ(platform.shower.modalShown,
              (QStringList{QStringLiteral("Form_rk_lotto_record"), QStringLiteral("Form_varnholt")}));
    EXPECT_EQ(Shortcut(main(), "lt_record"), QKeySequence(Qt::Key_F2));

    Click(main(), "SpeedButton19");
    EXPECT_FALSE(Visible(main(), "Panel5"));
    Click(main(), "SpeedButton20");
    EXPECT_TRUE(Visible(main(), "Panel5"));
}

TEST_F(MainWindowTest, RealHistoryLoadsItsNewest2500) {
    startOnShippedHistory();
    ASSERT_EQ(state().draws.DrawCount, MaxDraws);
    EXPECT_EQ(state().draws.DrawId[1], "107209");
    EXPECT_EQ(state().draws.DrawDate[1], (Date{2018, 8, 31}));
    EXPECT_EQ(Label(main(), "lb_data"), QStringLiteral("日期:2026/08/18"));
    EXPECT_EQ(Label(main(), "lb_data1"), QStringLiteral("期數:115200"));
    EXPECT_TRUE(platform.dialogs.prompts.empty());
}
