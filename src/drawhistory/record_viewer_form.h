#pragma once

class QAction;
class QDialog;
class QLabel;
class QPushButton;
class QToolButton;
class StringGrid;

// The controls of the record viewer: a tool row over the history grid, the buttons under it.
struct RecordViewerForm {
    StringGrid* sgl;            // the history, newest first
    QAction* N1;                // the grid's popup item "列印開獎資料"
    QToolButton* SpeedButton3;  // "順球順序"
    QToolButton* SpeedButton12; // "落球大小"
    QToolButton* SpeedButton13; // "列印開獎資料"
    QToolButton* SpeedButton10; // "?"
    QLabel* lb_reclen;          // "開獎資料共 n 期"
    QPushButton* BitBtn1;       // "關閉"
    QPushButton* BitBtn2;       // "網路下載開獎資料"
    QPushButton* BitBtn3;       // "手動輸入開獎資料"

    void setupUi(QDialog& window);
};
