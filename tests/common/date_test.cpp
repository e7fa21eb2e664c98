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

TEST(StrToDate, MonthAndDayAreCheckedBeforeTheCalendarSeesThem) {
    // 257 would wrap to 1 in a one-byte month or day.
    for (const char* bad : {"2026/257/01", "2025/257/1", "2026/01/257", "2026/0/10", "2026/4/31", "2026/1/0",
                            "2026/13/1", "0000/01/01", "2026/1/32"})
        EXPECT_THROW(StrToDate(bad), ConversionError) << bad;
    EXPECT_FALSE((Date{2026, 257, 1}).valid());
    EXPECT_FALSE((Date{2026, 1, 257}).valid());
    EXPECT_FALSE((Date{2026, -255, 1}).valid());
    EXPECT_EQ(StrToDate("2024/2/29"), (Date{2024, 2, 29}));
    EXPECT_EQ(StrToDate("9999/12/31"), (Date{9999, 12, 31}));
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

TEST(BoxTextToInt, AFailureNamesTheBoxByItsCaption) {
    EXPECT_EQ(BoxTextToInt("預測下", " 12"), 12);
    for (const char* bad : {"", "1a"}) {
        try {
            BoxTextToInt("預測下", bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), "「預測下」的內容「" + std::string(bad) + "」不是有效的整數");
        }
    }
}
