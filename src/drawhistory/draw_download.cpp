#include "drawhistory/draw_download.h"

#include "common/text_file.h"
#include "draws/draw_loader.h"

std::string DrawFileUrl(const std::string& baseUrl, const std::string& fileName) {
    std::string base = baseUrl;
    while (!base.empty() && base.back() == '/')
        base.pop_back();
    return base + "/HISTORYDATA/" + fileName;
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
