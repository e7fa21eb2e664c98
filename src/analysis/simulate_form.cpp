#include "analysis/simulate_form.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/fonts.h"
#include "platform/form_controls.h"

void SimulateForm::setupUi(QDialog& window) {
    window.setObjectName(QStringLiteral("Form_rk_simulate"));
    window.setWindowTitle(QStringLiteral("模擬開獎"));
    window.setFont(MingFont(12));
    window.resize(335, 161);

    Label2 = NewLabel("Label2", QStringLiteral("正號"), &window);
    Label1 = NewLabel("Label1", QStringLiteral("特別號"), &window);
    for (int k = 1; k <= 7; ++k) {
        auto* box = new QLineEdit(&window);
        box->setObjectName(QStringLiteral("Edit%1").arg(k));
        box->setAlignment(Qt::AlignCenter);
        box->setMinimumWidth(36);
        Edit[k] = box;
    }
    // Only the first number box and the special number take two characters at most.
    Edit[1]->setMaxLength(2);
    Edit[7]->setMaxLength(2);
    BitBtn1 = NewButton("BitBtn1", QStringLiteral("關閉"), &window);
    BitBtn1->setAutoDefault(false); // Enter in a box does not close the window

    auto* layout = new QGridLayout(&window);
    layout->addWidget(Label2, 0, 0, 1, 6, Qt::AlignLeft);
    layout->addWidget(Label1, 0, 6);
    for (int k = 1; k <= 7; ++k)
        layout->addWidget(Edit[k], 1, k - 1);
    layout->setColumnMinimumWidth(6, 48);
    layout->addWidget(BitBtn1, 2, 4, 1, 3, Qt::AlignRight);
}
