// The line-sync request parser, on any datagram: only "REQ" and four characters get an answer;
// the answer never reads outside the line table, its frames come in the order RCX, RCV, END, and
// a count of four digits gets exactly the lines after it.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "drawhistory/line_sync_protocol.h"
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto table = [] {
        auto filled = std::make_unique<LineSyncTable>();
        for (int i = 1; i <= static_cast<int>(LineSyncCapacity); ++i)
            filled->lines[i] = std::string(1, static_cast<char>('a' + i % 26)) + std::to_string(i);
        return filled;
    }();
    fuzz::Input input(data, size);
    // The table's count may claim more lines than it holds, or fewer than none.
    const int count = static_cast<int>(input.byte() | (input.byte() << 8)) - 200;
    table->lineCount = count;
    table->header = std::string(input.text());
    const std::string_view datagram = input.rest();

    const std::vector<std::string> frames = AnswerLineRequest(*table, datagram);
    if (!IsLineRequest(datagram)) {
        FUZZ_CHECK(frames.empty());
        return 0;
    }
    FUZZ_CHECK(datagram.size() == 7 && datagram.starts_with("REQ"));
    FUZZ_CHECK(frames.size() <= 3);
    std::size_t at = 0;
    if (frames.size() >= 2) {
        FUZZ_CHECK(frames[0] == "RCX" + table->header);
        FUZZ_CHECK(frames[1].starts_with("RCV"));
        at = 2;
    }
    if (at < frames.size()) {
        FUZZ_CHECK(frames[at] == "END");
        ++at;
    }
    FUZZ_CHECK(at == frames.size());

    const int digits = fuzz::DigitsValue(datagram.substr(3), 4);
    if (digits >= 0) {
        const int held = std::max(0, std::min(count, static_cast<int>(LineSyncCapacity)));
        std::string lines = "RCV";
        for (int i = digits + 1; i <= held; ++i)
            lines += table->lines[i];
        FUZZ_CHECK(frames.size() >= 2 && frames[1] == lines);
        FUZZ_CHECK((frames.size() == 3) == (held >= digits));
    }
    return 0;
}
