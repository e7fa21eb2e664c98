#pragma once

#include <cstddef>
#include <string>

#include "common/date.h"
#include "support/draw_lines.h"

// A draw file as bytes: distinct valid draws, one a day going back from `newest` (newest first),
// CR LF line ends, as many as fit in `bytes`. 16 MiB reach back to the seventh century.
inline std::string DailyHistory(const Date& newest, std::size_t bytes) {
    std::string file;
    file.reserve(bytes);
    const long long day = newest.dayNumber();
    for (int i = 0; file.size() + 34 <= bytes; ++i)
        file +=
            MakeDrawLine(DateFormat("yyyy/mm/dd", Date::fromDayNumber(day - i)), std::to_string(100000 + i),
                         {1 + i % 39, 1 + i / 39 % 39, 1 + i / 1521 % 39, 4, 5}) +
            "\r\n";
    return file;
}
