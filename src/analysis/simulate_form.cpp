#include "analysis/simulate_form.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/fonts.h"

void SimulateForm::setupUi(QDialog& window) {
    window.setObjectName(QStringLiteral("Form_rk_simulate"));
    window.setWindowTitle(QStringLiteral("模擬開獎"));
    window.setFont(MingFont(12));
    window.resize(335, 161);

    Label2 = new QLabel(QStringLiteral("正號"), &window);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label1 = new QLabel(QStringLiteral("特別號"), &window);
    Label1->setObjectName(QStringLiteral("Label1"));
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
    BitBtn1 = new QPushButton(QStringLiteral("關閉"), &window);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setAutoDefault(false); // Enter in a box does not close the window

    auto* layout = new QGridLayout(&window);
    layout->addWidget(Label2, 0, 0, 1, 6, Qt::AlignLeft);
    layout->addWidget(Label1, 0, 6);
    for (int k = 1; k <= 7; ++k)
        layout->addWidget(Edit[k], 1, k - 1);
    layout->setColumnMinimumWidth(6, 48);
    layout->addWidget(BitBtn1, 2, 4, 1, 3, Qt::AlignRight);
}
