#include "drawhistory/record_viewer_window.h"

#include <QVBoxLayout>

#include "platform/fonts.h"
#include "platform/string_grid.h"

TForm_rk_lotto_record::TForm_rk_lotto_record(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form_rk_lotto_record"));
    setWindowTitle(QStringLiteral("今彩 539"));
    resize(560, 600);
    setFont(MingFont(10));

    sgl = new StringGrid(0, 1, this);
    sgl->setObjectName(QStringLiteral("sgl"));
    sgl->SetColCount(7);
    sgl->SetRowCount(1);
    sgl->setSelectionBehavior(QAbstractItemView::SelectRows);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sgl);
}
