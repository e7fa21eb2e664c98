#pragma once

class QDialog;
class QPlainTextEdit;
class QPushButton;

// The controls of the help viewer.
struct HelpForm {
    QPlainTextEdit* mm;   // the help text, read-only
    QPushButton* BitBtn1; // "關閉"

    void setupUi(QDialog& window);
};
