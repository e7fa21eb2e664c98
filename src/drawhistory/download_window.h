#pragma once

#include <QDialog>
#include <chrono>
#include <string>

class AsyncHttpGet;
class QLabel;
class QPlainTextEdit;
class QPushButton;
struct Services;
struct DrawTables;
class WindowLinks;

// Replaces the draw file by the current one from the data server, then rereads it for the record
// viewer (without the full reload, so the path-rule settings stay).
class TForm_Download_TxT_from_http : public QDialog {
    Q_OBJECT
public:
    // `dataServerUrl` is read at each download, so a changed address counts from the next one.
    TForm_Download_TxT_from_http(const DrawTables& draws, Services& services, WindowLinks& links,
                                 const std::string& dataServerUrl, QWidget* parent = nullptr);
    ~TForm_Download_TxT_from_http() override;

    void FormShow();
    void Button1Click();
    // `lengthChecked`: the whole body arrived as long as the server said it was.
    void NMHTTP_DLTXTSuccess(const std::string& body, bool lengthChecked = false);
    void FormClose();

    // 20 s unless a test wants to wait less for a server that never answers.
    void setRequestTimeout(std::chrono::milliseconds timeout) { requestTimeout_ = timeout; }

    QLabel* Image1;
    QLabel* Label1;
    QLabel* Label2;
    QPushButton* Button1;
    QPlainTextEdit* Memo_txt; // hidden; the body is checked and stored without it
    AsyncHttpGet* NMHTTP_DLTXT;

signals:
    // The answer to "開始下載" has been dealt with (saved and reported, or reported as failed).
    void downloadFinished();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void requestFinished();
    void reportFailure();
    void refuse(const std::string& reason);
    bool replacesFewerDrawsAllowed(int downloadedDraws);

    const DrawTables& draws_;
    Services& services_;
    WindowLinks& links_;
    const std::string& dataServerUrl_;
    std::chrono::milliseconds requestTimeout_{20000};
};
