#pragma once

#include "formulas/formula_search_form.h"

class QLineEdit;

// "不出尾數版路": the shared controls without a base date, with the look-back box, the order radios,
// the code label and the hidden box for a code to show instead of a search.
struct TailFormulaForm : FormulaSearchForm {
    QLabel* Label2 = nullptr;        // the code on show
    QLineEdit* Edit_trace = nullptr; // hidden: a code typed in place of a search

    void setupUi(QDialog& dialog, const FormulaMember& member);
};

// The window's row of the shared mechanics.
FormulaMember TailFormulaMember();
