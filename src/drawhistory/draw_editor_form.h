#pragma once

class QDialog;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// The controls of the manual draw-file editor: a white panel over the text.
struct DrawEditorForm {
    QWidget* Panel1;
    QLabel* Image1;        // the game's logo
    QLabel* Label1;        // "<game> 開獎資料"
    QLabel* Label2;        // the format warning
    QLabel* Label3;        // the line format
    QLabel* Label4;        // "(全長32個字元)"
    QPushButton* Button1;  // "儲存"
    QPlainTextEdit* Memo1; // the draw file's lines

    void setupUi(QDialog& window);
};
