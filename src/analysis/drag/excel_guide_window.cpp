#include "analysis/drag/excel_guide_window.h"

#include <QLabel>
#include <QPushButton>

#include "platform/click_label.h"

TForm_img_excel::TForm_img_excel(QWidget* parent) : QDialog(parent) {
    setupUi(*this);
    const ClickLabel* labels[] = {Label1, Label2, Label3, Label4, Label5, Label6, Label7};
    for (int step = 1; step <= 7; ++step)
        connect(labels[step - 1], &ClickLabel::clicked, this, [this, step] { showStep(step); });
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::close);
}

void TForm_img_excel::showStep(int step) {
    if (step >= 1 && step <= 7)
        img[0]->setPixmap(img[static_cast<std::size_t>(step)]->pixmap());
}
