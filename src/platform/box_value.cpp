#include "platform/box_value.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "common/date.h"
#include "platform/qt_text.h"

QLabel* CaptionBox(QLabel* caption, QWidget& box) {
    caption->setBuddy(&box);
    QString name = caption->text().trimmed();
    if (name.endsWith(QLatin1Char(':')) || name.endsWith(QChar(0xFF1A)))
        name.chop(1);
    box.setAccessibleName(name.remove(QLatin1Char('&')).trimmed());
    return caption;
}

std::string BoxCaption(const QWidget& box) {
    return ss(box.accessibleName());
}

int BoxInteger(const QComboBox& box) {
    return BoxTextToInt(BoxCaption(box), ss(box.currentText()));
}

int BoxInteger(const QLineEdit& box) {
    return BoxTextToInt(BoxCaption(box), ss(box.text()));
}
