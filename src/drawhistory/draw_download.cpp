#include "drawhistory/draw_download.h"

#include <cstdlib>

#include "common/text_file.h"
#include "draws/draw_loader.h"

std::string DataServerBaseUrl() {
    const char* fromEnvironment = std::getenv("QORVEL_DATA_URL");
    std::string base = fromEnvironment && *fromEnvironment ? fromEnvironment : DefaultDataServerUrl;
    while (!base.empty() && base.back() == '/')
        base.pop_back();
    return base;
}

std::string DrawFileUrl(const std::string& fileName) {
    return DataServerBaseUrl() + "/HISTORYDATA/" + fileName;
}

std::optional<std::string> DrawFileFromDownload(const std::string& body) {
    // Big5 never uses CR or LF inside a character, so the raw bytes split safely.
    const std::vector<std::string> lines = SplitLines(body);
    if (lines.empty() || !IsValidDrawLine(TrimDrawLine(lines.front())))
        return std::nullopt;
    std::string file;
    file.reserve(body.size() + lines.size());
    for (const std::string& line : lines)
        file += line + "\r\n";
    return file;
}
