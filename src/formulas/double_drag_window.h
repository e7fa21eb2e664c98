#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "common/text_table.h"
#include "formulas/double_drag_form.h"
#include "formulas/double_drag_search.h"
#include "formulas/formula_search_window.h"

// The double-drag windows: the base draw's two-step pattern picks past draws, a search keeps the
// formulas that hit in a run of the newest picks, and the kept ones are shown one at a time with
// their run and prediction. The picks are also kept in the shared RightIssue for other windows.
class DoubleDragWindow : public FormulaSearchWindow {
    Q_OBJECT
protected:
    DoubleDragWindow(DragFamily family, FormulaMember member, const DrawTables& draws, WorkArea& work,
                     Services& services, WindowLinks& links, QWidget* parent);

    void showKey(const std::string& key) override { show_6line(key); }
    void reportNoResult() override;
    void orderChanged() override { cb_dateChange(); }
    void showEvent(QShowEvent* event) override;

    DoubleDragForm ui; // shared by the pair

private:
    // What a search reads from the boxes, once.
    struct SearchInput {
        PickQuery query;
        std::string prefix;  // the hidden look-back box
        std::string lanText; // 連準
    };

    // Each showing: the newest base date, "順球" checked, the query and the search.
    void FormShow();
    // The base-date box: X, n, d1 and the choices of Y from the base draw, then the search.
    void cb_dateChange();
    // The d1 box ("且下" d1 "期"): the choices of Y.
    void cb_d1Change();
    // "搜尋", and the X and Y boxes: the pick query, then the search over the picks.
    void search();
    // The boxes a search reads; none, after telling the user, when one of them cannot be used.
    std::optional<SearchInput> readSearchInput();
    void reset_table();
    void show_6line(const std::string& key);
    void Button1Click(); // hidden "版路說明": the run detail again
    // The run detail of the key on show, below its explanation in the memo.
    void appendRunDetail();

    const DragFamily family_;
    PickQuery query_;        // the query that made the picks on show
    std::vector<int> picks_; // the picks on show, oldest first
    std::string keyOnShow_;
    TextTable keyGrid_; // the grid of the key on show
};
