#pragma once

#include <QPoint>

#include "analysis/statistics/number_statistics.h"
#include "common/fixed_table.h"

class QDateEdit;
class QDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedLayout;
class QToolButton;

// The controls of the statistics window. The number panel lays its balls out in slots, ten to a
// row; the window moves each ball and its value label into the slot of its rank.
struct StatisticsForm {
    QFrame* TopPanel;
    QDateEdit* DateTimePicker1;
    QDateEdit* DateTimePicker2;
    QLineEdit* lbcount;       // 統計期數
    QLabel* lb_history_start; // where the loaded history starts, when the range reaches before it
    QFrame* RightPanel;
    QToolButton* sb_F1;    // 號碼統計
    QToolButton* sb_F2;    // 尾數統計
    QToolButton* sb_F3;    // 遠星統計
    QToolButton* sb_big;   // 統計順序
    QToolButton* sb_no;    // 號碼順序
    QToolButton* sb_begin; // 統計 (the tail view)
    QPushButton* Button1;  // hidden: 列印
    QPushButton* Button2;  // hidden: COPY
    QPushButton* Button3;  // hidden: ShowImage

    QStackedLayout* Panels;
    QFrame* Panel_F1;
    FixedTable<QLabel*, StatisticsSlots> Image; // Image01..Image49: the balls
    FixedTable<QLabel*, StatisticsSlots> lb;    // lb01..lb49: their values
    QLabel* F1_avrlb;
    QPlainTextEdit* Memo1;

    QFrame* Panel_F2;
    FixedTable<QLabel*, 10, 0> TailImage; // Image0..Image9
    FixedTable<QLabel*, 10, 0> F2_lb;     // F2_lb0..F2_lb9
    QLabel* F2_avrlb;

    void setupUi(QDialog& window);

    // Where slot i puts a ball and its value label.
    static QPoint ballSlot(int slot);
    static QPoint labelSlot(int slot);
};
