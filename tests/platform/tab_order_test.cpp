// Tab in a window: grids and memos pass it on, and the chain follows the screen, not the order in
// which a form made its controls.
#include <QApplication>
#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include "platform/form_controls.h"
#include "platform/string_grid.h"

namespace {

void Activate(QDialog& window) {
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

} // namespace

TEST(TabOrder, GridsAndMemosPassTabOnAndArrowsStillMoveInTheGrid) {
    QDialog window;
    auto* grid = Named(new StringGrid(0, 1, &window), "grid");
    grid->SetColCount(3);
    grid->SetRowCount(2500);
    QPlainTextEdit* memo = NewMemo("memo", &window);
    QPushButton* close = NewButton("close", QStringLiteral("關閉"), &window);
    auto* layout = new QVBoxLayout(&window);
    for (QWidget* w :
         {static_cast<QWidget*>(grid), static_cast<QWidget*>(memo), static_cast<QWidget*>(close)})
        layout->addWidget(w);
    Activate(window);

    grid->setFocus(Qt::TabFocusReason);
    grid->setCurrentIndex(grid->model()->index(0, 0));
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Right);
    EXPECT_EQ(grid->currentIndex(), grid->model()->index(1, 1));
    EXPECT_TRUE(grid->hasFocus());

    QTest::keyClick(grid, Qt::Key_Tab);
    ASSERT_TRUE(memo->hasFocus());
    QTest::keyClicks(memo, QStringLiteral("7"));
    QTest::keyClick(memo, Qt::Key_Tab);
    EXPECT_TRUE(close->hasFocus());
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("7"));
    QTest::keyClick(close, Qt::Key_Backtab);
    QTest::keyClick(memo, Qt::Key_Backtab);
    EXPECT_TRUE(grid->hasFocus());
    EXPECT_EQ(grid->currentIndex(), grid->model()->index(1, 1));
}
