#pragma once

#include "formulas/formula_search_form.h"

class QPushButton;

// The single-number nurturing windows: the shared controls with the base date, look-back, threshold
// and order boxes, the help button, and in the 30-draw twin the button that opens the 50-draw window.
struct NurtureForm : FormulaSearchForm {
    QToolButton* SpeedButton1 = nullptr; // "說明"
    QPushButton* Button1 = nullptr;      // the twin's "獨支養牌(驗50期)"; null in the 50-draw window

    // verifyDraws: 50 or 30, which also picks the twin's colours and button.
    void setupUi(QDialog& dialog, const FormulaMember& member, int verifyDraws);
};

FormulaMember Nurture50Member();
FormulaMember Nurture30Member();
