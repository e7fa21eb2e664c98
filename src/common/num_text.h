#pragma once

#include <string>

// A lottery number as its zero-padded two-digit text: 7 -> "07".
std::string NumText(int number);
