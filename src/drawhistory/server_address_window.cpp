#include "drawhistory/server_address_window.h"

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

TForm_rk_FtpServerIP::TForm_rk_FtpServerIP(DownloadSetting& download, Services& services, QWidget* parent)
    : QDialog(parent), download_(download), services_(services) {
    ui.setupUi(*this);
    connect(ui.Button2, &QPushButton::clicked, this, Guarded(services_.dialogs, [this] { Button2Click(); }));
    connect(ui.BitBtn1, &QPushButton::clicked, this, &QDialog::close);
    KeepEnterInBoxes(*this);
}

void TForm_rk_FtpServerIP::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        RunGuarded(services_.dialogs, [this] { FormShow(); });
}

void TForm_rk_FtpServerIP::FormShow() {
    showSavedAddress();
}

// A missing or empty address file is the normal state before the first save.
void TForm_rk_FtpServerIP::showSavedAddress() {
    const std::vector<std::string> lines =
        FileExists(ServerAddressFileName) ? ReadTextLines(ServerAddressFileName) : std::vector<std::string>();
    SetMemoLines(*ui.Memo1, qsList(lines));
    ui.Label2->setText(lines.empty() ? QString() : qs(lines.front()));
}

void TForm_rk_FtpServerIP::Button2Click() {
    const std::optional<std::string> address = JoinServerAddress(
        {ss(ui.Edit1->text()), ss(ui.Edit2->text()), ss(ui.Edit3->text()), ss(ui.Edit4->text())});
    if (!address) {
        services_.dialogs.messageDialog(QStringLiteral("資料有空白錯誤"), DialogKind::Error,
                                        DialogButtons::Ok);
        return;
    }
    if (services_.dialogs.messageDialog(QStringLiteral("請確定新的IP為 ") + qs(*address), DialogKind::Warning,
                                        DialogButtons::YesNo) != DialogAnswer::Yes)
        return;
    ui.Memo1->setPlainText(qs(*address));
    // A failed save throws here: the error is shown and nothing is reported as set.
    WriteTextLines(ServerAddressFileName, {*address});
    services_.dialogs.messageDialog(QStringLiteral("新IP設定完成"), DialogKind::Confirmation,
                                    DialogButtons::Ok);
    showSavedAddress();
    download_.DownloadEnabled = DownloadAllowedFor(*address);
}
