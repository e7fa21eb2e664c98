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
class TForm_rk_no_analysis : public QDialog {
    Q_OBJECT
public:
    TForm_rk_no_analysis(const DrawTables& draws, const DragHandOver& drag, const PathRules& rules,
                         Services& services, WindowLinks& links, QWidget* parent = nullptr);

    int handedRows() const { return rows_; }

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void FormShow();
    void FormClose();
    // Counts over the latest rows the text names.
    void show_analysis(const QString& periods);
    void cb_ltChange();       // "統計期數(最近)" and "按統計結果排列"
    void sb_getnoClick();     // "符合版路定義  推測下一期號碼 "
    void SpeedButton1Click(); // "版路定義"
    void SpeedButton3Click(); // "清除"
    void SpeedButton4Click(); // "存檔"

    const DrawTables& draws_;
    const DragHandOver& drag_;
    const PathRules& rules_;
    Services& services_;
    WindowLinks& links_;
    int rows_ = 0; // D: the drag rows handed over, taken when shown
    NoAnalysisForm ui;
};
