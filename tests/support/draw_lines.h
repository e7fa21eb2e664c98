#pragma once

#include <array>
#include <string>

#include "common/num_text.h"

// "yyyy/mm/dd,xxxxxx,n1,n2,n3,n4,n5" for test draw files.
inline std::string MakeDrawLine(const std::string& date, const std::string& id, std::array<int, 5> numbers) {
    std::string line = date + "," + id;
    for (int n : numbers)
        line += "," + NumText(n);
    return line;
}
