// Mouse events go through the window system interface here, so that popups see them first.
#define QTEST_QPA_MOUSE_HANDLING

#include <QTest>
#include <QWidget>

#include "support/ui_driver.h"

void MouseClick(QWidget& root, const char* name) {
    auto& control = Find<QWidget>(root, name);
    if (!control.isVisible() || !control.isEnabled())
        FailControl(name, QStringLiteral("is not visible and enabled"));
    if (!control.window()->windowHandle())
        FailControl(name, QStringLiteral("is in a window that is not shown"));
    MouseClickAt(control);
}

void MouseClickAt(QWidget& control, const QPoint& at) {
    QTest::mouseClick(&control, Qt::LeftButton, Qt::NoModifier, at);
}

void RightClickAt(QWidget& control, const QPoint& at) {
    QTest::mouseClick(&control, Qt::RightButton, Qt::NoModifier, at);
}
