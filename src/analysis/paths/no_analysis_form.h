#pragma once

class QCheckBox;
class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class StringGrid;

// The controls of 號碼分析: counts over the latest drag rows and the path-rule prediction.
struct NoAnalysisForm {
    QComboBox* cb_lt;          // 統計期數(最近)
    QCheckBox* cb_sort;        // 按統計結果排列
    StringGrid* sga1;          // numbers 1..21
    StringGrid* sga2;          // numbers 22..42
    StringGrid* sga5;          // numbers 43..49, shown only for games that have them
    StringGrid* sga3;          // tails 0..9
    StringGrid* sga4;          // groups A..H, headings only
    QToolButton* SpeedButton1; // 版路定義
    QLabel* lb_ruletitle;
    QPushButton* sb_getno;
    QLineEdit* Ed_result;
    QPlainTextEdit* mmresult;
    QToolButton* SpeedButton3; // 清除
    QToolButton* SpeedButton4; // 存檔
    QPushButton* BitBtn1;      // 關閉

    void setupUi(QDialog& window);
};
