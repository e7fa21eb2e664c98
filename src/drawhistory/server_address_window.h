#pragma once

#include <QDialog>

#include "drawhistory/server_address_form.h"

struct Services;
struct DownloadSetting;

// Shows and changes the data server's address kept in FtpServerIp.txt; the agreed address
// "1.1.1.1" switches the record viewer's download off for the rest of the run.
class TForm_rk_FtpServerIP : public QDialog {
    Q_OBJECT
public:
    TForm_rk_FtpServerIP(DownloadSetting& download, Services& services, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();     // on show: the saved address
    void Button2Click(); // "確定": saves the typed address

    void showSavedAddress();

    ServerAddressForm ui;
    DownloadSetting& download_;
    Services& services_;
};
