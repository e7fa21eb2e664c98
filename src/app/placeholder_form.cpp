#include "app/placeholder_form.h"

PlaceholderForm::PlaceholderForm(const QString& objectName, const QString& caption, QWidget* parent)
    : QDialog(parent) {
    setObjectName(objectName);
    setWindowTitle(caption);
}
