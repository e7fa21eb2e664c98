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
