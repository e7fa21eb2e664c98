#pragma once

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
// Only the user sets a box off: the focus moved by the mouse or the keyboard confirms, while what the
// window does to its boxes (disabling them for a run, moving the focus, writing them) does not, and a
// disabled box reacts to nothing. Text typed and never confirmed is given up when the window closes.
void ConnectBox(QLineEdit& box, BoxReacts when, Dialogs& dialogs, std::function<void()> handler);
void ConnectBox(QComboBox& box, BoxReacts when, Dialogs& dialogs, std::function<void()> handler);

// Every edit box, combo box and spin or date box of the window that has no handler keeps Enter to
// itself as well. Call it once the form is built.
void KeepEnterInBoxes(QWidget& window);
