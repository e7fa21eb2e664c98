// No window shrinks below what its controls need, however the window system resizes it.
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "app/every_window.h"
#include "platform/elided_label.h"

namespace {

bool IsInput(const QWidget& w) {
    return qobject_cast<const QLineEdit*>(&w) || qobject_cast<const QComboBox*>(&w) ||
           qobject_cast<const QAbstractSpinBox*>(&w) || qobject_cast<const QAbstractButton*>(&w);
}

// Where the control stands whole in view: inside the window and inside every panel holding it,
// unless a scrolled area holds it, where scrolling brings it into view.
bool WholeInView(const QWidget& control) {
    QRect place = control.rect();
    for (const QWidget* w = &control; !w->isWindow(); w = w->parentWidget()) {
        const QWidget* holder = w->parentWidget();
        if (holder->parentWidget() && qobject_cast<const QAbstractScrollArea*>(holder->parentWidget()))
            return true;
        place.translate(w->pos());
        if (!holder->rect().contains(place))
            return false;
    }
    return true;
}

// Whether a label shows all its text: wide enough for it on one line, or high enough for it
// wrapped. Labels that cut long texts with "…" on purpose are left out.
bool ShowsWholeText(const QLabel& label) {
    if (qobject_cast<const ElidedLabel*>(&label) || label.text().isEmpty() || !label.pixmap().isNull())
        return true;
    if (label.wordWrap())
        return label.height() >= label.heightForWidth(label.width());
    return label.width() >= label.minimumSizeHint().width();
}

QString Describe(const QWidget& w) {
    if (!w.objectName().isEmpty())
        return w.objectName();
    if (auto* label = qobject_cast<const QLabel*>(&w))
        return QStringLiteral("label \"%1\"").arg(label->text());
    if (auto* button = qobject_cast<const QAbstractButton*>(&w))
        return QStringLiteral("button \"%1\"").arg(button->text());
    return QString::fromUtf8(w.metaObject()->className());
}

// What the window leaves out of view or cut at its present size, each fault reported.
void CheckWhole(QWidget& window, const char* when) {
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisible() || w->window() != &window)
            continue;
        if (IsInput(*w) && !WholeInView(*w))
            ADD_FAILURE() << Describe(*w).toStdString() << " is not whole in view " << when;
        if (auto* label = qobject_cast<QLabel*>(w); label && !ShowsWholeText(*label))
            ADD_FAILURE() << Describe(*w).toStdString() << " is cut " << when;
    }
}

class WindowSizeTest : public EveryWindowTest {};

} // namespace

TEST_F(WindowSizeTest, NoWindowShrinksBelowWhatItsControlsNeed) {
    visitEveryWindow([](QWidget& window) {
        SCOPED_TRACE(window.objectName().toStdString());
        QCoreApplication::processEvents(); // the layout of what the window wrote as it opened
        CheckWhole(window, "at its own size");
        ResizeByWindowSystem(window, QSize(400, 300));
        const QSize least = window.minimumSizeHint().expandedTo(QSize(400, 300));
        EXPECT_EQ(window.width(), least.width());
        EXPECT_EQ(window.height(), least.height());
        CheckWhole(window, "when shrunk");
    });
}

TEST_F(WindowSizeTest, TheMainWindowSaysWholeThatTheFileHoldsNoDraw) {
    app.reset();
    startWith({});
    ASSERT_TRUE(Label(main(), "lb_data2").contains(QStringLiteral("(檔案中沒有開獎資料)")));
    QCoreApplication::processEvents();
    CheckWhole(main(), "with no draw");
}
