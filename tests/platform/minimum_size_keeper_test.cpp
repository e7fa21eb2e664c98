// A window shrunk past what its controls need grows back, once: a window manager that refuses has
// the last word.
#include "platform/minimum_size_keeper.h"

#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include "support/ui_driver.h"

TEST(MinimumSizeKeeper, AShrunkWindowGrowsBackUnlessTheWindowSystemInsists) {
    const MinimumSizeKeeper keeper;
    QDialog window;
    window.setObjectName(QStringLiteral("window"));
    auto* layout = new QVBoxLayout(&window);
    for (int row = 0; row < 8; ++row)
        layout->addWidget(new QPushButton(QStringLiteral("一個相當長的按鈕標題 %1").arg(row), &window));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QSize least = window.minimumSizeHint();
    ASSERT_GT(least.width(), 120);

    ResizeByWindowSystem(window, QSize(120, 90));
    EXPECT_EQ(window.size(), least);

    ResizeByWindowSystem(window, QSize(120, 90)); // at once again: a refusal
    EXPECT_EQ(window.size(), QSize(120, 90));
}
