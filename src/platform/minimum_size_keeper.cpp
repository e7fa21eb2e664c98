#include "platform/minimum_size_keeper.h"

#include <QCoreApplication>
#include <QDialog>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <QVariant>
#include <chrono>

namespace {

// The size the window system last shrank the window to, for as long as a refusal to let it grow
// back would take to come.
const char* const ShrunkTo = "qorvelShrunkTo";
constexpr std::chrono::milliseconds RefusalTime{1000};

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
    // A window manager that tiles windows may refuse and give the same size again at once: it has
    // the last word, rather than the two asking each other in turn for ever.
    if (window->property(ShrunkTo).toSize() == size)
        return false;
    window->setProperty(ShrunkTo, size);
    QTimer::singleShot(RefusalTime, window, [window] { window->setProperty(ShrunkTo, QVariant()); });
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
