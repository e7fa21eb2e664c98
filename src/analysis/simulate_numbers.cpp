#include "analysis/simulate_numbers.h"

#include "common/date.h"
#include "common/errors.h"
#include "common/num_format.h"

std::string SimulatedTextAfterChange(const std::string& text) {
    try {
        StrToInt(text);
        return text;
    } catch (const ConversionError&) {
        return {};
    }
}

std::string SimulatedTextOnLeave(const std::string& text) {
    if (text.empty())
        return text;
    try {
        return NumFormat("00", StrToInt(text));
    } catch (const ConversionError&) {
        return {};
    }
}
