#include "pillars/draw_memo.h"

#include <algorithm>

#include "common/num_format.h"
#include "draws/draw_tables.h"

std::string DrawMemoLine(int lineNumber, const Date& date, std::string_view drawId,
                         const std::array<std::string, 5>& numbers) {
    std::string line = NumFormat("0000", lineNumber) + "," + DateFormat("yyyy/mm/dd", date) + ",";
    line += drawId;
    for (const std::string& number : numbers)
        line += "," + number;
    return line;
}

std::vector<std::string> ListDraws(const DrawTables& tables, const std::vector<int>& draws) {
    std::vector<std::string> lines;
    lines.reserve(draws.size());
    int lineNumber = 0;
    for (int d : draws) {
        std::array<std::string, 5> numbers;
        for (int k = 1; k <= 5; ++k)
            numbers[static_cast<std::size_t>(k - 1)] = tables.DrawNums[k][d];
        lines.push_back(DrawMemoLine(++lineNumber, tables.DrawDate[d], tables.DrawId[d], numbers));
    }
    return lines;
}

std::array<std::string_view, 5> MemoLineNumbers(std::string_view line) {
    // Columns count characters, not bytes, so a wide character typed into a line never splits.
    constexpr std::size_t LastColumn = 37;
    std::array<std::string_view, 5> numbers{};
    const std::string_view head = line.substr(0, LastColumn);
    if (std::all_of(head.begin(), head.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        // Plain text (every listed line): columns are bytes.
        for (std::size_t i = 0; i < 5; ++i) {
            const auto at = static_cast<std::size_t>(MemoNumberColumns[i] - 1);
            numbers[i] = at < line.size() ? line.substr(at, 2) : std::string_view();
        }
        return numbers;
    }
    const auto startsCharacter = [](char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; };
    std::array<std::size_t, LastColumn + 2> start{}; // byte offset of each 1-based column
    start.fill(line.size());
    std::size_t column = 0;
    for (std::size_t b = 0; b < line.size() && column <= LastColumn; ++b)
        if (startsCharacter(line[b]))
            start[++column] = b;
    for (std::size_t i = 0; i < 5; ++i) {
        const auto col = static_cast<std::size_t>(MemoNumberColumns[i]);
        numbers[i] = line.substr(start[col], start[col + 2] - start[col]);
    }
    return numbers;
}

std::string_view MemoNumberText(std::string_view line, int position) {
    if (position < 1 || position > 5)
        return {};
    return MemoLineNumbers(line)[static_cast<std::size_t>(position - 1)];
}

int MemoNumber(std::string_view line, int position, int maxNo) {
    const std::string_view text = MemoNumberText(line, position);
    if (text.size() != 2 || text[0] < '0' || text[0] > '9' || text[1] < '0' || text[1] > '9')
        return 0;
    const int n = (text[0] - '0') * 10 + (text[1] - '0');
    return n >= 1 && n <= maxNo ? n : 0;
}

std::string DrawKey(std::string_view line) {
    std::string key;
    key.reserve(10);
    for (int position = 1; position <= 5; ++position) {
        std::string piece(MemoNumberText(line, position));
        // Every piece takes two bytes of the key: a short one is padded, a wide character (which
        // no number text equals) becomes blanks.
        if (piece.size() > 2)
            piece.clear();
        piece.resize(2, ' ');
        key += piece;
    }
    return key;
}

std::vector<int> DrawsInDateRange(const DrawTables& tables, const Date& from, const Date& to) {
    std::vector<int> draws;
    for (int i = 1; i <= tables.DrawCount; ++i)
        if (from <= tables.DrawDate[i] && tables.DrawDate[i] <= to)
            draws.push_back(i);
    return draws;
}

std::vector<int> LatestDraws(int drawCount, int n) {
    std::vector<int> draws;
    for (int i = std::max(drawCount - n + 1, 1); i <= drawCount; ++i)
        draws.push_back(i);
    return draws;
}

std::vector<int> PeriodicPicks(int drawCount, int k) {
    std::vector<int> picks;
    if (k < 1)
        return picks;
    for (int i = drawCount; i >= 1; i -= k)
        picks.push_back(i);
    std::reverse(picks.begin(), picks.end());
    return picks;
}

std::vector<int> LastPicks(const std::vector<int>& picks, int n) {
    const std::size_t keep = std::min(picks.size(), static_cast<std::size_t>(std::max(n, 0)));
    return std::vector<int>(picks.end() - static_cast<std::ptrdiff_t>(keep), picks.end());
}

std::vector<int> DragDraws(const DrawTables& tables, int pos, std::string_view x, int lag,
                           bool fixedPosition) {
    std::vector<int> matches;
    if (pos < 1 || pos > 5 || lag < 0)
        return matches;
    // A lag of 0 would reach one past the latest draw, which holds nothing.
    const int last = std::min(tables.DrawCount - lag + 1, tables.DrawCount);
    for (int i = 1; i <= last; ++i) {
        bool match = false;
        if (fixedPosition) {
            match = tables.DrawNums[pos][i] == x;
        } else {
            for (int k = 1; k <= 5 && !match; ++k)
                match = tables.DrawNums[k][i] == x;
        }
        if (match)
            matches.push_back(i);
    }
    std::vector<int> draws;
    for (std::size_t e = 0; e + 1 < matches.size(); ++e)
        draws.push_back(matches[e] + lag);
    return draws;
}

int DrawOfDate(const DrawTables& tables, std::string_view dateText) {
    for (int i = tables.DrawCount; i >= 1; --i)
        if (DateFormat("yyyy/mm/dd", tables.DrawDate[i]) == dateText)
            return i;
    return 0;
}

std::string ListingCountText(std::size_t count) {
    return "  " + std::to_string(count);
}

std::string DateRangeHeader(const Date& from, const Date& to, std::size_t count) {
    return "驗證期間：" + DateFormat("yyyy/mm/dd", from) + " 至 " + DateFormat("yyyy/mm/dd", to) + " 共 " +
           ListingCountText(count) + " 期";
}

std::string LatestHeader(std::string_view countText) {
    return "最近 " + std::string(countText) + " 期驗證";
}

std::string PeriodicHeader(std::string_view intervalText, std::string_view countText) {
    return "每 " + std::string(intervalText) + " 期一次，取最近 " + std::string(countText) + " 期驗證";
}

std::string DragHeader(bool fixedPosition, std::string_view positionText, std::string_view x,
                       std::string_view lagText, int count) {
    const std::string tail =
        "之下" + std::string(lagText) + "期統計驗證 (共 " + std::to_string(count) + " 期)";
    if (fixedPosition)
        return "當第 " + std::string(positionText) + " 支開" + std::string(x) + tail;
    return "當" + std::string(x) + "不定點開出 " + tail;
}
