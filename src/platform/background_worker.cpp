#include "platform/background_worker.h"

#include <QMetaObject>
#include <algorithm>
#include <chrono>
#include <mutex>

bool ProgressThrottle::pass(int percent, Clock::time_point now) {
    if (percent == lastPercent_)
        return false;
    if (percent < 100 && lastShown_ && now - *lastShown_ < interval_)
        return false;
    lastShown_ = now;
    lastPercent_ = percent;
    return true;
}

struct BackgroundWorker::Sync {
    std::mutex mutex;
    bool abandoned = false; // the worker object is gone or going

    bool isAbandoned() {
        std::lock_guard lock(mutex);
        return abandoned;
    }
};

BackgroundWorker::BackgroundWorker(QObject& context) : context_(context), sync_(std::make_shared<Sync>()) {}

BackgroundWorker::~BackgroundWorker() {
    stop_ = true;
    {
        std::lock_guard lock(sync_->mutex);
        sync_->abandoned = true;
    }
    if (thread_.joinable())
        thread_.join();
}

bool BackgroundWorker::startTask(std::function<void(const Progress&, const std::atomic<bool>&)> work,
                                 std::function<void(int percent)> onProgress, TaskDone onDone) {
    if (running_)
        return false;
    running_ = true;
    stop_ = false;
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
    return true;
}

void BackgroundWorker::postProgress(int percent) {
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
