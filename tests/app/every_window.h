#pragma once

#include <QApplication>
#include <QDialog>
#include <functional>
#include <gtest/gtest.h>

#include "app/menu_openers.h"
#include "drawhistory/app_test_fixture.h"
#include "formulas/formula_window_fixture.h"
#include "platform/window_links.h"
#include "support/ui_driver.h"

// The whole program over the shipped history, for the tests that go through every window it opens.
class EveryWindowTest : public AppTest {
protected:
    void SetUp() override { startOnShippedHistory(); }

    // Runs `visit` on the main window and on each window the menus and other windows open, once
    // each, while it is shown: a formula window once the search it runs as it opens has ended.
    void visitEveryWindow(const std::function<void(QWidget&)>& visit) {
        QStringList visited;
        const auto visitOnce = [&](QWidget& window) {
            visited << window.objectName();
            if (auto* formulas = qobject_cast<FormulaSearchWindow*>(&window)) {
                ASSERT_TRUE(SearchEnds(*formulas));
            }
            visit(window);
        };
        const auto open = [&](const char* name, bool modeless, const std::function<void()>& opener) {
            SCOPED_TRACE(name);
            if (visited.contains(QString::fromUtf8(name)))
                return;
            if (!modeless)
                platform.shower.whenModal(QString::fromUtf8(name), visitOnce);
            opener();
            if (modeless) {
                QWidget* window = topLevel(name);
                ASSERT_NE(window, nullptr);
                visitOnce(*window);
                window->close();
            }
        };
        visitOnce(main());
        for (const MenuOpener& opener : MenuOpeners)
            open(opener.window, opener.modeless, [&] { Click(main(), opener.item); });
        WindowLinks& links = main();
        for (const AskedWindow& asked : AskedWindows)
            open(asked.name, asked.modeless, [&] { links.open(asked.window); });
        for (const MenuOpener& opener : MenuOpeners)
            EXPECT_TRUE(visited.contains(QString::fromUtf8(opener.window)))
                << opener.window << " was not shown";
        for (const AskedWindow& asked : AskedWindows)
            EXPECT_TRUE(visited.contains(QString::fromUtf8(asked.name))) << asked.name << " was not shown";
    }

private:
    static QWidget* topLevel(const char* name) {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == QString::fromUtf8(name) && window->isVisible())
                return window;
        return nullptr;
    }
};
