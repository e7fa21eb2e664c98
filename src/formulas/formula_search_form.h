#pragma once

#include <QString>

class QAction;
class QComboBox;
class QDialog;
class QFrame;
class QHBoxLayout;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QRadioButton;
class QToolButton;
class QVBoxLayout;
class QWidget;
class StringGrid;
struct FormulaMember;

// The controls every formula window shares, built and configured from the member's row: the base
// date, look-back and threshold boxes, the order radios, the start and paging buttons with their
// labels, the grid with its popup, the print hint, the progress bar and the explanation memo. The
// member's form places the top-panel boxes into rows of its own order (with its own boxes) and may
// add panels to the paging row.
struct FormulaSearchForm {
    QFrame* Panel1 = nullptr;       // the top panel
    QVBoxLayout* topRows = nullptr; // its rows, laid out by the member, above the paging row
    QComboBox* cb_date = nullptr;
    QComboBox* cb_base = nullptr;
    QComboBox* cb_percent = nullptr; // members with a percentage threshold
    QComboBox* cb_lan = nullptr;     // members with a run length
    QRadioButton* rb_ball_ori = nullptr;
    QRadioButton* rb_ball_sort = nullptr;
    QToolButton* SpeedButton4 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QToolButton* SpeedButton6 = nullptr;
    QLabel* lb_sortidx = nullptr;
    QLabel* lb_tot = nullptr;
    QLabel* lb_rule = nullptr;
    QHBoxLayout* pagingRow = nullptr;
    QFrame* panel_print = nullptr;
    StringGrid* sgl = nullptr;
    QProgressBar* Pbar = nullptr;
    QPlainTextEdit* mm = nullptr;
    QMenu* sglPopup = nullptr;
    QAction* printItem = nullptr;  // "列印版路內容", named as the member's row says
    QAction* deleteItem = nullptr; // "刪除基準日參數記憶"

    // The threshold box the member has, or null.
    QComboBox* threshold() const;

    void setupUi(QDialog& dialog, const FormulaMember& member);

    // A box between its captions at the end of a row ("預測下" box "期"); empty captions are left out.
    static void addCaptioned(QHBoxLayout& row, const QString& before, QWidget* box, const QString& after);
};
