#include "common/text_cut.h"

std::string CutText(const std::string& utf8, std::size_t maxCharacters) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        // Continuation bytes belong to the character before them.
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80 && ++characters > maxCharacters)
            return utf8.substr(0, i) + "…";
    }
    return utf8;
}

std::string_view TrimmedView(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);
    return text;
}
