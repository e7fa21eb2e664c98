#pragma once

class QDateEdit;
class QDialog;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

// The controls of the date-range print window.
struct DateSelectForm {
    QDateEdit* DateTimePicker1; // "自": the first day of the range
    QDateEdit* DateTimePicker2; // "到": the last day
    QLineEdit* Edit1;           // "期數": the draws in the range, read-only
    QToolButton* SpeedButton1;  // "列印"
    QLabel* lb_history_start;   // where the loaded history starts, when the range reaches before it
    QPlainTextEdit* mm;         // hidden: collects the lines to print

    void setupUi(QDialog& window);
};
