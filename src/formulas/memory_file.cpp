#include "formulas/memory_file.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "common/errors.h"
#include "common/text_file.h"

std::optional<std::vector<std::string>> ReadMemoryFile(const std::string& path) {
    if (!FileExists(path))
        return std::nullopt;
    // Four lines of the longest length allowed, with their line ends, fit in this head; a longer
    // line shows in it as longer than allowed. Big5 never uses CR or LF inside a character.
    constexpr std::size_t used = std::tuple_size_v<MemoryLines>;
    std::vector<std::string> lines = SplitLines(ReadFileBytes(path, used * (MaxMemoryLineBytes + 2) + 1));
    if (lines.size() > used)
        lines.resize(used);
    for (std::string& line : lines) {
        if (line.size() > MaxMemoryLineBytes)
            throw FileError("檔案 " + path + " 的內容不是基準日參數記憶");
        line = Big5ToUtf8(line);
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
