#include "drawhistory/help_window.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "platform/memo_lines.h"

TForm_rk_help::TForm_rk_help(QWidget* parent) : QDialog(parent) {
    ui.setupUi(*this);
    connect(ui.BitBtn1, &QPushButton::clicked, this, &QDialog::close);
}

void TForm_rk_help::showLines(const QStringList& lines) {
    SetMemoLines(*ui.mm, lines);
}
