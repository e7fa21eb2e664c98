#pragma once

class ClickLabel;
class QComboBox;
class QDialog;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class StringGrid;

// The controls of the gap-analysis window.
struct GapForm {
    StringGrid* sgmap;  // one column per number, one row per gap
    QLabel* Label1;     // "最長間隔"
    QLabel* Label2;     // the longest gap of the map
    QComboBox* cb_no;   // the number to report
    QLabel* Label3;     // "分析"
    ClickLabel* Label4; // "全部號碼": the report of every number
    QPlainTextEdit* Memo1;
    QPushButton* Button3; // "清除"
    QPushButton* Button1; // hidden: builds the map

    void setupUi(QDialog& window);
};
