// The drag window as the user meets it, offscreen over 2500 draws: one period step until the grid,
// its hidden CSV memo and the hand-over are refilled.
#include <QApplication>
#include <QComboBox>
#include <QToolButton>
#include <benchmark/benchmark.h>
#include <memory>

#include "analysis/drag/drag_history.h"
#include "analysis/drag/trace_single_window.h"
#include "bench_services.h"
#include "draws/draw_loader.h"
#include "draws/shared_tables.h"
#include "platform/qt_platform.h"
#include "platform/services.h"
#include "platform/window_links.h"

namespace {

struct Window {
    std::unique_ptr<SharedTables> shared = HistoryOf(RandomDraws(MaxDraws, 23));
    BenchServices env{DialogAnswer::Yes};
    TForm_rk_trace_single form{shared->draws, shared->work, shared->drag, env.services, env.links};

    Window() {
        form.resize(1000, 700);
        form.show();
        QApplication::processEvents();
    }
    // The window's control of that name, as the user meets it.
    template <class Control> Control& control(const char* name) {
        return *form.findChild<Control*>(QString::fromUtf8(name));
    }
};

// Page 0, the newest draw and its first number: 下一期 and 上一期 in turn, each with its repaint.
void SingleNumberStep(benchmark::State& run) {
    Window window;
    bool forward = true;
    for (auto _ : run) {
        window.control<QToolButton>(forward ? "SpeedButton2" : "SpeedButton1").click();
        forward = !forward;
        QApplication::processEvents();
    }
    run.counters["rows"] = window.shared->drag.TraceRowCount;
}
BENCHMARK(SingleNumberStep)->Unit(benchmark::kMillisecond);

// Page 6 with a cycle of one: every draw a row, the largest grid a query makes.
void CycleEveryDrawStep(benchmark::State& run) {
    Window window;
    window.form.showPage(6);
    window.control<QComboBox>("cb_ck").setEditText(QStringLiteral("1"));
    bool forward = true;
    for (auto _ : run) {
        window.control<QToolButton>(forward ? "SpeedButton18" : "SpeedButton19").click();
        forward = !forward;
        QApplication::processEvents();
    }
    run.counters["rows"] = window.shared->drag.TraceRowCount;
}
BENCHMARK(CycleEveryDrawStep)->Unit(benchmark::kMillisecond);

} // namespace
