#pragma once

#include <string>

#include "formulas/formula_search_window.h"
#include "formulas/nogood_group_form.h"
#include "formulas/nogood_group_search.h"

// "不出牌組(2006.07.10修訂)": groups of 5 to 14 numbers expected not to be drawn, from two earlier
// draws, verified over the nine draws ending at the base date. The settings of the last search are
// remembered in the window's memory file.
class TForm_rk_7star2_ng : public FormulaSearchWindow {
    Q_OBJECT
public:
    TForm_rk_7star2_ng(const DrawTables& draws, WorkArea& work, Services& services, WindowLinks& links,
                       QWidget* parent = nullptr);

    void FormShow();
    void SpeedButton4Click(); // "開始"
    void rb3Click();          // any of the three hit radios
    void rb_83Click();        // any of the three pass radios
    void cb_nonoChange();
    void N1Click() { printItemClick(); }
    void N2Click() { deleteItemClick(); }
    void reset_table();
    void chk_7s();
    void show_7s(int code);

    const GroupSettings& settings() const { return settings_; }

    NogoodGroupForm form;

protected:
    void showKey(const std::string& key) override;
    MemoryLines memoryLines() const override;
    void restoreMemoryLines(const std::vector<std::string>& lines) override;
    void showEvent(QShowEvent* event) override;

private:
    GroupSettings settings_; // ng_max_hits, ng_pass_need, ng_no_count
};
