// The check of a downloaded draw file: a body it lets through is whole (it ends in a line end
// unless its length was checked) and every line of the file it would store is a real draw, dated as
// the program writes dates, that the loader reads back; a body it refuses gets a message naming the
// reason.
#include <cstdint>
#include <string>
#include <vector>

#include "common/text_file.h"
#include "drawhistory/draw_download.h"
#include "draws/draw_loader.h"
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input input(data, size);
    const bool lengthChecked = (input.byte() & 1) != 0;
    const std::string body(input.rest());
    const DownloadedDrawFile checked =
        DrawFileFromDownload(body, Date{9999, 12, 31}, GameMaxNo, lengthChecked);
    if (!checked.ok()) {
        FUZZ_CHECK(!DownloadRefusalMessage(checked).empty());
        FUZZ_CHECK(checked.file.empty());
        return 0;
    }
    FUZZ_CHECK(lengthChecked || body.back() == '\n' || body.back() == '\r');
    FUZZ_CHECK(checked.drawCount >= 1);
    FUZZ_CHECK(checked.file.size() >= 2 && checked.file.ends_with("\r\n"));
    const std::vector<std::string> lines = SplitLines(checked.file);
    FUZZ_CHECK(lines.size() == static_cast<std::size_t>(checked.drawCount));
    for (const std::string& line : lines) {
        const std::string text = Big5ToUtf8(line);
        const std::string_view trimmed = fuzz::Trimmed(text);
        FUZZ_CHECK(fuzz::RealDrawLine(trimmed, GameMaxNo));
        FUZZ_CHECK(fuzz::DateAsWritten(trimmed.substr(0, 10)));
    }
    const DrawReadResult read = ReadDrawLines(lines, "9999/12/31");
    FUZZ_CHECK(!read.bad);
    FUZZ_CHECK(read.lines.size() == std::min<std::size_t>(lines.size(), MaxDraws));
    return 0;
}
