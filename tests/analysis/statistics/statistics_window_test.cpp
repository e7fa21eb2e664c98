#include <QAbstractBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include "analysis/statistics/chart_export_window.h"
#include "analysis/statistics/number_statistics.h"
#include "analysis/statistics/statistics_draws.h"
#include "analysis/statistics/statistics_window.h"
#include "app/application.h"
#include "app/main_window.h"
#include "platform/report_form.h"
#include "support/window_fixture.h"

namespace {

const char* BallName(int n) {
    static std::string name;
    name = "Image" + NumText(n);
    return name.c_str();
}

const char* ValueName(int n) {
    static std::string name;
    name = "lb" + NumText(n);
    return name.c_str();
}

class StatisticsWindowTest : public WindowTest {
protected:
    void SetUp() override { loadDraws(TenFarThenFive()); }

    TForm_rk_statistics& open(const std::string& uploadUrl = "ftp://127.0.0.1:9/") {
        window = std::make_unique<TForm_rk_statistics>(tables.draws, services, links, uploadUrl);
        services.shower.showModal(*window);
        return *window;
    }

    // Every ball and its value label stand in the slot the ranking gives them.
    void expectSlots(const NumberRanking& ranking) {
        for (int slot = 1; slot <= 39; ++slot) {
            const int n = ranking.stat_order[slot];
            EXPECT_EQ(Find<QLabel>(*window, BallName(n)).pos(), StatisticsForm::ballSlot(slot)) << n;
            EXPECT_EQ(Find<QLabel>(*window, ValueName(n)).pos(), StatisticsForm::labelSlot(slot)) << n;
        }
    }

    DateRange whole() const { return DateRange{Date{2002, 1, 1}, platform.clock.today()}; }

    std::unique_ptr<TForm_rk_statistics> window;
};

} // namespace

TEST_F(StatisticsWindowTest, ViewAndOrderButtonsMoveTheBallsIntoTheirSlots) {
    TForm_rk_statistics& w = open();
    EXPECT_EQ(Text(w, "lbcount"), "15");
    EXPECT_EQ(Label(w, "lb30"), "10");
    EXPECT_EQ(Label(w, "F1_avrlb"), "平均值為 1.92");
    expectSlots(CountNumbers(tables.draws, whole(), true));
    EXPECT_FALSE(Visible(w, "Image40"));

    Click(w, "sb_no");
    expectSlots(IdentityRanking(39));
    EXPECT_EQ(Label(w, "lb30"), "10");

    Click(w, "sb_F3");
    EXPECT_TRUE(Ticked(w, "sb_big"));
    expectSlots(CountFar(tables.draws, whole(), true));
    EXPECT_EQ(Label(w, "lb02"), "0");
    EXPECT_EQ(Label(w, "lb30"), "5");
    // A number of the newest draw is red and larger.
    EXPECT_GT(Font(w, "lb02").pointSize(), Font(w, "lb30").pointSize());
    EXPECT_EQ(Colour(w, "lb02", QPalette::WindowText), QColor(Qt::red));

    Click(w, "sb_no");
    expectSlots(IdentityRanking(39));
}

TEST_F(StatisticsWindowTest, TheRangeRecountsRankingsAndTheTailViewWaitsForItsButton) {
    TForm_rk_statistics& w = open();
    PickDate(w, "DateTimePicker1", QDate(2020, 1, 11)); // from the 11th draw
    EXPECT_EQ(Text(w, "lbcount"), "5");
    EXPECT_EQ(Label(w, "lb30"), "0");

    Click(w, "sb_F2");
    EXPECT_TRUE(Visible(w, "Panel_F2"));
    EXPECT_FALSE(Visible(w, "Panel_F1"));
    EXPECT_FALSE(Visible(w, "sb_big"));
    EXPECT_EQ(Label(w, "F2_lb0"), "2"); // 10 and 20
    EXPECT_EQ(Label(w, "F2_avrlb"), "平均值為 2.50");

    PickDate(w, "DateTimePicker1", QDate(2002, 1, 1));
    EXPECT_EQ(Label(w, "F2_lb0"), "2");
    Click(w, "sb_begin");
    EXPECT_EQ(Label(w, "F2_lb0"), "12");
    EXPECT_EQ(Text(w, "lbcount"), "15");

    Click(w, "sb_F1");
    EXPECT_TRUE(Visible(w, "Panel_F1"));
    EXPECT_FALSE(Visible(w, "Panel_F2"));
    EXPECT_FALSE(Visible(w, "sb_begin"));
    EXPECT_EQ(Label(w, "lb30"), "10");
}

TEST_F(StatisticsWindowTest, HiddenButtonsPrintCopyAndExportTheRanking) {
    TForm_rk_statistics& w = open();
    QSignalSpy logo(&w, &TForm_rk_statistics::printLogoWanted);
    w.printRanking();
    ASSERT_EQ(links.printed.size(), 1u);
    EXPECT_EQ(links.printed[0], MemoLines(w, "Memo1"));
    EXPECT_EQ(links.printed[0].size(), 39);
    EXPECT_EQ(links.printed[0][0], QStringLiteral("34-10"));
    EXPECT_EQ(logo.count(), 1);
    w.copyMemo();
    EXPECT_EQ(platform.clipboard.content, Text(w, "Memo1"));

    w.showChartExport();
    w.showChartExport(); // a second filling replaces the bars
    ASSERT_TRUE(w.chartWindow());
    Tform_rk_stk_chart& chart = *w.chartWindow();
    EXPECT_EQ(platform.shower.modelessShown.count(QStringLiteral("form_rk_stk_chart")), 2);
    EXPECT_EQ(Label(chart, "Label1"), "small1.gif");
    EXPECT_EQ(Label(chart, "Label3"), "index1B.gif");
    EXPECT_TRUE(Ticked(chart, "RadioButton2"));
    for (const auto& [name, bars] :
         std::vector<std::pair<const char*, int>>{{"Chart1", 6}, {"Chart2", 19}, {"Chart3", 20}}) {
        const auto series = Find<QChartView>(chart, name).chart()->series();
        ASSERT_EQ(series.size(), 1) << name;
        EXPECT_EQ(qobject_cast<QAbstractBarSeries*>(series[0])->barSets()[0]->count(), bars) << name;
    }
    EXPECT_TRUE(Find<QChartView>(chart, "Chart2")
                    .chart()
                    ->title()
                    .startsWith(QStringLiteral("109001-109015 期號碼統計")));

    Click(w, "sb_F3");
    w.showChartExport();
    EXPECT_EQ(Label(chart, "Label1"), "small2.gif");
    Click(w, "sb_F2"); // the tail view keeps the names
    w.showChartExport();
    EXPECT_EQ(Label(chart, "Label1"), "small2.gif");
}

TEST_F(StatisticsWindowTest, OpensFromTheStatisticsMenu) {
    Application app(services);
    app.start();
    Click(*app.windows().get<TForm_rk_main>(), "statistics");
    EXPECT_EQ(platform.shower.modalShown.back(), QStringLiteral("Form_rk_statistics"));
    EXPECT_EQ(Text(*app.windows().get<TForm_rk_statistics>(), "lbcount"), "15");
    // Printing the ranking puts the game's logo on the report.
    app.windows().get<TForm_rk_statistics>()->printRanking();
    EXPECT_EQ(app.windows().get<Trpt>()->QRImage2,
              app.windows().get<TForm_rk_main>()->currentLogo().toImage());
    EXPECT_EQ(platform.reportPreview.lastLines.size(), 39);
}

TEST_F(StatisticsWindowTest, ARangeBeforeTheLoadedHistorySaysWhereItStarts) {
    QFile::remove(dir.file(QStringLiteral("TW539.txt")));
    dir.copyData(QStringLiteral("TW539.txt")); // the newest 2500 draws start on 2018/08/31
    loadDrawFile();
    TForm_rk_statistics& w = open();
    EXPECT_TRUE(Label(w, "lb_history_start").contains(QStringLiteral("2018/08/31")));
    PickDate(w, "DateTimePicker1", QDate(2018, 1, 1));
    PickDate(w, "DateTimePicker2", QDate(2018, 12, 31));
    EXPECT_EQ(Text(w, "lbcount"), "105");
    EXPECT_TRUE(Label(w, "lb_history_start").contains(QStringLiteral("2018/08/31")));
    PickDate(w, "DateTimePicker1", QDate(2018, 9, 1));
    EXPECT_EQ(Label(w, "lb_history_start"), QString());

    // The tail view says it with its own count.
    PickDate(w, "DateTimePicker1", QDate(2018, 1, 1));
    Click(w, "sb_F2");
    EXPECT_EQ(Text(w, "lbcount"), "105");
    EXPECT_TRUE(Label(w, "lb_history_start").contains(QStringLiteral("2018/08/31")));
}
