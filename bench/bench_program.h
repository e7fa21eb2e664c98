#pragma once

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "app/application.h"
#include "app/main_window.h"
#include "bench_services.h"
#include "common/text_file.h"
#include "drawhistory/download_window.h"
#include "draws/shared_tables.h"

// The whole program in a fresh working directory whose draw file holds `history`: every question
// answered `answer`, windows shown by a `Shower`, the draw files fetched from `serverUrl`. Started
// unless told; the working directory is put back when it ends.
template <class Shower> struct BenchProgram {
    QTemporaryDir dir;
    QString previousDir = QDir::currentPath();
    BenchServicesWith<Shower> env;
    std::unique_ptr<Application> app;

    BenchProgram(DialogAnswer answer, const std::string& history,
                 const std::string& serverUrl = ServerUrls{}.drawData, bool started = true)
        : env(answer) {
        QDir::setCurrent(dir.path());
        WriteFileBytes("TW539.txt", history);
        ServerUrls urls;
        urls.drawData = serverUrl;
        app = std::make_unique<Application>(env.services, urls);
        if (started)
            start();
    }
    BenchProgram(const BenchProgram&) = delete;
    BenchProgram& operator=(const BenchProgram&) = delete;
    ~BenchProgram() {
        app.reset();
        QDir::setCurrent(previousDir);
    }
    void start() {
        app->start();
        QApplication::processEvents();
    }
    TForm_rk_main& main() { return *app->windows().get<TForm_rk_main>(); }
};

// The longest event-loop gap while `action` runs (it may turn the loop itself until it is done), seen
// by a 1 ms timer on the GUI thread.
class GapMeter {
public:
    GapMeter() {
        turns_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&turns_, &QTimer::timeout, [this] { turn(); });
    }
    void measure(const std::function<void()>& action) {
        QApplication::processEvents();
        last_ = std::chrono::steady_clock::now();
        turns_.start(1);
        action();
        turn();
        turns_.stop();
    }
    double longestMs() const { return std::chrono::duration<double, std::milli>(longest_).count(); }

private:
    void turn() {
        const std::chrono::steady_clock::time_point now = std::chrono::steady_clock::now();
        longest_ = std::max(longest_, now - last_);
        last_ = now;
    }
    QTimer turns_;
    std::chrono::steady_clock::time_point last_;
    std::chrono::steady_clock::duration longest_{};
};

// One "開始下載" per iteration, `prepare` run untimed before it, timed from the click to the end of
// its handling. Counters: the longest event-loop gap over all of them ("max_gap_ms") and the draws
// loaded at the end.
inline void MeasureDownloads(
    benchmark::State& run, Application& app, const std::function<void()>& prepare = [] {}) {
    auto& window = *app.windows().get<TForm_Download_TxT_from_http>();
    GapMeter meter;
    for (auto _ : run) {
        run.PauseTiming();
        prepare();
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
    run.counters["max_gap_ms"] = meter.longestMs();
    run.counters["draws"] = app.tables().draws.DrawCount;
}
