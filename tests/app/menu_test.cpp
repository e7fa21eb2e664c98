// Every analysis window is reached from the main window's menus, as a player reaches it.
#include <QApplication>
#include <gtest/gtest.h>
#include <stdexcept>

#include "drawhistory/app_test_fixture.h"
#include "platform/window_links.h"
#include "support/ui_driver.h"

namespace {

struct Opener {
    const char* menu;
    const char* item;
    const char* window;
    bool modeless;
    const char* pageControl = nullptr; // with the page it must open on
    const char* page = nullptr;
};

const std::vector<Opener> Openers = {
    {"N1", "ftpip", "Form_rk_FtpServerIP", false},
    {"menuDrag", "N3", "Form_rk_trace_single", true, "PageControl1", "TabSheet1"},
    {"menuDrag", "N12", "Form_rk_trace_single", true, "PageControl1", "TabSheet2"},
    {"menuDrag", "N14", "Form_rk_trace_single", true, "PageControl1", "TabSheet3"},
    {"menuDrag", "N15", "Form_rk_trace_single", true, "PageControl1", "TabSheet4"},
    {"menuDrag", "N19", "Form_rk_trace_single", true, "PageControl1", "TabSheet5"},
    {"menuDrag", "moving", "Form_rk_moving", false},
    {"menuDrag", "N41", "Form_rk_moving", true, "PageControl1", "TabSheet2"},
    {"menuDrag", "N59", "Form_rk_chart1", false},
    {"menuStatistics", "statistics", "Form_rk_statistics", false},
    {"menuStatistics", "stk_no_interval", "Form_rk_no_interval", false},
    {"menuStatistics", "gold12", "Form_rk_gold12", false},
    {"menuStatistics", "simulate", "Form_rk_simulate", false},
    {"menuFormulas", "stk_3xx", "Form_rk_ai2_stk_3xx", false},
    {"menuFormulas", "stk_T3xx", "Form_rk_ai2_stk_T3xx", false},
    {"menuFormulas", "NG_tail", "Form_rk_nogood", false},
    {"menuFormulas", "NG_group", "Form_rk_7star2_ng", false},
    {"menuFormulas", "linevalue", "Form_rk_6line_line", false},
    {"menuFormulas", "one3is", "Form_rk_6line_3is", false},
    {"menuFormulas", "one3is_2", "Form_rk_6line_3is_2", false},
};

class MenuTest : public AppTest {
protected:
    void SetUp() override {
        dir.copyData(QStringLiteral("TW539.txt"));
        app = std::make_unique<Application>(platform.services());
        app->start();
    }
};

} // namespace

TEST_F(MenuTest, TheShippedMenusComeFirstAndEveryAnalysisMenuFollows) {
    EXPECT_EQ(MenuItems(main(), "MainMenu1"),
              (QStringList{"開獎資料", "進入Qorvel王", "結束作業", "拖牌版路", "統計分析", "公式搜尋"}));
    EXPECT_EQ(MenuItems(main(), "N1").front(), QStringLiteral("開獎紀錄"));
    EXPECT_EQ(MenuItems(main(), "N2").front(), QStringLiteral("最佳Qorvel操作"));
}

TEST_F(MenuTest, EveryItemOpensItsWindowOnItsPage) {
    for (const Opener& opener : Openers) {
        SCOPED_TRACE(opener.item);
        ASSERT_TRUE(MenuItems(main(), opener.menu).contains(Text(main(), opener.item)));
        QWidget* shown = nullptr;
        if (!opener.modeless)
            platform.shower.whenModal(QString::fromUtf8(opener.window),
                                      [&](QDialog& window) { shown = &window; });
        Click(main(), opener.item);
        if (opener.modeless) {
            ASSERT_FALSE(platform.shower.modelessShown.isEmpty());
            EXPECT_EQ(platform.shower.modelessShown.back(), QString::fromUtf8(opener.window));
            for (QWidget* window : QApplication::topLevelWidgets())
                if (window->objectName() == QString::fromUtf8(opener.window))
                    shown = window;
        } else {
            ASSERT_FALSE(platform.shower.modalShown.isEmpty());
            EXPECT_EQ(platform.shower.modalShown.back(), QString::fromUtf8(opener.window));
        }
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->objectName(), QString::fromUtf8(opener.window));
        if (opener.pageControl) {
            EXPECT_EQ(CurrentPage(*shown, opener.pageControl), QString::fromUtf8(opener.page));
        }
    }
    for (const auto& prompt : platform.dialogs.prompts)
        ADD_FAILURE() << prompt.text.toStdString();
}

TEST_F(MenuTest, WindowsAskedForByOtherWindowsOpenAsTheirOpenersShowThem) {
    struct Asked {
        WindowId window;
        const char* name;
        bool modeless;
    };
    const Asked asked[] = {
        {WindowId::Form_Download_TxT_from_http, "Form_Download_TxT_from_http", false},
        {WindowId::Form_RK_stk_txtfile, "Form_RK_stk_txtfile", false},
        {WindowId::Form_dateselect, "Form_dateselect", false},
        {WindowId::Form_rk_twoforone, "Form_rk_twoforone", false},
        {WindowId::Form_rk_threeforone, "Form_rk_threeforone", false},
        {WindowId::Form_rk_grid_sort, "Form_rk_grid_sort", true},
        {WindowId::Form_rk_no_analysis, "Form_rk_no_analysis", false},
        {WindowId::Form_rk_rule_define, "Form_rk_rule_define", false},
        {WindowId::Form_img_excel, "Form_img_excel", true},
        {WindowId::Form_rk_6line_3is, "Form_rk_6line_3is", false},
    };
    WindowLinks& links = main();
    for (const Asked& a : asked) {
        SCOPED_TRACE(a.name);
        links.open(a.window);
        const QStringList& shown = a.modeless ? platform.shower.modelessShown : platform.shower.modalShown;
        ASSERT_FALSE(shown.isEmpty());
        EXPECT_EQ(shown.back(), QString::fromUtf8(a.name));
    }
    EXPECT_THROW(links.open(WindowId::Form_dl_main), std::logic_error); // never shown
}
