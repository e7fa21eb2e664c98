#include <QAbstractBarSeries>
#include <QAccessible>
#include <QApplication>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QFontMetricsF>
#include <QSet>
#include <QToolButton>
#include <QValueAxis>
#include <gtest/gtest.h>

#include "analysis/drag/chart1_window.h"
#include "support/ui_driver.h"
#include "support/window_fixture.h"

namespace {

class Chart1LooksTest : public WindowTest {
protected:
    void SetUp() override {
        dir.copyData(QStringLiteral("TW539.txt"));
        loadDrawFile();
        window = std::make_unique<TForm_rk_chart1>(tables.draws, services);
        window->show();
        QApplication::processEvents();
    }
    std::unique_ptr<TForm_rk_chart1> window;
};

} // namespace

// Over the shipped history every chart leaves room over its tallest bar for that bar's value.
TEST_F(Chart1LooksTest, ValueLabelsHaveRoomOverTheTallestBars) {
    for (const char* name : {"Chart1", "Chart2", "Chart3"}) {
        SCOPED_TRACE(name);
        QChart& chart = *Find<QChartView>(*window, name).chart();
        auto* series = qobject_cast<QAbstractBarSeries*>(chart.series().front());
        ASSERT_TRUE(series && series->isLabelsVisible());
        qreal top = 0;
        for (const QBarSet* set : series->barSets())
            for (int i = 0; i < set->count(); ++i)
                top = std::max(top, set->at(i));
        ASSERT_GT(top, 0);
        const qreal barTop = chart.mapToPosition(QPointF(0, top), series).y();
        const qreal label = QFontMetricsF(series->barSets().front()->labelFont()).height();
        EXPECT_GE(barTop - chart.plotArea().top(), label);
    }
}

// The picture-only start buttons of the queries are named for screen readers, each after its query.
TEST_F(Chart1LooksTest, QueryStartButtonsHaveAccessibleNames) {
    QSet<QString> names;
    for (const char* button : {"SpeedButton1", "SpeedButton2", "SpeedButton3", "SpeedButton4"}) {
        QAccessibleInterface* accessible =
            QAccessible::queryAccessibleInterface(&Find<QToolButton>(*window, button));
        ASSERT_NE(accessible, nullptr);
        const QString name = accessible->text(QAccessible::Name);
        EXPECT_TRUE(name.startsWith(QStringLiteral("開始查詢"))) << button << " " << name.toStdString();
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 4);
}
