#pragma once

#include <QString>
#include <string>

#include "formulas/formula_search_window.h"
#include "formulas/tail_formula_form.h"

// "不出尾數版路": tail digits that will not be drawn, from the weighted balls of an earlier draw,
// verified over the 15 newest draws; the six best of the first hundred found are paged through.
class TForm_rk_nogood : public FormulaSearchWindow {
    Q_OBJECT
public:
    TForm_rk_nogood(const DrawTables& draws, WorkArea& work, Services& services, WindowLinks& links,
                    QWidget* parent = nullptr);

protected:
    void showKey(const std::string& key) override { show_6line_t(key); }
    QLabel& keyLabel() const override { return *ui.Label2; }
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void SpeedButton4Click(); // "開始"
    void Edit_traceEnter();   // the hidden code box entered
    void reset_table();
    void chk_6line_t(const LookBackStart& setup); // a tail search set up and not refused
    void chk_6line_t_trace();
    void show_6line_t(const std::string& code);

    TailFormulaForm ui;
};
