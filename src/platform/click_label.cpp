#include "platform/click_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace {

// What a screen reader is told of a ClickLabel: a button named by its caption, pressed as a button
// is.
class ClickLabelAccessible final : public QAccessibleWidget {
public:
    explicit ClickLabelAccessible(ClickLabel& label) : QAccessibleWidget(&label, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        const QString text = QAccessibleWidget::text(kind);
        return kind == QAccessible::Name && text.isEmpty() ? label().text() : text;
    }

    QStringList actionNames() const override {
        return QStringList(pressAction()) << QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction() && label().isEnabled())
            emit label().clicked();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    ClickLabel& label() const { return *static_cast<ClickLabel*>(widget()); }
};

QAccessibleInterface* ClickLabelInterface(const QString& className, QObject* object) {
    auto* label = qobject_cast<ClickLabel*>(object);
    if (!label || className != QLatin1StringView(ClickLabel::staticMetaObject.className()))
        return nullptr;
    return new ClickLabelAccessible(*label);
}

} // namespace

ClickLabel::ClickLabel(QWidget* parent) : ClickLabel(QString(), parent) {}

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    static const bool announcedAsButton = [] {
        QAccessible::installFactory(ClickLabelInterface);
        return true;
    }();
    Q_UNUSED(announcedAsButton);
    setFocusPolicy(Qt::StrongFocus);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void ClickLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (event->modifiers() & ~Qt::KeypadModifier)
            break;
        emit clicked();
        return;
    default:
        break;
    }
    QLabel::keyPressEvent(event);
}

void ClickLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.backgroundColor = palette().color(backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
}
