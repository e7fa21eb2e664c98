#pragma once

#include <QDialog>
#include <memory>
#include <string>

#include "analysis/statistics/number_statistics.h"
#include "analysis/statistics/statistics_form.h"

struct DrawTables;
struct Services;
class Tform_rk_stk_chart;
class WindowLinks;

// Hits per number, per last digit, and draws since each number was last drawn, over a date range,
// with the balls laid out by rank or by number.
class TForm_rk_statistics : public QDialog, public StatisticsForm {
    Q_OBJECT
public:
    // `chartUploadUrl`: where the chart export window uploads its images.
    TForm_rk_statistics(const DrawTables& draws, Services& services, WindowLinks& links,
                        std::string chartUploadUrl, QWidget* parent = nullptr);
    ~TForm_rk_statistics() override;

    void FormShow();
    void sb_F1Click();
    void sb_F2Click();
    void sb_F3Click();
    void sb_bigClick();
    void sb_noClick();
    void sb_beginClick();
    void DateTimePicker2Change();
    // The hidden buttons: print the ranking, copy Memo1, export the ranking as chart images.
    void Button1Click();
    void Button2Click();
    void Button3Click();

    StatisticsView view() const;
    const NumberRanking& ranking() const { return ranking_; }
    Tform_rk_stk_chart* chartWindow() const { return form_rk_stk_chart_.get(); }

signals:
    // The ranking goes to print: the report form takes the current game's logo first.
    void printLogoWanted();

protected:
    void showEvent(QShowEvent* event) override;

private:
    DateRange range() const;
    void F1_btn123();
    void F1_btn321();
    void F3_btn123();
    void F3_btn321();
    void showNumbersPanel();
    void showRanking(const NumberRanking& ranking);

    const DrawTables& draws_;
    Services& services_;
    WindowLinks& links_;
    std::string chartUploadUrl_;
    NumberRanking ranking_;
    std::unique_ptr<Tform_rk_stk_chart> form_rk_stk_chart_;
};
