#pragma once

#include <QString>
#include <string>

#include "formulas/formula_search_window.h"
#include "formulas/line_formula_form.h"
#include "formulas/line_formula_search.h"

// "簡單數值公式": one number from two weighted balls of the previous draw, verified over the 30
// newest draws; every kept formula is listed in the memo with its prediction for the next draw.
class TForm_rk_6line_line : public FormulaSearchWindow {
    Q_OBJECT
public:
    TForm_rk_6line_line(const DrawTables& draws, WorkArea& work, Services& services, WindowLinks& links,
                        QWidget* parent = nullptr);

    // -1 while "第二計算公式" is ticked, else 1.
    int formulaSign() const { return formula_sign; }

protected:
    void showKey(const std::string& key) override;
    void reportNoResult() override;
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void SpeedButton4Click(); // "開始"
    void cb_mClick();         // "第二計算公式"
    void reset_table();
    void chk_6line(const LineSearchSetup& setup);
    void show_6line(const std::string& key);
    void showallFormular();

    LineFormulaForm ui;
    int formula_sign = 1;
    bool listPending_ = false; // the memo list follows the result of the search under way
};
