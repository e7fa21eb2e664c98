#include <QSignalSpy>
#include <gtest/gtest.h>
#include <memory>

#include "platform/net.h"
#include "support/http_test_server.h"
#include "support/silent_server.h"

// Dropping a request on a silent server returns at once: the request is still connected when
// the GUI thread goes on, and it hangs up by itself soon after.

TEST(AbandonedRequest, StartingAgainDoesNotWaitForTheDroppedRequest) {
    SilentServer silent;
    HttpTestServer answering;
    answering.route(QStringLiteral("/a"), {200, "answer", {}, false});
    AsyncHttpGet get;
    QSignalSpy finished(&get, &AsyncHttpGet::finished);
    get.start("http://127.0.0.1:" + std::to_string(silent.port()) + "/a", std::chrono::seconds(20));
    ASSERT_TRUE(silent.accept(true));

    get.cancel();
    get.start(answering.baseUrl().toStdString() + "/a", std::chrono::seconds(20));
    EXPECT_FALSE(silent.clientClosed());
    ASSERT_TRUE(finished.wait(15000));
    EXPECT_EQ(finished.size(), 1); // only the second answer
    EXPECT_EQ(get.response().body, "answer");
    EXPECT_TRUE(silent.clientClosed(true));
}

TEST(AbandonedRequest, DestroyingTheClientDoesNotWaitEither) {
    SilentServer silent;
    auto get = std::make_unique<AsyncHttpGet>();
    get->start("http://127.0.0.1:" + std::to_string(silent.port()) + "/a", std::chrono::seconds(20));
    ASSERT_TRUE(silent.accept(true));
    get.reset();
    EXPECT_FALSE(silent.clientClosed());
    EXPECT_TRUE(silent.clientClosed(true));
}
