#pragma once

#include <QDialog>
#include <QString>

// A window that exists from start-up with its caption while its contents are still to come.
class PlaceholderForm : public QDialog {
    Q_OBJECT
public:
    PlaceholderForm(const QString& objectName, const QString& caption, QWidget* parent = nullptr);
};
