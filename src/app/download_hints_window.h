#pragma once

#include <QDialog>

#include "app/download_hints_form.h"

// The download hints: made at start-up and never shown.
class TForm_rk_dl_remark : public QDialog {
    Q_OBJECT
public:
    explicit TForm_rk_dl_remark(QWidget* parent = nullptr);

private:
    DownloadHintsForm ui;
};
