#include "drawhistory/help_window.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/fonts.h"

TForm_rk_help::TForm_rk_help(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form_rk_help"));
    setWindowTitle(QStringLiteral("操作說明"));
    resize(330, 404);

    mm = new QPlainTextEdit(this);
    mm->setObjectName(QStringLiteral("mm"));
    mm->setReadOnly(true);
    QFont font = MingFont();
    font.setPixelSize(16);
    mm->setFont(font);
    mm->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    BitBtn1 = new QPushButton(QStringLiteral("關閉"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::close);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(BitBtn1);
    bottom->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->addWidget(mm);
    layout->addLayout(bottom);
}
