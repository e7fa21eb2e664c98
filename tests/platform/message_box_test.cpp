#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>

#include "platform/qt_platform.h"

// A message that quotes a very long typed text still fits on the screen: the long line is cut with
// "…", the lines after it stand whole, and the box can be closed.
TEST(MessageBox, ALongTypedTextIsCutToTheScreen) {
    const QString typed(40000, QLatin1Char('9'));
    QtDialogs dialogs;
    bool checked = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        const QStringList lines = box->text().split(QLatin1Char('\n'));
        ASSERT_EQ(lines.size(), 2);
        EXPECT_TRUE(lines[0].startsWith(QStringLiteral("999")));
        EXPECT_TRUE(lines[0].endsWith(QChar(0x2026)));
        EXPECT_EQ(lines[1], QStringLiteral("(已存入版路明細)"));
        EXPECT_LE(box->width(), box->screen()->availableGeometry().width());
        checked = true;
        box->accept();
    });
    dialogs.showMessage(typed + QStringLiteral("\n(已存入版路明細)"));
    EXPECT_TRUE(checked);
}
