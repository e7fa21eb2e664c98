#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
struct Services;
struct DownloadSetting;

// Shows and changes the data server's address kept in FtpServerIp.txt; the agreed address
// "1.1.1.1" switches the record viewer's download off for the rest of the run.
class TForm_rk_FtpServerIP : public QDialog {
    Q_OBJECT
public:
    TForm_rk_FtpServerIP(DownloadSetting& download, Services& services, QWidget* parent = nullptr);

    void FormShow();
    void Button2Click();

    QLabel* Label2;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    QPushButton* Button2;
    QPushButton* BitBtn1;
    QPlainTextEdit* Memo1; // hidden: the address file's lines

protected:
    void showEvent(QShowEvent* event) override;

private:
    DownloadSetting& download_;
    Services& services_;
};
