#pragma once

#include "formulas/formula_search_form.h"

class QGroupBox;

// "不出牌組(2006.07.10修訂)": the shared controls with the base date, the two sets of condition
// radios, the group size and the code label.
struct NogoodGroupForm : FormulaSearchForm {
    QGroupBox* gb_hits = nullptr; // "條件"
    QRadioButton* rb3 = nullptr;  // "爆二支"
    QRadioButton* rb4 = nullptr;  // "爆一支"
    QRadioButton* rb5 = nullptr;  // "全過關"
    QGroupBox* gb_pass = nullptr;
    QRadioButton* rb_83 = nullptr; // "九期過五期"
    QRadioButton* rb_84 = nullptr; // "九期過六期"
    QRadioButton* rb_85 = nullptr; // "九期過七期"
    QComboBox* cb_nono = nullptr;  // group size
    QLabel* Label2 = nullptr;      // the code on show

    void setupUi(QDialog& dialog, const FormulaMember& member);
};

FormulaMember NogoodGroupMember();
