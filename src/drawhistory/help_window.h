#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// The help viewer: a read-only memo over a close button.
class TForm_rk_help : public QDialog {
    Q_OBJECT
public:
    explicit TForm_rk_help(QWidget* parent = nullptr);

    QPlainTextEdit* mm;
    QPushButton* BitBtn1;
};
