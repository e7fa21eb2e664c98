#include "platform/form_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include "platform/fonts.h"

QLabel* NewCaption(const QString& text, QWidget* parent) {
    return new QLabel(text, parent);
}

QLabel* NewLabel(const char* name, const QString& text, QWidget* parent) {
    return Named(new QLabel(text, parent), name);
}

QPushButton* NewButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = Named(new QPushButton(caption, parent), name);
    // No default button: Enter presses the button that has the focus, and no other.
    button->setAutoDefault(false);
    return button;
}

QToolButton* NewSpeedButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = Named(new QToolButton(parent), name);
    button->setText(caption);
    button->setAutoRaise(true);
    return button;
}

QLineEdit* NewEdit(const char* name, const QString& text, QWidget* parent) {
    return Named(new QLineEdit(text, parent), name);
}

QCheckBox* NewCheckBox(const char* name, const QString& caption, bool checked, QWidget* parent) {
    auto* box = Named(new QCheckBox(caption, parent), name);
    box->setChecked(checked);
    return box;
}

QComboBox* NewEditableCombo(const char* name, const QStringList& items, const QString& text,
                            QWidget* parent) {
    auto* box = Named(new QComboBox(parent), name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    box->setCurrentText(text);
    box->setMinimumContentsLength(4);
    // No completion: its list would open under the box while the player types and swallow the
    // next click or key meant elsewhere, and inline completion would add to the typed text. The
    // items stay in the drop-down.
    box->setCompleter(nullptr);
    return box;
}

QStringList NumberItems(int from, int to) {
    QStringList items;
    for (int i = from; i <= to; ++i)
        items << QString::number(i);
    return items;
}

QPlainTextEdit* NewMemo(const char* name, QWidget* parent, LineWrap wrap) {
    auto* memo = Named(new QPlainTextEdit(parent), name);
    // Tab goes on to the next control, as everywhere else in the window.
    memo->setTabChangesFocus(true);
    if (wrap == LineWrap::NoWrap)
        memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Family only: the point size still comes from the window.
    QFont font;
    font.setFamilies(MemoFont().families());
    font.setStyleHint(QFont::TypeWriter);
    memo->setFont(font);
    return memo;
}

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
    auto* layout = new QHBoxLayout;
    for (QWidget* w : widgets)
        layout->addWidget(w);
    layout->addStretch();
    return layout;
}
