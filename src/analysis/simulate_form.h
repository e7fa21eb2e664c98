#pragma once

#include "common/fixed_table.h"

class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;

// The controls of the simulated-draw window.
struct SimulateForm {
    QLabel* Label2;                 // "正號"
    QLabel* Label1;                 // "特別號"
    FixedTable<QLineEdit*, 7> Edit; // Edit1..Edit6 the numbers, Edit7 the special number
    QPushButton* BitBtn1;           // "關閉"

    void setupUi(QDialog& window);
};
