#pragma once

#include "common/fixed_table.h"

class ClickLabel;
class QAction;
class QCheckBox;
class QChartView;
class QDateEdit;
class QDialog;
class QFrame;
class QGridLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class QWidget;

// The controls of the drag summary chart window: the top panel with dates, modes and distances,
// the three bar charts with their popup menus, the detail memos, and the individual query panel.
struct Chart1Form {
    // Top panel
    QFrame* Panel1;
    QLabel* Image1;
    QLabel* Label2;
    QDateEdit* DateTimePicker1;
    QLabel* Label3;
    QDateEdit* DateTimePicker2;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* lb_history_start; // where the loaded history starts, when the range reaches further back
    QFrame* Shape1;
    QCheckBox* cb_star1;
    QCheckBox* cb_star2;
    QCheckBox* cb_star3;
    QCheckBox* cb_star234;
    ClickLabel* Label11;
    QFrame* Shape2;
    FixedTable<QCheckBox*, 12> cb_next; // cb_next01..cb_next12
    QCheckBox* cb_sort;
    QCheckBox* cb_spno;
    QLabel* Label8;
    QLabel* Label10;
    QLabel* Label7;
    ClickLabel* Label6;

    // Charts: numbers fill the window, tails and heads share the panel above them.
    QFrame* Panel2;
    QChartView* Chart3; // tails
    QChartView* Chart2; // heads
    QWidget* Chart1Area;
    QChartView* Chart1; // numbers
    QPushButton* Button1;
    QMenu* PopupMenu1;
    QAction* N1;
    QAction* COPY1;
    QMenu* PopupMenu2;
    QAction* MenuItem1;
    QAction* COPY2;
    QAction* N5;
    QAction* N7;
    QMenu* PopupMenu3;
    QAction* MenuItem2;
    QAction* COPY3;
    QAction* N4;
    QAction* N6;

    // Detail panel over the number chart
    QFrame* Panel4;
    QLabel* Label13;
    QPlainTextEdit* Memo1;
    QLabel* Label14;
    QPlainTextEdit* Memo2;
    QMenu* PopupMenu4;
    QAction* SelectAll1;
    QAction* COPY4;
    QMenu* PopupMenu5;
    QAction* SelectAll2;
    QAction* MenuItem3;

    // Query panel over the tails chart
    QFrame* Panel3;
    QFrame* Panel6;
    QLabel* Label17;
    QLineEdit* Edit1;
    QToolButton* SpeedButton4;
    QFrame* Panel8;
    QLabel* Label9;
    QLineEdit* Edit1T;
    QToolButton* SpeedButton3;
    QFrame* Panel7;
    QLabel* Label1;
    QLabel* Label16;
    FixedTable<QLineEdit*, 7> Editno; // Editno1..Editno7 (6 and 7 hidden)
    QRadioButton* RBL;
    QRadioButton* RBS;
    QToolButton* SpeedButton1;
    QFrame* Panel5;
    QLabel* Label15;
    QLabel* Label12;
    FixedTable<QLineEdit*, 7> EditT; // EditT1..EditT7 (6 and 7 hidden)
    QRadioButton* RBLT;
    QRadioButton* RBST;
    QToolButton* SpeedButton2;

    void setupUi(QDialog& window);
};
