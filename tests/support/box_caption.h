#pragma once

#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QWidget>
#include <gtest/gtest.h>

#include "support/ui_driver.h"

// The caption the form puts before a box: the label just before it in its row, or in a grid the
// label in the cell on its left or, with none there, the one above it. Read from the layout, so a
// buddy given to the wrong label shows.
inline int IndexIn(const QLayout& layout, const QObject* item) {
    for (int i = 0; i < layout.count(); ++i)
        if (layout.itemAt(i)->widget() == item || layout.itemAt(i)->layout() == item)
            return i;
    return -1;
}
// The layout, within `layout`, that holds the widget or layout `item` directly.
inline QLayout* Holder(QLayout* layout, const QObject* item) {
    if (!layout || IndexIn(*layout, item) >= 0)
        return layout;
    for (int i = 0; i < layout->count(); ++i)
        if (QLayout* found = Holder(layout->itemAt(i)->layout(), item))
            return found;
    return nullptr;
}
inline QLabel* CaptionBefore(QWidget& box) {
    QLayout* top = box.parentWidget() ? box.parentWidget()->layout() : nullptr;
    const QObject* item = &box;
    QLayout* row = Holder(top, item);
    while (row) {
        const int at = IndexIn(*row, item);
        if (auto* grid = qobject_cast<QGridLayout*>(row)) {
            int r = 0, c = 0, rows = 0, columns = 0;
            grid->getItemPosition(at, &r, &c, &rows, &columns);
            for (const auto& [dr, dc] : {std::pair{0, -1}, std::pair{-1, 0}})
                if (QLayoutItem* cell = grid->itemAtPosition(r + dr, c + dc))
                    if (auto* label = qobject_cast<QLabel*>(cell->widget()))
                        return label;
            return nullptr;
        }
        if (at > 0)
            return qobject_cast<QLabel*>(row->itemAt(at - 1)->widget());
        item = row; // first in a nested row: the caption stands before the row
        row = row == top ? nullptr : Holder(top, item);
    }
    return nullptr;
}

// The box is named by the caption before it: that label is its buddy, and the box's accessible
// name (what screen readers say and error messages quote) is the caption's text.
inline ::testing::AssertionResult NamedByItsCaption(QWidget& root, const char* name) {
    QWidget& box = Find<QWidget>(root, name);
    QLabel* caption = CaptionBefore(box);
    if (!caption)
        return ::testing::AssertionFailure() << name << " has no caption before it";
    QString text = caption->text().trimmed();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    if (caption->buddy() != &box)
        return ::testing::AssertionFailure()
               << name << ": the caption " << text.toStdString() << " is not its buddy";
    if (box.accessibleName() != text.trimmed())
        return ::testing::AssertionFailure() << name << " is named " << box.accessibleName().toStdString()
                                             << ", its caption reads " << text.toStdString();
    return ::testing::AssertionSuccess();
}
