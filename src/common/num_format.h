#pragma once

#include <string>
#include <string_view>

// Formats a number by a picture pattern: "0" is a digit always written, "#" a digit written only
// when significant, "." the decimal point (the digits after it are always written); every other
// character is copied unchanged. Examples: ("000", 7) -> "007", ("###", 0) -> "", ("#0", 0) -> "0",
// ("##0.00%處理中", 12.345) -> "12.35%處理中", ("共 #0 組", 5) -> "共 5 組".
std::string NumFormat(std::string_view pattern, double value);
