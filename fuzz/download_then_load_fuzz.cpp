// The check of a downloaded draw file and the loader read the same bytes the same way: whatever body
// the check takes, the loader reads back whole from the file the check stores, every draw as it is
// written, and the newest of them last.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "common/text_file.h"
#include "drawhistory/draw_download.h"
#include "draws/draw_loader.h"
#include "fuzz_checks.h"

namespace {

const char* const Today = "2026/12/07";

// The stored file, one per process, gone at exit.
struct StoredFile {
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("qorvel-fuzz-" + std::to_string(::getpid()) + "-TW539.txt"))
                                 .string();
    ~StoredFile() {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
    void write(const std::string& bytes) const {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        FUZZ_CHECK(out.good());
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const StoredFile stored;
    fuzz::Input input(data, size);
    const bool lengthChecked = (input.byte() & 1) != 0;
    const std::string body(input.rest());
    const DownloadedDrawFile checked =
        DrawFileFromDownload(body, Date{2026, 12, 7}, GameMaxNo, lengthChecked);
    if (!checked.ok())
        return 0;

    // Every line the check stores, read as text on its own: a real draw with its date as written, no
    // later than today; sorted, the newest MaxDraws of them are what the loader must keep.
    std::vector<std::string> expected;
    for (const std::string& line : SplitLines(Big5ToUtf8(checked.file))) {
        const std::string_view trimmed = fuzz::Trimmed(line);
        FUZZ_CHECK(fuzz::RealDrawLine(trimmed, GameMaxNo));
        FUZZ_CHECK(fuzz::DateAsWritten(trimmed.substr(0, 10)));
        FUZZ_CHECK(trimmed.substr(0, 10) <= Today);
        expected.emplace_back(trimmed);
    }
    FUZZ_CHECK(expected.size() == static_cast<std::size_t>(checked.drawCount));
    std::sort(expected.begin(), expected.end());
    if (expected.size() > MaxDraws)
        expected.erase(expected.begin(), expected.end() - MaxDraws);

    stored.write(checked.file);
    const DrawReadResult read = ReadDrawFileLines(stored.path, Today);
    FUZZ_CHECK(!read.bad);
    FUZZ_CHECK(read.lines == expected);
    return 0;
}
