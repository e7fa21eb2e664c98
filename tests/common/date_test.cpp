#include <gtest/gtest.h>

#include "common/date.h"
#include "common/errors.h"

TEST(DateFormat, DateAndTimePatterns) {
    const DateTime t{Date{2026, 3, 9}, 7, 5, 4};
    EXPECT_EQ(DateFormat("yyyy/mm/dd", t), "2026/03/09");
    EXPECT_EQ(DateFormat("yyyy/mm/dd hh:mm:ss", t), "2026/03/09 07:05:04");
    EXPECT_EQ(DateFormat("yyyy/mm/dd", Date{2018, 12, 21}), "2018/12/21");
}

TEST(StrToDate, AcceptsRealDatesOnly) {
    EXPECT_EQ(StrToDate("2018/08/31"), (Date{2018, 8, 31}));
    EXPECT_EQ(StrToDate(" 2020/2/29 "), (Date{2020, 2, 29}));
    for (const char* bad :
         {"2019/02/29", "2018/13/01", "2018-08-31", "abcd/ef/gh", "", "2018/08", "2018/08/31x"}) {
        try {
            StrToDate(bad);
            ADD_FAILURE() << "accepted " << bad;
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), "「" + std::string(bad) + "」不是有效的日期");
        }
    }
}

TEST(StrToDate, DayNumbersCountDays) {
    EXPECT_EQ(Date({2024, 3, 1}).dayNumber() - Date({2024, 2, 28}).dayNumber(), 2);
    EXPECT_EQ(Date::fromDayNumber(Date({2026, 12, 7}).dayNumber()), (Date{2026, 12, 7}));
}

TEST(StrToInt, StrictIntegers) {
    EXPECT_EQ(StrToInt("42"), 42);
    EXPECT_EQ(StrToInt("  -7"), -7);
    EXPECT_EQ(StrToInt("+0003"), 3);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    for (const char* bad : {"", " ", "12 ", "1a", "-", "2147483648", "99999999999999999999", "0x10"}) {
        try {
            StrToInt(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), "「" + std::string(bad) + "」不是有效的整數");
        }
    }
}
