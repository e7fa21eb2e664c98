#include "common/date.h"

#include <charconv>
#include <chrono>
#include <limits>

#include "common/errors.h"
#include "common/num_format.h"
#include "common/text_cut.h"

namespace {

std::string pad(int value, std::string_view pattern) {
    return NumFormat(pattern, value);
}

bool parseDigits(std::string_view s, int& out) {
    if (s.empty() || s.size() > 4)
        return false;
    for (char c : s)
        if (c < '0' || c > '9')
            return false;
    std::from_chars(s.data(), s.data() + s.size(), out);
    return true;
}

} // namespace

bool Date::valid() const {
    using namespace std::chrono;
    // The calendar types keep month and day in one byte, so 257 would pass as 1: range first.
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= 31 &&
           year_month_day{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                          std::chrono::day{static_cast<unsigned>(day)}}
               .ok();
}

long long Date::dayNumber() const {
    using namespace std::chrono;
    const sys_days days{year_month_day{std::chrono::year{year},
                                       std::chrono::month{static_cast<unsigned>(month)},
                                       std::chrono::day{static_cast<unsigned>(day)}}};
    return days.time_since_epoch().count();
}

Date Date::fromDayNumber(long long days) {
    using namespace std::chrono;
    const year_month_day ymd{sys_days{std::chrono::days{days}}};
    return Date{static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

std::string DateFormat(std::string_view pattern, const DateTime& when) {
    std::string out;
    bool afterHour = false;
    for (std::size_t i = 0; i < pattern.size();) {
        const std::string_view rest = pattern.substr(i);
        if (rest.starts_with("yyyy")) {
            out += pad(when.date.year, "0000");
            i += 4;
        } else if (rest.starts_with("mm")) {
            out += pad(afterHour ? when.minute : when.date.month, "00");
            i += 2;
        } else if (rest.starts_with("dd")) {
            out += pad(when.date.day, "00");
            i += 2;
        } else if (rest.starts_with("hh")) {
            out += pad(when.hour, "00");
            afterHour = true;
            i += 2;
        } else if (rest.starts_with("nn")) {
            out += pad(when.minute, "00");
            i += 2;
        } else if (rest.starts_with("ss")) {
            out += pad(when.second, "00");
            i += 2;
        } else {
            out += pattern[i];
            ++i;
        }
    }
    return out;
}

std::string DateFormat(std::string_view pattern, const Date& date) {
    return DateFormat(pattern, DateTime{date});
}

Date StrToDate(std::string_view text) {
    const std::string_view s = TrimmedView(text);
    const auto slash1 = s.find('/');
    const auto slash2 = slash1 == std::string_view::npos ? slash1 : s.find('/', slash1 + 1);
    Date d{0, 0, 0};
    if (slash2 == std::string_view::npos || !parseDigits(s.substr(0, slash1), d.year) ||
        !parseDigits(s.substr(slash1 + 1, slash2 - slash1 - 1), d.month) ||
        !parseDigits(s.substr(slash2 + 1), d.day) || !d.valid())
        throw NotADate(std::string(text));
    return d;
}

int StrToInt(std::string_view text) {
    std::string_view s = text;
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    long long value = 0;
    bool ok = !s.empty();
    for (char c : s) {
        if (c < '0' || c > '9' || value > std::numeric_limits<int>::max() + 1LL) {
            ok = false;
            break;
        }
        value = value * 10 + (c - '0');
    }
    if (negative)
        value = -value;
    if (!ok || value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        throw NotAnInteger(std::string(text));
    return static_cast<int>(value);
}

int BoxTextToInt(std::string_view caption, std::string_view text) {
    try {
        return StrToInt(text);
    } catch (const ConversionError& error) {
        throw InBox(caption, error);
    }
}
