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
public:
    // Each showing: the newest base date, "順球" checked, the query and the search.
    void FormShow();
    // The base-date change: X, n and d1 from the base draw, then the query and the search.
    void cb_dateChange();
    void cb_d1Change();
    void cb_d2Change();
    void CB_xxChange();
    // "搜尋": the query, then the search.
    void SpeedButton4Click();
    void GetRightIssiue(const QString& x);
    void ShowGetRight();
    void reset_table();
    void chk_6line(const QString& prefix, const QString& n);
    void show_6line(const std::string& key);
    void explain_6line(const std::string& key);
    void Button1Click();

    DoubleDragForm form;

protected:
    DoubleDragWindow(DragFamily family, FormulaMember member, const DrawTables& draws, WorkArea& work,
                     Services& services, WindowLinks& links, QWidget* parent);

    void showKey(const std::string& key) override { show_6line(key); }
    void reportNoResult() override;
    void orderChanged() override { cb_dateChange(); }
    void showEvent(QShowEvent* event) override;

private:
    // False, after telling the user, when d1 is negative.
    bool secondDrawDistanceUsable();

    const DragFamily family_;
    PickQuery query_; // the query that made the picks in RightIssue
    std::string keyOnShow_;
};
