#pragma once

// Why an HTTP request brought no answer to use.
enum class HttpFailure {
    None,
    NoAnswer,         // no connection, or it broke off
    Status,           // the server answered with a status that is not 2xx
    TooManyRedirects, // sent on more than 5 times, or in a loop
    RedirectRefused,  // sent to an address that is not http or https
    TimedOut,         // no whole answer within the time-out
};
