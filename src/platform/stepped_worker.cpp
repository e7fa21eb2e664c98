#include "platform/stepped_worker.h"

#include <QMetaObject>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <stdexcept>

bool ProgressThrottle::pass(int percent, Clock::time_point now) {
    if (percent == lastPercent_)
        return false;
    if (percent < 100 && lastShown_ && now - *lastShown_ < interval_)
        return false;
    lastShown_ = now;
    lastPercent_ = percent;
    return true;
}

struct SteppedWorker::Sync {
    std::mutex mutex;
    std::condition_variable handled;
    long long stepsPosted = 0;
    std::atomic<long long> stepsHandled = 0;
    bool abandoned = false; // the worker object is gone or going

    bool isAbandoned() {
        std::lock_guard lock(mutex);
        return abandoned;
    }
};

SteppedWorker::SteppedWorker(QObject& context) : context_(context), sync_(std::make_shared<Sync>()) {}

SteppedWorker::~SteppedWorker() {
    stop_ = true;
    {
        std::lock_guard lock(sync_->mutex);
        sync_->abandoned = true;
    }
    sync_->handled.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void SteppedWorker::claim() {
    if (running_)
        throw std::logic_error("a run is already under way");
    running_ = true;
    stop_ = false;
}

void SteppedWorker::start(Work work, Step onStep, Done onDone) {
    claim();
    onStep_ = std::move(onStep);
    thread_ = std::thread([this, work = std::move(work), onDone = std::move(onDone)] {
        std::exception_ptr error;
        try {
            work([this](int n) { step(n); });
        } catch (...) {
            error = std::current_exception();
        }
        // Queued behind every step handler already posted, so the steps are all shown first.
        QMetaObject::invokeMethod(
            &context_,
            [this, sync = sync_, onDone, error] {
                if (sync->isAbandoned())
                    return;
                thread_.join();
                running_ = false;
                onDone(error);
            },
            Qt::QueuedConnection);
    });
}

void SteppedWorker::step(int n) {
    Sync& sync = *sync_;
    long long ticket = 0;
    {
        std::lock_guard lock(sync.mutex);
        if (sync.abandoned)
            return;
        ticket = ++sync.stepsPosted;
    }
    QMetaObject::invokeMethod(
        &context_,
        [this, sync = sync_, n, ticket] {
            if (sync->isAbandoned())
                return;
            onStep_(n);
            {
                std::lock_guard lock(sync->mutex);
                sync->stepsHandled = ticket;
            }
            sync->handled.notify_all();
        },
        Qt::QueuedConnection);
    // The GUI thread handles a step within microseconds; a short spin keeps this thread awake for
    // it. Asleep on the condition, each of thousands of steps would pay for waking it again.
    const auto spinUntil = std::chrono::steady_clock::now() + std::chrono::microseconds(200);
    while (std::chrono::steady_clock::now() < spinUntil) {
        if (sync.stepsHandled.load() >= ticket)
            return;
        std::this_thread::yield();
    }
    std::unique_lock lock(sync.mutex);
    sync.handled.wait(lock, [&] { return sync.stepsHandled >= ticket || sync.abandoned; });
}

void SteppedWorker::startTask(std::function<void(const Progress&, const std::atomic<bool>&)> work,
                              std::function<void(int percent)> onProgress, TaskDone onDone) {
    claim();
    onProgress_ = std::move(onProgress);
    thread_ = std::thread([this, work = std::move(work), onDone = std::move(onDone)] {
        ProgressThrottle throttle; // used on this thread only
        const Progress progress = [this, &throttle](long long done, long long total) {
            const long long percent = total > 0 ? std::clamp(done, 0LL, total) * 100 / total : 0;
            // 100 only once the work has returned, so the bar is full exactly when it is over.
            const int shown = static_cast<int>(std::min(percent, 99LL));
            if (throttle.changed(shown) && throttle.pass(shown, ProgressThrottle::Clock::now()))
                postProgress(shown);
        };
        std::exception_ptr error;
        try {
            work(progress, stop_);
        } catch (...) {
            error = std::current_exception();
        }
        const bool stopped = stop_;
        if (!error && !stopped)
            postProgress(100);
        QMetaObject::invokeMethod(
            &context_,
            [this, sync = sync_, onDone, error, stopped] {
                if (sync->isAbandoned())
                    return;
                thread_.join();
                running_ = false;
                onDone(error, stopped);
            },
            Qt::QueuedConnection);
    });
}

void SteppedWorker::postProgress(int percent) {
    if (!onProgress_ || sync_->isAbandoned())
        return;
    QMetaObject::invokeMethod(
        &context_,
        [this, sync = sync_, percent] {
            if (!sync->isAbandoned())
                onProgress_(percent);
        },
        Qt::QueuedConnection);
}
