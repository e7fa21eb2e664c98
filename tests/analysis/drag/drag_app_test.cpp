// The drag family opened as the user opens it: from the main window's menu, then from the drag window.
#include <QAction>
#include <QMenu>
#include <gtest/gtest.h>

#include "analysis/drag/excel_guide_window.h"
#include "analysis/drag/grid_sort_window.h"
#include "analysis/drag/trace_single_window.h"
#include "analysis/drag/twoforone_window.h"
#include "analysis/paths/no_analysis_window.h"
#include "drawhistory/app_test_fixture.h"
#include "support/ui_driver.h"

namespace {

class DragAppTest : public AppTest {
protected:
    void SetUp() override { startOnShippedHistory(); }
    TForm_rk_trace_single& drag() { return *windows().get<TForm_rk_trace_single>(); }
};

} // namespace

TEST_F(DragAppTest, MenuItemsOpenTheDragWindowOnTheirPages) {
    const QMenu& menu = Find<QMenu>(main(), "menuDrag");
    QStringList items;
    for (const QAction* item : menu.actions())
        items << item->text();
    EXPECT_EQ(items.mid(0, 5), (QStringList{"不定位單支拖牌", "不定位雙星拖牌", "大小定位拖牌",
                                            "落球定位拖牌", "大小加減版路"}));

    Click(main(), "N14");
    EXPECT_EQ(platform.shower.modelessShown, QStringList{"Form_rk_trace_single"});
    EXPECT_TRUE(drag().windowState() & Qt::WindowMaximized);
    EXPECT_EQ(CurrentPage(drag(), "PageControl1"), QStringLiteral("TabSheet3"));
    EXPECT_EQ(Label(drag(), "lbtridx_fix1"), QStringLiteral("下 1 期"));
    EXPECT_EQ(state().drag.RuleTitle.rfind("本期第 1 支開 ", 0), 0u);
    Click(main(), "N19");
    EXPECT_EQ(CurrentPage(drag(), "PageControl1"), QStringLiteral("TabSheet5"));
    EXPECT_EQ(Label(drag(), "lbtridx_add"), QStringLiteral("本期"));
    Click(main(), "N3");
    EXPECT_EQ(CurrentPage(drag(), "PageControl1"), QStringLiteral("TabSheet1"));
    EXPECT_EQ(Text(drag(), "cb_latest"),
              QString::fromStdString(state().draws.DrawId[state().draws.DrawCount]));
    EXPECT_TRUE(platform.dialogs.prompts.empty());
}

TEST_F(DragAppTest, TheDragWindowOpensItsReaders) {
    Click(main(), "N3");
    const int rows = state().drag.TraceRowCount;
    ASSERT_GT(rows, 100);

    QString pair;
    whenShown<TForm_rk_twoforone>(QStringLiteral("Form_rk_twoforone"), [&](TForm_rk_twoforone& w) {
        pair = Text(w, "ComboBox1");
        EXPECT_EQ(Label(w, "Label2"), QStringLiteral("拖牌總期數 ") + QString::number(rows));
    });
    Click(drag(), "Button1");
    EXPECT_EQ(pair.size(), 5);

    Click(drag(), "btn_grid_sort");
    EXPECT_TRUE(platform.shower.modelessShown.contains(QStringLiteral("Form_rk_grid_sort")));
    EXPECT_EQ(RowCount(*windows().get<TForm_rk_grid_sort>(), "sgmap"), rows + 13);

    whenShown<QDialog>(QStringLiteral("Form_rk_rule_define"), [](QDialog&) {});
    whenShown<TForm_rk_no_analysis>(QStringLiteral("Form_rk_no_analysis"), [&](TForm_rk_no_analysis& w) {
        EXPECT_EQ(Label(w, "lb_ruletitle"), QString::fromStdString(state().drag.RuleTitle));
        Click(w, "SpeedButton1");
    });
    Click(drag(), "N1");
    EXPECT_EQ(platform.shower.modalShown,
              (QStringList{"Form_rk_twoforone", "Form_rk_no_analysis", "Form_rk_rule_define"}));

    EXPECT_FALSE(windows().get<TForm_img_excel>());
    Click(drag(), "Excel1");
    ASSERT_TRUE(windows().get<TForm_img_excel>());
    EXPECT_TRUE(windows().get<TForm_img_excel>()->isVisible());
    EXPECT_TRUE(platform.dialogs.prompts.empty());
}
