// Mouse and key events go through the window system interface here, so that popups see them first
// and the program's application-wide filters see what a user's events show them.
#define QTEST_QPA_MOUSE_HANDLING

#include <QTest>
#include <QWidget>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

#include "support/ui_driver.h"

namespace {

QWindow& ShownWindow(QWidget& control) {
    QWindow* window = control.window()->windowHandle();
    if (!window)
        FailControl(control.objectName().toUtf8().constData(),
                    QStringLiteral("is in a window that is not shown"));
    return *window;
}

} // namespace

void MouseClick(QWidget& root, const char* name) {
    auto& control = Find<QWidget>(root, name);
    if (!control.isVisible() || !control.isEnabled())
        FailControl(name, QStringLiteral("is not visible and enabled"));
    ShownWindow(control);
    MouseClickAt(control);
}

void MouseClickAt(QWidget& control, const QPoint& at) {
    QTest::mouseClick(&control, Qt::LeftButton, Qt::NoModifier, at);
}

void TripleClickAt(QWidget& control, const QPoint& at) {
    QWindow* window = control.window()->windowHandle();
    if (!window)
        FailControl(control.objectName().toUtf8().constData(),
                    QStringLiteral("is in a window that is not shown"));
    const QPoint global = control.mapToGlobal(at);
    const QPointF local = window->mapFromGlobal(QPointF(global));
    for (int press = 0; press < 3; ++press)
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            const bool down = type == QEvent::MouseButtonPress;
            QWindowSystemInterface::handleMouseEvent(window, ++QTest::lastMouseTimestamp, local,
                                                     QPointF(global), down ? Qt::LeftButton : Qt::NoButton,
                                                     Qt::LeftButton, type);
            QWindowSystemInterface::flushWindowSystemEvents();
        }
    QTest::lastMouseTimestamp += QTest::mouseDoubleClickInterval; // the next click starts afresh
    QCoreApplication::processEvents();
}

void RightClickAt(QWidget& control, const QPoint& at) {
    QTest::mouseClick(&control, Qt::RightButton, Qt::NoModifier, at);
}

void WheelTurn(QWidget& root, const char* name, int notches) {
    WheelTurnOver(Find<QWidget>(root, name), notches);
}

void WheelTurnOver(QWidget& control, int notches) {
    if (!control.isVisible())
        FailControl(control.objectName().toUtf8().constData(), QStringLiteral("is not visible"));
    QWindow* window = &ShownWindow(control);
    const QPoint global = control.mapToGlobal(control.rect().center());
    const QPointF local = window->mapFromGlobal(global);
    const int step = notches > 0 ? QWheelEvent::DefaultDeltasPerStep : -QWheelEvent::DefaultDeltasPerStep;
    for (int turned = 0; turned != notches; turned += notches > 0 ? 1 : -1) {
        QWindowSystemInterface::handleWheelEvent(window, local, QPointF(global), QPoint(), QPoint(0, step));
        QWindowSystemInterface::flushWindowSystemEvents();
    }
}

void PressKey(QWidget& control, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(&ShownWindow(control), key, modifiers);
}

void PressKeys(QWidget& control, const QString& text) {
    QWindow& window = ShownWindow(control);
    for (const QChar c : text)
        QTest::keyClick(&window, c.toLatin1());
}

void ResizeByWindowSystem(QWidget& window, const QSize& size) {
    QWindow* handle = &ShownWindow(window);
    QWindowSystemInterface::handleGeometryChange(handle, QRect(handle->geometry().topLeft(), size));
    QWindowSystemInterface::flushWindowSystemEvents();
    QCoreApplication::processEvents();
}
