#pragma once

#include <QString>
#include <string>

#include "formulas/formula_search_window.h"
#include "formulas/nurture_form.h"
#include "formulas/nurture_search.h"
#include "formulas/nurture_texts.h"

// The single-number nurturing windows: one number from the weighted balls of an earlier draw that
// comes out within three draws, verified over the 50 (or 30) draws ending at the base date. The
// settings of the last search are remembered in the window's memory file.
class NurtureWindow : public FormulaSearchWindow {
    Q_OBJECT
protected:
    NurtureWindow(NurtureVariant variant, FormulaMember member, const DrawTables& draws, WorkArea& work,
                  Services& services, WindowLinks& links, QWidget* parent);

    void showKey(const std::string& key) override { show_6line(key); }
    void showEvent(QShowEvent* event) override;

    NurtureForm ui; // shared by the twins; the 30-draw twin wires its Button1
    const NurtureVariant variant_;

private:
    void FormShow();
    void SpeedButton4Click(); // "開始"
    void SpeedButton1Click(); // "說明"
    void reset_table();
    void chk_6line(int base, const NurtureSearchSetup& setup);
    void show_6line(const std::string& key);

    NurtureBoxes searched_; // what the search on show read: its keys are shown with it
};
