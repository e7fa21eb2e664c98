#include "drawhistory/server_address_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>

#include "common/text_file.h"
#include "drawhistory/server_address.h"
#include "draws/download_setting.h"
#include "platform/box_reaction.h"
#include "platform/dialogs.h"
#include "platform/elided_label.h"
#include "platform/error_handler.h"
#include "platform/memo_lines.h"
#include "platform/qt_text.h"
#include "platform/services.h"

namespace {

QLineEdit* addressBox(const QString& name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaximumWidth(44);
    return box;
}

} // namespace

TForm_rk_FtpServerIP::TForm_rk_FtpServerIP(DownloadSetting& download, Services& services, QWidget* parent)
    : QDialog(parent), download_(download), services_(services) {
    setObjectName(QStringLiteral("Form_rk_FtpServerIP"));
    setWindowTitle(QStringLiteral("資料下載伺服器位址"));
    resize(448, 211);

    Label2 = NewElidedLabel("Label2", this);
    Label2->setStyleSheet(
        QStringLiteral("background: #004000; color: yellow; font-weight: bold; padding: 2px;"));
    Label2->setMinimumWidth(160);
    Edit1 = addressBox(QStringLiteral("Edit1"), this);
    Edit2 = addressBox(QStringLiteral("Edit2"), this);
    Edit3 = addressBox(QStringLiteral("Edit3"), this);
    Edit4 = addressBox(QStringLiteral("Edit4"), this);
    Button2 = new QPushButton(QStringLiteral("確定"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    BitBtn1 = new QPushButton(QStringLiteral("離開"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setVisible(false);
    auto* note =
        new QLabel(QStringLiteral("請注意,本IP位址為開獎資料下載伺服器位置 設定如果錯誤將無法正常下載資料."
                                  "如無變更通知,請勿更改."),
                   this);
    note->setWordWrap(true);
    note->setStyleSheet(QStringLiteral("color: red;"));

    connect(Button2, &QPushButton::clicked, this, Guarded(services_.dialogs, [this] { Button2Click(); }));
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::close);
    KeepEnterInBoxes(*this);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("現在資料下載的位址為"), this), 0, 0);
    layout->addWidget(Label2, 0, 1, 1, 7);
    layout->addWidget(new QLabel(QStringLiteral("新IP位址為"), this), 1, 0);
    QLineEdit* boxes[] = {Edit1, Edit2, Edit3, Edit4};
    for (int i = 0; i < 4; ++i) {
        layout->addWidget(boxes[i], 1, 1 + 2 * i);
        if (i < 3)
            layout->addWidget(new QLabel(QStringLiteral("."), this), 1, 2 + 2 * i);
    }
    layout->addWidget(Button2, 1, 8);
    layout->addWidget(note, 2, 0, 1, 8);
    layout->addWidget(BitBtn1, 3, 8);
}

void TForm_rk_FtpServerIP::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        RunGuarded(services_.dialogs, [this] { FormShow(); });
}

// A missing or empty address file is the normal state before the first save.
void TForm_rk_FtpServerIP::FormShow() {
    const std::vector<std::string> lines =
        FileExists(ServerAddressFileName) ? ReadTextLines(ServerAddressFileName) : std::vector<std::string>();
    SetMemoLines(*Memo1, qsList(lines));
    Label2->setText(lines.empty() ? QString() : qs(lines.front()));
}

void TForm_rk_FtpServerIP::Button2Click() {
    const std::optional<std::string> address =
        JoinServerAddress({ss(Edit1->text()), ss(Edit2->text()), ss(Edit3->text()), ss(Edit4->text())});
    if (!address) {
        services_.dialogs.messageDialog(QStringLiteral("資料有空白錯誤"), DialogKind::Error,
                                        DialogButtons::Ok);
        return;
    }
    if (services_.dialogs.messageDialog(QStringLiteral("請確定新的IP為 ") + qs(*address), DialogKind::Warning,
                                        DialogButtons::YesNo) != DialogAnswer::Yes)
        return;
    Memo1->setPlainText(qs(*address));
    // A failed save throws here: the error is shown and nothing is reported as set.
    WriteTextLines(ServerAddressFileName, {*address});
    services_.dialogs.messageDialog(QStringLiteral("新IP設定完成"), DialogKind::Confirmation,
                                    DialogButtons::Ok);
    FormShow();
    download_.DownloadEnabled = DownloadAllowedFor(*address);
}
