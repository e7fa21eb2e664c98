#pragma once

class QDialog;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;

// The controls of the line-sync window: where to send, the log, the socket's state.
struct LineSyncForm {
    QLineEdit* edit_host;  // "Host: "
    QLineEdit* Edit2;      // "Port: "
    QLineEdit* Edit_send;  // "Text to Send: "
    QLineEdit* Edit4;      // the saved file's line count
    QPushButton* Btn_send; // "Send"
    QPushButton* Button2;  // "Clear Memo"
    QPushButton* Button3;  // "Button3"
    QPlainTextEdit* Memo1; // the log of datagrams, read-only
    QPlainTextEdit* Memo2; // hidden
    QPlainTextEdit* Memo3; // hidden: the saved draw file's lines
    QLabel* Label4;        // "workfile=n"
    QLabel* Label5;        // "savefile=n"
    QStatusBar* StatusBar1;

    void setupUi(QDialog& window);
};
