#pragma once

class QAction;
class QDialog;
class QPlainTextEdit;
class StringGrid;

// The controls of 版路拖牌排序顯示: the drag grid with its columns in rank order.
struct GridSortForm {
    StringGrid* sgmap;
    QPlainTextEdit* Memo1; // hidden: the grid's CSV lines
    QAction* N1;           // popup: save as text

    void setupUi(QDialog& window);
};
