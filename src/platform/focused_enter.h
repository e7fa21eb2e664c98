#pragma once

#include <QObject>

// Lets Enter, Return or the keypad's, press the push or tool button that has the focus, as Space
// does. With no push button a window's default (form_controls.h), Enter presses no other button: a
// keyboard user who tabbed to a button gets that button.
class FocusedEnter : public QObject {
public:
    // Watches the whole application while it lives.
    explicit FocusedEnter(QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
