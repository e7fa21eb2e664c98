#pragma once

class QDialog;
class QWidget;

// Shows windows modally (blocking until closed) or modeless (shown and brought to the front).
class WindowShower {
public:
    virtual ~WindowShower() = default;
    virtual void showModal(QDialog& window) = 0;
    virtual void showModeless(QWidget& window) = 0;
};
