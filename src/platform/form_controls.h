#pragma once

#include <QString>
#include <QStringList>
#include <initializer_list>

class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class QWidget;

// Every window has one shape. Its form, `<Name>Form` in `<name>_form.{h,cpp}`, is a struct that
// creates, names and lays out the controls in `setupUi(window)`, as uic-generated code does, and
// holds no data and no behaviour. The window class derives from QDialog (QMainWindow for the main
// window), holds its form as the member `ui` (private; protected in a base that several windows
// share), calls `ui.setupUi(*this)` in its constructor and connects the controls to its handlers.
// Windows that look alike share one form. Other code asks a window through named methods, never
// through its `ui`.
//
// The pieces below are what a form's setupUi builds its controls from. Every control a handler or a
// test reaches gets its member name as objectName; captions that nothing reaches stay unnamed.

// Gives the control its name and hands it back, for building and naming in one expression.
template <class Control> Control* Named(Control* control, const char* name) {
    control->setObjectName(QString::fromUtf8(name));
    return control;
}

// A caption nothing refers to.
QLabel* NewCaption(const QString& text, QWidget* parent);
QLabel* NewLabel(const char* name, const QString& text, QWidget* parent);
// A push button that is never its window's default: Enter presses only the button with the focus.
QPushButton* NewButton(const char* name, const QString& caption, QWidget* parent);
// A flat tool button, raised under the mouse, as the classic speed buttons look.
QToolButton* NewSpeedButton(const char* name, const QString& caption, QWidget* parent);
QLineEdit* NewEdit(const char* name, const QString& text, QWidget* parent);
QCheckBox* NewCheckBox(const char* name, const QString& caption, bool checked, QWidget* parent);

// An editable drop-down list: the user picks an item or types a value; typing adds no item.
QComboBox* NewEditableCombo(const char* name, const QStringList& items, const QString& text, QWidget* parent);
// The items "from".."to" in decimal.
QStringList NumberItems(int from, int to);

enum class LineWrap { Wrap, NoWrap };
// A multi-line text box; report memos keep their lines unwrapped so their columns line up.
QPlainTextEdit* NewMemo(const char* name, QWidget* parent, LineWrap wrap = LineWrap::Wrap);

// The widgets side by side from the left, the rest of the row left empty.
QHBoxLayout* Row(std::initializer_list<QWidget*> widgets);
