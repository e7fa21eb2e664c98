#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

// Fills a window or panel with a colour (and, when given, sets the colour of its text).
inline void SetBackground(QWidget& widget, const QColor& colour, const QColor& text = QColor()) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    if (text.isValid())
        palette.setColor(QPalette::WindowText, text);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}
