#include "platform/background_worker.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QObject>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <optional>
#include <stdexcept>
#include <thread>

namespace {

// Runs the event loop until the worker's done handler has run (or a generous bound has passed).
bool RunUntilDone(BackgroundWorker& worker) {
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

TEST(ProgressThrottle, PassesChangesAtMostOncePerIntervalAndAlwaysTheEnd) {
    using namespace std::chrono_literals;
    const ProgressThrottle::Clock::time_point t0{};
    ProgressThrottle throttle(100ms);
    EXPECT_TRUE(throttle.pass(1, t0)); // the first report shows at once
    EXPECT_FALSE(throttle.pass(2, t0 + 50ms));
    EXPECT_FALSE(throttle.pass(3, t0 + 99ms));
    EXPECT_TRUE(throttle.pass(4, t0 + 100ms));
    EXPECT_FALSE(throttle.pass(5, t0 + 150ms));   // measured from the last one shown
    EXPECT_TRUE(throttle.pass(100, t0 + 151ms));  // the end is never held back
    EXPECT_FALSE(throttle.pass(100, t0 + 400ms)); // nothing new to show
    EXPECT_FALSE(throttle.changed(100));
    EXPECT_TRUE(throttle.changed(7));
}

namespace {

// A slow reference for the background run: the sum of 1..n, reporting after each term.
long long SumWithProgress(long long n, const BackgroundWorker::Progress& progress,
                          const std::atomic<bool>& stop) {
    long long sum = 0;
    for (long long i = 1; i <= n && !stop; ++i) {
        sum += i;
        progress(i, n);
    }
    return sum;
}

} // namespace

TEST(BackgroundWorker, BackgroundRunDeliversRisingProgressThenTheResultOrTheError) {
    QObject context;
    BackgroundWorker worker(context);
    std::vector<int> shown;
    std::optional<BackgroundWorker::Outcome<long long>> outcome;
    worker.run<long long>(
        [](const BackgroundWorker::Progress& progress, const std::atomic<bool>& stop) {
            return SumWithProgress(2000000, progress, stop);
        },
        [&](int percent) { shown.push_back(percent); },
        [&](BackgroundWorker::Outcome<long long> o) {
            EXPECT_FALSE(shown.empty());
            EXPECT_EQ(shown.back(), 100) << "100 comes before the outcome";
            outcome = std::move(o);
        });
    EXPECT_FALSE(worker.run<int>({}, {}, {})) << "a second start starts nothing";
    ASSERT_TRUE(RunUntilDone(worker));
    ASSERT_TRUE(outcome);
    ASSERT_TRUE(outcome->result);
    EXPECT_EQ(*outcome->result, 2000000LL * 2000001LL / 2);
    EXPECT_FALSE(outcome->stopped);
    EXPECT_FALSE(outcome->error);
    EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end()));
    EXPECT_EQ(std::adjacent_find(shown.begin(), shown.end()), shown.end()) << "no percentage twice";
    EXPECT_EQ(std::count(shown.begin(), shown.end(), 100), 1);

    // The same worker again, with work that throws and no progress handler.
    std::exception_ptr error;
    worker.run<int>([](const BackgroundWorker::Progress&,
                       const std::atomic<bool>&) -> int { throw std::runtime_error("no memory"); },
                    {}, [&](BackgroundWorker::Outcome<int> o) { error = o.result ? nullptr : o.error; });
    ASSERT_TRUE(RunUntilDone(worker));
    EXPECT_TRUE(error);
}

TEST(BackgroundWorker, StoppingABackgroundRunReportsTheStopAndNoFullBar) {
    QObject context;
    BackgroundWorker worker(context);
    std::atomic<bool> started{false};
    std::vector<int> shown;
    std::optional<BackgroundWorker::Outcome<long long>> outcome;
    worker.run<long long>(
        [&](const BackgroundWorker::Progress& progress, const std::atomic<bool>& stop) {
            started = true;
            long long rounds = 0;
            while (!stop) // runs until the stop: only a stop can end it
                progress(++rounds % 50, 100);
            return rounds;
        },
        [&](int percent) { shown.push_back(percent); },
        [&](BackgroundWorker::Outcome<long long> o) { outcome = std::move(o); });
    while (!started)
        std::this_thread::yield();
    EXPECT_FALSE(worker.stopRequested());
    worker.requestStop();
    ASSERT_TRUE(RunUntilDone(worker));
    ASSERT_TRUE(outcome);
    EXPECT_TRUE(outcome->stopped);
    ASSERT_TRUE(outcome->result); // what the work had when it stopped
    EXPECT_GT(*outcome->result, 0);
    EXPECT_EQ(std::count(shown.begin(), shown.end(), 100), 0);

    // A stop before the start does not carry over to the next run.
    worker.requestStop();
    outcome.reset();
    worker.run<long long>([](const BackgroundWorker::Progress& progress,
                             const std::atomic<bool>& stop) { return SumWithProgress(10, progress, stop); },
                          {}, [&](BackgroundWorker::Outcome<long long> o) { outcome = std::move(o); });
    ASSERT_TRUE(RunUntilDone(worker));
    ASSERT_TRUE(outcome && outcome->result);
    EXPECT_EQ(*outcome->result, 55);
    EXPECT_FALSE(outcome->stopped);
}

TEST(BackgroundWorker, DestroyingItStopsABackgroundRunAndDropsItsHandlers) {
    QObject context;
    auto worker = std::make_unique<BackgroundWorker>(context);
    std::atomic<bool> started{false};
    bool handlerRan = false;
    worker->run<int>(
        [&](const BackgroundWorker::Progress& progress, const std::atomic<bool>& stop) {
            started = true;
            while (!stop)
                progress(1, 2);
            return 1;
        },
        [&](int) { handlerRan = true; }, [&](BackgroundWorker::Outcome<int>) { handlerRan = true; });
    while (!started)
        std::this_thread::yield();
    worker.reset(); // returns only because the destructor raised the stop
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(handlerRan);
}
