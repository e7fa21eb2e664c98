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

    const GroupSettings& settings() const { return settings_; }

protected:
    void showKey(const std::string& key) override;
    QLabel& keyLabel() const override { return *ui.Label2; }
    MemoryLines memoryLines() const override;
    void restoreMemoryLines(const std::vector<std::string>& lines) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void SpeedButton4Click(); // "開始"
    void rb3Click();          // any of "爆二支", "爆一支", "全過關"
    void rb_83Click();        // any of "九期過五期", "九期過六期", "九期過七期"
    void cb_nonoChange();     // the "號碼數" box
    void reset_table();
    void chk_7s();
    void show_7s(int code);

    NogoodGroupForm ui;
    GroupSettings settings_; // ng_max_hits, ng_pass_need, ng_no_count
    // What the search on show read: its keys are shown with it, whatever the boxes say since.
    GroupSettings searchedSettings_;
    std::string searchedDate_;
};
