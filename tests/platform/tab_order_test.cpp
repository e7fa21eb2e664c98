// Tab in a window: grids and memos pass it on, and the chain follows the screen, not the order in
// which a form made its controls.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include "platform/box_reaction.h"
#include "platform/form_controls.h"
#include "platform/string_grid.h"
#include "platform/tab_order.h"
#include "support/fake_platform.h"

namespace {

// The names of the controls Tab reaches from the focused one, round to it again.
QStringList TabWalk(QDialog& window) {
    QStringList names;
    QWidget* start = window.focusWidget();
    for (QWidget* at = start; at && names.size() < 20;) {
        names << at->objectName();
        QTest::keyClick(at, Qt::Key_Tab);
        at = window.focusWidget();
        if (at == start)
            break;
    }
    return names;
}

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

TEST(TabOrder, TheChainAndTheFirstFocusFollowTheScreen) {
    const ReadingOrderKeeper keeper;
    QDialog window;
    // Made out of order, as a form that adds its own boxes to a shared one does.
    auto* grid = Named(new StringGrid(0, 1, &window), "grid");
    grid->SetColCount(3);
    grid->SetRowCount(5);
    QPushButton* start = NewButton("start", QStringLiteral("開始"), &window);
    QLineEdit* to = NewEdit("to", QString(), &window);
    QComboBox* from = NewEditableCombo("from", {}, QString(), &window);
    QPushButton* later = NewButton("later", QStringLiteral("說明"), &window);
    later->setVisible(false);
    QPlainTextEdit* memo = NewMemo("memo", &window);
    QLineEdit* note = NewEdit("note", QString(), &window);
    auto* layout = new QGridLayout(&window);
    layout->addWidget(from, 0, 0);
    layout->addWidget(to, 0, 1);
    layout->addWidget(start, 0, 2);
    layout->addWidget(later, 1, 0);
    layout->addWidget(grid, 2, 0, 1, 3);
    layout->addWidget(memo, 3, 0, 2, 2); // a memo with a box beside its lower half
    layout->addWidget(note, 4, 2);
    Activate(window);

    EXPECT_TRUE(from->hasFocus());
    EXPECT_EQ(TabWalk(window), (QStringList{"from", "to", "start", "grid", "memo", "note"}));

    // A control that comes into view takes its place on screen in the chain.
    later->setVisible(true);
    QCoreApplication::processEvents();
    from->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(TabWalk(window), (QStringList{"from", "to", "start", "later", "grid", "memo", "note"}));

    // Shown again, the window starts on its first box wherever the user left it.
    window.hide();
    note->setFocus();
    Activate(window);
    EXPECT_TRUE(from->hasFocus());
}

// Two rows whose boxes also stand in columns: the rows are read first, each from the left.
TEST(TabOrder, RowsAreReadBeforeColumns) {
    const ReadingOrderKeeper keeper;
    QDialog window;
    QLineEdit* from = NewEdit("from", QString(), &window);
    QLineEdit* to = NewEdit("to", QString(), &window);
    QLineEdit* count = NewEdit("count", QString(), &window);
    QPushButton* print = NewButton("print", QStringLiteral("列印"), &window);
    auto* layout = new QGridLayout(&window);
    layout->addWidget(from, 0, 0);
    layout->addWidget(to, 0, 1);
    layout->addWidget(count, 1, 0, Qt::AlignLeft);
    layout->addWidget(print, 1, 1, Qt::AlignRight);
    Activate(window);

    EXPECT_EQ(TabWalk(window), (QStringList{"from", "to", "count", "print"}));
}

// The window, not the user, puts the focus on its first box as it opens: a box that reacts to being
// entered does not react then, and does when the user tabs back to it.
TEST(TabOrder, TheFirstFocusEntersNoBox) {
    const ReadingOrderKeeper keeper;
    QDialog window;
    QLineEdit* code = NewEdit("code", QStringLiteral("輸入版路代號"), &window);
    QPushButton* start = NewButton("start", QStringLiteral("開始"), &window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(code);
    layout->addWidget(start);
    FakeDialogs dialogs;
    int entered = 0;
    ConnectBox(*code, BoxReacts::OnEntering, dialogs, [&] { ++entered; });
    Activate(window);

    EXPECT_TRUE(code->hasFocus());
    EXPECT_EQ(entered, 0);
    QTest::keyClick(window.windowHandle(), Qt::Key_Tab);
    QTest::keyClick(window.windowHandle(), Qt::Key_Tab);
    EXPECT_TRUE(code->hasFocus());
    EXPECT_EQ(entered, 1);
}
