#pragma once

#include <QDialog>

#include "analysis/paths/no_analysis_form.h"

struct DragHandOver;
struct DrawTables;
struct PathRules;
struct Services;
class WindowLinks;

// 號碼分析: counts the numbers and last digits of the latest rows of the drag query and lists the
// numbers the path rules in force predict for the next row.
class TForm_rk_no_analysis : public QDialog, public NoAnalysisForm {
    Q_OBJECT
public:
    TForm_rk_no_analysis(const DrawTables& draws, const DragHandOver& drag, const PathRules& rules,
                         Services& services, WindowLinks& links, QWidget* parent = nullptr);

    void FormShow();
    void FormClose();
    // Counts over the latest rows the text names.
    void show_analysis(const QString& periods);
    void cb_ltChange();
    void sb_getnoClick();
    void SpeedButton1Click();
    void SpeedButton3Click();
    void SpeedButton4Click();

    int handedRows() const { return rows_; }

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    const DrawTables& draws_;
    const DragHandOver& drag_;
    const PathRules& rules_;
    Services& services_;
    WindowLinks& links_;
    int rows_ = 0; // D: the drag rows handed over, taken when shown
};
