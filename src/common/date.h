#pragma once

#include <compare>
#include <string>
#include <string_view>

// A calendar date without time of day.
struct Date {
    int year = 1899;
    int month = 12;
    int day = 30;

    auto operator<=>(const Date&) const = default;

    bool valid() const;
    // Days since 1970-01-01; differences give day counts.
    long long dayNumber() const;
    static Date fromDayNumber(long long days);
};

struct DateTime {
    Date date;
    int hour = 0;
    int minute = 0;
    int second = 0;

    auto operator<=>(const DateTime&) const = default;
};

// Formats by a pattern of "yyyy", "mm", "dd", "hh", "nn", "ss" ("mm" right after "hh" is minutes);
// every other character is copied: "yyyy/mm/dd", "yyyy/mm/dd hh:mm:ss".
std::string DateFormat(std::string_view pattern, const DateTime& when);
std::string DateFormat(std::string_view pattern, const Date& date);

// "yyyy/mm/dd" (month and day may have one digit; blanks around are ignored). Throws
// ConversionError "「<text>」不是有效的日期".
Date StrToDate(std::string_view text);

// An optional sign and decimal digits, leading blanks allowed, within the 32-bit range. Throws
// ConversionError "「<text>」不是有效的整數".
int StrToInt(std::string_view text);
// StrToInt of what the user typed into a box; its error names the box by its caption (InBox).
int BoxTextToInt(std::string_view caption, std::string_view text);
