#include "platform/stepped_worker.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QObject>
#include <QTimer>
#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>

namespace {

// Runs the event loop until the worker's done handler has run (or a generous bound has passed).
bool RunUntilDone(SteppedWorker& worker) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (!worker.running())
            loop.quit();
    });
    poll.start(0);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    return !worker.running();
}

} // namespace

TEST(SteppedWorker, EachStepReturnsOnceItsHandlerRanAndDoneComesLast) {
    QObject context;
    SteppedWorker worker(context);
    std::atomic<int> shown{0};
    std::atomic<int> stepsAhead{0}; // steps that returned before their handler had run
    std::vector<int> seen;
    bool done = false;
    worker.start(
        [&](const SteppedWorker::Step& step) {
            for (int n = 1; n <= 200; ++n) {
                step(n);
                if (shown.load() != n)
                    ++stepsAhead;
            }
        },
        [&](int n) {
            seen.push_back(n);
            shown = n;
        },
        [&](std::exception_ptr error) {
            EXPECT_FALSE(error);
            EXPECT_EQ(seen.size(), 200u) << "every step is handled before the end";
            done = true;
        });
    EXPECT_TRUE(worker.running());
    EXPECT_THROW(worker.start({}, {}, {}), std::logic_error);
    ASSERT_TRUE(RunUntilDone(worker));
    EXPECT_TRUE(done);
    EXPECT_FALSE(worker.running());
    EXPECT_EQ(stepsAhead.load(), 0);
    ASSERT_EQ(seen.size(), 200u);
    EXPECT_EQ(seen.front(), 1);
    EXPECT_EQ(seen.back(), 200);

    // A second run on the same worker; what the work throws reaches the done handler.
    std::exception_ptr failure;
    done = false;
    seen.clear();
    worker.start(
        [](const SteppedWorker::Step& step) {
            step(1);
            throw std::runtime_error("out of memory for the search");
        },
        [&](int n) { seen.push_back(n); },
        [&](std::exception_ptr error) {
            failure = error;
            done = true;
        });
    ASSERT_TRUE(RunUntilDone(worker));
    EXPECT_TRUE(done);
    EXPECT_EQ(seen, std::vector<int>{1});
    ASSERT_TRUE(failure);
    EXPECT_THROW(std::rethrow_exception(failure), std::runtime_error);
}

TEST(SteppedWorker, DestroyingItWhileAStepWaitsLetsTheWorkEnd) {
    QObject context;
    auto worker = std::make_unique<SteppedWorker>(context);
    std::atomic<bool> stop{false};
    std::atomic<int> stepsTaken{0};
    bool handlerRan = false;
    worker->start(
        [&](const SteppedWorker::Step& step) {
            while (!stop) {
                step(++stepsTaken);
            }
        },
        [&](int) { handlerRan = true; }, [&](std::exception_ptr) { handlerRan = true; });
    // No events are processed here, so the first step waits for its handler until the worker goes.
    while (stepsTaken.load() == 0)
        std::this_thread::yield();
    stop = true;
    worker.reset();
    EXPECT_EQ(stepsTaken.load(), 1);
    // Handlers still queued for the context must not run for the destroyed worker.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(handlerRan);
}
