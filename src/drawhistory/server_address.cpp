#include "drawhistory/server_address.h"

#include "draws/draw_loader.h"

std::optional<std::string> JoinServerAddress(const std::array<std::string, 4>& parts) {
    std::string address;
    for (const std::string& part : parts) {
        const std::string trimmed = TrimDrawLine(part);
        if (trimmed.empty())
            return std::nullopt;
        if (!address.empty())
            address += '.';
        address += trimmed;
    }
    return address;
}

bool DownloadAllowedFor(const std::string& address) {
    return TrimDrawLine(address) != "1.1.1.1";
}
