#include "platform/elided_label.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>
#include <algorithm>

namespace {

// The width a label asks for at most: a short title's.
constexpr int HintCharacters = 40;

} // namespace

QString ElideToWidth(const QString& text, const QFontMetrics& metrics, int width) {
    const QString head = text.size() > width ? text.left(std::max(width, 0)) + QChar(0x2026) : text;
    return metrics.elidedText(head, Qt::ElideRight, width);
}

QString ElidedLabel::shownText() const {
    return ElideToWidth(text(), fontMetrics(), contentsRect().width() - 2 * margin());
}

QSize ElidedLabel::sizeHint() const {
    const QMargins margins = contentsMargins();
    const int width = fontMetrics().horizontalAdvance(text().left(HintCharacters));
    return QSize(width + margins.left() + margins.right() + 2 * margin(),
                 fontMetrics().height() + margins.top() + margins.bottom() + 2 * margin());
}

QSize ElidedLabel::minimumSizeHint() const {
    const QSize hint = sizeHint();
    return QSize(std::min(hint.width(), fontMetrics().averageCharWidth() * 4), hint.height());
}

bool ElidedLabel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        const QString shown = shownText();
        if (shown != text())
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(event);
}

void ElidedLabel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&painter, area, static_cast<int>(alignment()), palette(), isEnabled(), shownText(),
                          foregroundRole());
}

ElidedLabel* NewElidedLabel(const char* name, QWidget* parent) {
    auto* label = new ElidedLabel(parent);
    label->setObjectName(QString::fromUtf8(name));
    return label;
}
