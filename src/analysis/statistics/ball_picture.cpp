#include "analysis/statistics/ball_picture.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRadialGradient>
#include <array>

#include "platform/fonts.h"

namespace {

QPixmap Ball(const QColor& colour, const QString& text, int size, const QColor& textColour) {
    const qreal ratio = 2; // drawn at twice the size so it stays smooth on fine screens
    QPixmap picture(static_cast<int>(size * ratio), static_cast<int>(size * ratio));
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF ball(0.5, 0.5, size - 1.0, size - 1.0);
    QRadialGradient shade(ball.center() - QPointF(size * 0.2, size * 0.2), size * 0.7);
    shade.setColorAt(0, colour.lighter(170));
    shade.setColorAt(0.6, colour);
    shade.setColorAt(1, colour.darker(150));
    painter.setPen(QPen(colour.darker(180), 0.8));
    painter.setBrush(shade);
    painter.drawEllipse(ball);

    QFont font = MingFont();
    font.setBold(true);
    font.setPixelSize(qMax(6, size * 11 / 22));
    painter.setFont(font);
    painter.setPen(textColour);
    painter.drawText(ball, Qt::AlignCenter, text);
    return picture;
}

} // namespace

QPixmap BallPicture(int number, int size) {
    static const std::array<QColor, 5> decades = {QColor(0xF2, 0xC0, 0x1E), QColor(0x2F, 0x6F, 0xD8),
                                                  QColor(0xD9, 0x36, 0x2B), QColor(0x2E, 0x9E, 0x4A),
                                                  QColor(0x8E, 0x44, 0xAD)};
    const QColor colour = decades[static_cast<std::size_t>(qBound(0, number / 10, 4))];
    return Ball(colour, QString::number(number).rightJustified(2, QLatin1Char('0')), size,
                number / 10 == 0 ? QColor(Qt::black) : QColor(Qt::white));
}

QPixmap TailPicture(int digit, int size) {
    return Ball(QColor(0xF5, 0xF5, 0xDC), QString::number(digit), size, QColor(0x00, 0x40, 0x00));
}
