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
#include "platform/form_controls.h"
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
    sgmap->SetHeadingColours(QColor(0xFF, 0xFF, 0xE0), QColor());

    Label1 = NewLabel("Label1", QStringLiteral("最長間隔"), &window);
    Label2 = NewLabel("Label2", QStringLiteral("---"), &window);
    cb_no = NewEditableCombo("cb_no", {}, QStringLiteral("01"), &window);
    cb_no->setStyleSheet(QStringLiteral("QComboBox { color: red; }"));
    cb_no->setMinimumWidth(60);
    Label3 = NewLabel("Label3", QStringLiteral("分析"), &window);
    Label4 = Named(new ClickLabel(QStringLiteral("全部號碼"), &window), "Label4");
    Label4->setCursor(Qt::PointingHandCursor);
    Label4->setStyleSheet(QStringLiteral("color: blue; text-decoration: underline;"));
    Memo1 = NewMemo("Memo1", &window, LineWrap::NoWrap);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Button3 = NewButton("Button3", QStringLiteral("清除"), &window);
    Button3->setAutoDefault(false); // Enter in the number box confirms the number only
    Button1 = NewButton("Button1", QString(), &window);
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
