#include "drawhistory/draw_editor_form.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/fonts.h"
#include "platform/form_controls.h"
#include "platform/widget_colours.h"

void DrawEditorForm::setupUi(QDialog& window) {
    window.setObjectName(QStringLiteral("Form_RK_stk_txtfile"));
    window.resize(379, 540);

    Panel1 = Named(new QWidget(&window), "Panel1");
    SetBackground(*Panel1, Qt::white);

    Image1 = NewLabel("Image1", QString(), Panel1);
    Image1->setScaledContents(true);
    Image1->setFixedSize(110, 60);
    Label1 = NewLabel("Label1", QString(), Panel1);
    QFont titleFont = Label1->font();
    titleFont.setBold(true);
    titleFont.setPointSize(titleFont.pointSize() + 4);
    Label1->setFont(titleFont);
    Label2 = NewLabel("Label2", QStringLiteral("請注意:手動輸入時,格式務必相符(按落球順序)"), Panel1);
    Label2->setStyleSheet(QStringLiteral("color: red;"));
    Label3 = NewLabel("Label3", QStringLiteral("yyyy/mm/dd,xxxxxx,00,00,00,00,00"), Panel1);
    Label4 = NewLabel("Label4", QStringLiteral("(全長32個字元)"), Panel1);
    Button1 = NewButton("Button1", QStringLiteral("儲存"), Panel1);

    Memo1 = Named(new QPlainTextEdit(&window), "Memo1");
    // The lines are comma-separated: Tab goes on to the buttons.
    Memo1->setTabChangesFocus(true);
    QFont kai = KaiFont();
    kai.setPixelSize(19);
    Memo1->setFont(kai);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);

    auto* panelLayout = new QGridLayout(Panel1);
    panelLayout->addWidget(Image1, 0, 0, 2, 1);
    panelLayout->addWidget(Label1, 0, 1);
    panelLayout->addWidget(Button1, 0, 2, Qt::AlignRight);
    panelLayout->addWidget(Label2, 1, 1, 1, 2);
    panelLayout->addWidget(Label3, 2, 0, 1, 2);
    panelLayout->addWidget(Label4, 2, 2);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Panel1);
    layout->addWidget(Memo1, 1);
}
