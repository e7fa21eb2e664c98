#include "platform/minimum_size_keeper.h"

#include <QCoreApplication>
#include <QDialog>
#include <QMainWindow>
#include <QPointer>

namespace {

QSize LeastSize(const QWidget& window) {
    return window.minimumSize().expandedTo(window.minimumSizeHint());
}

} // namespace

MinimumSizeKeeper::MinimumSizeKeeper(QObject* parent) : QObject(parent) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool MinimumSizeKeeper::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Resize ||
        !(qobject_cast<QDialog*>(watched) || qobject_cast<QMainWindow*>(watched)))
        return false;
    auto* window = static_cast<QWidget*>(watched);
    if (!window->isWindow())
        return false;
    // The size the window has now: the event may still carry the one the window system asked for.
    const QSize size = window->size();
    if (size.expandedTo(LeastSize(*window)) == size)
        return false;
    // Not from inside the resize the window system is delivering.
    QMetaObject::invokeMethod(
        window,
        [window = QPointer<QWidget>(window)] {
            if (window)
                window->resize(window->size().expandedTo(LeastSize(*window)));
        },
        Qt::QueuedConnection);
    return false;
}
