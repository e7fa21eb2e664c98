#include <cmath>
#include <gtest/gtest.h>
#include <limits>

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

TEST(NumFormat, EveryValueAndPatternHasADefinedResult) {
    EXPECT_EQ(NumFormat("0", 1e20), "100000000000000000000");
    EXPECT_EQ(NumFormat("#0.00", -1e19), "-10000000000000000000.00");
    EXPECT_EQ(NumFormat("0", 9.2e18), "9200000000000000000");
    EXPECT_EQ(NumFormat("0", 8.9e18), "8900000000000000000"); // the last value scaled in 64 bits
    const std::string huge = NumFormat("0", 1e308);
    EXPECT_EQ(huge.size(), 309u);
    EXPECT_TRUE(huge.starts_with("1000000000000000010979")) << huge;

    // More decimals than a double holds: its exact digits, then zeros.
    EXPECT_EQ(NumFormat("0." + std::string(20, '0'), 0.5), "0." + std::string("5") + std::string(19, '0'));
    EXPECT_EQ(NumFormat("0." + std::string(19, '0'), 1.0 / 3), "0.3333333333333333148");
    EXPECT_EQ(NumFormat("0." + std::string(19, '0'), -1e-30), "0." + std::string(19, '0')); // no "-0"
    EXPECT_EQ(NumFormat("#." + std::string(400, '0'), 2).size(), 402u);

    EXPECT_EQ(NumFormat("共 #0 組", std::nan("")), "共 NAN 組");
    EXPECT_EQ(NumFormat("0.00", std::numeric_limits<double>::infinity()), "INF");
    EXPECT_EQ(NumFormat("0.00", -std::numeric_limits<double>::infinity()), "-INF");
}
