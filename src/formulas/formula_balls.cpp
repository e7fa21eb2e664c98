#include "formulas/formula_balls.h"

#include "common/date.h"

namespace formula_balls_detail {

int StrictValue(const std::string& text) {
    return StrToInt(text);
}

int TwoDigitNumber(const std::string& text) {
    if (text.size() != 2 || text[0] < '0' || text[0] > '9' || text[1] < '0' || text[1] > '9')
        return 0;
    return (text[0] - '0') * 10 + (text[1] - '0');
}

} // namespace formula_balls_detail

std::string DrawDateText(const DrawTables& draws, int draw, const char* pattern) {
    return DrawLoaded(draws, draw) ? DateFormat(pattern, draws.DrawDate[draw]) : std::string();
}

std::string DrawIdText(const DrawTables& draws, int draw) {
    return DrawLoaded(draws, draw) ? draws.DrawId[draw] : std::string();
}
