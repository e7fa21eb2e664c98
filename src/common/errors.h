#pragma once

#include <stdexcept>
#include <string>

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

// A file that could not be opened, read or written.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
