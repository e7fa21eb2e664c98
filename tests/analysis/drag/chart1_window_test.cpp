#include "analysis/drag/chart1_window.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QMouseEvent>
#include <QSet>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "app/app_windows.h"
#include "app/application.h"
#include "app/main_window.h"
#include "support/draw_lines.h"
#include "support/ui_driver.h"
#include "support/window_fixture.h"

namespace {

// Drawn order differs from ascending order; the newest draw holds 02 15 20 36 38.
std::vector<std::string> SixDraws() {
    return {MakeDrawLine("2021/01/01", "110001", {15, 3, 27, 6, 18}),
            MakeDrawLine("2021/01/02", "110002", {6, 23, 13, 5, 39}),
            MakeDrawLine("2021/01/03", "110003", {18, 6, 1, 2, 4}),
            MakeDrawLine("2021/01/04", "110004", {21, 15, 31, 32, 7}),
            MakeDrawLine("2021/01/05", "110005", {1, 15, 8, 9, 10}),
            MakeDrawLine("2021/01/06", "110006", {36, 38, 15, 2, 20})};
}

class Chart1WindowTest : public WindowTest {
protected:
    std::unique_ptr<TForm_rk_chart1> window;

    void open(const std::vector<std::string>& lines = SixDraws()) {
        loadDraws(lines);
        window = std::make_unique<TForm_rk_chart1>(tables.draws, services);
        window->show();
        ASSERT_TRUE(window->isVisible());
    }
    TForm_rk_chart1& w() { return *window; }
    QStringList memo1() { return MemoLines(w(), "Memo1"); }
    QStringList memo2() { return MemoLines(w(), "Memo2"); }
    QString title(const char* chart) { return Find<QChartView>(w(), chart).chart()->title(); }
    int bars(const char* chart) {
        for (QAbstractAxis* axis : Find<QChartView>(w(), chart).chart()->axes(Qt::Horizontal))
            if (auto* categories = qobject_cast<QBarCategoryAxis*>(axis))
                return static_cast<int>(categories->count());
        return -1;
    }
    bool panelShown(const char* name) { return Visible(w(), name); }

    void mouse(QWidget& target, QEvent::Type type, const QPoint& local, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(local), QPointF(target.mapToGlobal(local)), Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&target, &event);
    }
};

} // namespace

TEST_F(Chart1WindowTest, OpeningSummarisesWhatFollowedTheNewestDraw) {
    open();
    EXPECT_EQ(PickedDate(w(), "DateTimePicker1"), QDate(2005, 1, 1));
    EXPECT_EQ(PickedDate(w(), "DateTimePicker2"), QDate(2026, 12, 7));
    EXPECT_EQ(Label(w(), "Label10"), QStringLiteral("2021/01/06"));
    EXPECT_EQ(Label(w(), "Label7"), QStringLiteral("02,15,20,36,38"));
    EXPECT_EQ(Label(w(), "Label5"), QStringLiteral("6"));
    // Every draw but 110002 shares a number with the newest; all but the newest have a follower.
    EXPECT_EQ(memo1().size(), 6);
    EXPECT_EQ(memo2().size(), 5);
    EXPECT_EQ(title("Chart1"), QStringLiteral("拖牌號碼統計(2005/01/01-2026/12/07)"));
    EXPECT_EQ(title("Chart3"), QStringLiteral("拖牌尾數統計(2005/01/01-2026/12/07)"));
    EXPECT_EQ(title("Chart2"), QStringLiteral("拖牌頭數統計(2005/01/01-2026/12/07)"));
    EXPECT_EQ(bars("Chart1"), 39);
    EXPECT_EQ(bars("Chart3"), 10);
    EXPECT_EQ(bars("Chart2"), 4);
    EXPECT_FALSE(panelShown("Panel4"));
    EXPECT_FALSE(panelShown("Panel3"));
    EXPECT_EQ(Text(w(), "Button1"), QStringLiteral("顯示拖牌明細"));
    EXPECT_TRUE(platform.dialogs.prompts.empty());
}

TEST_F(Chart1WindowTest, EveryBoxAndDateRunsTheSummaryAgain) {
    open();
    Click(w(), "cb_next02");
    EXPECT_EQ(memo1().size(), 11); // distance 2 lists the five draws sharing a number with 110005
    EXPECT_EQ(w().lastRun().counters.chart_nocnt[15], 515);
    PickDate(w(), "DateTimePicker2", QDate(2021, 1, 3));
    EXPECT_EQ(Label(w(), "Label5"), QStringLiteral("3"));
    EXPECT_EQ(title("Chart1"), QStringLiteral("拖牌號碼統計(2005/01/01-2021/01/03)"));
    Click(w(), "cb_star1"); // no mode left: titles kept, every bar 0
    EXPECT_EQ(memo1().size(), 1);
    EXPECT_EQ(bars("Chart1"), 39);
    Click(w(), "cb_next01");
    Click(w(), "cb_next02"); // no distance left: no bars
    EXPECT_EQ(bars("Chart1"), 0);
    EXPECT_EQ(Label(w(), "Label5"), QStringLiteral("3"));

    // Reopening ticks distance 1 again and keeps the other boxes as they were left.
    w().close();
    w().show();
    EXPECT_TRUE(Ticked(w(), "cb_next01"));
    EXPECT_FALSE(Ticked(w(), "cb_star1"));
    EXPECT_EQ(Label(w(), "Label5"), QStringLiteral("6"));
}

TEST_F(Chart1WindowTest, QueriesRunFromTheirButtonsAndSayWhenNothingFollowed) {
    open();
    Click(w(), "cb_star234");
    EXPECT_TRUE(panelShown("Panel3"));
    EXPECT_FALSE(Enabled(w(), "cb_star1"));
    const QStringList summary = memo1();
    Click(w(), "cb_next03"); // in query mode the boxes wait for the next query
    EXPECT_EQ(memo1(), summary);

    Type(w(), "Edit1", "0618");
    Click(w(), "SpeedButton4");
    EXPECT_EQ(memo1().size(), 5); // 110001 and 110003, for distances 1 and 3
    EXPECT_TRUE(title("Chart1").startsWith(QStringLiteral("六合彩0618拖牌號碼統計")));
    EXPECT_TRUE(platform.dialogs.prompts.empty());

    Type(w(), "Edit1", "0606");
    Click(w(), "SpeedButton4");
    ASSERT_EQ(platform.dialogs.prompts.size(), 2u); // once per distance
    EXPECT_EQ(platform.dialogs.prompts[0].kind, DialogKind::Information);
    EXPECT_EQ(platform.dialogs.prompts[0].buttons, DialogButtons::Ok);
    EXPECT_EQ(platform.dialogs.prompts[0].text, QStringLiteral("您查詢的號碼0606尚無開出記錄,故無統計資訊"));

    Type(w(), "Edit1T", "7");
    Click(w(), "SpeedButton3");
    EXPECT_TRUE(title("Chart1").startsWith(QStringLiteral("六合彩尾數7")));

    Type(w(), "Editno2", "15");
    Click(w(), "RBS");
    Click(w(), "SpeedButton1");
    // The matches of the last distance only, in ascending order.
    EXPECT_EQ(memo1(), (QStringList{QStringLiteral("編號, 開獎日期__, 期數__, 號碼"),
                                    QStringLiteral("0003, 2021/01/04, 110004, 07,15,21,31,32,"),
                                    QStringLiteral("0004, 2021/01/06, 110006, 02,15,20,36,38,")}));

    Type(w(), "EditT5", "7");
    Click(w(), "SpeedButton2");
    EXPECT_TRUE(title("Chart1").startsWith(QStringLiteral("六合彩_,_,_,_,7")));
    EXPECT_EQ(memo1().size(), 2); // 110004's 07 was drawn fifth

    // Leaving query mode keeps the result until the next summary.
    const QStringList query = memo1();
    Click(w(), "cb_star234");
    EXPECT_FALSE(panelShown("Panel3"));
    EXPECT_TRUE(Enabled(w(), "cb_star1"));
    EXPECT_EQ(memo1(), query);
    Click(w(), "cb_next03");
    EXPECT_EQ(memo1(), summary);

    // Query mode ends with every showing; Edit1 is emptied when it begins.
    Click(w(), "cb_star234");
    EXPECT_TRUE(Text(w(), "Edit1").isEmpty());
    w().close();
    w().show();
    EXPECT_FALSE(Ticked(w(), "cb_star234"));
    EXPECT_FALSE(panelShown("Panel3"));
}

TEST_F(Chart1WindowTest, ChartsAreSavedAsBitmapsAndCopiedAsPictures) {
    open();
    const QString numbers = dir.file(QStringLiteral("numbers.bmp"));
    const QString heads = dir.file(QStringLiteral("heads.bmp"));
    platform.dialogs.saveAs(numbers);
    Click(w(), "N1");
    platform.dialogs.saveAs(heads);
    Click(w(), "MenuItem2");
    ASSERT_EQ(platform.dialogs.saveRequests.size(), 2u);
    EXPECT_EQ(platform.dialogs.saveRequests[0].defaultSuffix, QStringLiteral("bmp"));
    EXPECT_TRUE(platform.dialogs.saveRequests[0].filter.contains(QStringLiteral("*.bmp")));
    for (const QString& file : {numbers, heads}) {
        QImageReader reader(file);
        EXPECT_EQ(reader.format(), QByteArray("bmp")) << file.toStdString();
        EXPECT_FALSE(reader.read().isNull());
    }
    EXPECT_EQ(QImage(heads).width(), Find<QChartView>(w(), "Chart2").width());
    EXPECT_EQ(QImage(numbers).width(), Find<QChartView>(w(), "Chart1").width());

    platform.dialogs.saveAs(QString()); // cancelled
    Click(w(), "MenuItem1");
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("*.bmp")}).size(), 2);

    Click(w(), "COPY2");
    EXPECT_EQ(platform.clipboard.picture.size(), Find<QChartView>(w(), "Chart3").size());
    Click(w(), "COPY1");
    EXPECT_EQ(platform.clipboard.picture.size(), Find<QChartView>(w(), "Chart1").size());
}

TEST_F(Chart1WindowTest, DetailPanelAndMemoCopies) {
    open();
    Click(w(), "Button1");
    EXPECT_TRUE(panelShown("Panel4"));
    EXPECT_EQ(Text(w(), "Button1"), QStringLiteral("隱藏拖牌明細"));
    Click(w(), "Button1");
    EXPECT_FALSE(panelShown("Panel4"));
    Click(w(), "N5");
    EXPECT_TRUE(panelShown("Panel4"));
    EXPECT_EQ(Text(w(), "Button1"), QStringLiteral("顯示拖牌明細"));
    Click(w(), "N6");
    EXPECT_FALSE(panelShown("Panel4"));
    Click(w(), "N4");
    EXPECT_TRUE(panelShown("Panel4"));

    Click(w(), "COPY4"); // nothing selected yet: the clipboard keeps what it had
    EXPECT_TRUE(platform.clipboard.content.isEmpty());
    Click(w(), "SelectAll2");
    Click(w(), "MenuItem3");
    EXPECT_EQ(platform.clipboard.content, memo2().join(QLatin1Char('\n')));
    Click(w(), "SelectAll1");
    Click(w(), "COPY4");
    EXPECT_EQ(platform.clipboard.content, memo1().join(QLatin1Char('\n')));
    Click(w(), "N7");
    EXPECT_FALSE(panelShown("Panel4"));
}

TEST_F(Chart1WindowTest, HelpLinksShowTheirTexts) {
    open();
    Click(w(), "Label6");
    Click(w(), "Label11");
    ASSERT_EQ(platform.dialogs.prompts.size(), 2u);
    EXPECT_TRUE(platform.dialogs.prompts[0].plain);
    EXPECT_TRUE(platform.dialogs.prompts[0].text.startsWith(QStringLiteral("1.拖牌統計圖表")));
    EXPECT_TRUE(platform.dialogs.prompts[1].plain);
    EXPECT_TRUE(platform.dialogs.prompts[1].text.startsWith(QStringLiteral("1.當您在[個別查詢]打勾時")));
}

TEST_F(Chart1WindowTest, SaysWhereTheLoadedHistoryStartsWhenTheRangeBeginsBeforeIt) {
    open();
    EXPECT_TRUE(Label(w(), "lb_history_start").contains(QStringLiteral("2021/01/01")));
    PickDate(w(), "DateTimePicker1", QDate(2021, 1, 1));
    EXPECT_EQ(Label(w(), "lb_history_start"), QString());
    Click(w(), "cb_star234"); // a query counts from the same range and says the same
    PickDate(w(), "DateTimePicker1", QDate(2020, 12, 31));
    Type(w(), "Edit1", "15");
    Click(w(), "SpeedButton4");
    EXPECT_TRUE(Label(w(), "lb_history_start").contains(QStringLiteral("2021/01/01")));
}

// Tab passes the charts by and stops at the captions that open help, which show the focus and open
// with Enter or Space.
TEST_F(Chart1WindowTest, KeyboardReachesTheHelpCaptionsAndPassesTheCharts) {
    open();
    QApplication::setActiveWindow(&w());
    Find<QDateEdit>(w(), "DateTimePicker1").setFocus(Qt::TabFocusReason);
    QSet<QString> reached;
    for (int press = 0; press < 80; ++press) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        reached << focus->objectName();
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    for (const char* chart : {"Chart1", "Chart2", "Chart3"})
        EXPECT_FALSE(reached.contains(QString::fromUtf8(chart))) << chart;
    ASSERT_TRUE(reached.contains(QStringLiteral("Label6")));
    ASSERT_TRUE(reached.contains(QStringLiteral("Label11")));

    auto& help = Find<QLabel>(w(), "Label6");
    const QImage unfocused = help.grab().toImage();
    while (QApplication::focusWidget() != &help)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_NE(help.grab().toImage(), unfocused) << "no focus mark";
    QTest::keyClick(&help, Qt::Key_Return);
    auto& queryHelp = Find<QLabel>(w(), "Label11");
    queryHelp.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&queryHelp, Qt::Key_Space);
    ASSERT_EQ(platform.dialogs.prompts.size(), 2u);
    EXPECT_TRUE(platform.dialogs.prompts[0].text.startsWith(QStringLiteral("1.拖牌統計圖表")));
    EXPECT_TRUE(platform.dialogs.prompts[1].text.startsWith(QStringLiteral("1.當您在[個別查詢]打勾時")));
}

TEST_F(Chart1WindowTest, QueryPanelFloatsAwayAndComesBack) {
    open();
    Click(w(), "cb_star234");
    QWidget& panel = Find<QFrame>(w(), "Panel3");
    mouse(panel, QEvent::MouseButtonPress, {4, 4}, Qt::LeftButton);
    mouse(panel, QEvent::MouseMove, {80, 60}, Qt::LeftButton);
    ASSERT_TRUE(w().queryPanelFloating());
    EXPECT_TRUE(panel.isVisible());

    // Floating, it still runs its queries.
    Type(w(), "Edit1", "0618");
    Click(w(), "SpeedButton4");
    EXPECT_EQ(memo1().size(), 3);

    // Let go over the tails chart: back in place.
    QWidget& tails = Find<QChartView>(w(), "Chart3");
    const QPoint overTails = panel.mapFromGlobal(tails.mapToGlobal(tails.rect().center()));
    mouse(panel, QEvent::MouseMove, overTails, Qt::LeftButton);
    mouse(panel, QEvent::MouseButtonRelease, panel.mapFromGlobal(tails.mapToGlobal(tails.rect().center())),
          Qt::NoButton);
    EXPECT_FALSE(w().queryPanelFloating());
    EXPECT_EQ(panel.parentWidget(), &Find<QFrame>(w(), "Panel2"));
    EXPECT_TRUE(panel.isVisible());

    // Closing the floating panel puts it back too, and so does closing the window.
    w().floatQueryPanel(w().mapToGlobal(QPoint(300, 300)));
    panel.close();
    EXPECT_FALSE(w().queryPanelFloating());
    EXPECT_TRUE(panel.isVisible());
    w().floatQueryPanel(w().mapToGlobal(QPoint(300, 300)));
    w().close();
    EXPECT_FALSE(w().queryPanelFloating());
    EXPECT_FALSE(panel.isVisible());
}

TEST_F(Chart1WindowTest, OpensFromTheDragMenuWithTheGameLogo) {
    dir.writeLines(QStringLiteral("TW539.txt"), SixDraws());
    auto app = std::make_unique<Application>(platform.services());
    app->start();
    TForm_rk_main& main = *app->windows().get<TForm_rk_main>();
    Click(main, "N59");
    EXPECT_TRUE(platform.shower.modalShown.contains(QStringLiteral("Form_rk_chart1")));
    TForm_rk_chart1& chart = *app->windows().get<TForm_rk_chart1>();
    EXPECT_EQ(Label(chart, "Label7"), QStringLiteral("02,15,20,36,38"));
    EXPECT_EQ(Picture(chart, "Image1").cacheKey(), main.currentLogo().cacheKey());
    QPixmap other(10, 10);
    other.fill(Qt::green);
    emit main.logoChanged(other);
    EXPECT_EQ(Picture(chart, "Image1").toImage(), other.toImage());
}
