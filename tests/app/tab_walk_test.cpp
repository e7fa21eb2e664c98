// Tab walks every window the menus open, as a keyboard user goes round it: each enabled input is
// reached, in the order the controls stand on screen, and no grid or memo keeps the Tab key.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QButtonGroup>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <algorithm>
#include <gtest/gtest.h>
#include <set>

#include "app/every_window.h"
#include "support/ui_driver.h"

namespace {

bool IsArea(const QWidget* w) {
    return qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
           qobject_cast<const QTextEdit*>(w);
}

bool IsCompound(const QWidget* w) {
    return qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w) || IsArea(w) ||
           qobject_cast<const QTabBar*>(w) || qobject_cast<const QCalendarWidget*>(w);
}

// The control a user sees as having the focus: the box around an inner edit, the grid around its
// viewport.
QWidget* Owner(QWidget* w, const QWidget& window) {
    QWidget* owner = w;
    for (QWidget* p = w; p && p != &window; p = p->parentWidget())
        if (IsCompound(p))
            owner = p;
    return owner;
}

bool IsInput(QWidget* w, const QWidget& window) {
    const bool kind = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                      qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QAbstractButton*>(w);
    return kind && Owner(w, window) == w && w->isVisible() && w->isEnabled();
}

QString Describe(QWidget* w) {
    if (!w->objectName().isEmpty())
        return w->objectName();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return QStringLiteral("%1 \"%2\"")
            .arg(QString::fromUtf8(w->metaObject()->className()), button->text());
    return QString::fromUtf8(w->metaObject()->className());
}

QRect Place(QWidget* w, QWidget& window) {
    return QRect(w->mapTo(&window, QPoint(0, 0)), w->size());
}

// The next control Tab would reach past `w`, skipping what cannot take the focus.
QWidget* NextInChain(QWidget* w, QWidget& window) {
    for (QWidget* next = w->nextInFocusChain(); next != w; next = next->nextInFocusChain())
        if (next->window() == &window && next->isVisible() && next->isEnabled() &&
            (next->focusPolicy() & Qt::TabFocus) && !next->focusProxy() &&
            Owner(next, window) != Owner(w, window))
            return next;
    return w;
}

// Whether some line across the panel between `above` and `below` (its own coordinates) crosses
// none of the panel's shown controls that Tab stops at or that hold such controls.
bool GapRunsAcross(const QWidget& panel, int above, int below) {
    QList<QRect> rows;
    for (QObject* object : panel.children()) {
        auto* w = qobject_cast<QWidget*>(object);
        if (!w || w->isWindow() || w->isHidden())
            continue;
        const QList<QWidget*> inner = w->findChildren<QWidget*>();
        const bool stops = (w->focusPolicy() & Qt::TabFocus) ||
                           std::any_of(inner.begin(), inner.end(),
                                       [](QWidget* c) { return c->focusPolicy() & Qt::TabFocus; });
        if (stops)
            rows << w->geometry();
    }
    for (int y = above + 1; y < below; ++y)
        if (std::none_of(rows.begin(), rows.end(),
                         [y](const QRect& r) { return r.top() <= y && y <= r.bottom(); }))
            return true;
    return false;
}

class TabWalk {
public:
    explicit TabWalk(QWidget& window) : window_(window), name_(window.objectName()) {}

    // Walks the window as it stands now, and each page of its page controls.
    void walkEveryPage(bool checkStart) {
        walk(checkStart);
        for (QTabWidget* pages : window_.findChildren<QTabWidget*>()) {
            if (!pages->isVisible())
                continue;
            const int shown = pages->currentIndex();
            for (int i = 0; i < pages->count(); ++i) {
                if (i == shown || !pages->isTabEnabled(i))
                    continue;
                pages->setCurrentIndex(i);
                QCoreApplication::processEvents(); // what the window does once the page is in view
                pages->tabBar()->setFocus(Qt::TabFocusReason);
                walk(false);
            }
            pages->setCurrentIndex(shown);
        }
    }

    std::set<QString> faults;

private:
    void fault(const QString& text) { faults.insert(name_ + QStringLiteral(": ") + text); }

    void walk(bool checkStart) {
        QApplication::setActiveWindow(&window_);
        QWidget* start = window_.focusWidget();
        if (!start || !start->isVisible()) {
            if (checkStart)
                fault(QStringLiteral("nothing has the focus when it opens"));
            start = NextInChain(&window_, window_);
            start->setFocus(Qt::TabFocusReason);
        }
        QList<QWidget*> order; // owners, in the order Tab reaches them
        QWidget* current = start;
        for (int step = 0; step < 300 && current; ++step) {
            QWidget* owner = Owner(current, window_);
            if (order.contains(owner))
                break;
            order << owner;
            QWidget* next = current;
            // A date box steps through its day, month and year before Tab leaves it.
            for (int press = 0; press < (IsArea(owner) ? 1 : 4) && next && Owner(next, window_) == owner;
                 ++press) {
                QTest::keyClick(next, Qt::Key_Tab);
                next = window_.focusWidget();
            }
            const bool alone = Owner(NextInChain(current, window_), window_) == owner;
            if (next && Owner(next, window_) == owner && !alone) {
                fault(Describe(owner) + QStringLiteral(" keeps the Tab key"));
                next = NextInChain(current, window_);
                next->setFocus(Qt::TabFocusReason);
            }
            current = next;
        }
        if (checkStart)
            checkFirst(Owner(start, window_), order);
        checkReached(order);
        checkAreasLast(order);
        checkRowsInOrder(order);
    }

    void checkFirst(QWidget* start, const QList<QWidget*>& order) {
        const QRect s = Place(start, window_);
        for (QWidget* w : order) {
            if (IsArea(start) && IsInput(w, window_)) {
                fault(QStringLiteral("the focus starts on %1, not on an input").arg(Describe(start)));
                return;
            }
            const QRect r = Place(w, window_);
            const bool above = r.bottom() < s.top();
            const bool leftInRow = r.top() <= s.bottom() && s.top() <= r.bottom() && r.right() < s.left();
            if (w != start && IsInput(w, window_) && (above || leftInRow)) {
                fault(QStringLiteral("the focus starts on %1, not on %2 before it")
                          .arg(Describe(start), Describe(w)));
                return;
            }
        }
    }

    void checkReached(const QList<QWidget*>& order) {
        // Tab enters a group of exclusive buttons at its checked one; arrows move inside it.
        const auto group = [](QWidget* w) -> const QObject* {
            auto* button = qobject_cast<QAbstractButton*>(w);
            if (button && button->group() && button->group()->exclusive())
                return button->group();
            if (button && button->autoExclusive())
                return button->parent();
            return nullptr;
        };
        std::set<const QObject*> groupsReached;
        for (QWidget* w : order)
            groupsReached.insert(group(w));
        for (QWidget* w : window_.findChildren<QWidget*>()) {
            if (!IsInput(w, window_) || order.contains(w))
                continue;
            if (group(w) && groupsReached.count(group(w)))
                continue;
            fault(Describe(w) + QStringLiteral(" is never reached"));
        }
    }

    // Read from where the focus starts (the window's first control, or a page's tab), no input standing above
    // a grid or memo comes after it.
    void checkAreasLast(QList<QWidget*> order) {
        if (order.isEmpty())
            return;
        for (qsizetype a = 0; a < order.size(); ++a) {
            if (!IsArea(order[a]))
                continue;
            const QRect area = Place(order[a], window_);
            for (qsizetype i = a + 1; i < order.size(); ++i) {
                const QRect input = Place(order[i], window_);
                const bool overlaps = input.left() < area.right() && area.left() < input.right();
                if ((IsInput(order[i], window_) || IsArea(order[i])) && input.top() < area.top() && overlaps)
                    fault(QStringLiteral("%1 is reached after %2 under it")
                              .arg(Describe(order[i]), Describe(order[a])));
            }
        }
    }

    // Within a panel, a row of controls that a gap separates from the row under it, right across the
    // panel, is walked before that row: columns are read only where no such gap runs.
    void checkRowsInOrder(const QList<QWidget*>& order) {
        for (qsizetype a = 0; a < order.size(); ++a)
            for (qsizetype b = a + 1; b < order.size(); ++b) {
                QWidget* panel = order[a]->parentWidget();
                if (order[b]->parentWidget() != panel || !IsInput(order[a], window_) ||
                    !IsInput(order[b], window_))
                    continue;
                const QRect earlier = order[a]->geometry();
                const QRect later = order[b]->geometry();
                if (later.bottom() < earlier.top() && GapRunsAcross(*panel, later.bottom(), earlier.top()))
                    fault(QStringLiteral("%1 is reached after %2 in a row under it")
                              .arg(Describe(order[b]), Describe(order[a])));
            }
    }

    QWidget& window_;
    QString name_;
};

class TabWalkTest : public EveryWindowTest {
protected:
    void walk(QWidget& window) {
        TabWalk walk(window);
        walk.walkEveryPage(true);
        faults.insert(walk.faults.begin(), walk.faults.end());
    }

    std::set<QString> faults;
};

} // namespace

TEST_F(TabWalkTest, TabReachesEveryInputInReadingOrderAndLeavesEveryGridAndMemo) {
    visitEveryWindow([this](QWidget& window) { walk(window); });
    std::set<QString> windows;
    for (const QString& fault : faults) {
        ADD_FAILURE() << fault.toStdString();
        windows.insert(fault.section(u':', 0, 0));
    }
    EXPECT_TRUE(faults.empty()) << faults.size() << " faults over " << windows.size() << " windows";
}
