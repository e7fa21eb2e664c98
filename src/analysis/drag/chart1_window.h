#pragma once

#include <QDialog>
#include <QPixmap>
#include <QPoint>

#include "analysis/drag/chart1_form.h"
#include "analysis/drag/drag_chart_queries.h"
#include "analysis/drag/drag_chart_run.h"
#include "platform/dialogs.h"

struct DrawTables;
struct Services;
class QChartView;
class QPlainTextEdit;

// What usually came one to twelve draws after draws like the newest ones: three bar charts of the
// followers' numbers, tails and heads, with the matching draws and their followers in two memos;
// or the same for numbers or tails the player types (the individual query).
class TForm_rk_chart1 : public QDialog, public Chart1Form {
    Q_OBJECT
public:
    TForm_rk_chart1(const DrawTables& draws, Services& services, QWidget* parent = nullptr);

    void FormShow();
    // The summary run, bound to the mode, distance and sort boxes and both dates.
    void cb_next01Click();
    void cb_spnoClick();
    void cb_star234Click();
    // The query runs: numbers anywhere, tails anywhere, numbers at positions, tails at positions.
    void SpeedButton4Click();
    void SpeedButton3Click();
    void SpeedButton1Click();
    void SpeedButton2Click();

    void Button1Click();
    void N5Click();
    void N4Click();
    void N7Click();
    void N6Click();
    void N1Click();
    void MenuItem1Click();
    void MenuItem2Click();
    void COPY1Click();
    void COPY2Click();
    void COPY3Click();
    void SelectAll1Click();
    void COPY4Click();
    void SelectAll2Click();
    void MenuItem3Click();
    void Label6Click();
    void Label11Click();

    // The query panel leaves the tails chart as a small tool window and comes back.
    void floatQueryPanel(const QPoint& globalTopLeft);
    void dockQueryPanel();
    bool queryPanelFloating() const;

    const DragChartRun& lastRun() const { return run_; }
    DragChartSettings settings() const;

public slots:
    // The current game's logo.
    void setLogo(const QPixmap& logo);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectControls();
    void ResetArray();
    void runQuery(const DragChartQuery& query);
    void showRun(const DragChartRun& run);
    void saveChart(QChartView& chart);
    void copySelection(QPlainTextEdit& memo);
    bool queryPanelEvent(QEvent* event);

    const DrawTables& draws_;
    Services& services_;
    int chart_balls_ = 5;
    DragChartRun run_;
    DragChartTitles titles_{"號碼統計", "頭數統計", "尾數統計"};
    SaveFileRequest SaveDialog1;
    QPoint dragStart_;
    QPoint dragOffset_;
    bool dragging_ = false;
};
