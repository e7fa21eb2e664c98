#pragma once

#include <QDialog>
#include <memory>
#include <string>

#include "analysis/paths/moving_form.h"
#include "analysis/paths/moving_path.h"

struct DrawTables;
struct Services;
struct WorkArea;
class WindowLinks;

// The moving-path window: tests a shifted-base prediction rule against the whole history and
// explains any row. It rewrites the shared working copy of the numbers in the order it shows.
class TForm_rk_moving : public QDialog {
    Q_OBJECT
public:
    TForm_rk_moving(const DrawTables& draws, WorkArea& work, Services& services, WindowLinks& links,
                    QWidget* parent = nullptr);

    // Brings a page to the front as an opener does: the page-change handler runs once.
    void showPage(int index);

    const MovingDetail& movingDetail() const { return *moving_detail_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void rb_LClick();          // "落球" and "順球"
    void PageControl1Change(); // the tabs "固定位置加減法" and "平均數加減法"
    void cb_lastwChange();     // every box of "固定位置加減法" but the last offset
    void rb_1to1Click();       // "一中一", "二中一", "三中一" and the last offset of the first page
    void cb_av_lastwChange();  // every box of "平均數加減法"
    void rb_av_1to1Click();    // "一中一", "二中一", "三中一" of the second page
    // A click on a cell of the grid: the detail of its row into the memo.
    void sglSelectCell(int column, int row);
    void SpeedButton3Click(); // "版路標題" of the first page
    void SpeedButton4Click(); // "版路標題" of the second page
    void SpeedButton5Click(); // "版路內容"
    void SpeedButton6Click(); // "說明"
    void N1Click();           // "列印版路資料"
    void SpeedButton1Click(); // "存檔"
    void SpeedButton2Click(); // "清除"

    void show_map(int mode);
    void show_moving1();
    void show_moving2();
    MovingPageTexts page1Texts() const;
    MovingPageTexts page2Texts() const;
    void showMoving(const MovingPageTexts& texts, bool average);
    void fillLists();
    void connectHandlers();

    const DrawTables& draws_;
    WorkArea& work_;
    Services& services_;
    WindowLinks& links_;
    std::string moving_ballmode_ = "落球";
    std::unique_ptr<MovingDetail> moving_detail_;
    MovingForm ui;
};
