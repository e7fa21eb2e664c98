#include "platform/stepped_worker.h"

#include <QMetaObject>
#include <stdexcept>

SteppedWorker::~SteppedWorker() {
    {
        std::lock_guard lock(mutex_);
        abandoned_ = true;
    }
    handled_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void SteppedWorker::start(Work work, Step onStep, Done onDone) {
    if (running_)
        throw std::logic_error("a stepped run is already under way");
    running_ = true;
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
            [this, onDone, error] {
                thread_.join();
                running_ = false;
                onDone(error);
            },
            Qt::QueuedConnection);
    });
}

void SteppedWorker::step(int n) {
    long long ticket = 0;
    {
        std::lock_guard lock(mutex_);
        if (abandoned_)
            return;
        ticket = ++stepsPosted_;
    }
    QMetaObject::invokeMethod(
        &context_,
        [this, n, ticket] {
            onStep_(n);
            {
                std::lock_guard lock(mutex_);
                stepsHandled_ = ticket;
            }
            handled_.notify_all();
        },
        Qt::QueuedConnection);
    std::unique_lock lock(mutex_);
    handled_.wait(lock, [&] { return stepsHandled_ >= ticket || abandoned_; });
}
