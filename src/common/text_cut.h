#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A UTF-8 text of at most `maxCharacters` characters: a longer one keeps its first characters and
// ends in "…", so a typed text of any length can be quoted without swamping what quotes it.
std::string CutText(const std::string& utf8, std::size_t maxCharacters);

// The text without the blanks and control characters at either end, as the draw file's reader and
// the boxes trim what they are given.
std::string_view TrimmedView(std::string_view text);
