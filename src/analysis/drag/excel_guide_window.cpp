#include "analysis/drag/excel_guide_window.h"

#include <QLabel>
#include <QPushButton>

#include "platform/click_label.h"

TForm_img_excel::TForm_img_excel(QWidget* parent) : QDialog(parent) {
    ui.setupUi(*this);
    const ClickLabel* labels[] = {ui.Label1, ui.Label2, ui.Label3, ui.Label4,
                                  ui.Label5, ui.Label6, ui.Label7};
    for (int step = 1; step <= 7; ++step)
        connect(labels[step - 1], &ClickLabel::clicked, this, [this, step] { showStep(step); });
    connect(ui.BitBtn1, &QPushButton::clicked, this, &QDialog::close);
}

void TForm_img_excel::showStep(int step) {
    if (step >= 1 && step <= 7)
        ui.img[0]->setPixmap(ui.img[static_cast<std::size_t>(step)]->pixmap());
}
