#include "platform/click_label.h"

#include <QAccessible>
#include <gtest/gtest.h>

// A screen reader meets the caption as a button, named by its caption, and presses it.
TEST(ClickLabel, IsAButtonToScreenReaders) {
    ClickLabel label(QStringLiteral("個別查詢說明"));
    int clicks = 0;
    QObject::connect(&label, &ClickLabel::clicked, [&] { ++clicks; });
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&label);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->role(), QAccessible::Button);
    EXPECT_EQ(reader->text(QAccessible::Name), QStringLiteral("個別查詢說明"));
    QAccessibleActionInterface* actions = reader->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 1);
}
