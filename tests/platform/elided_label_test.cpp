// A label cut with "…" shows the whole text in a tool tip when the mouse rests on it.
#define QTEST_QPA_MOUSE_HANDLING

#include "platform/elided_label.h"

#include <QDialog>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// Rests the mouse on the label, as the window system moves it there, and runs the event loop until
// the label has been asked for its tool tip (or a generous bound has passed).
bool AskedForToolTip(QWidget& label) {
    QTest::mouseMove(label.window(), QPoint(1, 1));
    QTest::mouseMove(&label, label.rect().center());
    struct Watch : QObject {
        QEventLoop loop;
        bool asked = false;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::ToolTip) {
                asked = true;
                QTimer::singleShot(0, &loop, &QEventLoop::quit); // once the label has answered
            }
            return false;
        }
    } watch;
    label.installEventFilter(&watch);
    QTimer::singleShot(10000, &watch.loop, &QEventLoop::quit);
    watch.loop.exec();
    label.removeEventFilter(&watch);
    return watch.asked;
}

} // namespace

TEST(ElidedLabel, ATextCutToTheWidthIsShownWholeInItsToolTip) {
    QDialog window;
    ElidedLabel* label = NewElidedLabel("title", &window);
    const QString whole = QStringLiteral("獨支三期養牌 ") + QString(200, QLatin1Char('x'));
    label->setText(whole);
    label->setFixedWidth(120);
    (new QVBoxLayout(&window))->addWidget(label);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    EXPECT_TRUE(label->shownText().endsWith(QChar(0x2026)));
    ASSERT_TRUE(AskedForToolTip(*label));
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), whole);
}
