#include "common/num_format.h"

#include <cmath>
#include <string>

namespace {

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

    const double scale = std::pow(10.0, decimals);
    const long long scaled = std::llround(std::fabs(value) * scale);
    const bool negative = value < 0 && scaled != 0;
    const long long whole = scaled / static_cast<long long>(scale);
    const long long fraction = scaled % static_cast<long long>(scale);

    std::string digits = whole == 0 ? std::string() : std::to_string(whole);
    if (digits.size() < minDigits)
        digits.insert(0, minDigits - digits.size(), '0');

    std::string out(prefix);
    if (negative)
        out += '-';
    out += digits;
    if (point != std::string_view::npos) {
        out += '.';
        std::string frac = std::to_string(fraction);
        if (static_cast<int>(frac.size()) < decimals)
            frac.insert(0, static_cast<std::size_t>(decimals) - frac.size(), '0');
        if (decimals > 0)
            out += frac;
    }
    out += suffix;
    return out;
}
