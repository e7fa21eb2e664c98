#include "common/text_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iconv.h>
#include <random>
#include <sstream>

#include "common/errors.h"

namespace {

std::string convert(const std::string& in, const char* to, const char* from, const std::string& replacement) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw FileError(std::string("no converter from ") + from + " to " + to);
    std::string out;
    out.reserve(in.size() * 3 / 2 + 8);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char buffer[4096];
    while (srcLeft > 0) {
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        const std::size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        if (rc == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG)
                continue;
            // An invalid or incomplete sequence: replace one byte (reading) or one UTF-8 character
            // (writing) and go on.
            out += replacement;
            std::size_t skip = 1;
            if (std::strcmp(from, "UTF-8") == 0)
                while (skip < srcLeft && (static_cast<unsigned char>(src[skip]) & 0xC0) == 0x80)
                    ++skip;
            src += skip;
            srcLeft -= skip;
        }
    }
    iconv_close(cd);
    return out;
}

} // namespace

std::string Big5ToUtf8(const std::string& big5) {
    return convert(big5, "UTF-8", "CP950", "\xEF\xBF\xBD");
}

std::string Utf8ToBig5(const std::string& utf8) {
    return convert(utf8, "CP950", "UTF-8", "?");
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines.push_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw FileError("無法開啟檔案 " + path);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad())
        throw FileError("無法讀取檔案 " + path);
    return buffer.str();
}

std::vector<std::string> ReadTextLines(const std::string& path) {
    return SplitLines(Big5ToUtf8(ReadFileBytes(path)));
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    std::random_device random;
    const fs::path temp = target.parent_path() / (".~" + target.filename().string() + "." +
                                                  std::to_string(random() % 1000000) + ".tmp");
    const auto fail = [&](const std::string& what) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        throw FileError(what + " " + path);
    };
    {
        std::FILE* out = std::fopen(temp.c_str(), "wb");
        if (!out)
            fail("無法寫入檔案");
        const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
        const bool flushed = std::fflush(out) == 0;
        const bool closed = std::fclose(out) == 0;
        if (!written || !flushed || !closed)
            fail("無法寫入檔案");
    }
    std::error_code ec;
    fs::rename(temp, target, ec);
    if (ec)
        fail("無法寫入檔案");
}

void WriteTextLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    WriteFileBytes(path, Utf8ToBig5(text));
}
