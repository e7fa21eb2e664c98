#pragma once

#include <QPointer>
#include <functional>

class Dialogs;
class QComboBox;
class QLineEdit;
class QWidget;

// When a box runs its handler.
enum class BoxReacts {
    OnChange,  // every change the user makes: a key, a paste, a deletion, a pick from the list
    OnPick,    // a pick from the list only; typed text waits for a button that reads it
    OnConfirm, // a pick, or typed text once confirmed: Enter, or leaving the box after an edit
    OnEntering // the focus entering the box
};

// Connects an edit box or editable combo box to its handler, run through the error guard. Each box
// reacts once to each text it is given, however the text arrives (typed key by key, pasted, picked,
// confirmed): the echo a combo box gives when typed text matches one of its items is no second
// change. Enter in the box stays in the box: it confirms the box, and never reaches the window, so it
// cannot press a default button and close or open a window. A box may be connected more than once.
// Only the user sets a box off. Leaving the box within its window confirms it, however the user
// leaves: a click, Tab, a shortcut, or a page switch that hides it (confirmed once the switch is
// done). Focus taken by a popup or another window confirms nothing, and nothing the window does to
// itself under a SelfChange sets a box off; what was typed then waits for the next leave. A disabled
// box reacts to nothing. Text typed and never confirmed is given up when the window closes.
void ConnectBox(QLineEdit& box, BoxReacts when, Dialogs& dialogs, std::function<void()> handler);
void ConnectBox(QComboBox& box, BoxReacts when, Dialogs& dialogs, std::function<void()> handler);

// Every edit box, combo box and spin or date box of the window that has no handler keeps Enter to
// itself as well. Call it once the form is built.
void KeepEnterInBoxes(QWidget& window);

// Held by code while it changes its own window: disables inputs for a run, moves the focus, switches
// a page, fills boxes. While one lives, no box of that window reacts to anything, whatever focus
// reason Qt gives.
class SelfChange {
public:
    // Any control of the window will do.
    explicit SelfChange(QWidget& control);
    ~SelfChange();
    SelfChange(const SelfChange&) = delete;
    SelfChange& operator=(const SelfChange&) = delete;

    // Whether the window holding the control is changing itself now.
    static bool underWay(const QWidget& control);

private:
    QPointer<QWidget> window_;
};

// Brings one of the window's own pages (of a tab or stacked widget or layout) to the front as the
// window's doing: no box of the page left or of the page shown reacts.
template <class Pages> void ShowOwnPage(Pages& pages, QWidget* page) {
    const SelfChange self(*page);
    pages.setCurrentWidget(page);
}
