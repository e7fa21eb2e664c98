// The conversions of typed text and the two format languages: StrToDate accepts only real dates
// and formats them back to the same day; StrToInt accepts exactly the integers a reader would and
// gives their value; NumFormat and DateFormat give a defined text for every value and pattern, and
// a plain decimal pattern reads back as the value rounded to its decimals.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "common/date.h"
#include "common/errors.h"
#include "common/num_format.h"
#include "fuzz_checks.h"

namespace {

void CheckDate(std::string_view text) {
    fuzz::PlainDate expected;
    const bool real = fuzz::RealDate(fuzz::Trimmed(text), &expected);
    try {
        const Date date = StrToDate(text);
        FUZZ_CHECK(real);
        FUZZ_CHECK(date.year == expected.year && date.month == expected.month && date.day == expected.day);
        FUZZ_CHECK(date.valid());
        const std::string written = DateFormat("yyyy/mm/dd", date);
        FUZZ_CHECK(written.size() == 10);
        FUZZ_CHECK(StrToDate(written) == date);
        FUZZ_CHECK(Date::fromDayNumber(date.dayNumber()) == date);
    } catch (const ConversionError&) {
        FUZZ_CHECK(!real);
    }
}

// Leading blanks, a sign, then one to many decimal digits, within 32 bits.
bool ReadsAsInt(std::string_view s, long long& value) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty())
        return false;
    value = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
        if (value > 1LL << 32)
            return false;
    }
    value = negative ? -value : value;
    return value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
}

void CheckInt(std::string_view text) {
    long long expected = 0;
    const bool reads = ReadsAsInt(text, expected);
    try {
        const int value = StrToInt(text);
        FUZZ_CHECK(reads && value == expected);
        FUZZ_CHECK(StrToInt(std::to_string(value)) == value);
    } catch (const ConversionError&) {
        FUZZ_CHECK(!reads);
    }
}

void CheckNumFormat(std::string_view pattern, double value, int decimals) {
    // Any pattern: a text that keeps what stands around the digits.
    const std::string any = NumFormat(pattern, value);
    const auto begin = pattern.find_first_of("0#.");
    if (begin == std::string_view::npos) {
        FUZZ_CHECK(any == pattern);
    } else {
        FUZZ_CHECK(any.compare(0, begin, pattern.substr(0, begin)) == 0);
    }

    // "0.000": the value rounded to its decimals, read back within half a unit of the last digit
    // (and a little for the double's own rounding).
    const std::string plain =
        "0" + (decimals > 0 ? "." + std::string(static_cast<std::size_t>(decimals), '0') : "");
    const std::string text = NumFormat(plain, value);
    if (!std::isfinite(value)) {
        FUZZ_CHECK(text == (std::isnan(value) ? "NAN" : value < 0 ? "-INF" : "INF"));
        return;
    }
    const auto point = text.find('.');
    FUZZ_CHECK(decimals == 0 ? point == std::string::npos
                             : text.size() - point - 1 == static_cast<std::size_t>(decimals));
    FUZZ_CHECK(text.find_first_not_of("-0123456789.") == std::string::npos);
    const double back = std::strtod(text.c_str(), nullptr);
    const double unit = std::pow(10.0, -decimals);
    FUZZ_CHECK(std::fabs(back - value) <= unit / 2 + std::fabs(value) * 1e-15 + 1e-300);
}

void CheckDateFormat(const DateTime& when) {
    // Any field values, even impossible ones: every pattern letter becomes digits.
    const std::string text = DateFormat("yyyy/mm/dd hh:nn:ss", when);
    FUZZ_CHECK(text.find_first_not_of("-0123456789/: ") == std::string::npos);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input input(data, size);
    const std::string_view dateText = input.text();
    const std::string_view intText = input.text();
    const std::string_view pattern = input.text();
    double value = 0;
    const std::string_view raw = input.rest();
    std::memcpy(&value, raw.data(), std::min(raw.size(), sizeof value));
    const int decimals = raw.size() > sizeof value ? static_cast<unsigned char>(raw[sizeof value]) % 25 : 2;

    CheckDate(dateText);
    CheckInt(intText);
    CheckNumFormat(pattern, value, decimals);
    DateTime when;
    std::memcpy(&when.date.year, raw.data(), std::min(raw.size(), sizeof when.date.year));
    when.date.month = decimals - 5;
    when.date.day = static_cast<int>(pattern.size()) - 3;
    when.hour = static_cast<int>(intText.size());
    CheckDateFormat(when);
    return 0;
}
