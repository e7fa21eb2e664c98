#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

// A text that should have been a number or a date. Shown by the central handler, which then ends
// the handler that raised it.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The messages of the conversions, naming the text that failed.
inline ConversionError NotAnInteger(const std::string& text) {
    return ConversionError("「" + text + "」不是有效的整數");
}
inline ConversionError NotADate(const std::string& text) {
    return ConversionError("「" + text + "」不是有效的日期");
}
// The same failure of a box's text, naming the box by the caption the user sees beside it:
// 「預測下」的內容「」不是有效的整數.
inline ConversionError InBox(std::string_view caption, const ConversionError& error) {
    return ConversionError("「" + std::string(caption) + "」的內容" + error.what());
}

// A file that could not be opened, read or written.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
