#pragma once

#include <QObject>
#include <exception>
#include <functional>
#include <memory>
#include <thread>

// Runs long work on a thread of its own while the window stays live. The work announces each step
// through the function it is handed; that call returns only once the step handler has run on the
// context's thread, so the window has by then also handled whatever the user clicked before (a
// stop button), and the work's next look at its stop flag sees it. The done handler runs on the
// context's thread once the work has returned.
class SteppedWorker {
public:
    using Step = std::function<void(int step)>;
    using Work = std::function<void(const Step& step)>;
    using Done = std::function<void(std::exception_ptr error)>; // what the work threw, or null

    explicit SteppedWorker(QObject& context);
    // Lets a waiting step go on and waits for the thread; the owner must first have told the work
    // to stop (its stop flag), since steps no longer wait after this. Handlers still queued are
    // dropped. Destroy it on the context's thread.
    ~SteppedWorker();
    SteppedWorker(const SteppedWorker&) = delete;
    SteppedWorker& operator=(const SteppedWorker&) = delete;

    // From the start until the done handler runs.
    bool running() const { return running_; }

    // Throws std::logic_error while a run is under way.
    void start(Work work, Step onStep, Done onDone);

private:
    struct Sync; // shared with the queued handlers, which may outlive this object
    void step(int n);

    QObject& context_;
    Step onStep_;
    std::shared_ptr<Sync> sync_;
    std::thread thread_;
    bool running_ = false;
};
