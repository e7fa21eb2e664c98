#include "drawhistory/download_window.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <map>
#include <mutex>

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

// What the first step off the GUI thread hands back.
struct TForm_Download_TxT_from_http::CheckedBody {
    DownloadedDrawFile file;
    std::string question; // asked before the file may replace the current one; empty when nothing is lost
};

struct TForm_Download_TxT_from_http::WriteTurns {
    std::mutex mutex;
    std::map<std::string, std::uint64_t> newestWritten; // file name -> the latest download written to it
};

TForm_Download_TxT_from_http::TForm_Download_TxT_from_http(const DrawTables& draws, Services& services,
                                                           WindowLinks& links,
                                                           const std::string& dataServerUrl, QWidget* parent)
    : QDialog(parent), writeTurns_(std::make_shared<WriteTurns>()), draws_(draws), services_(services),
      links_(links), dataServerUrl_(dataServerUrl) {
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
    historyAdopted_ = false;
    ++downloadsStarted_;
    // The request runs on a worker thread; requestFinished picks up its answer.
    NMHTTP_DLTXT->start(DrawFileUrl(dataServerUrl_, draws_.DataFileName), requestTimeout_);
}

void TForm_Download_TxT_from_http::requestFinished() {
    HttpResponse response = NMHTTP_DLTXT->takeResponse();
    if (response.ok)
        NMHTTP_DLTXTSuccess(std::move(response.body), response.lengthDeclared);
    else
        refuse(DownloadFailureMessage(response.failure, response.status));
}

void TForm_Download_TxT_from_http::NMHTTP_DLTXTSuccess(std::string body, bool lengthChecked) {
    // The body is checked as the bytes it arrived as, never through a text box. An error page, a mixed
    // answer, a cut one or a forged history must not replace the one on disk, nor may one that drops
    // or changes a draw of it without asking. The work holds copies of everything it reads.
    processing_.run<CheckedBody>(
        [body = std::make_shared<const std::string>(std::move(body)), today = services_.clock.today(),
         maxNo = draws_.MaxNo, fileName = draws_.DataFileName, lengthChecked](const std::atomic<bool>&) {
            CheckedBody checked{DrawFileFromDownload(*body, today, maxNo, lengthChecked), {}};
            if (checked.file.ok()) {
                const std::string current = FileExists(fileName) ? ReadFileBytes(fileName) : std::string();
                checked.question = ReplacementQuestion(
                    CompareWithCurrent(current, checked.file, today, maxNo), checked.file.drawCount);
            }
            return checked;
        },
        [this](CheckedBody checked) { bodyChecked(std::move(checked)); },
        [this](const std::string& error) { refuse(DownloadCheckFailureMessage(error)); });
}

void TForm_Download_TxT_from_http::bodyChecked(CheckedBody checked) {
    if (!checked.file.ok()) {
        refuse(DownloadRefusalMessage(checked.file));
        return;
    }
    if (!checked.question.empty() &&
        services_.dialogs.messageDialog(qs(checked.question), DialogKind::Confirmation,
                                        DialogButtons::YesNo) != DialogAnswer::Yes) {
        close(); // the file stays as it is
        finish();
        return;
    }
    save(std::move(checked.file.file));
}

void TForm_Download_TxT_from_http::save(std::string file) {
    // Written through a temporary file and a rename: a close or an exit in between leaves the old
    // file or the new one, whole.
    processing_.run<std::optional<DrawReadResult>>(
        [file = std::make_shared<const std::string>(std::move(file)), fileName = draws_.DataFileName,
         today = DateFormat("yyyy/mm/dd", services_.clock.today()), maxNo = draws_.MaxNo, turns = writeTurns_,
         download = downloadsStarted_,
         hold = writeHold_](const std::atomic<bool>& cancel) -> std::optional<DrawReadResult> {
            const auto step = [&hold](WriteStep reached) {
                if (hold)
                    hold(reached);
            };
            const bool written = [&] {
                step(WriteStep::Waiting);
                std::lock_guard turn(turns->mutex);
                if (cancel)
                    return false; // closed before the write began: the file stays as the window left it
                std::uint64_t& newest = turns->newestWritten[fileName];
                if (newest > download)
                    return false; // a later download has written its answer, which stays
                step(WriteStep::Writing);
                WriteFileBytes(fileName, *file);
                newest = download;
                return true;
            }();
            step(WriteStep::Ended);
            if (!written)
                return std::nullopt;
            try {
                return ReadDrawFileLines(fileName, today, maxNo);
            } catch (const std::exception&) {
                return std::nullopt; // the close rereads
            }
        },
        [this](std::optional<DrawReadResult> readBack) { fileSaved(std::move(readBack)); },
        [this](const std::string& error) { reportWriteFailure(error); });
}

void TForm_Download_TxT_from_http::fileSaved(std::optional<DrawReadResult> readBack) {
    if (readBack) {
        historyAdopted_ = true;
        RunGuarded(services_.dialogs, [&] { links_.adoptHistory(std::move(*readBack)); });
    }
    services_.dialogs.messageDialog(QStringLiteral("下載完成,請等候5-10秒以更新資料"),
                                    DialogKind::Information, DialogButtons::Ok);
    close();
    finish();
}

void TForm_Download_TxT_from_http::reportWriteFailure(const std::string& error) {
    services_.dialogs.messageDialog(qs(DownloadWriteFailureMessage(error)), DialogKind::Warning,
                                    DialogButtons::Ok);
    finish(); // stays open with the button disabled, as after any failed save
}

void TForm_Download_TxT_from_http::refuse(const std::string& reason) {
    services_.dialogs.messageDialog(qs(reason), DialogKind::Warning, DialogButtons::Ok);
    close();
    finish();
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
    // A request or a check still running when the user closes is dropped, and so is a write not yet
    // begun. A write under way is waited for, so the reread below shows the file it leaves: the
    // history never changes on disk behind the tables.
    NMHTTP_DLTXT->cancel();
    processing_.cancel();
    { const std::lock_guard waitForWrite(writeTurns_->mutex); }
    if (!historyAdopted_)
        RunGuarded(services_.dialogs, [this] { links_.rereadHistory(); });
    historyAdopted_ = false;
    ui.Button1->setEnabled(true);
}
