#pragma once

#include <QDialog>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "drawhistory/download_form.h"
#include "platform/detached_call.h"

class AsyncHttpGet;
struct DrawReadResult;
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

    // 20 s unless a test wants to wait less for a server that never answers.
    void setRequestTimeout(std::chrono::milliseconds timeout) { requestTimeout_ = timeout; }
    // Whether a download has been asked for and not yet answered or dropped.
    bool requestRunning() const;
    // For tests: called on the writing thread at each step of a write of a downloaded file, so that a
    // test can hold the write back there the way a slow disk would, before it has its turn
    // (`Waiting`) or once it has it and is about to write (`Writing`), and know when it is over,
    // made or not (`Ended`). A write that throws does not reach `Ended`.
    enum class WriteStep { Waiting, Writing, Ended };
    using WriteHold = std::function<void(WriteStep step)>;
    void setWriteHold(WriteHold hold) { writeHold_ = std::move(hold); }

signals:
    // The answer to "開始下載" has been dealt with (saved and reported, or reported as failed).
    void downloadFinished();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    struct CheckedBody;
    struct WriteTurns;

    void FormShow();     // on show: the draw file's name
    void Button1Click(); // "開始下載"
    // The server's answer arrived whole. `lengthChecked`: as long as the server said it was.
    void NMHTTP_DLTXTSuccess(std::string body, bool lengthChecked);
    void FormClose(); // on closing: the history reread

    // A body of up to 16 MiB is checked, written and read back off the GUI thread, in two steps
    // with the question about a shorter history between them.
    void requestFinished();
    void bodyChecked(CheckedBody checked);
    void save(std::string file);
    void fileSaved(std::optional<DrawReadResult> readBack);
    void reportWriteFailure(const std::string& error);
    void refuse(const std::string& reason); // told, then the window closes with the file as it was
    void finish();                          // the answer has been dealt with

    DownloadForm ui;
    AsyncHttpGet* NMHTTP_DLTXT; // runs the request off the GUI thread
    DetachedCall processing_{*this};
    // A closed window does not wait for its write: the writes of all its downloads take turns, and
    // one that a later download has overtaken is not made.
    std::shared_ptr<WriteTurns> writeTurns_;
    std::uint64_t downloadsStarted_ = 0;
    WriteHold writeHold_;
    bool historyAdopted_ = false; // the saved file has been read back: the close need not reread it
    const DrawTables& draws_;
    Services& services_;
    WindowLinks& links_;
    const std::string& dataServerUrl_;
    std::chrono::milliseconds requestTimeout_{20000};
};
