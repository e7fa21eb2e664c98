#include "analysis/gap_form.h"

#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/click_label.h"
#include "platform/fonts.h"
#include "platform/string_grid.h"

void GapForm::setupUi(QDialog& window) {
    window.setObjectName(QStringLiteral("Form_rk_no_interval"));
    window.setWindowTitle(QStringLiteral("號碼開出間隔分析"));
    window.setFont(MingFont(9));
    window.resize(1000, 700);
    window.setWindowState(Qt::WindowMaximized);

    sgmap = new StringGrid(1, 1, &window);
    sgmap->setObjectName(QStringLiteral("sgmap"));
    sgmap->horizontalHeader()->setDefaultSectionSize(24);
    sgmap->horizontalHeader()->setMinimumSectionSize(16);
    sgmap->verticalHeader()->setDefaultSectionSize(18);
    sgmap->verticalHeader()->setMinimumSectionSize(12);
    sgmap->setStyleSheet(QStringLiteral("QHeaderView::section { background: #FFFFE0; }"));

    Label1 = new QLabel(QStringLiteral("最長間隔"), &window);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(QStringLiteral("---"), &window);
    Label2->setObjectName(QStringLiteral("Label2"));
    cb_no = new QComboBox(&window);
    cb_no->setObjectName(QStringLiteral("cb_no"));
    cb_no->setEditable(true);
    cb_no->setInsertPolicy(QComboBox::NoInsert);
    cb_no->setStyleSheet(QStringLiteral("QComboBox { color: red; }"));
    cb_no->setMinimumWidth(60);
    Label3 = new QLabel(QStringLiteral("分析"), &window);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label4 = new ClickLabel(QStringLiteral("全部號碼"), &window);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setCursor(Qt::PointingHandCursor);
    Label4->setStyleSheet(QStringLiteral("color: blue; text-decoration: underline;"));
    Memo1 = new QPlainTextEdit(&window);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Button3 = new QPushButton(QStringLiteral("清除"), &window);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setAutoDefault(false); // Enter in the number box confirms the number only
    Button1 = new QPushButton(&window);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    Button1->setVisible(false);

    auto* longest = new QHBoxLayout;
    longest->addWidget(Label1);
    longest->addWidget(Label2, 1);
    auto* chooser = new QHBoxLayout;
    chooser->addWidget(cb_no);
    chooser->addWidget(Label3);
    chooser->addWidget(Label4);
    chooser->addStretch();
    chooser->addWidget(Button3);
    auto* side = new QVBoxLayout;
    side->addLayout(longest);
    side->addLayout(chooser);
    side->addWidget(Memo1, 1);
    auto* layout = new QHBoxLayout(&window);
    layout->addWidget(sgmap, 3);
    layout->addLayout(side, 2);
}
