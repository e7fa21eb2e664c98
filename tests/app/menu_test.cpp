// Every analysis window is reached from the main window's menus, as a player reaches it.
#include <QApplication>
#include <gtest/gtest.h>
#include <stdexcept>

#include "app/menu_openers.h"
#include "drawhistory/app_test_fixture.h"
#include "platform/window_links.h"
#include "support/ui_driver.h"

namespace {

class MenuTest : public AppTest {
protected:
    void SetUp() override { startOnShippedHistory(); }
};

} // namespace

TEST_F(MenuTest, TheShippedMenusComeFirstAndEveryAnalysisMenuFollows) {
    EXPECT_EQ(MenuItems(main(), "MainMenu1"),
              (QStringList{"開獎資料", "進入Qorvel王", "結束作業", "拖牌版路", "統計分析", "公式搜尋"}));
    EXPECT_EQ(MenuItems(main(), "N1").front(), QStringLiteral("開獎紀錄"));
    EXPECT_EQ(MenuItems(main(), "N2").front(), QStringLiteral("最佳Qorvel操作"));
}

TEST_F(MenuTest, EveryItemOpensItsWindowOnItsPage) {
    for (const MenuOpener& opener : MenuOpeners) {
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
    WindowLinks& links = main();
    for (const AskedWindow& a : AskedWindows) {
        SCOPED_TRACE(a.name);
        links.open(a.window);
        const QStringList& shown = a.modeless ? platform.shower.modelessShown : platform.shower.modalShown;
        ASSERT_FALSE(shown.isEmpty());
        EXPECT_EQ(shown.back(), QString::fromUtf8(a.name));
    }
    EXPECT_THROW(links.open(WindowId::Form_dl_main), std::logic_error); // never shown
}
