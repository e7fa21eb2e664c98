#include "support/ui_driver.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

#include "platform/click_label.h"
#include "platform/elided_label.h"
#include "platform/memo_lines.h"
#include "platform/string_grid.h"

void FailControl(const char* name, const QString& why) {
    const std::string message = "control \"" + std::string(name) + "\" " + why.toStdString();
    ADD_FAILURE() << message;
    throw ControlError(message);
}

namespace {

QObject& FindAny(QWidget& root, const char* name) {
    const QString objectName = QString::fromUtf8(name);
    if (objectName.isEmpty())
        FailControl(name, QStringLiteral("has no name: give the control an objectName"));
    const auto widgets = root.findChildren<QWidget*>(objectName);
    const auto actions = root.findChildren<QAction*>(objectName);
    if (widgets.size() + actions.size() > 1)
        FailControl(name, QStringLiteral("names %1 controls").arg(widgets.size() + actions.size()));
    if (!widgets.isEmpty())
        return *widgets.front();
    if (!actions.isEmpty())
        return *actions.front();
    FailControl(name, QStringLiteral("does not exist in ") + root.objectName());
}

// Brings every tab page between the control and the window to the front, outermost first.
void ShowPagesOf(QWidget& root, QWidget& control) {
    std::vector<std::pair<QTabWidget*, QWidget*>> pages;
    for (QWidget* w = &control; w && w != &root; w = w->parentWidget()) {
        auto* stack = qobject_cast<QStackedWidget*>(w->parentWidget());
        auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
        if (tabs && tabs->indexOf(w) >= 0)
            pages.emplace_back(tabs, w);
    }
    for (auto page = pages.rbegin(); page != pages.rend(); ++page)
        if (page->first->currentWidget() != page->second)
            page->first->setCurrentWidget(page->second);
}

// The control as the user meets it: its page in front, shown and enabled.
QWidget& Usable(QWidget& root, QWidget& control, const char* name) {
    ShowPagesOf(root, control);
    if (!control.isVisibleTo(&root))
        FailControl(name, QStringLiteral("is not visible"));
    if (!control.isEnabled())
        FailControl(name, QStringLiteral("is not enabled"));
    return control;
}

QWidget& UsableWidget(QWidget& root, const char* name) {
    QObject& found = FindAny(root, name);
    auto* widget = qobject_cast<QWidget*>(&found);
    if (!widget)
        FailControl(name, QStringLiteral("is an action, not a control"));
    return Usable(root, *widget, name);
}

// Types text key by key, as the keyboard delivers it, over the selection; nothing typed deletes it.
void TypeKeys(QWidget& target, const QString& text) {
    if (text.isEmpty())
        QTest::keyClick(&target, Qt::Key_Delete);
    for (const QChar c : text) {
        const char latin = c.toLatin1();
        if (latin >= 0x20 && latin < 0x7f)
            QTest::keyClick(&target, latin);
        else
            QTest::sendKeyEvent(QTest::Click, &target, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

QLineEdit* EditOf(QWidget& control, const char* name) {
    if (auto* edit = qobject_cast<QLineEdit*>(&control))
        return edit;
    if (auto* box = qobject_cast<QComboBox*>(&control)) {
        if (!box->isEditable())
            FailControl(name, QStringLiteral("takes no typing: pick one of its items"));
        return box->lineEdit();
    }
    return nullptr;
}

// The box holding the focus in its active window, as the keyboard reaches it: an editable combo
// box itself, not its edit.
QWidget& FocusedBox(QWidget& control) {
    QWidget* window = control.window();
    if (!window->isActiveWindow())
        QApplication::setActiveWindow(window);
    control.setFocus(Qt::OtherFocusReason);
    QWidget* focused = QApplication::focusWidget();
    return focused ? *focused : control;
}

void PickButton(QAbstractButton& button) {
    if (qobject_cast<QCheckBox*>(&button) && button.isChecked())
        return;
    button.click();
}

void PickComboItem(QComboBox& box, int index) {
    box.setCurrentIndex(index);
    emit box.activated(index);
    emit box.textActivated(box.itemText(index));
}

QList<QAbstractButton*> ChoicesOf(QWidget& group) {
    QList<QAbstractButton*> choices;
    for (QAbstractButton* button : group.findChildren<QAbstractButton*>())
        if (qobject_cast<QRadioButton*>(button) || qobject_cast<QCheckBox*>(button))
            choices << button;
    return choices;
}

QStringList TextLines(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

void Click(QWidget& root, const char* name) {
    QObject& found = FindAny(root, name);
    if (auto* action = qobject_cast<QAction*>(&found)) {
        if (!action->isVisible())
            FailControl(name, QStringLiteral("is not visible"));
        if (!action->isEnabled())
            FailControl(name, QStringLiteral("is not enabled"));
        action->trigger();
        return;
    }
    QWidget& control = Usable(root, static_cast<QWidget&>(found), name);
    if (auto* button = qobject_cast<QAbstractButton*>(&control))
        button->click();
    else if (auto* label = qobject_cast<ClickLabel*>(&control))
        emit label->clicked();
    else
        FailControl(name, QStringLiteral("cannot be clicked (") +
                              QString::fromUtf8(control.metaObject()->className()) + QLatin1Char(')'));
}

void Type(QWidget& root, const char* name, const QString& text) {
    QWidget& control = UsableWidget(root, name);
    if (QLineEdit* edit = EditOf(control, name)) {
        if (edit->isReadOnly())
            FailControl(name, QStringLiteral("is read-only"));
        edit->setFocus();
        edit->selectAll();
        TypeKeys(*edit, text);
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(&control)) {
        if (memo->isReadOnly())
            FailControl(name, QStringLiteral("is read-only"));
        memo->selectAll();
        memo->insertPlainText(text);
    } else if (auto* rich = qobject_cast<QTextEdit*>(&control)) {
        if (rich->isReadOnly())
            FailControl(name, QStringLiteral("is read-only"));
        rich->selectAll();
        rich->insertPlainText(text);
    } else if (auto* spin = qobject_cast<QAbstractSpinBox*>(&control)) {
        if (spin->isReadOnly())
            FailControl(name, QStringLiteral("is read-only"));
        spin->selectAll();
        TypeKeys(*spin, text);
    } else {
        FailControl(name, QStringLiteral("takes no typing"));
    }
}

void Confirm(QWidget& root, const char* name) {
    QWidget& control = UsableWidget(root, name);
    if (!EditOf(control, name) && !qobject_cast<QAbstractSpinBox*>(&control))
        FailControl(name, QStringLiteral("has nothing to confirm"));
    QTest::keyClick(&FocusedBox(control), Qt::Key_Return);
}

void Pick(QWidget& root, const char* name, const QString& text) {
    QWidget& control = UsableWidget(root, name);
    if (auto* box = qobject_cast<QComboBox*>(&control)) {
        const int index = box->findText(text, Qt::MatchExactly);
        if (index < 0)
            FailControl(name, QStringLiteral("has no item \"") + text + QLatin1Char('"'));
        PickComboItem(*box, index);
        return;
    }
    for (QAbstractButton* choice : ChoicesOf(control)) {
        if (choice->text() != text)
            continue;
        if (!choice->isVisibleTo(&root) || !choice->isEnabled())
            FailControl(name, QStringLiteral("cannot pick \"") + text + QStringLiteral("\" now"));
        PickButton(*choice);
        return;
    }
    FailControl(name, QStringLiteral("has no choice \"") + text + QLatin1Char('"'));
}

void Pick(QWidget& root, const char* name, int index) {
    QWidget& control = UsableWidget(root, name);
    if (auto* box = qobject_cast<QComboBox*>(&control)) {
        if (index < 0 || index >= box->count())
            FailControl(name, QStringLiteral("has no item %1 (%2 items)").arg(index).arg(box->count()));
        PickComboItem(*box, index);
        return;
    }
    const QList<QAbstractButton*> choices = ChoicesOf(control);
    if (index < 0 || index >= choices.size())
        FailControl(name, QStringLiteral("has no choice %1 (%2 choices)").arg(index).arg(choices.size()));
    QAbstractButton* choice = choices[index];
    if (!choice->isVisibleTo(&root) || !choice->isEnabled())
        FailControl(name, QStringLiteral("cannot pick choice %1 now").arg(index));
    PickButton(*choice);
}

void PickDate(QWidget& root, const char* name, const QDate& date) {
    auto* picker = qobject_cast<QDateEdit*>(&UsableWidget(root, name));
    if (!picker)
        FailControl(name, QStringLiteral("is not a date picker"));
    picker->setDate(date);
}

QStringList MemoLines(QWidget& root, const char* name) {
    QObject& found = FindAny(root, name);
    if (auto* memo = qobject_cast<QPlainTextEdit*>(&found))
        return MemoLines(*memo);
    if (auto* rich = qobject_cast<QTextEdit*>(&found))
        return TextLines(rich->toPlainText());
    FailControl(name, QStringLiteral("is not a memo"));
}

QStringList GridRow(QWidget& root, const char* name, int row) {
    auto& grid = Find<StringGrid>(root, name);
    if (row < 0 || row >= grid.RowCount())
        FailControl(name, QStringLiteral("has no row %1 (%2 rows)").arg(row).arg(grid.RowCount()));
    QStringList cells;
    for (int c = 0; c < grid.ColCount(); ++c)
        cells << grid.Cells(c, row);
    return cells;
}

QString Label(QWidget& root, const char* name) {
    return Find<QLabel>(root, name).text();
}

QString CurrentPage(QWidget& root, const char* tabs) {
    const QWidget* page = Find<QTabWidget>(root, tabs).currentWidget();
    return page ? page->objectName() : QString();
}

QString Text(QWidget& root, const char* name) {
    QObject& found = FindAny(root, name);
    if (auto* label = qobject_cast<QLabel*>(&found))
        return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(&found))
        return edit->text();
    if (auto* box = qobject_cast<QComboBox*>(&found))
        return box->currentText();
    if (auto* button = qobject_cast<QAbstractButton*>(&found))
        return button->text();
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(&found))
        return spin->text();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(&found))
        return memo->toPlainText();
    if (auto* rich = qobject_cast<QTextEdit*>(&found))
        return rich->toPlainText();
    if (auto* action = qobject_cast<QAction*>(&found))
        return action->text();
    FailControl(name, QStringLiteral("shows no text"));
}

// ---- What a control shows of its state, how it looks, menus, and picking a tab ----

namespace {

// A page of a tab widget: hidden by its tabs when another page is in front, not by the window.
bool IsTabPage(const QWidget& widget) {
    auto* stack = qobject_cast<QStackedWidget*>(widget.parentWidget());
    auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
    return tabs && tabs->indexOf(const_cast<QWidget*>(&widget)) >= 0;
}

} // namespace

bool Ticked(QWidget& root, const char* name) {
    QObject& found = FindAny(root, name);
    if (auto* button = qobject_cast<QAbstractButton*>(&found); button && button->isCheckable())
        return button->isChecked();
    if (auto* action = qobject_cast<QAction*>(&found); action && action->isCheckable())
        return action->isChecked();
    FailControl(name, QStringLiteral("cannot be ticked"));
}

bool Enabled(QWidget& root, const char* name) {
    QObject& found = FindAny(root, name);
    if (auto* action = qobject_cast<QAction*>(&found))
        return action->isEnabled();
    return static_cast<QWidget&>(found).isEnabled();
}

bool Visible(QWidget& root, const char* name) {
    QObject& found = FindAny(root, name);
    if (auto* action = qobject_cast<QAction*>(&found))
        return action->isVisible();
    for (const QWidget* w = static_cast<QWidget*>(&found); w && w != &root; w = w->parentWidget()) {
        if (IsTabPage(*w))
            continue;
        if (w->testAttribute(Qt::WA_WState_ExplicitShowHide) && w->testAttribute(Qt::WA_WState_Hidden))
            return false;
        if (w->isWindow())
            break;
    }
    return true;
}

bool Focused(QWidget& root, const char* name) {
    QObject& found = FindAny(root, name);
    auto* widget = qobject_cast<QWidget*>(&found);
    if (!widget)
        FailControl(name, QStringLiteral("is an action, not a control"));
    return widget->hasFocus();
}

QStringList Items(QWidget& root, const char* name) {
    const auto& box = Find<QComboBox>(root, name);
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items << box.itemText(i);
    return items;
}

int RowCount(QWidget& root, const char* grid) {
    return Find<StringGrid>(root, grid).RowCount();
}

QDate PickedDate(QWidget& root, const char* name) {
    return Find<QDateEdit>(root, name).date();
}

QFont Font(QWidget& root, const char* name) {
    return Find<QWidget>(root, name).font();
}

QColor Colour(QWidget& root, const char* name, QPalette::ColorRole role) {
    return Find<QWidget>(root, name).palette().color(role);
}

QPixmap Picture(QWidget& root, const char* name) {
    return Find<QLabel>(root, name).pixmap();
}

QString ToolTip(QWidget& root, const char* name) {
    return Find<QWidget>(root, name).toolTip();
}

QStringList MenuItems(QWidget& root, const char* name) {
    QStringList captions;
    for (const QAction* item : Find<QWidget>(root, name).actions())
        captions << item->text();
    return captions;
}

QKeySequence Shortcut(QWidget& root, const char* name) {
    const QAction& action = Find<QAction>(root, name);
    if (action.shortcutContext() != Qt::ApplicationShortcut)
        FailControl(name, QStringLiteral("has a key only within its window"));
    return action.shortcut();
}

QString StatusMessage(QWidget& root, const char* name) {
    return Find<QStatusBar>(root, name).currentMessage();
}

void ShowPage(QWidget& root, const char* page) {
    QWidget& found = Find<QWidget>(root, page);
    if (!IsTabPage(found))
        FailControl(page, QStringLiteral("is not a tab page"));
    if (!found.isEnabled())
        FailControl(page, QStringLiteral("is not enabled"));
    Usable(root, found, page);
}

void Unhide(QWidget& root, const char* name) {
    Find<QWidget>(root, name).setVisible(true);
}

// ---- the keyboard's other ways into a box ----

void Paste(QWidget& root, const char* name, const QString& text) {
    QWidget& control = UsableWidget(root, name);
    QLineEdit* edit = EditOf(control, name);
    if (!edit)
        FailControl(name, QStringLiteral("takes no pasting"));
    if (edit->isReadOnly())
        FailControl(name, QStringLiteral("is read-only"));
    QWidget& focused = FocusedBox(control);
    edit->selectAll();
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(&focused, Qt::Key_V, Qt::ControlModifier);
}

void Leave(QWidget& root, const char* name) {
    QWidget& control = UsableWidget(root, name);
    QWidget& focused = FocusedBox(control);
    QTest::keyClick(&focused, Qt::Key_Tab);
    if (focused.hasFocus())
        FailControl(name, QStringLiteral("keeps the focus after Tab"));
}

QStringList Boxes(QWidget& root) {
    QStringList names;
    for (QWidget* w : root.findChildren<QWidget*>()) {
        const bool inner =
            qobject_cast<QComboBox*>(w->parentWidget()) || qobject_cast<QAbstractSpinBox*>(w->parentWidget());
        auto* edit = inner ? nullptr : qobject_cast<QLineEdit*>(w);
        auto* box = qobject_cast<QComboBox*>(w);
        auto* spin = qobject_cast<QAbstractSpinBox*>(w);
        const bool typed =
            (edit && !edit->isReadOnly()) || (box && box->isEditable()) || (spin && !spin->isReadOnly());
        if (typed && !w->objectName().isEmpty() && w->isVisibleTo(&root) && w->isEnabled())
            names << w->objectName();
    }
    return names;
}

// ---- Layout and looks

::testing::AssertionResult ColumnsInView(QWidget& root, const char* name) {
    auto& grid = Find<StringGrid>(root, name);
    const QAbstractItemView& view = grid;
    const int shown = grid.viewport()->width();
    if (grid.horizontalScrollBar()->maximum() > 0)
        return ::testing::AssertionFailure()
               << name << " scrolls sideways by " << grid.horizontalScrollBar()->maximum();
    for (int c = 0; c < grid.model()->columnCount(); ++c) {
        const int right = grid.columnViewportPosition(c) + grid.columnWidth(c);
        if (grid.isColumnHidden(c))
            continue;
        if (right > shown)
            return ::testing::AssertionFailure()
                   << name << " column " << c << " ends at " << right << ", the view at " << shown;
        const QHeaderView& header = *grid.horizontalHeader();
        const int heading =
            header.fontMetrics().horizontalAdvance(grid.model()->headerData(c, Qt::Horizontal).toString()) +
            2 * header.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header);
        const int needed = std::max(view.sizeHintForColumn(c), heading);
        if (grid.columnWidth(c) < needed)
            return ::testing::AssertionFailure() << name << " column " << c << " is " << grid.columnWidth(c)
                                                 << " wide, its texts need " << needed;
    }
    return ::testing::AssertionSuccess();
}

QString ShownText(QWidget& root, const char* name) {
    const auto& label = Find<QLabel>(root, name);
    if (const auto* elided = qobject_cast<const ElidedLabel*>(&label))
        return elided->shownText();
    return label.text();
}

double ColourShare(QWidget& root, const char* name, const QColor& colour, const QRect& area) {
    auto& control = Find<QWidget>(root, name);
    // Taken from the window, so that what shows through the control (its panel's colour) is in it.
    QWidget& window = *control.window();
    const QRect part = area.isNull() ? control.rect() : area;
    const QImage picture = window.grab(QRect(control.mapTo(&window, part.topLeft()), part.size())).toImage();
    qsizetype same = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixelColor(x, y).rgb() == colour.rgb())
                ++same;
    const qsizetype all = qsizetype{picture.width()} * picture.height();
    return all > 0 ? static_cast<double>(same) / static_cast<double>(all) : 0.0;
}

// ---- Grid cells

void ClickCell(QWidget& root, const char* grid, int column, int row) {
    QWidget& control = UsableWidget(root, grid);
    auto* view = qobject_cast<StringGrid*>(&control);
    if (!view)
        FailControl(grid, QStringLiteral("is not a string grid"));
    const QModelIndex index = view->model()->index(row - view->FixedRows(), column - view->FixedCols());
    if (!index.isValid())
        FailControl(grid, QStringLiteral("has no cell %1, %2 of its own").arg(column).arg(row));
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->visualRect(index).center());
}
