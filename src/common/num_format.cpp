#include "common/num_format.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

// Up to here the digits come from one 64-bit integer.
constexpr int MaxFastDecimals = 18;
constexpr double MaxFastScaled = 9.0e18;
// The largest double has 309 digits before the point.
constexpr std::size_t MaxWholeDigits = 310;

bool isPlaceholder(char c) {
    return c == '0' || c == '#' || c == '.';
}

} // namespace

std::string NumFormat(std::string_view pattern, double value) {
    const auto begin = pattern.find_first_of("0#.");
    if (begin == std::string_view::npos)
        return std::string(pattern);
    auto end = begin;
    while (end < pattern.size() && isPlaceholder(pattern[end]))
        ++end;
    const std::string_view prefix = pattern.substr(0, begin);
    const std::string_view body = pattern.substr(begin, end - begin);
    const std::string_view suffix = pattern.substr(end);

    const auto point = body.find('.');
    const std::string_view intPart = body.substr(0, point);
    const int decimals = point == std::string_view::npos ? 0 : static_cast<int>(body.size() - point - 1);
    const auto firstZero = intPart.find('0');
    const std::size_t minDigits = firstZero == std::string_view::npos ? 0 : intPart.size() - firstZero;

    std::string whole;
    std::string fraction;
    bool negative = false;
    if (!std::isfinite(value)) {
        // No digits to place: the number's own name, where the digits would stand.
        std::string out(prefix);
        out += std::isnan(value) ? "NAN" : value < 0 ? "-INF" : "INF";
        out += suffix;
        return out;
    }
    const double scale = decimals <= MaxFastDecimals ? std::pow(10.0, decimals) : 0.0;
    if (scale > 0 && std::fabs(value) * scale < MaxFastScaled) {
        // Scaled in double and rounded half away from zero, so 99.995 with two decimals gives
        // 100.00 as the user reads it, although its binary value is a little below.
        const long long scaled = std::llround(std::fabs(value) * scale);
        const auto unit = static_cast<long long>(scale);
        negative = value < 0 && scaled != 0;
        if (scaled / unit != 0)
            whole = std::to_string(scaled / unit);
        fraction = std::to_string(scaled % unit);
        if (fraction.size() < static_cast<std::size_t>(decimals))
            fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
    } else {
        // Too big for 64 bits once scaled, or more decimals than a double holds: the exact decimal
        // digits of the binary value.
        std::string text(MaxWholeDigits + static_cast<std::size_t>(decimals) + 2, '\0');
        const auto done = std::to_chars(text.data(), text.data() + text.size(), std::fabs(value),
                                        std::chars_format::fixed, decimals);
        text.resize(static_cast<std::size_t>(done.ptr - text.data()));
        const auto dot = text.find('.');
        whole = text.substr(0, dot);
        if (dot != std::string::npos)
            fraction = text.substr(dot + 1);
        if (whole == "0")
            whole.clear();
        negative = value < 0 && text.find_first_not_of("0.") != std::string::npos;
    }

    std::string digits = std::move(whole);
    if (digits.size() < minDigits)
        digits.insert(0, minDigits - digits.size(), '0');

    std::string out(prefix);
    if (negative)
        out += '-';
    out += digits;
    if (point != std::string_view::npos) {
        out += '.';
        if (decimals > 0)
            out += fraction;
    }
    out += suffix;
    return out;
}
