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
class TForm_rk_chart1 : public QDialog {
    Q_OBJECT
public:
    TForm_rk_chart1(const DrawTables& draws, Services& services, QWidget* parent = nullptr);

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
    void FormShow();
    // The summary run, bound to the mode, distance and sort boxes and both dates.
    void runSummary();
    void cb_spnoClick();      // "含特別號"
    void cb_star234Click();   // "個別查詢"
    void SpeedButton4Click(); // "開始查詢 不定位號碼查詢(獨二三星)"
    void SpeedButton3Click(); // "開始查詢 不定位尾數查詢(1,2,3,4尾)"
    void SpeedButton1Click(); // "開始查詢 定位號碼拖牌查詢"
    void SpeedButton2Click(); // "開始查詢 定位尾數拖牌查詢"

    void Button1Click();    // "顯示拖牌明細" / "隱藏拖牌明細"
    void N5Click();         // tails chart: "顯示拖牌明細"
    void N4Click();         // heads chart: "顯示合格期數明細"
    void N7Click();         // tails chart: "隱藏拖牌明細"
    void N6Click();         // heads chart: "隱藏合格期數明細"
    void N1Click();         // numbers chart: "儲存圖片(BMP檔案)"
    void MenuItem1Click();  // tails chart: "儲存圖片(BMP檔案)"
    void MenuItem2Click();  // heads chart: "儲存圖片 (BMP檔案)"
    void COPY1Click();      // numbers chart: "複製統計表 (COPY)"
    void COPY2Click();      // tails chart: "複製 (COPY)"
    void COPY3Click();      // heads chart: "複製 (COPY)"
    void SelectAll1Click(); // Memo1: "全選 Select All"
    void COPY4Click();      // Memo1: "複製 COPY"
    void SelectAll2Click(); // Memo2: "全選 Select All"
    void MenuItem3Click();  // Memo2: "複製 COPY"
    void Label6Click();     // "說明"
    void Label11Click();    // "個別查詢說明"

    void connectControls();
    void ResetArray();
    void runQuery(const DragChartQuery& query);
    void showRun(const DragChartRun& run);
    // Says where the loaded history starts when the counted range begins before it.
    void showHistoryStart(const DragChartSettings& counted);
    void saveChart(QChartView& chart);
    void copySelection(QPlainTextEdit& memo);
    bool queryPanelEvent(QEvent* event);

    Chart1Form ui;
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
