#pragma once

// The controls of a window as a player meets them, for the walks over every window.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <utility>

#include "platform/click_label.h"

inline QString Describe(const QWidget* w) {
    QString text =
        w->objectName().isEmpty() ? QString::fromUtf8(w->metaObject()->className()) : w->objectName();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w); button && !button->text().isEmpty())
        text += QStringLiteral(" \"%1\"").arg(button->text());
    return text;
}

inline bool IsInside(const QWidget* w, const QWidget& window, auto isKind) {
    for (const QWidget* p = w->parentWidget(); p && p != &window; p = p->parentWidget())
        if (isKind(p))
            return true;
    return false;
}

// The tab widget and page a control stands on, if any.
inline std::pair<QTabWidget*, QWidget*> PageOf(QWidget* page) {
    auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget());
    auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
    if (tabs && tabs->indexOf(page) >= 0)
        return {tabs, page};
    return {nullptr, nullptr};
}

// The page control whose page holds the control nearest, if any.
inline QTabWidget* InnermostPages(QWidget& control) {
    for (QWidget* p = &control; p; p = p->parentWidget())
        if (QTabWidget* tabs = PageOf(p).first)
            return tabs;
    return nullptr;
}

// A page of the control other than the one in front that the user can pick; -1 when none.
inline int OtherTab(const QTabWidget& tabs) {
    for (int i = 0; i < tabs.count(); ++i)
        if (i != tabs.currentIndex() && tabs.isTabEnabled(i))
            return i;
    return -1;
}

// Shown whenever its pages are in front: neither it nor a panel holding it is hidden.
inline bool ShownOnItsPage(const QWidget* w, const QWidget& window) {
    for (const QWidget* p = w; p && p != &window; p = p->parentWidget())
        if (!PageOf(const_cast<QWidget*>(p)).first && p->isHidden())
            return false;
    return true;
}

// A box the player types into: an edit, an editable combo box, a spin or date box.
inline bool IsBox(QWidget* w) {
    QWidget* parent = w->parentWidget();
    if (qobject_cast<QComboBox*>(parent) || qobject_cast<QAbstractSpinBox*>(parent))
        return false; // the edit inside a box
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return !edit->isReadOnly();
    if (auto* box = qobject_cast<QComboBox*>(w))
        return box->isEditable();
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(w))
        return !spin->isReadOnly();
    return false;
}

// What the player clicks besides boxes: buttons, captions that act as buttons, drop-down lists.
inline bool IsClickable(QWidget* w, const QWidget& window) {
    const bool partOfAnother = IsInside(w, window, [](const QWidget* p) {
        return qobject_cast<const QTabBar*>(p) || qobject_cast<const QAbstractItemView*>(p) ||
               qobject_cast<const QCalendarWidget*>(p) || qobject_cast<const QAbstractSpinBox*>(p);
    });
    if (partOfAnother)
        return false;
    if (auto* box = qobject_cast<QComboBox*>(w))
        return !box->isEditable();
    return qobject_cast<QAbstractButton*>(w) || qobject_cast<ClickLabel*>(w) ||
           qobject_cast<QAbstractItemView*>(w);
}

// A control or window that offers a context menu: the grids' popups (print, save, forget the kept
// base date) and the windows' own.
inline bool HasMenu(const QWidget& w) {
    return w.contextMenuPolicy() == Qt::CustomContextMenu ||
           (w.contextMenuPolicy() == Qt::ActionsContextMenu && !w.actions().isEmpty());
}
