#include "drawhistory/draw_loader.h"

#include <algorithm>
#include <functional>

#include "common/date.h"
#include "common/errors.h"

namespace {

constexpr std::size_t DrawLineLength = 32;
constexpr std::array<std::size_t, 5> NumberColumns = {18, 21, 24, 27, 30}; // 0-based starts

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool numbersAreDigits(const std::string& line) {
    return std::all_of(NumberColumns.begin(), NumberColumns.end(),
                       [&](std::size_t c) { return isDigit(line[c]) && isDigit(line[c + 1]); });
}

} // namespace

std::string TrimDrawLine(const std::string& line) {
    std::size_t begin = 0;
    std::size_t end = line.size();
    while (begin < end && static_cast<unsigned char>(line[begin]) <= ' ')
        ++begin;
    while (end > begin && static_cast<unsigned char>(line[end - 1]) <= ' ')
        --end;
    return line.substr(begin, end - begin);
}

bool IsValidDrawLine(const std::string& trimmed) {
    if (trimmed.size() != DrawLineLength || !numbersAreDigits(trimmed))
        return false;
    try {
        StrToDate(trimmed.substr(0, 10));
        return true;
    } catch (const ConversionError&) {
        return false;
    }
}

DrawReadResult ReadDrawLines(const std::vector<std::string>& fileLines, const std::string& today) {
    DrawReadResult result;
    for (std::size_t i = 0; i < fileLines.size(); ++i) {
        std::string line = TrimDrawLine(fileLines[i]);
        if (line.size() != DrawLineLength)
            break;
        if (!IsValidDrawLine(line)) {
            result.bad = BadDrawLine{static_cast<int>(i + 1), fileLines[i]};
            break;
        }
        if (line.compare(0, 10, today) <= 0)
            result.lines.push_back(std::move(line));
    }
    std::sort(result.lines.begin(), result.lines.end());
    if (result.lines.size() > MaxDraws)
        result.lines.erase(result.lines.begin(), result.lines.end() - MaxDraws);
    return result;
}

void StoreDrawLines(SharedState& state, const std::vector<std::string>& lines) {
    const int count = static_cast<int>(std::min<std::size_t>(lines.size(), MaxDraws));
    for (int k = 1; k <= count; ++k)
        state.DrawLines[k] = lines[static_cast<std::size_t>(k - 1)];
    state.DrawCount = count;
}

void SortDrawLines(SharedState& state, int mode) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(state.DrawCount));
    for (int k = 1; k <= state.DrawCount; ++k)
        lines.push_back(std::move(state.DrawLines[k]));
    if (mode == 1)
        std::sort(lines.begin(), lines.end(), std::greater<>());
    else
        std::sort(lines.begin(), lines.end());
    StoreDrawLines(state, lines);
}

void SplitDrawLines(SharedState& state) {
    for (int k = 1; k <= state.DrawCount; ++k) {
        const std::string& line = state.DrawLines[k];
        state.DrawDate[k] = StrToDate(line.substr(0, 10));
        state.DrawId[k] = line.size() >= 17 ? line.substr(11, 6) : std::string();
        if (line.size() < DrawLineLength || !numbersAreDigits(line))
            throw ConversionError("'" + line + "' is not a valid integer value");
        std::array<std::string, 5> nums;
        for (std::size_t p = 0; p < 5; ++p)
            nums[p] = line.substr(NumberColumns[p], 2);
        for (int p = 1; p <= 5; ++p) {
            state.DrawNumsDrawn[p][k] = nums[static_cast<std::size_t>(p - 1)];
            state.DrawNumsWork[p][k] = nums[static_cast<std::size_t>(p - 1)];
        }
        std::sort(nums.begin(), nums.end());
        for (int p = 1; p <= 5; ++p)
            state.DrawNums[p][k] = nums[static_cast<std::size_t>(p - 1)];
    }
}

void ClearDrawTables(SharedState& state) {
    for (int p = 1; p <= MaxBallSlots; ++p) {
        state.DrawNumsDrawn[p].fill({});
        state.DrawNumsWork[p].fill({});
        state.DrawNums[p].fill({});
    }
    state.DrawId.fill({});
}

void ResetPathRules(SharedState& state) {
    static const std::array<const char*, 10> names = {
        "隔一版開同號(X1N0)",       "隔一版開 Ｎ＋１號(X1N+1)", "隔一版開 Ｎ－１號(X1N-1)",
        "隔一版開 Ｎ＋２號(X1N+2)", "隔一版開 Ｎ－２號(X1N-2)", "隔二版開同號(X2N0)",
        "隔二版開 Ｎ＋１號(X2N+1)", "隔二版開 Ｎ－１號(X2N-1)", "隔二版開 Ｎ＋２號(X2N+2)",
        "隔二版開 Ｎ－２號(X2N-2)"};
    state.RuleEnable.fill(true);
    state.RuleOkCount = 3;
    for (int i = 1; i <= 10; ++i)
        state.RuleName[i] = names[static_cast<std::size_t>(i - 1)];
}

std::array<std::string, 7> DrawLineCells(const std::string& line) {
    const auto column = [&](std::size_t start, std::size_t length) {
        return start < line.size() ? line.substr(start, length) : std::string();
    };
    return {column(0, 10),
            column(11, 6),
            column(NumberColumns[0], 2),
            column(NumberColumns[1], 2),
            column(NumberColumns[2], 2),
            column(NumberColumns[3], 2),
            column(NumberColumns[4], 2)};
}

std::array<std::string, 3> NewestDrawLabels(const SharedState& state) {
    std::string date, id, numbers;
    if (state.DrawCount >= 1) {
        const std::array<std::string, 7> cells = DrawLineCells(state.DrawLines[1]);
        date = cells[0];
        id = cells[1];
        numbers = state.DrawLines[1].size() > 18 ? state.DrawLines[1].substr(18) : std::string();
    }
    return {"日期:" + date, "期數:" + id, "號碼(落球):" + numbers};
}
