#pragma once

#include "formula_window_fixture.h"

// The family windows over the shipped history or a history of the test's own.
class FamilyWindowTest : public FormulaWindowTest {
protected:
    void loadShipped() {
        dir.copyData(QStringLiteral("TW539.txt"));
        loadDrawFile();
    }
    // Clicks "開始" and waits until the search has ended and its result is shown.
    void Search(FormulaSearchWindow& window) { clickAndWait(window, "SpeedButton4"); }
    QStringList prompts() const { return dialogTexts(); }
};
