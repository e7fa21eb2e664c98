#pragma once

#include "formulas/formula_search_form.h"

class QPushButton;

// The double-drag windows' controls: the shared ones and the two-step pattern of the base draw (X,
// the distance d1, Y), the prediction distance n and the plan panel with the run and prediction.
struct DoubleDragForm : FormulaSearchForm {
    QComboBox* CB_xx = nullptr;
    QComboBox* cb_d1 = nullptr;
    QComboBox* cb_d2 = nullptr;
    QComboBox* cb_prediction = nullptr;
    QLabel* plan = nullptr;
    QPushButton* Button1 = nullptr; // hidden "版路說明": the run detail

    void setupUi(QDialog& dialog, const FormulaMember& member);
};
