#pragma once

#include <QObject>
#include <atomic>
#include <chrono>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

// Lets a progress report through when its percentage changed and the last one shown is at least
// `interval` old; the first report and 100 % always pass, so a bar never stops short of full.
class ProgressThrottle {
public:
    using Clock = std::chrono::steady_clock;
    explicit ProgressThrottle(Clock::duration interval = std::chrono::milliseconds(100))
        : interval_(interval) {}
    bool pass(int percent, Clock::time_point now);
    // Cheap to ask first, before reading the clock.
    bool changed(int percent) const { return percent != lastPercent_; }

private:
    Clock::duration interval_;
    std::optional<Clock::time_point> lastShown_;
    int lastPercent_ = -1;
};

// Runs long work on a thread of its own while the window stays live. The work reports progress as
// often as it likes and is never held up by it; the window sees a percentage at most every 100 ms,
// then 100 when the work has returned, then the outcome on the context's thread. requestStop()
// raises the stop flag the work is handed.
class BackgroundWorker {
public:
    using Progress = std::function<void(long long done, long long total)>;
    template <class Result> struct Outcome {
        std::optional<Result> result; // what the work returned, also when it was stopped
        bool stopped = false;         // the stop was asked for before the work returned
        std::exception_ptr error;     // what the work threw
    };
    template <class Result>
    using Task = std::function<Result(const Progress& progress, const std::atomic<bool>& stop)>;

    explicit BackgroundWorker(QObject& context);
    // Raises the stop flag and waits for the thread. Handlers still queued are dropped. Destroy it
    // on the context's thread.
    ~BackgroundWorker();
    BackgroundWorker(const BackgroundWorker&) = delete;
    BackgroundWorker& operator=(const BackgroundWorker&) = delete;

    // From the start until the done handler runs.
    bool running() const { return running_; }

    // Starts nothing and returns false while a run is under way. onProgress may be empty.
    template <class Result>
    bool run(Task<Result> work, std::function<void(int percent)> onProgress,
             std::function<void(Outcome<Result>)> onDone);

    void requestStop() { stop_ = true; }
    bool stopRequested() const { return stop_; }

private:
    struct Sync; // shared with the queued handlers, which may outlive this object
    using TaskDone = std::function<void(std::exception_ptr error, bool stopped)>;

    bool startTask(std::function<void(const Progress&, const std::atomic<bool>&)> work,
                   std::function<void(int percent)> onProgress, TaskDone onDone);
    void postProgress(int percent);

    QObject& context_;
    std::function<void(int percent)> onProgress_;
    std::shared_ptr<Sync> sync_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    bool running_ = false;
};

template <class Result>
bool BackgroundWorker::run(Task<Result> work, std::function<void(int percent)> onProgress,
                           std::function<void(Outcome<Result>)> onDone) {
    // The result waits here between the worker thread and the done handler.
    auto box = std::make_shared<std::optional<Result>>();
    return startTask(
        [work = std::move(work), box](const Progress& progress, const std::atomic<bool>& stop) {
            box->emplace(work(progress, stop));
        },
        std::move(onProgress),
        [box, onDone = std::move(onDone)](std::exception_ptr error, bool stopped) {
            Outcome<Result> outcome;
            outcome.result = std::move(*box);
            outcome.stopped = stopped;
            outcome.error = error;
            onDone(std::move(outcome));
        });
}
