#pragma once

#include <QObject>
#include <atomic>
#include <exception>
#include <functional>
#include <memory>
#include <optional>

// Runs one blocking call (a network request) on a thread of its own that nobody ever waits for.
// Cancelling, starting again or destroying the owner returns at once: the abandoned call is told
// through its cancel flag, ends on its own time, and its answer is dropped. The thread holds
// everything it touches (the flag, the work and its captures) by shared ownership, so nothing it
// uses is destroyed under it; the work must capture values, not references into its owner.
class DetachedCall {
public:
    // `receiver` (alive at least as long as this object) is where the done handlers run.
    explicit DetachedCall(QObject& receiver) : receiver_(receiver) {}
    ~DetachedCall();
    DetachedCall(const DetachedCall&) = delete;
    DetachedCall& operator=(const DetachedCall&) = delete;

    // From the start until its done handler has run, or it was cancelled.
    bool running() const { return current_ != nullptr; }

    // Abandons a call still running and starts `work`; `done` gets its result on the receiver's
    // thread, or nothing when the work threw.
    template <class Result>
    void run(std::function<Result(const std::atomic<bool>& cancel)> work,
             std::function<void(std::optional<Result>)> done);

    // Abandons the running call, if any: its done handler will not run.
    void cancel();

private:
    struct Shared;
    // The work returns what its done handler is to run.
    using Delivery = std::function<void()>;
    void start(std::function<Delivery(const std::atomic<bool>& cancel)> work);

    QObject& receiver_;
    std::shared_ptr<Shared> current_;
};

template <class Result>
void DetachedCall::run(std::function<Result(const std::atomic<bool>& cancel)> work,
                       std::function<void(std::optional<Result>)> done) {
    start([work = std::move(work), done = std::move(done)](const std::atomic<bool>& cancel) -> Delivery {
        auto result = std::make_shared<std::optional<Result>>();
        try {
            result->emplace(work(cancel));
        } catch (...) {
        }
        return [done, result] { done(std::move(*result)); };
    });
}
