// The download window's "開始下載" against a server on 127.0.0.1, measured from the click to the end of
// its handling (checked, written, read back, the window closed). Besides the time per download it
// reports the longest gap between two turns of the window's event loop, seen by a 1 ms timer on the
// GUI thread: the time the window could not repaint or answer a click.
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <future>
#include <memory>
#include <string>
#include <utility>

#include "app/application.h"
#include "bench_services.h"
#include "common/date.h"
#include "common/text_file.h"
#include "drawhistory/download_window.h"
#include "draws/shared_tables.h"
#include "platform/qt_platform.h"
#include "support/draw_lines.h"
#include "support/http_test_server.h"

namespace {

using Steady = std::chrono::steady_clock;

// The test HTTP server on a thread of its own, so that serving the body does not count against the
// window's event loop.
class ServerThread {
public:
    explicit ServerThread(const QByteArray& body) {
        std::promise<QString> url;
        thread_.reset(QThread::create([&url, body] {
            HttpTestServer server;
            server.route(QStringLiteral("/HISTORYDATA/TW539.txt"), {200, body, {}, false});
            url.set_value(server.baseUrl());
            QEventLoop loop;
            loop.exec();
        }));
        thread_->start();
        url_ = url.get_future().get().toStdString();
    }
    ~ServerThread() {
        thread_->quit();
        thread_->wait();
    }
    const std::string& url() const { return url_; }

private:
    std::unique_ptr<QThread> thread_;
    std::string url_;
};

// The whole program in a fresh working directory holding `local` (the shipped history unless told),
// its dialogs answering Yes.
struct Program {
    QTemporaryDir dir;
    QString previousDir = QDir::currentPath();
    std::string local;
    BenchServices env{DialogAnswer::Yes};
    std::unique_ptr<Application> app;

    Program(const std::string& serverUrl, std::string localFile) : local(std::move(localFile)) {
        QDir::setCurrent(dir.path());
        resetDrawFile();
        ServerUrls urls;
        urls.drawData = serverUrl;
        app = std::make_unique<Application>(env.services, urls);
        app->start();
    }
    ~Program() {
        app.reset();
        QDir::setCurrent(previousDir);
    }
    void resetDrawFile() { WriteFileBytes("TW539.txt", local); }
};

// One download per iteration; the longest event-loop gap over all of them goes to "max_gap_ms".
void MeasureDownload(benchmark::State& run, const QByteArray& body,
                     std::string local = ReadFileBytes(QORVEL_DATA_DIR "/TW539.txt")) {
    ServerThread server(body);
    Program program(server.url(), std::move(local));
    auto& window = *program.app->windows().get<TForm_Download_TxT_from_http>();
    Steady::duration longestGap{};
    Steady::time_point lastTurn;
    QTimer turns;
    turns.setTimerType(Qt::PreciseTimer);
    QObject::connect(&turns, &QTimer::timeout, [&] {
        const Steady::time_point now = Steady::now();
        longestGap = std::max(longestGap, now - lastTurn);
        lastTurn = now;
    });
    for (auto _ : run) {
        run.PauseTiming();
        program.resetDrawFile();
        window.show();
        QApplication::processEvents();
        QEventLoop handled;
        QObject::connect(&window, &TForm_Download_TxT_from_http::downloadFinished, &handled,
                         &QEventLoop::quit);
        run.ResumeTiming();

        lastTurn = Steady::now();
        turns.start(1);
        window.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        handled.exec();
        longestGap = std::max(longestGap, Steady::now() - lastTurn);
        turns.stop();
    }
    run.counters["max_gap_ms"] = std::chrono::duration<double, std::milli>(longestGap).count();
    run.counters["draws"] = program.app->tables().draws.DrawCount;
}

// The history the server really sends: the shipped file, 5 944 draws, 200 kB.
void ShippedHistory(benchmark::State& run) {
    MeasureDownload(run, QByteArray::fromStdString(ReadFileBytes(QORVEL_DATA_DIR "/TW539.txt")));
}
BENCHMARK(ShippedHistory)->Unit(benchmark::kMillisecond)->Iterations(10);

// The largest body the client takes: 16 MiB of different draws, one a day back from `newest`, so
// that every check passes and the whole body is written and read back.
std::string LargestHistory(long long newest) {
    constexpr std::size_t Cap = 16u * 1024u * 1024u;
    std::string body;
    body.reserve(Cap);
    for (int i = 0; body.size() + 34 <= Cap; ++i)
        body +=
            MakeDrawLine(DateFormat("yyyy/mm/dd", Date::fromDayNumber(newest - i)),
                         std::to_string(100000 + i), {1 + i % 39, 1 + i / 39 % 39, 1 + i / 1521 % 39, 4, 5}) +
            "\r\n";
    return body;
}

// Over the shipped history, whose draws it changes: the question is asked (and answered Yes).
void LargestBody(benchmark::State& run) {
    MeasureDownload(run, QByteArray::fromStdString(LargestHistory(SystemClock().today().dayNumber())));
}
BENCHMARK(LargestBody)->Unit(benchmark::kMillisecond)->Iterations(5);

// Over a local file as large, one day behind: every local draw is compared, none is lost.
void LargestBodyOverLargestFile(benchmark::State& run) {
    const long long today = SystemClock().today().dayNumber();
    std::string local = LargestHistory(today);
    local.erase(0, 34); // the newest draw is the one the download adds
    MeasureDownload(run, QByteArray::fromStdString(LargestHistory(today)), std::move(local));
}
BENCHMARK(LargestBodyOverLargestFile)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
