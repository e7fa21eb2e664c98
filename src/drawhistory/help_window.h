#pragma once

#include <QDialog>
#include <QStringList>

#include "drawhistory/help_form.h"

// The help viewer: a read-only memo over a close button.
class TForm_rk_help : public QDialog {
    Q_OBJECT
public:
    explicit TForm_rk_help(QWidget* parent = nullptr);

    // Replaces the text on show by these lines.
    void showLines(const QStringList& lines);

private:
    HelpForm ui;
};
