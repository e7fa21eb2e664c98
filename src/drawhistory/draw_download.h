#pragma once

#include <optional>
#include <string>

// Where the current draw files are published unless the start-up names another server.
inline constexpr const char* DefaultDataServerUrl = "http://data.qorvel.tw";

// The address of a draw file on the data server: base (any trailing "/" dropped) + "/HISTORYDATA/"
// + file name.
std::string DrawFileUrl(const std::string& baseUrl, const std::string& fileName);

// The bytes to store for a downloaded body, with CR LF line ends; nothing when the body's first
// line is not a draw line, so an error page never replaces the history.
std::optional<std::string> DrawFileFromDownload(const std::string& body);
