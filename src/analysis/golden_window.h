#pragma once

#include <QDialog>

#include "analysis/golden_combination.h"
#include "analysis/golden_form.h"
#include "platform/background_worker.h"

struct DrawTables;
struct Services;

// The golden-combination window: ranks the numbers of a date range and lists its hot pairs,
// triples and best ten-number groups. The ten-number search runs in the background.
class TForm_rk_gold12 : public QDialog {
    Q_OBJECT
public:
    TForm_rk_gold12(const DrawTables& draws, Services& services, QWidget* parent = nullptr);

    bool searching() const { return worker_.running(); }

signals:
    // The ten-number search has ended (its report shown, or stopped, or failed).
    void tenNumberSearchEnded();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FormShow();
    void DateTimePicker1Change(); // either date of "統計期間"
    void cb_spnoClick();          // "含特別號"
    void SpeedButton2Click();     // "熱門雙星"
    void SpeedButton3Click();     // "熱門三星 "
    void SpeedButton1Click();     // "黃金十號"

    void reset_table();
    void get_sumno();
    GoldenQuery query() const;
    void setInputsEnabled(bool enabled);

    const DrawTables& draws_;
    Services& services_;
    int gold_balls_ = 7; // 7 with the special number, 6 without: the report's wording follows it
    BackgroundWorker worker_;
    GoldenForm ui;
};
