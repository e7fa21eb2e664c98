// The number reader of the best-pillar memo lines, on lines a user may have edited into anything:
// it never reads outside the line, hands out at most two characters per number, and a number it
// reads is a two-digit number in 1..maxNo. A listed line reads back the numbers it was made from.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/num_text.h"
#include "fuzz_checks.h"
#include "pillars/draw_memo.h"

namespace {

std::size_t Characters(std::string_view text) {
    std::size_t count = 0;
    for (char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

void CheckReader(std::string_view line, int maxNo) {
    const std::array<std::string_view, 5> numbers = MemoLineNumbers(line);
    for (std::size_t i = 0; i < 5; ++i) {
        const std::string_view text = numbers[i];
        // A view into the line itself.
        FUZZ_CHECK(text.empty() ||
                   (text.data() >= line.data() && text.data() + text.size() <= line.data() + line.size()));
        FUZZ_CHECK(Characters(text) <= 2);
        const int position = static_cast<int>(i) + 1;
        FUZZ_CHECK(MemoNumberText(line, position) == text);
        const int n = MemoNumber(line, position, maxNo);
        const int digits = text.size() == 2 ? fuzz::DigitsValue(text, 2) : -1;
        FUZZ_CHECK(n == (digits >= 1 && digits <= maxNo ? digits : 0));
    }
    FUZZ_CHECK(MemoNumberText(line, 0).empty() && MemoNumberText(line, 6).empty());
    FUZZ_CHECK(DrawKey(line).size() == 10);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input input(data, size);
    const int maxNo = 1 + input.byte() % 99;
    // A line as listed, from a date, a draw number and five numbers taken from the input.
    const Date date{2000 + input.byte() % 30, 1 + input.byte() % 12, 1 + input.byte() % 28};
    std::array<int, 5> values{};
    std::array<std::string, 5> texts;
    for (std::size_t i = 0; i < 5; ++i) {
        values[i] = 1 + input.byte() % 39;
        texts[i] = NumText(values[i]);
    }
    const std::string listed = DrawMemoLine(1 + input.byte(), date, "115001", texts);
    for (std::size_t i = 0; i < 5; ++i)
        FUZZ_CHECK(MemoNumber(listed, static_cast<int>(i) + 1, 39) == values[i]);
    CheckReader(listed, maxNo);
    CheckReader(input.rest(), maxNo);
    return 0;
}
