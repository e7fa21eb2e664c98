#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>

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

    // Abandons a call still running and starts `work`; on the receiver's thread `done` gets its
    // result, or `failed` the text of what the work threw.
    template <class Result>
    void run(std::function<Result(const std::atomic<bool>& cancel)> work, std::function<void(Result)> done,
             std::function<void(const std::string& error)> failed);
    // The same for a caller that only needs to know whether it worked: nothing when the work threw.
    template <class Result>
    void run(std::function<Result(const std::atomic<bool>& cancel)> work,
             std::function<void(std::optional<Result>)> done) {
        run<Result>(
            std::move(work), [done](Result result) { done(std::move(result)); },
            [done](const std::string&) { done(std::nullopt); });
    }

    // Abandons the running call, if any: its done handler will not run.
    void cancel();

private:
    struct Shared;
    // The work returns what its done handler is to run.
    using Delivery = std::function<void()>;
    void start(std::function<Delivery(const std::atomic<bool>& cancel)> work);
    // The text of the exception being handled.
    static std::string currentError();

    QObject& receiver_;
    std::shared_ptr<Shared> current_;
};

template <class Result>
void DetachedCall::run(std::function<Result(const std::atomic<bool>& cancel)> work,
                       std::function<void(Result)> done,
                       std::function<void(const std::string& error)> failed) {
    start([work = std::move(work), done = std::move(done),
           failed = std::move(failed)](const std::atomic<bool>& cancel) -> Delivery {
        auto result = std::make_shared<std::optional<Result>>();
        try {
            result->emplace(work(cancel));
        } catch (...) {
            return [failed, error = currentError()] { failed(error); };
        }
        return [done, result] { done(std::move(**result)); };
    });
}
