#pragma once

#include <stdexcept>
#include <string>

// A text that should have been a number or a date. Shown by the central handler, which then ends
// the handler that raised it.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file that could not be opened, read or written.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
