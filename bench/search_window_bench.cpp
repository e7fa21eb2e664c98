// The searches as the user meets them: clicked in the best-pillar window (offscreen), over a
// 2500-line draw memo, until the report stands in Memo2. The subset searches include the hand-over
// to the worker thread and the progress display.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QEventLoop>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

#include "bench_services.h"
#include "common/num_text.h"
#include "common/text_file.h"
#include "draws/shared_tables.h"
#include "pillars/subset_search.h"
#include "pillars/varnholt_window.h"
#include "platform/memo_lines.h"
#include "platform/qt_platform.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "random_draw_memo.h"

namespace {

struct Window {
    SharedTables shared;
    BenchServices env{DialogAnswer::Yes};
    TForm_varnholt form{shared.draws, env.services};

    explicit Window(int selected) {
        form.show();
        SetMemoLines(*control<QPlainTextEdit>("Memo1"), qsList(RandomDrawMemo()));
        for (int n : SpreadSelection(selected))
            control<QCheckBox>(("CB" + NumText(n)).c_str())->setChecked(true);
    }
    // The window's control of that name, as the user finds it on screen.
    template <class Control> Control* control(const char* name) {
        return form.findChild<Control*>(QString::fromUtf8(name));
    }
    void runSubsetSearch(const char* start) {
        QEventLoop loop;
        QObject::connect(&form, &TForm_varnholt::subsetSearchEnded, &loop, &QEventLoop::quit);
        control<QPushButton>(start)->click();
        loop.exec();
    }
};

void SplitSearchClicked(benchmark::State& run, int selected, const char* start) {
    auto window = std::make_unique<Window>(selected); // the draw tables are too large for the stack
    QPushButton* button = window->control<QPushButton>(start);
    for (auto _ : run)
        button->click();
}
BENCHMARK_CAPTURE(SplitSearchClicked, Pairs2222, 8, "Button12")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SplitSearchClicked, Mixed2233, 10, "Button30")->Unit(benchmark::kMillisecond);

void SubsetSearchClicked(benchmark::State& run, int selected, const char* start) {
    QTemporaryDir workDir; // the report file lands in the working directory
    QDir::setCurrent(workDir.path());
    auto window = std::make_unique<Window>(selected);
    for (auto _ : run)
        window->runSubsetSearch(start);
}
BENCHMARK_CAPTURE(SubsetSearchClicked, TwelveOfEight, 12, "Button31")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SubsetSearchClicked, FifteenOfTen, 15, "Button32")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// The same searches called bare, on as many threads as the window uses: what a click should cost.
void SubsetSearchBare(benchmark::State& run, int selected) {
    SplitSearchInput input{{}, RandomDrawMemo(), "最近 2500 期驗證", 0};
    for (int n : SpreadSelection(selected))
        input.selection.push_back(NumText(n));
    for (auto _ : run)
        benchmark::DoNotOptimize(selected == 15 ? Best1510(input, {}) : Best1208(input, {}));
}
BENCHMARK_CAPTURE(SubsetSearchBare, TwelveOfEight, 12)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(SubsetSearchBare, FifteenOfTen, 15)->Unit(benchmark::kMillisecond)->UseRealTime();

// The 15-of-10 search with its report written to its file, as every click must do: what is left of
// a click beyond this is the window's own cost.
void SubsetSearchBareWithReport(benchmark::State& run) {
    QTemporaryDir workDir;
    QDir::setCurrent(workDir.path());
    SplitSearchInput input{{}, RandomDrawMemo(), "最近 2500 期驗證", 0};
    for (int n : SpreadSelection(15))
        input.selection.push_back(NumText(n));
    const DateTime now{};
    for (auto _ : run)
        WriteTextLines(ReportFile1510, Report1510(input, Best1510(input, {}), now, now));
}
BENCHMARK(SubsetSearchBareWithReport)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
