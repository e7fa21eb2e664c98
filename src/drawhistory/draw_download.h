#pragma once

#include <optional>
#include <string>

// Where the current draw files are published. QORVEL_DATA_URL (e.g. "http://127.0.0.1:8080")
// points the download at another server.
inline constexpr const char* DefaultDataServerUrl = "http://data.qorvel.tw";

std::string DataServerBaseUrl();

// The address of a draw file on the data server: base + "/HISTORYDATA/" + file name.
std::string DrawFileUrl(const std::string& fileName);

// The bytes to store for a downloaded body, with CR LF line ends; nothing when the body's first
// line is not a draw line, so an error page never replaces the history.
std::optional<std::string> DrawFileFromDownload(const std::string& body);
