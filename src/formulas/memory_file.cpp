#include "formulas/memory_file.h"

#include <filesystem>
#include <system_error>

#include "common/errors.h"
#include "common/text_file.h"

std::optional<std::vector<std::string>> ReadMemoryFile(const std::string& path) {
    if (!FileExists(path))
        return std::nullopt;
    std::vector<std::string> lines = ReadTextLines(path);
    if (lines.size() > 4)
        lines.resize(4);
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
