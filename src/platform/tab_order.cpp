#include "platform/tab_order.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QTabWidget>
#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

#include "platform/box_reaction.h"

namespace {

// A control Tab stops at as a whole, though made of inner widgets.
bool IsCompound(const QWidget& w) {
    return qobject_cast<const QComboBox*>(&w) || qobject_cast<const QAbstractSpinBox*>(&w) ||
           qobject_cast<const QAbstractScrollArea*>(&w);
}

struct Child {
    QWidget* widget;
    QList<QWidget*> stops;
};
using Children = std::vector<Child>;

// Cuts `children` where a gap runs right across them: into bands when `start` and `end` give the
// top and bottom of a widget, into columns when they give its left and right. One part when no
// gap runs across.
std::vector<Children> Cut(Children children, int (*start)(const QRect&), int (*end)(const QRect&)) {
    std::stable_sort(children.begin(), children.end(), [start](const Child& a, const Child& b) {
        return start(a.widget->geometry()) < start(b.widget->geometry());
    });
    std::vector<Children> parts;
    int reach = 0;
    for (Child& child : children) {
        const QRect place = child.widget->geometry();
        if (parts.empty() || start(place) >= reach)
            parts.emplace_back();
        reach = parts.back().empty() ? end(place) : std::max(reach, end(place));
        parts.back().push_back(std::move(child));
    }
    return parts;
}

int Top(const QRect& r) {
    return r.top();
}
int Bottom(const QRect& r) {
    return r.top() + r.height();
}
int Left(const QRect& r) {
    return r.left();
}
int Right(const QRect& r) {
    return r.left() + r.width();
}

// Reading order: bands from the top where a gap runs across, columns from the left within a band,
// and so on down. Where widgets overlap both ways, rows of widgets whose tops lie above the middle
// of every widget in the row, each from the left.
void SortForReading(Children& children) {
    if (children.size() < 2)
        return;
    for (auto [start, end] : {std::pair{&Top, &Bottom}, std::pair{&Left, &Right}}) {
        std::vector<Children> parts = Cut(children, start, end);
        if (parts.size() < 2)
            continue;
        children.clear();
        for (Children& part : parts) {
            SortForReading(part);
            std::move(part.begin(), part.end(), std::back_inserter(children));
        }
        return;
    }
    std::stable_sort(children.begin(), children.end(),
                     [](const Child& a, const Child& b) { return a.widget->y() < b.widget->y(); });
    for (auto row = children.begin(); row != children.end();) {
        int middle = row->widget->geometry().center().y();
        auto end = row + 1;
        for (; end != children.end() && end->widget->y() <= middle; ++end)
            middle = std::min(middle, end->widget->geometry().center().y());
        std::stable_sort(row, end,
                         [](const Child& a, const Child& b) { return a.widget->x() < b.widget->x(); });
        row = end;
    }
}

// A panel's tab stops, its child widgets taken in reading order. Only children with tab stops
// count, and children hidden for now come last: where they stand means nothing yet.
QList<QWidget*> TabStopsIn(const QWidget& panel) {
    Children shown, hidden;
    for (QObject* object : panel.children()) {
        auto* w = qobject_cast<QWidget*>(object);
        if (!w || w->isWindow())
            continue;
        // A page control is its tab bar and its pages.
        Child child{w, {}};
        if ((w->focusPolicy() & Qt::TabFocus) && !qobject_cast<QTabWidget*>(w))
            child.stops << w;
        else if (!IsCompound(*w))
            child.stops = TabStopsIn(*w);
        if (!child.stops.isEmpty())
            (w->isHidden() ? hidden : shown).push_back(std::move(child));
    }
    SortForReading(shown);
    QList<QWidget*> stops;
    for (const Children* children : {&shown, &hidden})
        for (const Child& child : *children)
            stops << child.stops;
    return stops;
}

// Lays out what is still waiting for it: controls restyled as they were shown, and panels not in
// view yet (pages behind the front one), so that every control stands where it will be seen.
void LayOut(QWidget& window) {
    if (window.layout())
        window.layout()->activate();
    for (QWidget* w : window.findChildren<QWidget*>())
        if (w->layout() && w->window() == &window)
            w->layout()->activate();
}

// The program's own windows; Qt's ready-made dialogs (message boxes, file and print dialogs) keep
// the order they come with.
bool IsProgramWindow(const QWidget& w) {
    if (!w.isWindow() || !(qobject_cast<const QDialog*>(&w) || qobject_cast<const QMainWindow*>(&w)))
        return false;
    const QLatin1StringView type(w.metaObject()->className());
    return !type.startsWith(u'Q') || type == QLatin1StringView("QDialog") ||
           type == QLatin1StringView("QMainWindow");
}

} // namespace

void ChainInReadingOrder(QWidget& window) {
    LayOut(window);
    const QList<QWidget*> stops = TabStopsIn(window);
    for (qsizetype i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops[i - 1], stops[i]);
}

QWidget* FirstTabStop(QWidget& window) {
    QWidget* first = nullptr;
    for (QWidget* w : TabStopsIn(window)) {
        if (!w->isVisibleTo(&window) || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus))
            continue;
        // A grid, memo or chart over the boxes is read, not typed into; a caption that acts as a
        // button opens help.
        if (!qobject_cast<QAbstractScrollArea*>(w) && !qobject_cast<QLabel*>(w))
            return w;
        if (!first)
            first = w;
    }
    return first;
}

ReadingOrderKeeper::ReadingOrderKeeper() {
    QCoreApplication::instance()->installEventFilter(this);
}

ReadingOrderKeeper::~ReadingOrderKeeper() = default;

bool ReadingOrderKeeper::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    QWidget* window = widget->window();
    if (!IsProgramWindow(*window))
        return false;
    if (widget == window) {
        // A window coming back from the task bar keeps its focus where the user left it.
        if (event->spontaneous())
            return false;
        // Before the window's own showEvent, which may move the focus on purpose. The Tab reason
        // selects a box's text, as Tab does; the window, not the user, enters the box.
        ChainInReadingOrder(*window);
        if (QWidget* first = FirstTabStop(*window)) {
            const SelfChange self(*window);
            first->setFocus(Qt::TabFocusReason);
        }
    } else if (window->isVisible()) {
        chainLater(*window);
    }
    return false;
}

void ReadingOrderKeeper::chainLater(QWidget& window) {
    if (pending_.contains(&window))
        return;
    if (pending_.isEmpty())
        QMetaObject::invokeMethod(this, &ReadingOrderKeeper::chainPending, Qt::QueuedConnection);
    pending_ << &window;
}

void ReadingOrderKeeper::chainPending() {
    const QList<QPointer<QWidget>> windows = std::exchange(pending_, {});
    for (const QPointer<QWidget>& window : windows)
        if (window)
            ChainInReadingOrder(*window);
}
