#pragma once

#include <array>

class QCheckBox;
class QDialog;
class QPushButton;
class QRadioButton;
class QToolButton;

// The controls of 版路定義: the ten path rules and the run length.
struct RuleDefineForm {
    // In rule order 1..10 (the screen shows them in two columns, 隔一版 and 隔二版).
    QCheckBox* cb_n1p0;
    QCheckBox* cb_n1p1;
    QCheckBox* cb_n1m1;
    QCheckBox* cb_n1p2;
    QCheckBox* cb_n1m2;
    QCheckBox* cb_n2p0;
    QCheckBox* cb_n2p1;
    QCheckBox* cb_n2m1;
    QCheckBox* cb_n2p2;
    QCheckBox* cb_n2m2;
    std::array<QCheckBox*, 10> ruleBoxes;
    QRadioButton* rb_ok2;
    QRadioButton* rb_ok3;
    QRadioButton* rb_ok4;
    QRadioButton* rb_ok5;
    QToolButton* SpeedButton1; // 清除 / 全選
    QToolButton* SpeedButton2; // hidden: the picture for 全選
    QToolButton* SpeedButton3; // hidden: the picture for 清除
    QPushButton* BitBtn1;      // 關閉

    void setupUi(QDialog& window);
};
