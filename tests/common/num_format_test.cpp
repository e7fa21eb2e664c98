#include <gtest/gtest.h>

#include "common/num_format.h"
#include "common/num_text.h"

TEST(NumFormat, DigitPlaceholdersPadOrDrop) {
    EXPECT_EQ(NumFormat("000", 7), "007");
    EXPECT_EQ(NumFormat("000", 1234), "1234"); // more digits than placeholders are all written
    EXPECT_EQ(NumFormat("###", 0), "");
    EXPECT_EQ(NumFormat("###", 42), "42");
    EXPECT_EQ(NumFormat("#0", 0), "0");
    EXPECT_EQ(NumFormat("#0", 305), "305");
    EXPECT_EQ(NumFormat("00", -3), "-03");
    EXPECT_EQ(NumText(7), "07");
    EXPECT_EQ(NumText(39), "39");
}

TEST(NumFormat, DecimalsAreRoundedAndAlwaysWritten) {
    EXPECT_EQ(NumFormat("00.00", 3.14159), "03.14");
    EXPECT_EQ(NumFormat("00.00", 0), "00.00");
    EXPECT_EQ(NumFormat("##0.00", 0.5), "0.50");
    EXPECT_EQ(NumFormat("##0.00", 99.995), "100.00");
    EXPECT_EQ(NumFormat("#0.0", 2.25), "2.3"); // halves round away from zero
}

TEST(NumFormat, OtherCharactersAreCopied) {
    EXPECT_EQ(NumFormat("##0.00%處理中", 12.345), "12.35%處理中");
    EXPECT_EQ(NumFormat("##0.00%處理中", 0), "0.00%處理中");
    EXPECT_EQ(NumFormat("共 #0 組", 5), "共 5 組");
    EXPECT_EQ(NumFormat("共 #0 組", 120), "共 120 組");
    EXPECT_EQ(NumFormat("下 ## 期", 1), "下 1 期");
    EXPECT_EQ(NumFormat("下 ## 期", 0), "下  期");
    EXPECT_EQ(NumFormat("沒有數字", 3), "沒有數字");
}
