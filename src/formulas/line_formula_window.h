#pragma once

#include <QString>
#include <string>

#include "formulas/formula_search_window.h"
#include "formulas/line_formula_form.h"

// "簡單數值公式": one number from two weighted balls of the previous draw, verified over the 30
// newest draws; every kept formula is listed in the memo with its prediction for the next draw.
class TForm_rk_6line_line : public FormulaSearchWindow {
    Q_OBJECT
public:
    TForm_rk_6line_line(const DrawTables& draws, WorkArea& work, Services& services, WindowLinks& links,
                        QWidget* parent = nullptr);

    void FormShow();
    void SpeedButton4Click(); // "開始"
    void cb_mClick();
    void N3Click() { printItemClick(); }
    void reset_table();
    void chk_6line(const QString& lookBack);
    void show_6line(const std::string& key);
    void showallFormular();

    int formula_sign = 1;

    LineFormulaForm form;

protected:
    void showKey(const std::string& key) override;
    void reportNoResult() override;
    void showEvent(QShowEvent* event) override;

private:
    bool listPending_ = false; // the memo list follows the result of the search under way
};
