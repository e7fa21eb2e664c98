#pragma once

#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

#include "formula_history.h"
#include "formulas/formula_search_window.h"
#include "support/ui_driver.h"
#include "support/window_fixture.h"

// Runs the event loop until the window's search has ended and its result is shown (or a generous
// bound has passed); false when it did not end.
inline bool SearchEnds(FormulaSearchWindow& window) {
    if (!window.searching())
        return true;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (!window.searching())
            loop.quit();
    });
    poll.start(0);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    return !window.searching();
}

// A formula window built alone over tables the program's loader filled from the test's draws.
class FormulaWindowTest : public WindowTest {
protected:
    void loadNumbers(const std::vector<DrawNumbers>& numbers) { loadDraws(FormulaDrawLines(numbers)); }

    // Shows the window as its opener does and waits for the search its showing runs.
    void show(FormulaSearchWindow& window) {
        window.show();
        ASSERT_TRUE(window.isVisible());
        ASSERT_TRUE(SearchEnds(window));
    }
    // Clicks a control and waits for any search the click started.
    void clickAndWait(FormulaSearchWindow& window, const char* name) {
        Click(window, name);
        ASSERT_TRUE(SearchEnds(window));
    }
    QStringList dialogTexts() const { return platform.dialogs.texts(); }
};
