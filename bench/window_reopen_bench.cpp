// Memory held after opening and closing the analysis windows from the main window's menus, as a
// player does, over 50 rounds. Each window is made and shown once before the count starts, so what
// remains is what each further showing keeps. Counters: kB_per_round and MB over all rounds.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <vector>

#include "bench_program.h"
#include "common/text_file.h"
#include "platform/dialogs.h"

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

// The whole program over the shipped history, every question answered No.
struct Program : BenchProgram<GlancingShower> {
    Program() : BenchProgram(DialogAnswer::No, ReadFileBytes(QORVEL_DATA_DIR "/TW539.txt")) {}
    void open(const std::vector<const char*>& items) {
        for (const char* item : items)
            main().findChild<QAction*>(QString::fromUtf8(item))->trigger();
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
