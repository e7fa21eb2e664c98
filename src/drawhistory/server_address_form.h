#pragma once

class ElidedLabel;
class QDialog;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The controls of the server-address window: the address in use, the four parts of a new one.
struct ServerAddressForm {
    ElidedLabel* Label2; // the address in use
    QLineEdit* Edit1;    // the four parts of the new address
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    QPushButton* Button2;  // "確定"
    QPushButton* BitBtn1;  // "離開"
    QPlainTextEdit* Memo1; // hidden: the address file's lines

    void setupUi(QDialog& window);
};
