#pragma once

#include <QColor>
#include <QList>

class ClickLabel;
class QAction;
class QFrame;
class QLabel;
class QMainWindow;
class QMenu;
class QRadioButton;
class QToolButton;
class QWidget;

// The logo panel of the chosen game shows its colour, the other one white.
inline const QColor FirstGameColour(0xFF, 0x80, 0x00); // 33023 as a Windows colour: $008 0FF
inline const QColor SecondGameColour(0xFF, 0x00, 0xFF);

// The main window's controls: the menus, with an item for every row of MenuItems(), the game
// panel with the newest draw, and the pictures around it.
struct MainWindowForm {
    QMenu* N1;               // "開獎資料"
    QMenu* N2;               // "進入Qorvel王"
    QAction* N9;             // "結束作業", an item of the menu bar itself
    QMenu* menuDrag;         // "拖牌版路"
    QMenu* menuStatistics;   // "統計分析"
    QMenu* menuFormulas;     // "公式搜尋"
    QList<QAction*> openers; // one per row of MenuItems(), in its order
    QAction* lt_record;      // "開獎紀錄", one of the openers

    QWidget* central;
    QFrame* Panel5; // the green game panel
    QFrame* Panel3; // the first game's logo
    QLabel* Image_8e;
    QFrame* Panel4; // the second game's logo
    QLabel* Image_m6;
    QRadioButton* rb_biglotto;  // "今彩539"
    QRadioButton* rb_mark6;     // "加州夢幻５", hidden
    QLabel* lb_data;            // "日期:"
    QLabel* lb_data1;           // "期數:"
    QLabel* lb_data2;           // "號碼(落球):"
    QToolButton* SpeedButton1;  // carries lt_record
    ClickLabel* Label4;         // the draw file's name
    ClickLabel* Label5;         // "手動輸入"
    QToolButton* SpeedButton19; // "Close"
    QToolButton* SpeedButton20; // "顯示"
    QFrame* Panel6;             // the current logo
    QLabel* Image1;
    QLabel* Image2; // the side picture
    QLabel* Image3; // the banner
    QLabel* lb_bottom;

    void setupUi(QMainWindow& window);

private:
    void setupMenus(QMainWindow& window);
    void setupPanels(QMainWindow& window);
};
