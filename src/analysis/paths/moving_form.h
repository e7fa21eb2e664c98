#pragma once

class QAction;
class QComboBox;
class QDialog;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;
class QWidget;
class StringGrid;

// The controls of the moving-path window: two pages of rule settings over one result grid, the
// order switch, and the detail memo with its buttons.
struct MovingForm {
    QTabWidget* PageControl1;
    QWidget* TabSheet1; // "固定位置加減法"
    QWidget* TabSheet2; // "平均數加減法"

    // Page 1: a position of the base draw.
    QComboBox* cb_lastw;
    QComboBox* cb_order;
    QComboBox* cb_pm1;
    QComboBox* cb_pm2;
    QComboBox* cb_pm3;
    QComboBox* cb_pmx1;
    QComboBox* cb_pmx2;
    QComboBox* cb_pmx3;
    QLabel* Label3;  // "或" of offset row 2
    QLabel* Label16; // "或" of offset row 3
    QRadioButton* rb_1to1;
    QRadioButton* rb_2to1;
    QRadioButton* rb_3to1;
    QToolButton* SpeedButton3;

    // Page 2: the mean of three positions.
    QComboBox* cb_av_lastw;
    QComboBox* cb_av1;
    QComboBox* cb_av2;
    QComboBox* cb_av3;
    QComboBox* cb_av_pm1;
    QComboBox* cb_av_pm2;
    QComboBox* cb_av_pm3;
    QComboBox* cb_av_pmx1;
    QComboBox* cb_av_pmx2;
    QComboBox* cb_av_pmx3;
    QLabel* Label8;
    QLabel* Label17;
    QRadioButton* rb_av_1to1;
    QRadioButton* rb_av_2to1;
    QRadioButton* rb_av_3to1;
    QToolButton* SpeedButton4;

    QRadioButton* rb_L; // "落球"
    QRadioButton* rb_S; // "順球"
    QToolButton* SpeedButton5;
    QToolButton* SpeedButton6;
    QPushButton* BitBtn1;

    StringGrid* sgl;
    QMenu* PopupMenu1;
    QAction* N1;

    QLabel* Label11;
    QPlainTextEdit* Memo1;
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton1;

    void setupUi(QDialog& window);
};
