// Memory held after opening and closing the analysis windows from the main window's menus, as a
// player does, over 50 rounds. Each window is made and shown once before the count starts, so what
// remains is what each further showing keeps. Counters: kB_per_round and MB over all rounds.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <vector>

#include "answering_dialogs.h"
#include "app/application.h"
#include "app/main_window.h"
#include "platform/dialogs.h"
#include "platform/qt_platform.h"

namespace {

constexpr int Rounds = 50;

// The 19 menu items of the analysis windows.
const std::vector<const char*> Items = {
    "N3",       "N12",       "N14",     "N15",        "N19",
    "moving",   "N41",       "N59",     "statistics", "stk_no_interval",
    "gold12",   "simulate",  "stk_3xx", "stk_T3xx",   "NG_tail",
    "NG_group", "linevalue", "one3is",  "one3is_2",
};

// Shows a window, lets it paint, and closes it, as a user glancing at it would.
class GlancingShower final : public WindowShower {
public:
    void showModal(QDialog& window) override {
        QTimer::singleShot(0, &window, [&window] {
            window.repaint();
            QApplication::processEvents();
            window.reject();
        });
        window.exec();
    }
    void showModeless(QWidget& window) override {
        window.show();
        window.repaint();
        QApplication::processEvents();
        window.close();
    }
};

std::size_t HeapInUse() {
    malloc_trim(0);
    return mallinfo2().uordblks;
}

struct Program {
    QTemporaryDir dir;
    AnsweringDialogs dialogs{DialogAnswer::No};
    SystemClock clock;
    QtClipboard clipboard;
    GlancingShower shower;
    QtReportPreview preview;
    std::unique_ptr<Application> app;

    Program() {
        QFile::copy(QStringLiteral(QORVEL_DATA_DIR "/TW539.txt"), dir.filePath(QStringLiteral("TW539.txt")));
        QDir::setCurrent(dir.path());
        app = std::make_unique<Application>(Services{dialogs, clock, clipboard, shower, preview});
        app->start();
    }
    void open(const std::vector<const char*>& items) {
        for (const char* item : items)
            app->windows().get<TForm_rk_main>()->findChild<QAction*>(QString::fromUtf8(item))->trigger();
        // What a closed window hands back for deletion goes when control returns to the main loop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }
};

void ReopenWindows(benchmark::State& state, std::vector<const char*> items) {
    // One program, as a player keeps it running; left to the end of the process, after Qt.
    static Program& program = *new Program;
    for (auto _ : state) {
        program.open(items);
        const std::size_t before = HeapInUse();
        for (int round = 0; round < Rounds; ++round)
            program.open(items);
        const double grown = static_cast<double>(HeapInUse()) - static_cast<double>(before);
        state.counters["kB_per_round"] = grown / Rounds / 1024;
        state.counters["MB"] = grown / (1024 * 1024);
    }
}

const int registered = [] {
    for (const char* item : Items)
        benchmark::RegisterBenchmark((std::string("ReopenWindows/") + item).c_str(), ReopenWindows,
                                     std::vector<const char*>{item})
            ->Iterations(1)
            ->Unit(benchmark::kSecond);
    benchmark::RegisterBenchmark("ReopenWindows/all19", ReopenWindows, Items)
        ->Iterations(1)
        ->Unit(benchmark::kSecond);
    return 0;
}();

} // namespace
