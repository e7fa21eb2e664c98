#pragma once

#include <QTest>
#include <gtest/gtest.h>

#include "formula_history.h"
#include "formulas/formula_search_window.h"
#include "support/ui_driver.h"
#include "support/window_fixture.h"

// A formula window alone over a history of the test's own or the shipped one, loaded as the main
// window loads it; searches run in the background, so tests wait for them to end.
class FormulaWindowTest : public WindowTest {
protected:
    void loadShipped() {
        dir.copyData(QStringLiteral("TW539.txt"));
        loadDrawFile();
    }
    void loadNumbers(const std::vector<DrawNumbers>& numbers) { loadDraws(FormulaDrawLines(numbers)); }

    // Clicks "開始" and waits until the search has ended and its result is shown.
    static void Search(FormulaSearchWindow& window) {
        Click(window, "SpeedButton4");
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window.searching(); }, 60000));
    }

    QStringList prompts() const { return platform.dialogs.texts(); }
};
