#include "app/download_hints_form.h"

#include <QDialog>

void DownloadHintsForm::setupUi(QDialog& window) {
    window.setObjectName(QStringLiteral("form_rk_dl_remark"));
    window.setWindowTitle(QStringLiteral("下載說明"));
}
