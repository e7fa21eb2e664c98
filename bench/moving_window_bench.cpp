// The moving-path window as the user meets it, offscreen over 2500 draws, with every box holding a
// 40 000-character typed text: a click must answer at once whatever the boxes hold.
#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QToolButton>
#include <benchmark/benchmark.h>
#include <memory>

#include "analysis/drag/drag_history.h"
#include "analysis/paths/moving_window.h"
#include "bench_services.h"
#include "draws/shared_tables.h"
#include "platform/qt_platform.h"
#include "platform/services.h"
#include "platform/window_links.h"

namespace {

struct Window {
    std::unique_ptr<SharedTables> shared = HistoryOf(RandomDraws(MaxDraws, 29));
    BenchServices env{DialogAnswer::Ok};
    TForm_rk_moving form{shared->draws, shared->work, env.services, env.links};

    Window() {
        form.show();
        QApplication::processEvents();
        const QString longText(40000, QLatin1Char('7'));
        for (QComboBox* box : form.findChildren<QComboBox*>())
            box->setEditText(longText);
        QApplication::processEvents();
    }
    template <class Control> Control& control(const char* name) {
        return *form.findChild<Control*>(QString::fromUtf8(name));
    }
};

// "二中一" and "一中一" in turn, each with its repaint.
void RunCountClick(benchmark::State& run) {
    Window window;
    bool two = true;
    for (auto _ : run) {
        window.control<QRadioButton>(two ? "rb_2to1" : "rb_1to1").click();
        two = !two;
        QApplication::processEvents();
    }
}
BENCHMARK(RunCountClick)->Unit(benchmark::kMillisecond);

// "版路標題": the rule's title into the memo, each with its repaint.
void RuleTitleClick(benchmark::State& run) {
    Window window;
    for (auto _ : run) {
        window.control<QToolButton>("SpeedButton3").click();
        QApplication::processEvents();
    }
    run.counters["memo_chars"] =
        static_cast<double>(window.control<QPlainTextEdit>("Memo1").document()->characterCount());
}
BENCHMARK(RuleTitleClick)->Unit(benchmark::kMillisecond);

// "落球" and "順球" in turn.
void OrderClick(benchmark::State& run) {
    Window window;
    bool sorted = true;
    for (auto _ : run) {
        window.control<QRadioButton>(sorted ? "rb_S" : "rb_L").click();
        sorted = !sorted;
        QApplication::processEvents();
    }
}
BENCHMARK(OrderClick)->Unit(benchmark::kMillisecond);

} // namespace
