#pragma once

#include <cstddef>
#include <string>

// A UTF-8 text of at most `maxCharacters` characters: a longer one keeps its first characters and
// ends in "…", so a typed text of any length can be quoted without swamping what quotes it.
std::string CutText(const std::string& utf8, std::size_t maxCharacters);
