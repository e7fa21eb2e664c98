#include "drawhistory/line_sync_form.h"

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "platform/box_value.h"
#include "platform/form_controls.h"

void LineSyncForm::setupUi(QDialog& window) {
    window.setObjectName(QStringLiteral("Form_dl_main"));
    window.setWindowTitle(QStringLiteral("Form_dl_main"));
    window.resize(520, 420);

    edit_host = NewEdit("edit_host", QString(), &window);
    Edit2 = NewEdit("Edit2", QString(), &window);
    Edit_send = NewEdit("Edit_send", QString(), &window);
    Edit4 = NewEdit("Edit4", QStringLiteral("3"), &window);
    Btn_send = NewButton("Btn_send", QStringLiteral("Send"), &window);
    Button2 = NewButton("Button2", QStringLiteral("Clear Memo"), &window);
    Button3 = NewButton("Button3", QStringLiteral("Button3"), &window);
    Memo1 = NewMemo("Memo1", &window);
    Memo1->setReadOnly(true);
    Memo2 = NewMemo("Memo2", &window);
    Memo2->hide();
    Memo3 = NewMemo("Memo3", &window);
    Memo3->hide();
    Label4 = NewLabel("Label4", QString(), &window);
    Label5 = NewLabel("Label5", QString(), &window);
    StatusBar1 = Named(new QStatusBar(&window), "StatusBar1");
    StatusBar1->setSizeGripEnabled(false);

    auto* fields = new QGridLayout;
    fields->addWidget(NewCaption(QStringLiteral("Host: "), &window), 0, 0);
    fields->addWidget(edit_host, 0, 1);
    fields->addWidget(CaptionBox(NewCaption(QStringLiteral("Port: "), &window), *Edit2), 1, 0);
    fields->addWidget(Edit2, 1, 1);
    fields->addWidget(NewCaption(QStringLiteral("Text to Send: "), &window), 2, 0);
    fields->addWidget(Edit_send, 2, 1);
    auto* buttons = Row({Btn_send, Button2, Button3, Edit4, Label4, Label5});
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(6, 6, 6, 0);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->addWidget(Memo1, 1);
    layout->addWidget(Memo2);
    layout->addWidget(Memo3);
    layout->addWidget(StatusBar1);
}
