#include <gtest/gtest.h>

#include "analysis/simulate_numbers.h"

TEST(SimulatedNumbers, ABoxKeepsOnlyWholeIntegers) {
    EXPECT_EQ(SimulatedTextAfterChange("7"), "7");
    EXPECT_EQ(SimulatedTextAfterChange("7a"), "");
    EXPECT_EQ(SimulatedTextAfterChange("a"), "");
    EXPECT_EQ(SimulatedTextAfterChange(" 7"), " 7");
    EXPECT_EQ(SimulatedTextAfterChange("7 "), ""); // a trailing blank is not part of an integer
    EXPECT_EQ(SimulatedTextAfterChange("-3"), "-3");
    EXPECT_EQ(SimulatedTextAfterChange("-"), "");
    EXPECT_EQ(SimulatedTextAfterChange("99999999999"), "");
}

TEST(SimulatedNumbers, LeavingABoxWritesTwoDigits) {
    EXPECT_EQ(SimulatedTextOnLeave("5"), "05");
    EXPECT_EQ(SimulatedTextOnLeave("12"), "12");
    EXPECT_EQ(SimulatedTextOnLeave("123"), "123");
    EXPECT_EQ(SimulatedTextOnLeave(" 7"), "07");
    EXPECT_EQ(SimulatedTextOnLeave("-5"), "-05");
    EXPECT_EQ(SimulatedTextOnLeave(""), "");
}
