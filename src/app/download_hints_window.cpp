#include "app/download_hints_window.h"

TForm_rk_dl_remark::TForm_rk_dl_remark(QWidget* parent) : QDialog(parent) {
    ui.setupUi(*this);
}
