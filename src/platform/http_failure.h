#pragma once

#include <cstddef>

// A draw file is a few hundred kilobytes; an answer far bigger than that is not one, and is not kept.
inline constexpr std::size_t MaxHttpBodyBytes = 16u * 1024u * 1024u;

// Why an HTTP request brought no answer to use.
enum class HttpFailure {
    None,
    NoAnswer,         // no connection, or it broke off
    Status,           // the server answered with a status that is not 2xx
    TooManyRedirects, // sent on more than 5 times, or in a loop
    RedirectRefused,  // sent to an address that is not http or https
    TimedOut,         // no whole answer within the time-out
    TooLarge,         // the answer was larger than MaxHttpBodyBytes
};
