#include <gtest/gtest.h>
#include <string>

#include "common/fixed_table.h"

TEST(FixedTable, IndexedWithinItsBounds) {
    FixedTable<std::string, 3> oneBased;
    oneBased[1] = "a";
    oneBased[3] = "c";
    EXPECT_EQ(oneBased[1], "a");
    EXPECT_THROW(oneBased[0], std::out_of_range);
    EXPECT_THROW(oneBased[4], std::out_of_range);

    FixedTable<int, 10, 0> byTail;
    byTail[0] = 5;
    byTail[9] = 6;
    EXPECT_THROW(byTail[10], std::out_of_range);
    EXPECT_THROW(byTail[-1], std::out_of_range);
    EXPECT_TRUE(byTail.contains(0));
    EXPECT_FALSE(byTail.contains(10));
}
