#include "formulas/memory_file.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "common/errors.h"
#include "common/text_file.h"

std::optional<std::vector<std::string>> ReadMemoryFile(const std::string& path) {
    if (!FileExists(path))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw FileError("無法開啟檔案 " + path);
    // Only the lines the window uses are read, byte by byte up to a bound; CR LF, LF or a lone CR
    // ends a line, and Big5 never uses those bytes inside a character.
    std::streambuf& bytes = *in.rdbuf();
    std::vector<std::string> lines;
    std::string line;
    while (lines.size() < std::tuple_size_v<MemoryLines>) {
        const int c = bytes.sbumpc();
        if (c == std::char_traits<char>::eof()) {
            if (!line.empty())
                lines.push_back(Big5ToUtf8(line));
            break;
        }
        if (c == '\r' || c == '\n') {
            if (c == '\r' && bytes.sgetc() == '\n')
                bytes.sbumpc();
            lines.push_back(Big5ToUtf8(line));
            line.clear();
            continue;
        }
        if (line.size() == MaxMemoryLineBytes)
            throw FileError("檔案 " + path + " 的內容不是基準日參數記憶");
        line.push_back(static_cast<char>(c));
    }
    return lines;
}

std::optional<std::string> WriteMemoryFile(const std::string& path, const MemoryLines& lines) {
    try {
        WriteTextLines(path, {lines.begin(), lines.end()});
        return std::nullopt;
    } catch (const FileError& error) {
        return "基準日參數記憶無法儲存(" + std::string(error.what()) + "),本次搜尋照常進行。";
    }
}

void DeleteMemoryFile(const std::string& path) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

std::string GameMemoryFileName(const std::string& dataFileName, const std::string& formName) {
    const std::string stem = dataFileName.size() > 2 ? dataFileName.substr(2, 4) : std::string();
    return "Text" + stem + "_" + formName + ".txt";
}

std::string FormMemoryFileName(const std::string& formName) {
    return "Text8E_" + formName + ".txt";
}
