#include "platform/stepped_worker.h"

#include <QMetaObject>
#include <condition_variable>
#include <mutex>
#include <stdexcept>

struct SteppedWorker::Sync {
    std::mutex mutex;
    std::condition_variable handled;
    long long stepsPosted = 0;
    long long stepsHandled = 0;
    bool abandoned = false; // the worker object is gone or going

    bool isAbandoned() {
        std::lock_guard lock(mutex);
        return abandoned;
    }
};

SteppedWorker::SteppedWorker(QObject& context) : context_(context), sync_(std::make_shared<Sync>()) {}

SteppedWorker::~SteppedWorker() {
    {
        std::lock_guard lock(sync_->mutex);
        sync_->abandoned = true;
    }
    sync_->handled.notify_all();
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
    std::unique_lock lock(sync.mutex);
    sync.handled.wait(lock, [&] { return sync.stepsHandled >= ticket || sync.abandoned; });
}
