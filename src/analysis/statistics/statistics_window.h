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
class TForm_rk_statistics : public QDialog {
    Q_OBJECT
public:
    // `chartUploadUrl`: where the chart export window uploads its images.
    TForm_rk_statistics(const DrawTables& draws, Services& services, WindowLinks& links,
                        std::string chartUploadUrl, QWidget* parent = nullptr);
    ~TForm_rk_statistics() override;

    // The work of the hidden buttons: the ranking printed (its lines also into Memo1), Memo1 copied,
    // and the ranking shown as bar charts in the chart export window.
    void printRanking();
    void copyMemo();
    void showChartExport();

    StatisticsView view() const;
    const NumberRanking& ranking() const { return ranking_; }
    Tform_rk_stk_chart* chartWindow() const { return form_rk_stk_chart_.get(); }

signals:
    // The ranking goes to print: the report form takes the current game's logo first.
    void printLogoWanted();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void sb_F1Click();            // "號碼統計"
    void sb_F2Click();            // "尾數統計"
    void sb_F3Click();            // "遠星統計"
    void sb_bigClick();           // "統計順序"
    void sb_noClick();            // "號碼順序"
    void sb_beginClick();         // "統計", the tail view's count
    void DateTimePicker2Change(); // either date of "統計時間"
    void Button1Click();          // hidden: prints the ranking
    void Button2Click();          // hidden: copies Memo1
    void Button3Click();          // hidden: shows the ranking as charts

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
    StatisticsForm ui;
};
