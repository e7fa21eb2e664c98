#include "platform/detached_call.h"

#include <QMetaObject>
#include <exception>
#include <mutex>
#include <new>
#include <thread>

struct DetachedCall::Shared {
    std::atomic<bool> cancelled{false};
    std::mutex mutex;
    QObject* receiver = nullptr; // null once abandoned: nothing may be posted to it any more
};

std::string DetachedCall::currentError() {
    try {
        throw;
    } catch (const std::bad_alloc&) {
        return "記憶體不足";
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "未知的錯誤";
    }
}

DetachedCall::~DetachedCall() {
    cancel();
}

void DetachedCall::cancel() {
    if (!current_)
        return;
    current_->cancelled = true;
    {
        std::lock_guard lock(current_->mutex);
        current_->receiver = nullptr;
    }
    current_.reset();
}

void DetachedCall::start(std::function<Delivery(const std::atomic<bool>& cancel)> work) {
    cancel();
    auto shared = std::make_shared<Shared>();
    shared->receiver = &receiver_;
    current_ = shared;
    std::thread([this, shared, work = std::move(work)] {
        Delivery deliver = work(shared->cancelled);
        std::lock_guard lock(shared->mutex);
        if (!shared->receiver)
            return;
        // Posted under the lock, so the receiver cannot go in between; the handler checks again
        // on the receiver's thread, where cancel() runs.
        QMetaObject::invokeMethod(
            shared->receiver,
            [this, shared, deliver = std::move(deliver)] {
                if (shared->cancelled)
                    return;
                current_.reset();
                deliver();
            },
            Qt::QueuedConnection);
    }).detach();
}
