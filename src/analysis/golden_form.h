#pragma once

class QCheckBox;
class QDateEdit;
class QDialog;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QToolButton;
class StringGrid;

// The controls of the golden-combination window: the date range, the ranking grids, and the three
// combination lists with their buttons.
struct GoldenForm {
    QLabel* Label1; // "統計期間"
    QLabel* Label5; // "自"
    QDateEdit* DateTimePicker1;
    QLabel* Label2; // "到"
    QDateEdit* DateTimePicker2;
    QLabel* Label6; // "期數"
    QLineEdit* Edit1;
    QLabel* lb_history_start; // where the loaded history starts, when the range reaches before it
    QCheckBox* cb_spno;

    QLabel* Label4; // "累積次數"
    StringGrid* sga1;
    StringGrid* sga2;

    QToolButton* SpeedButton2; // "熱門雙星"
    QPlainTextEdit* mm;
    QToolButton* SpeedButton3; // "熱門三星 "
    QLabel* Label7;
    QPlainTextEdit* mm3;
    QToolButton* SpeedButton1; // "黃金十號"
    QLabel* Label3;
    QPlainTextEdit* mm9;
    QProgressBar* pb1;

    void setupUi(QDialog& window);
};
