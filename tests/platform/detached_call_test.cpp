#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <functional>
#include <future>
#include <gtest/gtest.h>
#include <memory>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/detached_call.h"

namespace {

// Set once the work of a call, and everything it holds, is gone: its thread has ended.
struct EndOfWork {
    std::promise<void> ended;
    ~EndOfWork() { ended.set_value(); }
};

// Runs the receiver's event loop until `done` turns true, at most 10 s.
template <class Done> bool TurnUntil(Done done) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    poll.start(1);
    loop.exec();
    return done();
}

} // namespace

TEST(DetachedCall, ACancelledCallNeverDeliversEvenWhenItsWorkEndsLater) {
    QObject receiver;
    DetachedCall call(receiver);
    std::vector<std::string> delivered;
    const auto done = [&](int value) { delivered.push_back(std::to_string(value)); };
    const auto failed = [&](const std::string& error) { delivered.push_back(error); };

    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    auto endOfFirst = std::make_shared<EndOfWork>();
    std::future<void> firstEnded = endOfFirst->ended.get_future();
    call.run<int>(
        [released, endOfFirst](const std::atomic<bool>&) {
            released.wait();
            return 1;
        },
        done, failed);
    endOfFirst.reset(); // the running work holds the only one left
    call.cancel();
    EXPECT_FALSE(call.running());

    // Started again at once: only this call's answer arrives.
    call.run<int>([](const std::atomic<bool>&) { return 2; }, done, failed);
    ASSERT_TRUE(TurnUntil([&] { return !delivered.empty(); }));

    // The first work ends only now; whatever it left for the receiver is dropped.
    release.set_value();
    ASSERT_EQ(firstEnded.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(delivered, std::vector<std::string>{"2"});
    EXPECT_FALSE(call.running());
}

TEST(DetachedCall, AnAnswerWaitingToBeDeliveredIsDroppedByACancel) {
    QObject receiver;
    DetachedCall call(receiver);
    std::vector<int> delivered;
    // The work ends and its thread hands the answer over, while the receiver's loop does not turn:
    // the answer waits in the loop's queue when the call is cancelled, or started again.
    const auto endedAndWaiting = [&](int value) {
        auto endOfWork = std::make_shared<EndOfWork>();
        std::future<void> ended = endOfWork->ended.get_future();
        call.run<int>([value, endOfWork](const std::atomic<bool>&) { return value; },
                      [&](int answer) { delivered.push_back(answer); }, [](const std::string&) {});
        endOfWork.reset();
        EXPECT_EQ(ended.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    };
    endedAndWaiting(1);
    call.cancel();
    endedAndWaiting(2);
    call.run<int>([](const std::atomic<bool>&) { return 3; },
                  [&](int answer) { delivered.push_back(answer); }, [](const std::string&) {});
    ASSERT_TRUE(TurnUntil([&] { return !delivered.empty(); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(delivered, std::vector<int>{3});
}

TEST(DetachedCall, WhatTheWorkThrowsReachesTheFailureHandlerAsItsOwnText) {
    QObject receiver;
    DetachedCall call(receiver);
    struct Case {
        std::function<int()> work;
        std::string error;
    };
    const std::vector<Case> cases = {
        {[]() -> int { throw std::runtime_error("無法寫入檔案 TW539.txt"); }, "無法寫入檔案 TW539.txt"},
        {[]() -> int { throw std::bad_alloc(); }, "記憶體不足"},
        {[]() -> int { throw 7; }, "未知的錯誤"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error);
        std::optional<std::string> error;
        bool succeeded = false;
        call.run<int>([work = c.work](const std::atomic<bool>&) { return work(); },
                      [&](int) { succeeded = true; }, [&](const std::string& text) { error = text; });
        ASSERT_TRUE(TurnUntil([&] { return error || succeeded; }));
        EXPECT_EQ(error, c.error);
        EXPECT_FALSE(call.running());
    }
}
