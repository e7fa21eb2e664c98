#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <filesystem>
#include <future>
#include <sys/mount.h>
#include <thread>

#include "common/date.h"
#include "common/text_file.h"
#include "drawhistory/app_test_fixture.h"
#include "drawhistory/download_window.h"
#include "platform/net.h"
#include "support/http_test_server.h"
#include "support/silent_server.h"
#include "support/write_block.h"

namespace {

const QString FailureText = QStringLiteral("檔案下載失敗,請檢查網路連線或防火牆(防毒程式)設定");
const QString DoneText = QStringLiteral("下載完成,請等候5-10秒以更新資料");
const QString DrawFilePath = QStringLiteral("/HISTORYDATA/TW539.txt");
// The write's own error, with its cause, follows the fixed text.
QString WriteFailureText(const char* cause) {
    return QStringLiteral("檔案無法寫入,磁碟可能損壞.請執行修復後再試試\n無法寫入檔案 TW539.txt:") +
           QString::fromUtf8(cause);
}

// The server's oldest draw: every whole answer of the server only adds draws to it.
const std::string LocalOld = MakeDrawLine("2026/02/01", "115030", {5, 4, 3, 2, 1});

class DownloadTest : public AppTest {
protected:
    HttpTestServer server;

    void SetUp() override {
        urls.drawData = server.baseUrl().toStdString();
        startWith({LocalOld});
    }

    TForm_Download_TxT_from_http& download() { return *windows().get<TForm_Download_TxT_from_http>(); }

    // A GET of a path on the test server, answered while we wait.
    HttpResponse fetch(const QString& path) {
        AsyncHttpGet get;
        QSignalSpy finished(&get, &AsyncHttpGet::finished);
        get.start(QString(server.baseUrl() + path).toStdString(), std::chrono::seconds(10));
        EXPECT_TRUE(finished.wait(15000));
        return get.response();
    }

    // The server's draw file: three draws, LF line ends, the newest last.
    static QByteArray serverFile() {
        return QByteArray::fromStdString(MakeDrawLine("2026/02/01", "115030", {5, 4, 3, 2, 1}) + "\n" +
                                         MakeDrawLine("2026/02/03", "115031", {11, 12, 13, 14, 15}) + "\n" +
                                         MakeDrawLine("2026/02/04", "115032", {39, 1, 20, 2, 19}) + "\n");
    }

    // Presses "開始下載" and waits until the answer has been dealt with.
    void pressAndWait(TForm_Download_TxT_from_http& d) {
        QSignalSpy handled(&d, &TForm_Download_TxT_from_http::downloadFinished);
        Click(d, "Button1");
        EXPECT_FALSE(Enabled(d, "Button1"));
        ASSERT_TRUE(handled.wait(15000)) << "no answer handled";
    }

    // After a download that was dropped, the next one of the server's whole file is taken.
    void expectNextDownloadTaken() {
        server.route(DrawFilePath, {200, serverFile(), {}, false});
        whenShown<TForm_Download_TxT_from_http>(QStringLiteral("Form_Download_TxT_from_http"),
                                                [&](TForm_Download_TxT_from_http& d) { pressAndWait(d); });
        platform.shower.showModal(download());
        EXPECT_EQ(platform.dialogs.texts(), QStringList{DoneText});
        EXPECT_EQ(state().draws.DrawCount, 3);
    }

    // Opens the download window from the record viewer and downloads once; `duringViewer` runs in
    // the viewer after the download window has closed, `beforeDownload` before it opens.
    void downloadFromViewer(const std::function<void()>& duringViewer = {},
                            const std::function<void()>& beforeDownload = {}) {
        inViewer([&](TForm_rk_lotto_record& v) {
            if (beforeDownload)
                beforeDownload();
            whenShown<TForm_Download_TxT_from_http>(
                QStringLiteral("Form_Download_TxT_from_http"),
                [&](TForm_Download_TxT_from_http& d) { pressAndWait(d); });
            Click(v, "BitBtn2");
            if (duringViewer)
                duringViewer();
        });
    }
};

} // namespace

TEST_F(DownloadTest, GoodFileReplacesTheHistoryAndRefreshesTheOpenViewer) {
    QByteArray body = serverFile();
    server.route(DrawFilePath, {200, body, {}, false});
    state().rules.RuleOkCount = 4;
    downloadFromViewer(
        [&] {
            EXPECT_EQ(GridRow(viewer(), "sgl", 0)[2], QStringLiteral("一落"));
            EXPECT_FALSE(download().isVisible());
            EXPECT_EQ(Label(viewer(), "lb_reclen"), QStringLiteral("開獎資料共 3 期"));
            EXPECT_EQ(gridRow(1), QStringLiteral("2026/02/04 115032 39 01 20 02 19"));
            EXPECT_EQ(state().draws.DrawId[1], "115030"); // split oldest first
            EXPECT_EQ(state().rules.RuleOkCount, 4);      // not the full reload
            EXPECT_TRUE(Enabled(download(), "Button1"));
        },
        [&] { Click(viewer(), "SpeedButton3"); }); // ascending before; the new rows come in drawn order
    EXPECT_EQ(server.requests, QStringList{DrawFilePath});
    EXPECT_EQ(platform.dialogs.texts(), QStringList{DoneText});
    EXPECT_EQ(platform.dialogs.prompts[0].kind, DialogKind::Information);
    body.replace("\n", "\r\n");
    EXPECT_EQ(drawFileBytes(), body.toStdString());
    EXPECT_EQ(Label(main(), "lb_data1"), QStringLiteral("期數:115032"));
    EXPECT_EQ(Label(download(), "Label2"), QStringLiteral("TW539.txt"));
}

TEST_F(DownloadTest, RedirectsAreFollowedUpToFive) {
    server.route(QStringLiteral("/new/TW539.txt"), {200, serverFile(), {}, false});
    server.redirect(DrawFilePath, QStringLiteral("/new/TW539.txt"));
    downloadFromViewer();
    EXPECT_EQ(platform.dialogs.texts(), QStringList{DoneText});
    EXPECT_EQ(state().draws.DrawCount, 3);

    // A chain of six is one too many.
    for (int i = 0; i < 6; ++i)
        server.redirect(i == 0 ? DrawFilePath : QStringLiteral("/hop%1").arg(i),
                        QStringLiteral("/hop%1").arg(i + 1));
    server.route(QStringLiteral("/hop6"), {200, serverFile(), {}, false});
    EXPECT_FALSE(fetch(DrawFilePath).ok);
    server.route(QStringLiteral("/hop5"), {200, serverFile(), {}, false}); // now five hops
    const HttpResponse fiveHops = fetch(DrawFilePath);
    EXPECT_TRUE(fiveHops.ok);
    EXPECT_EQ(fiveHops.body, serverFile().toStdString());
}

TEST_F(DownloadTest, FailuresLeaveTheLocalFileAlone) {
    const std::string before = drawFileBytes();
    // A refused redirect or a time-out is told apart from a dead network.
    const QString tooMany = QStringLiteral("\n(伺服器把下載轉到別的位址,轉址次數太多,程式沒有跟過去)");
    const QString elsewhere = QStringLiteral("\n(伺服器把下載轉到程式不下載的位址,程式沒有跟過去)");
    SilentServer silent; // takes the connection and never answers
    struct Case {
        const char* what;
        std::function<void()> arrange;
        QString message = FailureText;
    };
    const std::vector<Case> cases = {
        // A server that answers at all is named by its status, unlike a dead one.
        {"404", [] {}, FailureText + QStringLiteral("\n(伺服器回應 HTTP 404)")},
        {"HTML page with status 200",
         [&] {
             const std::string page = Utf8ToBig5("<html><body>維護中</body></html>\r\n");
             server.route(DrawFilePath, {200, QByteArray::fromStdString(page), {}, false});
         },
         QStringLiteral("下載的資料第 1 行不是開獎資料,原檔案未變更:\n<html><body>維護中</body></html>")},
        {"empty body",
         [&] {
             server.route(DrawFilePath, {200, {}, {}, false});
         },
         QStringLiteral("下載的資料裡沒有任何開獎資料,原檔案未變更")},
        {"server error with a draw file body",
         [&] {
             server.route(DrawFilePath, {500, serverFile(), {}, false});
         },
         FailureText + QStringLiteral("\n(伺服器回應 HTTP 500)")},
        {"a loop",
         [&] {
             server.redirect(DrawFilePath, QStringLiteral("/loop"));
             server.redirect(QStringLiteral("/loop"), DrawFilePath);
         },
         FailureText + tooMany},
        {"six hops",
         [&] {
             for (int i = 0; i < 6; ++i)
                 server.redirect(i == 0 ? DrawFilePath : QStringLiteral("/hop%1").arg(i),
                                 QStringLiteral("/hop%1").arg(i + 1));
             server.route(QStringLiteral("/hop6"), {200, serverFile(), {}, false});
         },
         FailureText + tooMany},
        {"a local file", [&] { server.redirect(DrawFilePath, QStringLiteral("file:///etc/passwd")); },
         FailureText + elsewhere},
        {"an ftp server", [&] { server.redirect(DrawFilePath, QStringLiteral("ftp://127.0.0.1/TW539.txt")); },
         FailureText + elsewhere},
        {"an https server that never answers",
         [&] {
             server.redirect(DrawFilePath,
                             QStringLiteral("https://127.0.0.1:%1/TW539.txt").arg(silent.port()));
             download().setRequestTimeout(std::chrono::milliseconds(300));
         },
         FailureText + QStringLiteral("\n(伺服器沒有在時限內回應)")},
        {"a body larger than the program takes",
         [&] {
             server.route(DrawFilePath, {200, QByteArray(MaxHttpBodyBytes + 1, '1'), {}, false});
             download().setRequestTimeout(std::chrono::seconds(20)); // time enough for 16 MB
         },
         FailureText + QStringLiteral("\n(伺服器傳來的資料超過 16 MB,大於程式能接受的大小,程式沒有採用)")},
        {"refused connection",
         [&] {
             app->serverUrls().drawData =
                 QStringLiteral("http://127.0.0.1:%1").arg(HttpTestServer::closedPort()).toStdString();
         }},
        {"no answer within the time-out",
         [&] {
             app->serverUrls().drawData = server.baseUrl().toStdString();
             server.route(DrawFilePath, {200, serverFile(), {}, true});
             download().setRequestTimeout(std::chrono::milliseconds(300));
         },
         FailureText + QStringLiteral("\n(伺服器沒有在時限內回應)")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.arrange();
        platform.dialogs.prompts.clear();
        downloadFromViewer([&] {
            EXPECT_FALSE(download().isVisible());
            EXPECT_EQ(Label(viewer(), "lb_reclen"), QStringLiteral("開獎資料共 1 期"));
        });
        ASSERT_EQ(platform.dialogs.texts(), QStringList{c.message});
        EXPECT_EQ(platform.dialogs.prompts[0].kind, DialogKind::Warning);
        EXPECT_EQ(drawFileBytes(), before);
        EXPECT_EQ(state().draws.DrawCount, 1);
    }
}

TEST_F(DownloadTest, FailedSaveKeepsTheWindowOpenAndTheOldFile) {
    server.route(DrawFilePath, {200, serverFile(), {}, false});
    const std::string before = drawFileBytes();
    whenShown<TForm_Download_TxT_from_http>(QStringLiteral("Form_Download_TxT_from_http"),
                                            [&](TForm_Download_TxT_from_http& d) {
                                                {
                                                    WriteBlock block(dir.path());
                                                    pressAndWait(d);
                                                }
                                                EXPECT_TRUE(d.isVisible());
                                                EXPECT_FALSE(Enabled(d, "Button1"));
                                            });
    inViewer([&](TForm_rk_lotto_record& v) { Click(v, "BitBtn2"); });
    EXPECT_EQ(platform.dialogs.texts(), QStringList{WriteFailureText("資料夾不允許寫入")});
    EXPECT_EQ(drawFileBytes(), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("TW539.txt")});
    EXPECT_TRUE(Enabled(download(), "Button1")); // the close enabled it again
}

TEST_F(DownloadTest, ClosingRereadsTheFileEvenWithoutADownload) {
    state().rules.RuleOkCount = 4;
    dir.writeLines(QStringLiteral("TW539.txt"),
                   {LocalOld, MakeDrawLine("2026/02/02", "115002", {6, 7, 8, 9, 10})});
    whenShown<TForm_Download_TxT_from_http>(
        QStringLiteral("Form_Download_TxT_from_http"),
        [](TForm_Download_TxT_from_http&) {}); // opened and closed at once
    inViewer([&](TForm_rk_lotto_record& v) {
        Click(v, "BitBtn2");
        EXPECT_EQ(Label(v, "lb_reclen"), QStringLiteral("開獎資料共 2 期"));
        EXPECT_EQ(GridRow(v, "sgl", 1)[1], QStringLiteral("115002"));
        EXPECT_EQ(state().rules.RuleOkCount, 4);
    });
    EXPECT_TRUE(server.requests.isEmpty());
    EXPECT_TRUE(platform.dialogs.prompts.empty());
}

TEST_F(DownloadTest, WindowStaysClosableWhenTheRereadFails) {
    // The draw file turns into a folder: the reread cannot even create it.
    QFile::remove(dir.file(QStringLiteral("TW539.txt")));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("TW539.txt")));
    whenShown<TForm_Download_TxT_from_http>(QStringLiteral("Form_Download_TxT_from_http"),
                                            [&](TForm_Download_TxT_from_http& d) { d.close(); });
    platform.shower.showModal(download());
    EXPECT_FALSE(download().isVisible());
    EXPECT_TRUE(Enabled(download(), "Button1"));
    ASSERT_EQ(platform.dialogs.prompts.size(), 1u);
    EXPECT_EQ(platform.dialogs.prompts[0].kind, DialogKind::Error);
    EXPECT_TRUE(platform.dialogs.lastText().contains(QStringLiteral("TW539.txt")));
}

TEST_F(DownloadTest, ClosingDuringARequestDropsItAndTheNextOneWorks) {
    server.route(DrawFilePath, {200, serverFile(), {}, true});
    whenShown<TForm_Download_TxT_from_http>(QStringLiteral("Form_Download_TxT_from_http"),
                                            [&](TForm_Download_TxT_from_http& d) {
                                                QSignalSpy asked(&server, &HttpTestServer::requested);
                                                Click(d, "Button1");
                                                ASSERT_TRUE(asked.wait(10000));
                                            }); // the user closes it while the server is silent
    platform.shower.showModal(download());
    EXPECT_FALSE(download().requestRunning());
    EXPECT_TRUE(platform.dialogs.prompts.empty());
    EXPECT_EQ(state().draws.DrawCount, 1);

    expectNextDownloadTaken();
}

TEST_F(DownloadTest, ClosingWhileTheAnswerIsCheckedDropsItAndKeepsTheFile) {
    std::string body;
    for (int i = 0; i < 20000; ++i)
        body += MakeDrawLine(DateFormat("yyyy/mm/dd", Date::fromDayNumber(Date{2026, 12, 7}.dayNumber() - i)),
                             std::to_string(300000 + i), {1, 2, 3, 4, 5}) +
                "\r\n";
    server.route(DrawFilePath, {200, QByteArray::fromStdString(body), {}, false});
    const std::string before = drawFileBytes();
    whenShown<TForm_Download_TxT_from_http>(
        QStringLiteral("Form_Download_TxT_from_http"), [&](TForm_Download_TxT_from_http& d) {
            auto* request = d.findChild<AsyncHttpGet*>(QStringLiteral("NMHTTP_DLTXT"));
            QSignalSpy answered(request, &AsyncHttpGet::finished);
            // The user closes the window as soon as the answer is in, while it is being checked.
            const QMetaObject::Connection closing =
                QObject::connect(request, &AsyncHttpGet::finished, &d, [&d] { d.close(); });
            Click(d, "Button1");
            EXPECT_TRUE(answered.wait(15000));
            QObject::disconnect(closing);
        });
    platform.shower.showModal(download());
    EXPECT_FALSE(download().isVisible());
    EXPECT_TRUE(platform.dialogs.prompts.empty());
    EXPECT_EQ(drawFileBytes(), before);
    EXPECT_EQ(state().draws.DrawCount, 1);

    // A late answer of the dropped check changes nothing; the next download goes through.
    expectNextDownloadTaken();
}

// Holds the first download's write back at one of its steps, as a slow disk would, until released;
// later writes go straight through.
struct HeldFirstWrite {
    using Step = TForm_Download_TxT_from_http::WriteStep;
    struct Gate {
        std::promise<void> release;
        std::promise<void> firstEnded;
        std::atomic<int> writes = 0; // downloads that came to write
    };
    std::shared_ptr<Gate> gate = std::make_shared<Gate>();
    std::future<void> firstEnded = gate->firstEnded.get_future();
    QEventLoop firstHeld;

    explicit HeldFirstWrite(TForm_Download_TxT_from_http& window, Step heldAt = Step::Waiting) {
        std::shared_future<void> released = gate->release.get_future().share();
        window.setWriteHold([gate = gate, released, heldAt, this](Step step) {
            thread_local bool first = false; // each write has a thread of its own
            if (step == Step::Waiting)
                first = gate->writes++ == 0;
            if (!first)
                return;
            if (step == heldAt) {
                QMetaObject::invokeMethod(&firstHeld, &QEventLoop::quit, Qt::QueuedConnection);
                released.wait();
            }
            if (step == Step::Ended)
                gate->firstEnded.set_value();
        });
    }
    // Starts the download and waits until its write is held.
    void startAndHold(TForm_Download_TxT_from_http& d) {
        Click(d, "Button1");
        QTimer::singleShot(15000, &firstHeld, &QEventLoop::quit);
        firstHeld.exec();
        ASSERT_EQ(gate->writes, 1) << "the write was never held";
    }
    // Starts the download and presses Escape while its write is held.
    void escapeDuringTheWrite(TForm_Download_TxT_from_http& d) {
        startAndHold(d);
        QTest::keyClick(&d, Qt::Key_Escape);
        EXPECT_FALSE(d.isVisible());
    }
    void release() { gate->release.set_value(); }
    void releaseAndWait() {
        release();
        waitForTheEnd();
    }
    void waitForTheEnd() {
        ASSERT_EQ(firstEnded.wait_for(std::chrono::seconds(15)), std::future_status::ready);
    }
};

// Downloads the server's whole file and presses Escape while its write is held.
class HeldWriteTest : public DownloadTest {
protected:
    void downloadAndEscapeDuringTheWrite(HeldFirstWrite& held) {
        server.route(DrawFilePath, {200, serverFile(), {}, false});
        whenShown<TForm_Download_TxT_from_http>(
            QStringLiteral("Form_Download_TxT_from_http"),
            [&](TForm_Download_TxT_from_http& d) { held.escapeDuringTheWrite(d); });
        platform.shower.showModal(download());
    }
};

TEST_F(HeldWriteTest, AfterEscapeDuringAWriteTheNextDownloadsAnswerStays) {
    HeldFirstWrite held(download());
    downloadAndEscapeDuringTheWrite(held);
    ASSERT_EQ(held.gate->writes, 1);

    const QByteArray second =
        serverFile() +
        QByteArray::fromStdString(MakeDrawLine("2026/02/05", "115033", {7, 8, 9, 10, 11}) + "\n");
    server.route(DrawFilePath, {200, second, {}, false});
    whenShown<TForm_Download_TxT_from_http>(QStringLiteral("Form_Download_TxT_from_http"),
                                            [&](TForm_Download_TxT_from_http& d) { pressAndWait(d); });
    platform.shower.showModal(download());
    held.releaseAndWait();

    EXPECT_EQ(platform.dialogs.texts(), QStringList{DoneText});
    EXPECT_EQ(drawFileBytes(), QByteArray(second).replace("\n", "\r\n").toStdString());
    EXPECT_EQ(state().draws.DrawCount, 4);
}

TEST_F(HeldWriteTest, EscapeBeforeTheWriteKeepsTheFileTheTablesShow) {
    const std::string before = drawFileBytes();
    HeldFirstWrite held(download());
    downloadAndEscapeDuringTheWrite(held);
    held.releaseAndWait();

    // The write that was waiting when the window closed never lands behind the reread tables.
    EXPECT_EQ(drawFileBytes(), before);
    EXPECT_EQ(state().draws.DrawCount, 1);
    EXPECT_TRUE(platform.dialogs.prompts.empty());
}

TEST_F(HeldWriteTest, EscapeDuringTheWriteWaitsForItAndShowsTheFileItLeaves) {
    HeldFirstWrite held(download(), HeldFirstWrite::Step::Writing);
    server.route(DrawFilePath, {200, serverFile(), {}, false});
    whenShown<TForm_Download_TxT_from_http>(
        QStringLiteral("Form_Download_TxT_from_http"), [&](TForm_Download_TxT_from_http& d) {
            held.startAndHold(d);
            // The write under way ends a moment after Escape, while the close is waiting for it; a close
            // that did not wait would reread the old file before the new one lands.
            std::thread disk([&held] {
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
                held.release();
            });
            QTest::keyClick(&d, Qt::Key_Escape);
            disk.join();
            EXPECT_FALSE(d.isVisible());
        });
    platform.shower.showModal(download());
    held.waitForTheEnd();

    EXPECT_EQ(drawFileBytes(), serverFile().replace("\n", "\r\n").toStdString());
    EXPECT_EQ(state().draws.DrawCount, 3); // the tables show what the file holds
    EXPECT_TRUE(platform.dialogs.prompts.empty());
}

TEST_F(DownloadTest, CutOrMixedBodiesAreRefusedAndTheFileStaysByteForByte) {
    QFile::remove(dir.file(QStringLiteral("TW539.txt")));
    dir.copyData(QStringLiteral("TW539.txt"));
    const std::string before = drawFileBytes();
    const QByteArray real = QByteArray::fromStdString(before);
    struct Case {
        const char* what;
        QByteArray body;
        bool withoutLength;
        QString message;
    };
    const QByteArray html = "<!DOCTYPE html>\r\n<html><body>請稍後再試</body></html>\r\n";
    const std::vector<Case> cases = {
        // The connection closed after 1 000 bytes: 29 whole draws and the start of the 30th.
        {"cut without a length", real.left(1000), true,
         QStringLiteral("下載的資料第 30 行不是開獎資料,原檔案未變更:\n") +
             QString::fromLatin1(real.mid(986, 14))},
        // Cut just after a whole line: every line is a draw, only the missing line end tells.
        {"cut after a whole line", real.left(29 * 34 - 2), true,
         QStringLiteral("下載的資料不完整(最後一行沒有結尾,傳送可能中斷),原檔案未變更")},
        {"a draw, then an error page", real.left(34) + html, false,
         QStringLiteral("下載的資料第 2 行不是開獎資料,原檔案未變更:\n<!DOCTYPE html>")},
        {"an impossible date", "2025/257/1,114311,06,07,08,09,10\r\n", false,
         QStringLiteral("下載的資料第 1 行不是開獎資料,原檔案未變更:\n2025/257/1,114311,06,07,08,09,10")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        server.route(DrawFilePath, {200, c.body, {}, false});
        if (c.withoutLength)
            server.sendWithoutLength(DrawFilePath);
        platform.dialogs.prompts.clear();
        downloadFromViewer([&] { EXPECT_FALSE(download().isVisible()); });
        ASSERT_EQ(platform.dialogs.texts(), QStringList{c.message});
        EXPECT_EQ(platform.dialogs.prompts[0].kind, DialogKind::Warning);
        EXPECT_EQ(drawFileBytes(), before);
    }
}

TEST_F(DownloadTest, ABodyAsLongAsItsDeclaredLengthNeedsNoFinalLineEnd) {
    QByteArray body = serverFile();
    body.chop(1); // the last line without its line end, the length sent with the answer
    server.route(DrawFilePath, {200, body, {}, false});
    downloadFromViewer();
    EXPECT_EQ(platform.dialogs.texts(), QStringList{DoneText});
    EXPECT_EQ(state().draws.DrawCount, 3);
    // Without a length the same body may have been cut: refused, the file kept.
    const std::string before = drawFileBytes();
    server.sendWithoutLength(DrawFilePath);
    platform.dialogs.prompts.clear();
    downloadFromViewer();
    EXPECT_EQ(platform.dialogs.prompts.size(), 1u);
    EXPECT_EQ(platform.dialogs.prompts[0].kind, DialogKind::Warning);
    EXPECT_EQ(drawFileBytes(), before);
}

TEST_F(DownloadTest, FewerDrawsThanTheFileHoldsAreAskedAbout) {
    std::vector<std::string> five;
    for (int d = 1; d <= 5; ++d)
        five.push_back(
            MakeDrawLine("2026/01/0" + std::to_string(d), "11500" + std::to_string(d), {1, 2, 3, 4, d + 5}));
    dir.writeLines(QStringLiteral("TW539.txt"), five);
    const std::string before = drawFileBytes();
    server.route(DrawFilePath, {200, serverFile(), {}, false});
    const QString question =
        QStringLiteral("下載的資料只有 3 期,比目前檔案的 5 期少,確定要取代目前的檔案嗎?\n"
                       "目前檔案的 2026/01/01,115001,01,02,03,04,06\n在下載的資料裡沒有");

    platform.dialogs.answer(DialogAnswer::No);
    downloadFromViewer([&] { EXPECT_EQ(Label(viewer(), "lb_reclen"), QStringLiteral("開獎資料共 5 期")); });
    ASSERT_EQ(platform.dialogs.texts(), QStringList{question});
    EXPECT_EQ(platform.dialogs.prompts[0].buttons, DialogButtons::YesNo);
    EXPECT_EQ(drawFileBytes(), before);

    platform.dialogs.prompts.clear();
    platform.dialogs.answer(DialogAnswer::Yes);
    downloadFromViewer([&] { EXPECT_EQ(Label(viewer(), "lb_reclen"), QStringLiteral("開獎資料共 3 期")); });
    EXPECT_EQ(platform.dialogs.texts(), (QStringList{question, DoneText}));
    EXPECT_EQ(drawFileBytes(), serverFile().replace("\n", "\r\n").toStdString());
}

TEST_F(DownloadTest, ReadOnlyOrLinkedDrawFilesKeepWhatTheyAre) {
    server.route(DrawFilePath, {200, serverFile(), {}, false});
    const QString file = dir.file(QStringLiteral("TW539.txt"));
    const std::string before = drawFileBytes();
    QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    whenShown<TForm_Download_TxT_from_http>(QStringLiteral("Form_Download_TxT_from_http"),
                                            [&](TForm_Download_TxT_from_http& d) { pressAndWait(d); });
    inViewer([&](TForm_rk_lotto_record& v) { Click(v, "BitBtn2"); });
    EXPECT_EQ(platform.dialogs.texts(), QStringList{WriteFailureText("檔案設為唯讀")});
    EXPECT_EQ(drawFileBytes(), before);
    EXPECT_EQ(std::filesystem::status(file.toStdString()).permissions(), std::filesystem::perms(0444));

    // The draw file is a link into another folder: the file it points at gets the download.
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("shared")));
    ASSERT_TRUE(QFile::rename(file, dir.file(QStringLiteral("shared/TW539.txt"))));
    ASSERT_TRUE(QFile::link(QStringLiteral("shared/TW539.txt"), file));
    platform.dialogs.prompts.clear();
    downloadFromViewer();
    EXPECT_EQ(platform.dialogs.texts(), QStringList{DoneText});
    EXPECT_TRUE(QFileInfo(file).isSymLink());
    EXPECT_EQ(ReadFileBytes(dir.file(QStringLiteral("shared/TW539.txt")).toStdString()),
              serverFile().replace("\n", "\r\n").toStdString());
    EXPECT_EQ(state().draws.DrawCount, 3);
}

// A file system of its own, 64 KiB large, mounted on a folder while the test runs, when this process
// may mount one.
class SmallDisk {
public:
    explicit SmallDisk(const QString& folder) : path_(folder.toStdString()) {
        QDir().mkpath(folder);
        mounted_ = ::mount("tmpfs", path_.c_str(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallDisk() {
        if (mounted_)
            ::umount2(path_.c_str(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }

private:
    std::string path_;
    bool mounted_ = false;
};

TEST_F(DownloadTest, AFullDiskIsNamedAndTheFileStaysWhole) {
    SmallDisk disk(dir.file(QStringLiteral("disk")));
    if (!disk.mounted())
        GTEST_SKIP() << "no file system can be mounted here";
    // The draw file lives on the small disk, reached through a link.
    const QString file = dir.file(QStringLiteral("TW539.txt"));
    ASSERT_TRUE(QFile::rename(file, dir.file(QStringLiteral("disk/TW539.txt"))));
    ASSERT_TRUE(QFile::link(QStringLiteral("disk/TW539.txt"), file));
    const std::string before = drawFileBytes();
    // 3000 older draws, 100 KB: more than the disk holds.
    std::string body = LocalOld + "\r\n";
    for (int i = 1; i <= 3000; ++i)
        body += MakeDrawLine(DateFormat("yyyy/mm/dd", Date::fromDayNumber(Date{2026, 2, 1}.dayNumber() - i)),
                             std::to_string(200000 + i), {1 + i % 39, 2, 3, 4, 5}) +
                "\r\n";
    server.route(DrawFilePath, {200, QByteArray::fromStdString(body), {}, false});
    whenShown<TForm_Download_TxT_from_http>(QStringLiteral("Form_Download_TxT_from_http"),
                                            [&](TForm_Download_TxT_from_http& d) { pressAndWait(d); });
    inViewer([&](TForm_rk_lotto_record& v) { Click(v, "BitBtn2"); });
    EXPECT_EQ(platform.dialogs.texts(), QStringList{WriteFailureText("磁碟已滿")});
    EXPECT_EQ(drawFileBytes(), before);
    EXPECT_EQ(QDir(dir.file(QStringLiteral("disk"))).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("TW539.txt")});
    EXPECT_EQ(state().draws.DrawCount, 1);
}

TEST_F(AppTest, StartUpRemovesTemporaryFilesLeftByAKilledSave) {
    // A save of the draw file killed before its rename, by a process long gone.
    const QString stale = QStringLiteral(".~TW539.txt.999999999-3.tmp");
    QFile partial(dir.file(stale));
    ASSERT_TRUE(partial.open(QIODevice::WriteOnly));
    partial.write(QByteArray(4096, 'x'));
    partial.close();
    startWith({LocalOld});
    EXPECT_FALSE(QFile::exists(dir.file(stale)));
    EXPECT_EQ(state().draws.DrawCount, 1);
}
