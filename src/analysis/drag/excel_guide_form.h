#pragma once

#include <array>

class ClickLabel;
class QDialog;
class QLabel;
class QPushButton;

// The controls of the spreadsheet guide 將文字檔轉成Excel: seven step captions and their pictures.
struct ExcelGuideForm {
    ClickLabel* Label1;
    ClickLabel* Label2;
    ClickLabel* Label3;
    ClickLabel* Label4;
    ClickLabel* Label5;
    ClickLabel* Label6;
    ClickLabel* Label7;
    std::array<QLabel*, 8> img; // img0 shows the chosen step; img1..img7 (hidden) hold the steps
    QPushButton* BitBtn1;       // 關閉

    void setupUi(QDialog& window);
};
