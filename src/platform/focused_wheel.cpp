#include "platform/focused_wheel.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>

namespace {

bool TurnsWithWheel(const QObject& object) {
    return qobject_cast<const QComboBox*>(&object) || qobject_cast<const QAbstractSpinBox*>(&object);
}

// The box has its window's focus, whether or not that window is the active one.
bool HoldsFocus(const QWidget& box) {
    const QWidget* focus = box.window()->focusWidget();
    return focus && (focus == &box || box.isAncestorOf(focus));
}

} // namespace

FocusedWheel::FocusedWheel(QObject* parent) : QObject(parent) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool FocusedWheel::eventFilter(QObject* watched, QEvent* event) {
    // Every event of the program passes here: the cheap test first.
    if ((event->type() != QEvent::Polish && event->type() != QEvent::Wheel) || !TurnsWithWheel(*watched))
        return false;
    auto* box = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::Polish:
        // Qt gives such boxes the focus on a wheel turn, before any filter sees the turn.
        if (box->focusPolicy() == Qt::WheelFocus)
            box->setFocusPolicy(Qt::StrongFocus);
        return false;
    case QEvent::Wheel:
        if (HoldsFocus(*box))
            return false;
        // Ignored, the turn goes on to the widget holding the box, as over a label.
        event->ignore();
        return true;
    default:
        return false;
    }
}
