#pragma once

#include "formulas/formula_search_form.h"

class QCheckBox;

// "簡單數值公式": the shared controls with the threshold, the order radios and the box for the
// second formula; the look-back and base-date boxes are hidden.
struct LineFormulaForm : FormulaSearchForm {
    QCheckBox* cb_m = nullptr; // "第二計算公式"

    void setupUi(QDialog& dialog, const FormulaMember& member);
};

FormulaMember LineFormulaMember();
