#pragma once

#include <array>

class QAction;
class QComboBox;
class QDialog;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class QWidget;
class StringGrid;

// The controls of the drag window 單期號碼拖牌: seven query pages over the drag grid.
struct TraceSingleForm {
    QTabWidget* PageControl1;

    // Page 0 不定位單支拖牌
    QWidget* TabSheet1;
    QFrame* Panel1;
    QComboBox* cb_latest;
    QComboBox* cb_trno;
    QToolButton* SpeedButton1;
    QLabel* lbtridx;
    QToolButton* SpeedButton2;
    QToolButton* sbpin1;
    QFrame* Panel7; // the pinned second-level drag
    QLabel* lbn1;
    QComboBox* cbn1;
    QToolButton* SpeedButton16;
    QLabel* lbtridx_n1;
    QToolButton* SpeedButton17;
    QToolButton* SpeedButton3;

    // Page 1 不定位雙星拖牌
    QWidget* TabSheet2;
    QComboBox* cb_latest2;
    QComboBox* cb_tr22;
    QToolButton* SpeedButton6;
    QLabel* lbtridx2;
    QToolButton* SpeedButton5;

    // Page 2 不定位三星拖牌
    QWidget* TabSheet7;
    QComboBox* cb_latest2_3;
    QComboBox* cb_tr22_3;
    QToolButton* SpeedButton4;
    QLabel* lbtridx2_3;
    QToolButton* SpeedButton7;

    // Page 3 大小定位拖牌
    QWidget* TabSheet3;
    QComboBox* cb_latest3;
    QComboBox* cb_fix11;
    QComboBox* cb_fix12;
    QToolButton* SpeedButton9;
    QLabel* lbtridx_fix1;
    QToolButton* SpeedButton8;

    // Page 4 落球定位拖牌
    QWidget* TabSheet4;
    QComboBox* cb_latest4;
    QComboBox* cb_fix21;
    QComboBox* cb_fix22;
    QToolButton* SpeedButton12;
    QLabel* lbtridx_fix2;
    QToolButton* SpeedButton11;

    // Page 5 大小加減版路
    QWidget* TabSheet5;
    QComboBox* cb_add1;
    QComboBox* cb_add2;
    QComboBox* cb_add3;
    QComboBox* cb_add4;
    QToolButton* SpeedButton14;
    QLabel* lbtridx_add;
    QToolButton* SpeedButton13;

    // Page 6 週期法
    QWidget* TabSheet6;
    QComboBox* cb_latest_ck;
    QComboBox* cb_ck;
    QToolButton* SpeedButton18;
    QLabel* lbtridx_ck;
    QToolButton* SpeedButton19;

    // Every page's "二中一", "三中一", "進階" and "關閉", in page order. Page 0's are Button1, Button2,
    // btn_grid_sort; page 3's and page 4's "進階" are Button17 and Button18.
    std::array<QPushButton*, 7> twoOfButtons;
    std::array<QPushButton*, 7> threeOfButtons;
    std::array<QPushButton*, 7> gridSortButtons;
    std::array<QPushButton*, 7> closeButtons;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* btn_grid_sort;
    QPushButton* Button17;
    QPushButton* Button18;

    StringGrid* sgmap;
    QPlainTextEdit* Memo1; // hidden: the grid's CSV lines

    // Popup menu (right button anywhere)
    QAction* N1;
    QAction* N2;
    QAction* N3;
    QAction* N4;
    QAction* Excel1;

    void setupUi(QDialog& window);
};
