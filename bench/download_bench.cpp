// The download window's "開始下載" against a server on 127.0.0.1, measured from the click to the end of
// its handling (checked, written, read back, the window closed). Besides the time per download it
// reports the longest gap between two turns of the window's event loop, seen by a 1 ms timer on the
// GUI thread: the time the window could not repaint or answer a click.
#include <QEventLoop>
#include <QThread>
#include <benchmark/benchmark.h>
#include <future>
#include <memory>
#include <string>
#include <utility>

#include "bench_program.h"
#include "common/date.h"
#include "common/text_file.h"
#include "platform/qt_platform.h"
#include "support/draw_lines.h"
#include "support/http_test_server.h"

namespace {

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

// One download per iteration over a program whose draw file holds `local` (the shipped history
// unless told) before each, its dialogs answering Yes.
void MeasureDownload(benchmark::State& run, const QByteArray& body,
                     std::string local = ReadFileBytes(QORVEL_DATA_DIR "/TW539.txt")) {
    ServerThread server(body);
    BenchProgram<QtWindowShower> program(DialogAnswer::Yes, local, server.url());
    MeasureDownloads(run, *program.app, [&] { WriteFileBytes("TW539.txt", local); });
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
