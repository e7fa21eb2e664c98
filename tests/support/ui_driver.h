#pragma once

#include <QColor>
#include <QDate>
#include <QFont>
#include <QKeySequence>
#include <QPalette>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

// Drives a window's controls by their objectName, as a user does. Every call fails the test with
// the control's name unless the control exists; what a user does with a control (click, type,
// pick) also needs it visible within the window and enabled. A control on a tab page that is not
// in front has its page brought to the front first, as the user would pick the tab. After a failure
// the call throws ControlError, so the test goes no further.
//
// Reading calls (MemoLines, GridRow, Label, Text) need the control to exist only: hidden memos
// that a window keeps for its own work are read as well.

struct ControlError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Buttons (push, tool, check, radio), actions (triggered) and click labels.
void Click(QWidget& root, const char* name);

// A left click of the mouse in the middle of the control, delivered as the window system delivers
// one: an open popup (a completion list, a drop-down) gets it first, as it would get the user's.
// The control must be shown in its window.
void MouseClick(QWidget& root, const char* name);
// The same click on a control reached otherwise than by its name, at a point of it (its middle
// unless told): a tab of a tab bar, a control a walk over the window found.
void MouseClickAt(QWidget& control, const QPoint& at);
inline void MouseClickAt(QWidget& control) {
    MouseClickAt(control, control.rect().center());
}
// Three presses of the left button at one point of the control within the double-click interval,
// as a user picks a whole paragraph of a text.
void TripleClickAt(QWidget& control, const QPoint& at);
// A right click there, through the window system, which asks the control under it for its context
// menu. A menu that opens in a loop of its own (QMenu::exec) must be closed by a closure queued before.
void RightClickAt(QWidget& control, const QPoint& at);

// Turns the mouse wheel over the middle of the control by `notches` (up when positive), delivered as
// the window system delivers a turn: to whatever stands under the mouse, the focus left where it is.
void WheelTurn(QWidget& root, const char* name, int notches);
void WheelTurnOver(QWidget& control, int notches);

// A key pressed and let go, delivered as the window system delivers one: to the control with the
// focus in the window holding `control`, which must be shown. Text keys type their character.
void PressKey(QWidget& control, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void PressKeys(QWidget& control, const QString& text);

// The window resized as the user or the window manager resizes it: the window system reports the
// new size, whatever minimum the window asked for.
void ResizeByWindowSystem(QWidget& window, const QSize& size);

// Replaces the text of a line edit, editable combo box, memo or spin box as typed key by key
// (a memo takes the text at once, as pasted).
void Type(QWidget& root, const char* name, const QString& text);
inline void Type(QWidget& root, const char* name, const char* text) {
    Type(root, name, QString::fromUtf8(text));
}
// Presses Enter in a line edit, editable combo box or spin box, with the box holding the focus in
// its active window: confirms what was typed.
void Confirm(QWidget& root, const char* name);

// Picks the item of a combo box with that text (or at that index), as chosen from its list; or in
// a group of radio buttons or check boxes, the one with that caption (or at that index): a radio
// button is selected, a check box ticked (a ticked one stays ticked).
void Pick(QWidget& root, const char* name, const QString& text);
inline void Pick(QWidget& root, const char* name, const char* text) {
    Pick(root, name, QString::fromUtf8(text));
}
void Pick(QWidget& root, const char* name, int index);

// Sets a date picker's date, as chosen from its calendar.
void PickDate(QWidget& root, const char* name, const QDate& date);

// The lines of a memo (QPlainTextEdit or QTextEdit): an empty memo has none, a final line end
// adds no empty line.
QStringList MemoLines(QWidget& root, const char* name);
// The cells of row `row` of a string grid, in its Cells numbering (fixed rows and columns
// included), from column 0.
QStringList GridRow(QWidget& root, const char* name, int row);
// A label's text.
QString Label(QWidget& root, const char* name);
// The objectName of the page in front of a tab widget.
QString CurrentPage(QWidget& root, const char* tabs);
// What a control shows: a label's, edit's, button's or memo's text, a combo box's current text.
QString Text(QWidget& root, const char* name);

// The control itself, for what the calls above do not cover; fails unless it exists with that type.
[[noreturn]] void FailControl(const char* name, const QString& why);
template <class Control> Control& Find(QWidget& root, const char* name) {
    const QString objectName = QString::fromUtf8(name);
    if (objectName.isEmpty())
        FailControl(name, QStringLiteral("has no name: give the control an objectName"));
    const auto found = root.findChildren<Control*>(objectName);
    if (found.isEmpty()) {
        if (root.findChild<QObject*>(objectName))
            FailControl(name, QStringLiteral("is not a ") +
                                  QString::fromUtf8(Control::staticMetaObject.className()));
        FailControl(name, QStringLiteral("does not exist in ") + root.objectName());
    }
    if (found.size() > 1)
        FailControl(name, QStringLiteral("names %1 controls").arg(found.size()));
    return *found.front();
}

// ---- What a control shows of its state, how it looks, menus, and picking a tab ----
// Like the reading calls above, the reading calls here need the control to exist only, and leave
// the pages as they are.

// Whether a check box, radio button or checkable button is ticked.
bool Ticked(QWidget& root, const char* name);
// Whether the user can act on the control: it and the pages holding it are enabled.
bool Enabled(QWidget& root, const char* name);
// Whether the window shows the control when its page is in front: neither it nor a box holding it
// is hidden (an action: whether it is visible).
bool Visible(QWidget& root, const char* name);
// Whether the control has the keyboard focus of its window.
bool Focused(QWidget& root, const char* name);
// The items a combo box offers, in order.
QStringList Items(QWidget& root, const char* name);
// The rows of a string grid, fixed rows included.
int RowCount(QWidget& root, const char* grid);
// A date picker's date.
QDate PickedDate(QWidget& root, const char* name);
// The font a control shows its text in.
QFont Font(QWidget& root, const char* name);
// A colour of a control: QPalette::WindowText is a label's or button's caption, QPalette::Base the
// background of an edit, memo or combo box, QPalette::Window a panel's background.
QColor Colour(QWidget& root, const char* name, QPalette::ColorRole role);
// The picture a label shows (a null pixmap when it shows none).
QPixmap Picture(QWidget& root, const char* name);
QString ToolTip(QWidget& root, const char* name);
// The captions of the items of a menu or menu bar, or of a control's popup menu, in order.
QStringList MenuItems(QWidget& root, const char* name);
// The key that triggers an action from anywhere in the program.
QKeySequence Shortcut(QWidget& root, const char* name);
// The message a status bar shows.
QString StatusMessage(QWidget& root, const char* name);

// Brings a tab page to the front, as the user picks its tab: the page must be enabled.
void ShowPage(QWidget& root, const char* page);
// Shows a control that the shipped layout hides, to reach what only it does.
void Unhide(QWidget& root, const char* name);

// ---- the keyboard's other ways into a box ----

// Replaces the text of a line edit or editable combo box at once, pasted with Ctrl+V.
void Paste(QWidget& root, const char* name, const QString& text);
inline void Paste(QWidget& root, const char* name, const char* text) {
    Paste(root, name, QString::fromUtf8(text));
}
// Moves the focus from the box to the next control with Tab, as a user leaves a box.
void Leave(QWidget& root, const char* name);
// The names of the boxes a user can type into now (edits, editable combo boxes, spin and date boxes
// that are visible and enabled), in the window's order; unnamed boxes are left out.
QStringList Boxes(QWidget& root);

// ---- Layout and looks

// Whether every column of a string grid is whole in view at the grid's present size: no sideways
// scrolling, every column's right edge inside the view, and no column narrower than its texts.
::testing::AssertionResult ColumnsInView(QWidget& root, const char* name);
// What a label shows on screen: its text, or as much of it as its width holds when it cuts long texts.
QString ShownText(QWidget& root, const char* name);
// The share (0..1) of a control's picture, or of the part `area` of it, painted in `colour`: how a
// control looks, as its user sees it.
double ColourShare(QWidget& root, const char* name, const QColor& colour, const QRect& area = QRect());

// ---- Grid cells

// Clicks a cell of a string grid with the mouse, in its Cells numbering; the cell must be one of the
// grid's own (not a fixed row or column) and is scrolled into view first.
void ClickCell(QWidget& root, const char* grid, int column, int row);
