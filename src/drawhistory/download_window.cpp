#include "drawhistory/download_window.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "common/errors.h"
#include "common/text_file.h"
#include "drawhistory/draw_download.h"
#include "draws/draw_tables.h"
#include "platform/dialogs.h"
#include "platform/error_handler.h"
#include "platform/net.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "platform/window_links.h"

TForm_Download_TxT_from_http::TForm_Download_TxT_from_http(const DrawTables& draws, Services& services,
                                                           WindowLinks& links,
                                                           const std::string& dataServerUrl, QWidget* parent)
    : QDialog(parent), draws_(draws), services_(services), links_(links), dataServerUrl_(dataServerUrl) {
    ui.setupUi(*this);
    NMHTTP_DLTXT = new AsyncHttpGet(this);
    NMHTTP_DLTXT->setObjectName(QStringLiteral("NMHTTP_DLTXT"));

    connect(ui.Button1, &QPushButton::clicked, this, Guarded(services_.dialogs, [this] { Button1Click(); }));
    connect(NMHTTP_DLTXT, &AsyncHttpGet::finished, this, [this] { requestFinished(); });
}

TForm_Download_TxT_from_http::~TForm_Download_TxT_from_http() = default;

bool TForm_Download_TxT_from_http::requestRunning() const {
    return NMHTTP_DLTXT->running();
}

void TForm_Download_TxT_from_http::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm_Download_TxT_from_http::FormShow() {
    ui.Label2->setText(qs(draws_.DataFileName));
}

void TForm_Download_TxT_from_http::Button1Click() {
    ui.Button1->setEnabled(false);
    // The request runs on a worker thread; requestFinished picks up its answer.
    NMHTTP_DLTXT->start(DrawFileUrl(dataServerUrl_, draws_.DataFileName), requestTimeout_);
}

void TForm_Download_TxT_from_http::requestFinished() {
    const HttpResponse& response = NMHTTP_DLTXT->response();
    if (response.ok)
        NMHTTP_DLTXTSuccess(response.body, response.lengthDeclared);
    else
        reportFailure();
    emit downloadFinished();
}

void TForm_Download_TxT_from_http::reportFailure() {
    services_.dialogs.messageDialog(QStringLiteral("檔案下載失敗,請檢查網路連線或防火牆(防毒程式)設定"),
                                    DialogKind::Warning, DialogButtons::Ok);
    close();
}

void TForm_Download_TxT_from_http::NMHTTP_DLTXTSuccess(const std::string& body, bool lengthChecked) {
    // The body is checked as the bytes it arrived as: a text box would hold the GUI thread for
    // seconds with a large one. An error page, a mixed answer or a cut one must not replace the history. The
    // client refuses a body shorter than its declared length but does not say whether one was declared, so
    // the body must also end in a line end.
    const DownloadedDrawFile checked = DrawFileFromDownload(body, draws_.MaxNo, lengthChecked);
    if (!checked.ok()) {
        refuse(DownloadRefusalMessage(checked));
        return;
    }
    if (!replacesFewerDrawsAllowed(checked.drawCount)) {
        close(); // the file stays as it is
        return;
    }
    try {
        WriteFileBytes(draws_.DataFileName, checked.file);
    } catch (const FileError&) {
        services_.dialogs.messageDialog(QStringLiteral("檔案無法寫入,磁碟可能損壞.請執行修復後再試試"),
                                        DialogKind::Warning, DialogButtons::Ok);
        return; // stays open with the button disabled, as after any failed save
    }
    services_.dialogs.messageDialog(QStringLiteral("下載完成,請等候5-10秒以更新資料"),
                                    DialogKind::Information, DialogButtons::Ok);
    close();
}

void TForm_Download_TxT_from_http::refuse(const std::string& reason) {
    services_.dialogs.messageDialog(qs(reason), DialogKind::Warning, DialogButtons::Ok);
    close();
}

// A download that would leave fewer draws than the file holds now is asked about first.
bool TForm_Download_TxT_from_http::replacesFewerDrawsAllowed(int downloadedDraws) {
    int currentDraws = 0;
    try {
        if (FileExists(draws_.DataFileName))
            currentDraws = DrawLineCount(SplitLines(ReadFileBytes(draws_.DataFileName)), draws_.MaxNo);
    } catch (const FileError&) {
        // An unreadable file holds nothing to lose; the write tells whether it can be replaced.
    }
    return downloadedDraws >= currentDraws ||
           services_.dialogs.messageDialog(qs(FewerDrawsQuestion(downloadedDraws, currentDraws)),
                                           DialogKind::Confirmation,
                                           DialogButtons::YesNo) == DialogAnswer::Yes;
}

void TForm_Download_TxT_from_http::done(int result) {
    FormClose();
    QDialog::done(result);
}

// Rereads whatever the draw file now holds and shows it in the record viewer, newest first. An
// error is shown and the window closes all the same, so it can never get stuck open.
void TForm_Download_TxT_from_http::FormClose() {
    NMHTTP_DLTXT->cancel(); // a request still running when the user closes is dropped
    RunGuarded(services_.dialogs, [this] { links_.rereadHistory(); });
    ui.Button1->setEnabled(true);
}
