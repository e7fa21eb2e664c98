#include <QFont>
#include <QLayout>
#include <gtest/gtest.h>

#include "analysis/paths/no_analysis_window.h"
#include "path_window_fixture.h"

// At the window's own size every column of the count grids is in view, in each of the fonts the
// program ships for its windows.
TEST_F(PathWindowTest, EveryColumnOfTheCountGridsIsInView) {
    TForm_rk_no_analysis w(tables.draws, tables.drag, tables.rules, services, links);
    platform.shower.showModal(w);
    const QFont own = w.font();
    for (const QString& family :
         {own.family(), QStringLiteral("AR PL UMing TW"), QStringLiteral("AR PL UKai TW")}) {
        SCOPED_TRACE(family.toStdString());
        QFont font = own;
        font.setFamilies({family});
        w.setFont(font);
        w.layout()->activate();
        for (const char* grid : {"sga1", "sga2", "sga3", "sga4"})
            EXPECT_TRUE(ColumnsInView(w, grid));
    }
}

// A rule title typed at any length keeps the window's width: the label shows what fits, the memo
// and the label's text keep the whole title.
TEST_F(PathWindowTest, ALongRuleTitleIsCutToTheWindowsWidth) {
    TForm_rk_no_analysis w(tables.draws, tables.drag, tables.rules, services, links);
    platform.shower.showModal(w);
    const int width = w.width();
    w.close();

    const QString title = QStringLiteral("本期開 ") + QString(40000, QLatin1Char('7'));
    tables.drag.RuleTitle = title.toStdString();
    platform.shower.showModal(w);
    w.layout()->activate();
    EXPECT_EQ(w.width(), width);
    EXPECT_EQ(Label(w, "lb_ruletitle"), title);
    EXPECT_LT(ShownText(w, "lb_ruletitle").size(), 200);
    EXPECT_TRUE(ShownText(w, "lb_ruletitle").startsWith(QStringLiteral("本期開 777")));
    EXPECT_EQ(MemoLines(w, "mmresult").front(), QStringLiteral("版路名稱：") + title);
}
