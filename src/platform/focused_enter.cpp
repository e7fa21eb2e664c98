#include "platform/focused_enter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>

FocusedEnter::FocusedEnter(QObject* parent) : QObject(parent) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool FocusedEnter::eventFilter(QObject* watched, QEvent* event) {
    // Every event of the program passes here: the cheap test first.
    if (event->type() != QEvent::KeyPress ||
        !(qobject_cast<QPushButton*>(watched) || qobject_cast<QToolButton*>(watched)))
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
        (key->modifiers() & ~Qt::KeypadModifier))
        return false;
    auto* button = static_cast<QAbstractButton*>(watched);
    if (!button->hasFocus())
        return false;
    // A held key presses once, as Space does.
    if (!key->isAutoRepeat())
        button->click();
    return true;
}
