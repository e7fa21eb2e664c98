#pragma once

#include <array>
#include <optional>
#include <string>

// The file that keeps the data server's address, one dotted line.
inline constexpr const char* ServerAddressFileName = "FtpServerIp.txt";

// The four parts, each trimmed, joined by "."; nothing when a part is empty after trimming. The
// parts are not checked for being numbers.
std::optional<std::string> JoinServerAddress(const std::array<std::string, 4>& parts);

// "1.1.1.1" is the agreed address that switches the download off.
bool DownloadAllowedFor(const std::string& address);
