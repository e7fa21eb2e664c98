// Every way the program rereads the draw file, clicked in the real windows over the shipped history
// and over a 16 MiB history of distinct valid draws (one a day back to the seventh century). Each
// reports the longest gap between two turns of the window's event loop ("max_gap_ms", seen by a 1 ms
// timer on the GUI thread): the time the window could not repaint or answer a click. The editor's
// open and save hold the whole file as text and are reported the same way.
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <functional>
#include <memory>

#include "answering_dialogs.h"
#include "app/application.h"
#include "app/main_window.h"
#include "common/text_file.h"
#include "drawhistory/download_window.h"
#include "drawhistory/record_viewer_window.h"
#include "draws/daily_history.h"
#include "draws/draw_loader.h"
#include "draws/shared_tables.h"
#include "platform/qt_platform.h"
#include "support/http_test_server.h"

namespace {

using Steady = std::chrono::steady_clock;

// Modal windows are shown without blocking; the action queued for the next one runs while it is up.
class ScriptedShower final : public WindowShower {
public:
    void showModal(QDialog& window) override {
        window.show();
        if (next) {
            auto action = std::move(next);
            next = nullptr;
            action(window);
        }
        if (window.isVisible())
            window.close();
    }
    void showModeless(QWidget& window) override { window.show(); }
    std::function<void(QDialog&)> next;
};

// The longest event-loop gap while `action` runs (it may turn the loop itself until it is done).
class GapMeter {
public:
    GapMeter() {
        turns_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&turns_, &QTimer::timeout, [this] { turn(); });
    }
    void measure(const std::function<void()>& action) {
        QApplication::processEvents();
        last_ = Steady::now();
        turns_.start(1);
        action();
        turn();
        turns_.stop();
    }
    double longestMs() const { return std::chrono::duration<double, std::milli>(longest_).count(); }

private:
    void turn() {
        const Steady::time_point now = Steady::now();
        longest_ = std::max(longest_, now - last_);
        last_ = now;
    }
    QTimer turns_;
    Steady::time_point last_;
    Steady::duration longest_{};
};

const std::string& ShippedHistory() {
    static const std::string bytes = ReadFileBytes(QORVEL_DATA_DIR "/TW539.txt");
    return bytes;
}

const std::string& LargeHistory() {
    static const std::string bytes = DailyHistory(SystemClock().today(), 16u * 1024u * 1024u);
    return bytes;
}

// The whole program in a fresh working directory holding `history`, every question answered Yes.
struct Program {
    QTemporaryDir dir;
    QString previousDir = QDir::currentPath();
    const std::string& history;
    AnsweringDialogs dialogs{DialogAnswer::Yes};
    SystemClock clock;
    QtClipboard clipboard;
    ScriptedShower shower;
    QtReportPreview preview;
    std::unique_ptr<Application> app;

    explicit Program(const std::string& bytes, bool started = true,
                     const std::string& serverUrl = "http://127.0.0.1:1")
        : history(bytes) {
        QDir::setCurrent(dir.path());
        WriteFileBytes("TW539.txt", history);
        ServerUrls urls;
        urls.drawData = serverUrl;
        app = std::make_unique<Application>(Services{dialogs, clock, clipboard, shower, preview}, urls);
        if (started)
            start();
    }
    void start() {
        app->start();
        QApplication::processEvents();
    }
    ~Program() {
        app.reset();
        QDir::setCurrent(previousDir);
    }
    TForm_rk_main& main() { return *app->windows().get<TForm_rk_main>(); }
};

void Report(benchmark::State& run, const GapMeter& meter, Program& program) {
    run.counters["max_gap_ms"] = meter.longestMs();
    run.counters["draws"] = program.app->tables().draws.DrawCount;
}

const std::string& History(const benchmark::State& run) {
    return run.range(0) == 0 ? ShippedHistory() : LargeHistory();
}

// The first load, from showing the main window (the windows already made).
void StartUp(benchmark::State& run) {
    const std::string& history = History(run);
    GapMeter meter;
    std::unique_ptr<Program> program;
    for (auto _ : run) {
        run.PauseTiming();
        program.reset();
        program = std::make_unique<Program>(history, false);
        run.ResumeTiming();
        meter.measure([&] { program->start(); });
    }
    Report(run, meter, *program);
}

// Per iteration: `prepare` untimed, then `action` timed with the event-loop gaps it leaves.
void MeasureEach(benchmark::State& run, Program& program, const std::function<void()>& prepare,
                 const std::function<void()>& action) {
    GapMeter meter;
    for (auto _ : run) {
        run.PauseTiming();
        prepare();
        QApplication::processEvents();
        run.ResumeTiming();
        meter.measure(action);
    }
    Report(run, meter, program);
}

void ViewerClose(benchmark::State& run) {
    Program program(History(run));
    auto& viewer = *program.app->windows().get<TForm_rk_lotto_record>();
    MeasureEach(
        run, program, [&] { viewer.show(); },
        [&] { viewer.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click(); });
}

void GameSwitchBack(benchmark::State& run) {
    Program program(History(run));
    const auto game = [&](const char* name) {
        program.main().findChild<QRadioButton*>(QLatin1String(name))->click();
    };
    MeasureEach(
        run, program, [&] { game("rb_mark6"); }, [&] { game("rb_biglotto"); });
}

// From the main window's "手動輸入" to the editor shown and painted; it is closed unchanged, untimed.
void EditorOpen(benchmark::State& run) {
    Program program(History(run));
    MeasureEach(
        run, program, [] {},
        [&] {
            program.shower.next = [&](QDialog&) {
                QApplication::processEvents();
                run.PauseTiming();
            };
            program.main().open(WindowId::Form_RK_stk_txtfile);
            run.ResumeTiming();
        });
}

// "儲存" with the text unchanged: written whole, reloaded, closed (which reloads again).
void EditorSave(benchmark::State& run) {
    Program program(History(run));
    QDialog* editor = nullptr;
    MeasureEach(
        run, program,
        [&] {
            program.shower.next = [&](QDialog& shown) { editor = &shown; };
            program.main().open(WindowId::Form_RK_stk_txtfile);
            editor->show();
        },
        [&] { editor->findChild<QPushButton*>(QStringLiteral("Button1"))->click(); });
}

// "開始下載" to the end of the download's handling, the window closed and the history reread.
void MeasureDownload(benchmark::State& run, Program& program, GapMeter& meter) {
    auto& window = *program.app->windows().get<TForm_Download_TxT_from_http>();
    for (auto _ : run) {
        run.PauseTiming();
        window.show();
        QApplication::processEvents();
        QEventLoop handled;
        QObject::connect(&window, &TForm_Download_TxT_from_http::downloadFinished, &handled,
                         &QEventLoop::quit);
        run.ResumeTiming();
        meter.measure([&] {
            window.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
            handled.exec();
        });
    }
    Report(run, meter, program);
}

// Nothing listens at the server's address.
void FailedDownload(benchmark::State& run) {
    Program program(History(run), true, "http://127.0.0.1:" + std::to_string(HttpTestServer::closedPort()));
    GapMeter meter;
    MeasureDownload(run, program, meter);
}

// The server sends an error page with success status: refused, the file kept and reread.
void RefusedDownload(benchmark::State& run) {
    HttpTestServer server;
    server.route(QStringLiteral("/HISTORYDATA/TW539.txt"), {200, "<html>not here</html>\r\n", {}, false});
    Program program(History(run), true, server.baseUrl().toStdString());
    GapMeter meter;
    MeasureDownload(run, program, meter);
}

// Escape while the download waits for its answer: the window closes and rereads the file.
void EscapeDuringDownload(benchmark::State& run) {
    HttpTestServer server;
    server.route(QStringLiteral("/HISTORYDATA/TW539.txt"), {200, {}, {}, true});
    Program program(History(run), true, server.baseUrl().toStdString());
    auto& window = *program.app->windows().get<TForm_Download_TxT_from_http>();
    GapMeter meter;
    for (auto _ : run) {
        run.PauseTiming();
        window.show();
        QApplication::processEvents();
        window.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        QApplication::processEvents();
        run.ResumeTiming();
        meter.measure([&] { QTest::keyClick(&window, Qt::Key_Escape); });
    }
    Report(run, meter, program);
}

// The same 16 MiB oldest first: every line is newer than those kept before it.
const std::string& LargeHistoryOldestFirst() {
    static const std::string bytes = [] {
        const std::vector<std::string> lines = SplitLines(LargeHistory());
        std::string file;
        for (auto line = lines.rbegin(); line != lines.rend(); ++line)
            file += *line + "\r\n";
        return file;
    }();
    return bytes;
}

// The one read every reload goes through, without the windows; argument 2: the large history oldest
// first.
void ReadDrawFile(benchmark::State& run) {
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("TW539.txt")).toStdString();
    WriteFileBytes(path, run.range(0) == 2 ? LargeHistoryOldestFirst() : History(run));
    const std::string today = DateFormat("yyyy/mm/dd", SystemClock().today());
    for (auto _ : run)
        benchmark::DoNotOptimize(ReadDrawFileLines(path, today));
}
BENCHMARK(ReadDrawFile)->ArgName("large")->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// Argument 0: the shipped history (5 944 draws); 1: the 16 MiB history (493 447 draws).
#define RELOAD_BENCHMARK(name, iterations)                                                                   \
    BENCHMARK(name)->ArgName("large")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(iterations)

RELOAD_BENCHMARK(StartUp, 5);
RELOAD_BENCHMARK(ViewerClose, 5);
RELOAD_BENCHMARK(GameSwitchBack, 5);
RELOAD_BENCHMARK(EditorOpen, 3);
RELOAD_BENCHMARK(EditorSave, 3);
RELOAD_BENCHMARK(FailedDownload, 5);
RELOAD_BENCHMARK(RefusedDownload, 5);
RELOAD_BENCHMARK(EscapeDuringDownload, 5);

} // namespace
