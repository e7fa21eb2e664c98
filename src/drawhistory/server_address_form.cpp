#include "drawhistory/server_address_form.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "platform/elided_label.h"
#include "platform/form_controls.h"

namespace {

QLineEdit* AddressBox(const char* name, QWidget* parent) {
    QLineEdit* box = NewEdit(name, QString(), parent);
    box->setMaximumWidth(44);
    return box;
}

} // namespace

void ServerAddressForm::setupUi(QDialog& window) {
    window.setObjectName(QStringLiteral("Form_rk_FtpServerIP"));
    window.setWindowTitle(QStringLiteral("資料下載伺服器位址"));
    window.resize(448, 211);

    Label2 = NewElidedLabel("Label2", &window);
    Label2->setStyleSheet(
        QStringLiteral("background: #004000; color: yellow; font-weight: bold; padding: 2px;"));
    Label2->setMinimumWidth(160);
    Edit1 = AddressBox("Edit1", &window);
    Edit2 = AddressBox("Edit2", &window);
    Edit3 = AddressBox("Edit3", &window);
    Edit4 = AddressBox("Edit4", &window);
    Button2 = NewButton("Button2", QStringLiteral("確定"), &window);
    BitBtn1 = NewButton("BitBtn1", QStringLiteral("離開"), &window);
    Memo1 = Named(new QPlainTextEdit(&window), "Memo1");
    Memo1->setVisible(false);
    QLabel* note =
        NewCaption(QStringLiteral("請注意,本IP位址為開獎資料下載伺服器位置 設定如果錯誤將無法正常下載資料."
                                  "如無變更通知,請勿更改."),
                   &window);
    note->setWordWrap(true);
    note->setStyleSheet(QStringLiteral("color: red;"));

    auto* layout = new QGridLayout(&window);
    layout->addWidget(NewCaption(QStringLiteral("現在資料下載的位址為"), &window), 0, 0);
    layout->addWidget(Label2, 0, 1, 1, 7);
    layout->addWidget(NewCaption(QStringLiteral("新IP位址為"), &window), 1, 0);
    QLineEdit* boxes[] = {Edit1, Edit2, Edit3, Edit4};
    for (int i = 0; i < 4; ++i) {
        layout->addWidget(boxes[i], 1, 1 + 2 * i);
        if (i < 3)
            layout->addWidget(NewCaption(QStringLiteral("."), &window), 1, 2 + 2 * i);
    }
    layout->addWidget(Button2, 1, 8);
    layout->addWidget(note, 2, 0, 1, 8);
    layout->addWidget(BitBtn1, 3, 8);
}
