// Every way the program rereads the draw file, clicked in the real windows over the shipped history
// and over a 16 MiB history of distinct valid draws (one a day back to the seventh century). Each
// reports the longest gap between two turns of the window's event loop ("max_gap_ms", seen by a 1 ms
// timer on the GUI thread): the time the window could not repaint or answer a click. The editor's
// open and save hold the whole file as text and are reported the same way.
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>
#include <functional>
#include <memory>

#include "bench_program.h"
#include "common/text_file.h"
#include "drawhistory/download_window.h"
#include "drawhistory/record_viewer_window.h"
#include "draws/daily_history.h"
#include "draws/draw_loader.h"
#include "draws/shared_tables.h"
#include "platform/qt_platform.h"
#include "support/http_test_server.h"

namespace {

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

const std::string& ShippedHistory() {
    static const std::string bytes = ReadFileBytes(QORVEL_DATA_DIR "/TW539.txt");
    return bytes;
}

const std::string& LargeHistory() {
    static const std::string bytes = DailyHistory(SystemClock().today(), 16u * 1024u * 1024u);
    return bytes;
}

// The whole program over `history`, every question answered Yes, nothing listening at the server's
// address unless told.
struct Program : BenchProgram<ScriptedShower> {
    explicit Program(const std::string& history, bool started = true,
                     const std::string& serverUrl = "http://127.0.0.1:1")
        : BenchProgram(DialogAnswer::Yes, history, serverUrl, started) {}
};

void Report(benchmark::State& run, const GapMeter& meter, Program& program) {
    run.counters["max_gap_ms"] = meter.longestMs();
    run.counters["draws"] = program.app->tables().draws.DrawCount;
}

const std::string& History(const benchmark::State& run) {
    return run.range(0) == 0 ? ShippedHistory() : LargeHistory();
}

// The longest history the editor still shows one line to a paragraph: 100 000 draws.
const std::string& EditorHistory(const benchmark::State& run) {
    static const std::string longest = DailyHistory(SystemClock().today(), 100000u * 34u);
    return run.range(0) == 2 ? longest : History(run);
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
    Program program(EditorHistory(run));
    MeasureEach(
        run, program, [] {},
        [&] {
            program.env.shower.next = [&](QDialog&) {
                QApplication::processEvents();
                run.PauseTiming();
            };
            program.main().open(WindowId::Form_RK_stk_txtfile);
            run.ResumeTiming();
        });
}

// "儲存" with the text unchanged: written whole, reloaded, closed (which reloads again).
void EditorSave(benchmark::State& run) {
    Program program(EditorHistory(run));
    QDialog* editor = nullptr;
    MeasureEach(
        run, program,
        [&] {
            program.env.shower.next = [&](QDialog& shown) { editor = &shown; };
            program.main().open(WindowId::Form_RK_stk_txtfile);
            editor->show();
        },
        [&] { editor->findChild<QPushButton*>(QStringLiteral("Button1"))->click(); });
}

// Nothing listens at the server's address.
void FailedDownload(benchmark::State& run) {
    Program program(History(run), true, "http://127.0.0.1:" + std::to_string(HttpTestServer::closedPort()));
    MeasureDownloads(run, *program.app);
}

// The server sends an error page with success status: refused, the file kept and reread.
void RefusedDownload(benchmark::State& run) {
    HttpTestServer server;
    server.route(QStringLiteral("/HISTORYDATA/TW539.txt"), {200, "<html>not here</html>\r\n", {}, false});
    Program program(History(run), true, server.baseUrl().toStdString());
    MeasureDownloads(run, *program.app);
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

// The same read of either history with each kind of line end: 0 CR LF, 1 LF, 2 CR alone.
void ReadDrawFileLineEnds(benchmark::State& run) {
    static const char* const ends[] = {"\r\n", "\n", "\r"};
    std::string file;
    ForEachLine(History(run), [&](std::string_view line) {
        file.append(line).append(ends[run.range(1)]);
        return true;
    });
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("TW539.txt")).toStdString();
    WriteFileBytes(path, file);
    const std::string today = DateFormat("yyyy/mm/dd", SystemClock().today());
    for (auto _ : run)
        run.counters["draws"] = static_cast<double>(ReadDrawFileLines(path, today).lines.size());
}
BENCHMARK(ReadDrawFileLineEnds)
    ->ArgNames({"large", "ends"})
    ->ArgsProduct({{0, 1}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond);

// Argument 0: the shipped history (5 944 draws); 1: the 16 MiB history (493 447 draws); for the
// editor also 2: 100 000 draws.
#define RELOAD_BENCHMARK(name, iterations)                                                                   \
    BENCHMARK(name)->ArgName("large")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(iterations)

RELOAD_BENCHMARK(StartUp, 5);
RELOAD_BENCHMARK(ViewerClose, 5);
RELOAD_BENCHMARK(GameSwitchBack, 5);
RELOAD_BENCHMARK(EditorOpen, 3)->Arg(2);
RELOAD_BENCHMARK(EditorSave, 3)->Arg(2);
RELOAD_BENCHMARK(FailedDownload, 5);
RELOAD_BENCHMARK(RefusedDownload, 5);
RELOAD_BENCHMARK(EscapeDuringDownload, 5);

} // namespace
