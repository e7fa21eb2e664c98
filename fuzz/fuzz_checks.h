#pragma once

// What the fuzz targets check about the values the parsers hand out, written apart from the code
// under test so that a fault shared by both cannot hide. A failed check aborts: a finding.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "check failed at %s:%d: %s\n", __FILE__, __LINE__, #condition);             \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)

namespace fuzz {

inline bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

inline int DaysInMonth(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// Decimal digits only, at most `maxDigits` of them; -1 otherwise.
inline int DigitsValue(std::string_view text, std::size_t maxDigits) {
    if (text.empty() || text.size() > maxDigits)
        return -1;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// Blanks and control characters at both ends, which a typed or stored date may carry.
inline std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ')
        s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ')
        s.remove_suffix(1);
    return s;
}

struct PlainDate {
    int year = 0, month = 0, day = 0;
};

// "y/m/d" with 1-4 digits each: whether it names a day of the calendar from year 1 to 9999.
inline bool RealDate(std::string_view text, PlainDate* out = nullptr) {
    const auto first = text.find('/');
    const auto second = first == std::string_view::npos ? first : text.find('/', first + 1);
    if (second == std::string_view::npos)
        return false;
    const int year = DigitsValue(text.substr(0, first), 4);
    const int month = DigitsValue(text.substr(first + 1, second - first - 1), 4);
    const int day = DigitsValue(text.substr(second + 1), 4);
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return false;
    if (out)
        *out = {year, month, day};
    return true;
}

// A trimmed draw line "yyyy/mm/dd,xxxxxx,n1,n2,n3,n4,n5": a real date in columns 1-10 (blanks
// around it allowed) and five two-digit numbers in 1..maxNo at their columns.
inline bool RealDrawLine(std::string_view line, int maxNo) {
    if (line.size() != 32 || !RealDate(Trimmed(line.substr(0, 10))))
        return false;
    for (int k = 0; k < 5; ++k) {
        const int n = DigitsValue(line.substr(18 + 3 * static_cast<std::size_t>(k), 2), 2);
        if (n < 1 || n > maxNo)
            return false;
    }
    return true;
}

// A date written as the program writes dates: "yyyy/mm/dd", digits and slashes.
inline bool DateAsWritten(std::string_view date) {
    if (date.size() != 10 || date[4] != '/' || date[7] != '/')
        return false;
    return DigitsValue(date.substr(0, 4), 4) >= 0 && DigitsValue(date.substr(5, 2), 2) >= 0 &&
           DigitsValue(date.substr(8, 2), 2) >= 0;
}

// Takes bytes off the front of the fuzzer's input.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}

    std::uint8_t byte() {
        if (rest_.empty())
            return 0;
        const auto b = static_cast<std::uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return b;
    }
    // Up to the next NUL byte (or the end).
    std::string_view text() {
        const auto end = rest_.find('\0');
        const std::string_view piece = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        return piece;
    }
    std::string_view rest() const { return rest_; }

private:
    std::string_view rest_;
};

} // namespace fuzz
