#pragma once

class QDialog;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The controls of the download window.
struct DownloadForm {
    QLabel* Image1;           // the game's logo
    QLabel* Label1;           // "開獎檔案"
    QLabel* Label2;           // the draw file's name
    QPushButton* Button1;     // "開始下載"
    QPlainTextEdit* Memo_txt; // hidden; the body is checked and stored without it

    void setupUi(QDialog& window);
};
