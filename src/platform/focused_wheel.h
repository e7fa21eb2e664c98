#pragma once

#include <QObject>

// Lets the mouse wheel turn only the box the user is typing in: over any other combo, spin or date
// box it scrolls what holds the box instead, and it never moves the focus. A player scrolling a
// window would otherwise change its settings, and start searches, without noticing.
class FocusedWheel : public QObject {
public:
    // Watches the whole application while it lives.
    explicit FocusedWheel(QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
