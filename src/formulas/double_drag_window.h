#pragma once

#include <QString>
#include <string>

#include "formulas/double_drag_form.h"
#include "formulas/double_drag_search.h"
#include "formulas/formula_search_window.h"

// The double-drag windows: the base draw's two-step pattern picks past draws, a search keeps the
// formulas that hit in a run of the newest picks, and the kept ones are shown one at a time with
// their run and prediction. The picks are kept in the shared RightIssue, filled before every read.
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
    // Each showing: the newest base date, "順球" checked, the query and the search.
    void FormShow();
    // The base-date box: X, n and d1 from the base draw, then the query and the search.
    void cb_dateChange();
    void cb_d1Change();       // the d1 box ("且下" d1 "期"): the choices of Y
    void cb_d2Change();       // the Y box
    void CB_xxChange();       // the X box
    void SpeedButton4Click(); // "搜尋"
    // The query, then the search.
    void queryAndSearch();
    void GetRightIssiue(const QString& x);
    void ShowGetRight();
    void reset_table();
    void chk_6line(const QString& prefix, const QString& n);
    void show_6line(const std::string& key);
    void explain_6line(const std::string& key);
    void Button1Click(); // hidden "版路說明"
    // The run detail of the key on show, below its explanation in the memo.
    void appendRunDetail();

    // False, after telling the user, when d1 is negative.
    bool secondDrawDistanceUsable();

    const DragFamily family_;
    PickQuery query_; // the query that made the picks in RightIssue
    std::string keyOnShow_;
};
