#include "drawhistory/help_form.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/fonts.h"
#include "platform/form_controls.h"

void HelpForm::setupUi(QDialog& window) {
    window.setObjectName(QStringLiteral("Form_rk_help"));
    window.setWindowTitle(QStringLiteral("操作說明"));
    window.resize(330, 404);

    mm = Named(new QPlainTextEdit(&window), "mm");
    mm->setReadOnly(true);
    QFont font = MingFont();
    font.setPixelSize(16);
    mm->setFont(font);
    mm->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    BitBtn1 = NewButton("BitBtn1", QStringLiteral("關閉"), &window);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(BitBtn1);
    bottom->addStretch();
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->addWidget(mm);
    layout->addLayout(bottom);
}
