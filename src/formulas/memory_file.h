#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The memory file of a formula window: four lines in the working directory that bring back the
// settings of the last search (base date, the window's second and third parameter, and a fourth
// value such as the ball order "A"/"B"), until the user deletes it.

using MemoryLines = std::array<std::string, 4>;

// A line far longer than any the window writes: a file holding one is not a memory file.
inline constexpr std::size_t MaxMemoryLineBytes = 1024;

// The lines the file has, at most four; a shorter file gives fewer, and the window keeps its
// defaults for the rest. Nothing after the fourth line is read. None when there is no file. Throws
// FileError when it cannot be read or one of those lines is longer than MaxMemoryLineBytes.
std::optional<std::vector<std::string>> ReadMemoryFile(const std::string& path);

// Writes the four lines whole (a temporary file renamed over the old one). On failure returns the
// message to show; the search runs all the same.
std::optional<std::string> WriteMemoryFile(const std::string& path, const MemoryLines& lines);

// Deletes the file; a file that is not there is no error.
void DeleteMemoryFile(const std::string& path);

// "Text" + characters 3 to 6 of the draw file name + "_" + form name + ".txt"
// (Text539._Form_rk_6line_3is.txt for TW539.txt).
std::string GameMemoryFileName(const std::string& dataFileName, const std::string& formName);
// "Text8E_" + form name + ".txt".
std::string FormMemoryFileName(const std::string& formName);
