#include "platform/box_value.h"

#include <QComboBox>
#include <QLineEdit>

#include "common/date.h"
#include "platform/qt_text.h"

int BoxInteger(const QComboBox& box, std::string_view caption) {
    return BoxTextToInt(caption, ss(box.currentText()));
}

int BoxInteger(const QLineEdit& box, std::string_view caption) {
    return BoxTextToInt(caption, ss(box.text()));
}
