#include "drawhistory/download_window.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "common/date.h"
#include "common/errors.h"
#include "common/text_file.h"
#include "drawhistory/draw_download.h"
#include "draws/draw_loader.h"
#include "draws/draw_tables.h"
#include "platform/clock.h"
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

// What the first step off the GUI thread hands back.
struct TForm_Download_TxT_from_http::CheckedBody {
    DownloadedDrawFile file;
    int currentDraws = 0; // draws in the file it would replace
};

// What the second step hands back: whether the file was written, and the file as read back.
struct TForm_Download_TxT_from_http::SavedFile {
    bool written = false;
    std::optional<DrawReadResult> readBack; // none when the read failed: the close rereads then
};

void TForm_Download_TxT_from_http::Button1Click() {
    ui.Button1->setEnabled(false);
    historyAdopted_ = false;
    // The request runs on a worker thread; requestFinished picks up its answer.
    NMHTTP_DLTXT->start(DrawFileUrl(dataServerUrl_, draws_.DataFileName), requestTimeout_);
}

void TForm_Download_TxT_from_http::requestFinished() {
    HttpResponse response = NMHTTP_DLTXT->takeResponse();
    if (response.ok)
        NMHTTP_DLTXTSuccess(std::move(response.body), response.lengthDeclared);
    else
        reportFailure(response.status);
}

void TForm_Download_TxT_from_http::reportFailure(long status) {
    services_.dialogs.messageDialog(qs(DownloadFailureMessage(status)), DialogKind::Warning,
                                    DialogButtons::Ok);
    close();
    finish();
}

void TForm_Download_TxT_from_http::NMHTTP_DLTXTSuccess(std::string body, bool lengthChecked) {
    // The body is checked as the bytes it arrived as, never through a text box. An error page, a mixed
    // answer, a cut one or a forged history must not replace the one on disk. The work holds copies of
    // everything it reads.
    processing_.run<CheckedBody>(
        [body = std::make_shared<const std::string>(std::move(body)), today = services_.clock.today(),
         maxNo = draws_.MaxNo, fileName = draws_.DataFileName, lengthChecked](const std::atomic<bool>&) {
            CheckedBody checked{DrawFileFromDownload(*body, today, maxNo, lengthChecked), 0};
            if (checked.file.ok())
                checked.currentDraws = DrawFileDrawCount(fileName, maxNo);
            return checked;
        },
        [this](std::optional<CheckedBody> checked) { bodyChecked(std::move(checked)); });
}

void TForm_Download_TxT_from_http::bodyChecked(std::optional<CheckedBody> checked) {
    if (!checked) { // the check itself failed (out of memory): nothing was written
        reportFailure(0);
        return;
    }
    if (!checked->file.ok()) {
        refuse(DownloadRefusalMessage(checked->file));
        return;
    }
    if (!replacesFewerDrawsAllowed(checked->file.drawCount, checked->currentDraws)) {
        close(); // the file stays as it is
        finish();
        return;
    }
    save(std::move(checked->file.file));
}

void TForm_Download_TxT_from_http::save(std::string file) {
    // Written through a temporary file and a rename: a close or an exit in between leaves the old
    // file or the new one, whole.
    processing_.run<SavedFile>(
        [file = std::make_shared<const std::string>(std::move(file)), fileName = draws_.DataFileName,
         today = DateFormat("yyyy/mm/dd", services_.clock.today()),
         maxNo = draws_.MaxNo](const std::atomic<bool>&) {
            SavedFile saved;
            try {
                WriteFileBytes(fileName, *file);
            } catch (const FileError&) {
                return saved;
            }
            saved.written = true;
            try {
                saved.readBack = ReadDrawFileLines(fileName, today, maxNo);
            } catch (const std::exception&) {
            }
            return saved;
        },
        [this](std::optional<SavedFile> saved) { fileSaved(std::move(saved)); });
}

void TForm_Download_TxT_from_http::fileSaved(std::optional<SavedFile> saved) {
    if (!saved || !saved->written) {
        reportWriteFailure();
        return;
    }
    if (saved->readBack) {
        historyAdopted_ = true;
        RunGuarded(services_.dialogs, [&] { links_.adoptHistory(std::move(*saved->readBack)); });
    }
    services_.dialogs.messageDialog(QStringLiteral("下載完成,請等候5-10秒以更新資料"),
                                    DialogKind::Information, DialogButtons::Ok);
    close();
    finish();
}

void TForm_Download_TxT_from_http::reportWriteFailure() {
    services_.dialogs.messageDialog(QStringLiteral("檔案無法寫入,磁碟可能損壞.請執行修復後再試試"),
                                    DialogKind::Warning, DialogButtons::Ok);
    finish(); // stays open with the button disabled, as after any failed save
}

void TForm_Download_TxT_from_http::refuse(const std::string& reason) {
    services_.dialogs.messageDialog(qs(reason), DialogKind::Warning, DialogButtons::Ok);
    close();
    finish();
}

// A download that would leave fewer draws than the file holds now is asked about first.
bool TForm_Download_TxT_from_http::replacesFewerDrawsAllowed(int downloadedDraws, int currentDraws) {
    return downloadedDraws >= currentDraws ||
           services_.dialogs.messageDialog(qs(FewerDrawsQuestion(downloadedDraws, currentDraws)),
                                           DialogKind::Confirmation,
                                           DialogButtons::YesNo) == DialogAnswer::Yes;
}

void TForm_Download_TxT_from_http::finish() {
    emit downloadFinished();
}

void TForm_Download_TxT_from_http::done(int result) {
    FormClose();
    QDialog::done(result);
}

// Rereads whatever the draw file now holds and shows it in the record viewer, newest first. An
// error is shown and the window closes all the same, so it can never get stuck open.
void TForm_Download_TxT_from_http::FormClose() {
    // A request or a check still running when the user closes is dropped; a write under way ends on
    // its own with the old file or the new one in place.
    NMHTTP_DLTXT->cancel();
    processing_.cancel();
    if (!historyAdopted_)
        RunGuarded(services_.dialogs, [this] { links_.rereadHistory(); });
    historyAdopted_ = false;
    ui.Button1->setEnabled(true);
}
