#include <gtest/gtest.h>

#include "common/date.h"
#include "common/errors.h"
#include "platform/error_handler.h"
#include "support/fake_platform.h"

TEST(CentralHandler, ShowsTheErrorAndEndsTheHandlerThere) {
    FakeDialogs dialogs;
    int reached = 0;
    RunGuarded(dialogs, [&] {
        ++reached;
        StrToInt("12a");
        ++reached;
    });
    EXPECT_EQ(reached, 1);
    ASSERT_EQ(dialogs.prompts.size(), 1u);
    EXPECT_EQ(dialogs.lastText(), QStringLiteral("「12a」不是有效的整數"));
    EXPECT_EQ(dialogs.prompts[0].kind, DialogKind::Error);

    Guarded(dialogs, [] { throw FileError("無法寫入檔案 x.txt"); })();
    EXPECT_EQ(dialogs.lastText(), QStringLiteral("無法寫入檔案 x.txt"));

    // Faults that are not the user's input are not swallowed.
    EXPECT_THROW(RunGuarded(dialogs, [] { throw std::logic_error("bug"); }), std::logic_error);
}
