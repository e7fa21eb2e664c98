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
class TForm_rk_moving : public QDialog, public MovingForm {
    Q_OBJECT
public:
    TForm_rk_moving(const DrawTables& draws, WorkArea& work, Services& services, WindowLinks& links,
                    QWidget* parent = nullptr);

    void FormShow();
    void rb_LClick();
    void PageControl1Change();
    void cb_lastwChange();
    void rb_1to1Click();
    void cb_av_lastwChange();
    void rb_av_1to1Click();
    void sglSelectCell(int column, int row);
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void N1Click();
    void SpeedButton1Click();
    void SpeedButton2Click();

    void show_map(int mode);
    void show_moving1();
    void show_moving2();

    // Brings a page to the front as an opener does: the page-change handler runs once.
    void showPage(int index);

    const MovingDetail& movingDetail() const { return *moving_detail_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
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
};
