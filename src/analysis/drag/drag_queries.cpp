#include "analysis/drag/drag_queries.h"

#include <algorithm>
#include <array>

#include "common/date.h"
#include "common/errors.h"
#include "common/num_format.h"
#include "draws/draw_tables.h"

namespace {

// Adds the target of base draw i when it is a loaded draw.
void addTarget(std::vector<int>& rows, const DrawTables& draws, int base, int offset) {
    const long long target = static_cast<long long>(base) + offset;
    if (target >= 1 && target <= draws.DrawCount)
        rows.push_back(static_cast<int>(target));
}

bool drewNumber(const DrawTables& draws, int draw, const std::string& number) {
    if (number.empty())
        return false;
    for (int p = 1; p <= DrawBalls; ++p)
        if (draws.DrawNumsDrawn[p][draw] == number)
            return true;
    return false;
}

template <class Condition>
std::vector<int> everyDrawWhere(const DrawTables& draws, int offset, Condition condition) {
    std::vector<int> rows;
    for (int i = 1; i <= draws.DrawCount; ++i)
        if (condition(i))
            addTarget(rows, draws, i, offset);
    return rows;
}

// The text at a position of a number table, or empty text where the table has no such position.
template <class Table> const std::string& positionText(const Table& table, int position, int draw) {
    static const std::string none;
    return Table::contains(position) ? table[position][draw] : none;
}

} // namespace

std::vector<int> SingleTargets(const DrawTables& draws, const std::vector<int>& baseDraws,
                               const std::string& number, int offset) {
    std::vector<int> rows;
    for (int base : baseDraws)
        if (base >= 1 && base <= draws.DrawCount && drewNumber(draws, base, number))
            addTarget(rows, draws, base, offset);
    return rows;
}

std::vector<int> PairTargets(const DrawTables& draws, const std::string& a, const std::string& b,
                             int offset) {
    return everyDrawWhere(draws, offset,
                          [&](int i) { return drewNumber(draws, i, a) && drewNumber(draws, i, b); });
}

std::vector<int> TripleTargets(const DrawTables& draws, const std::string& a, const std::string& b,
                               const std::string& c, int offset) {
    return everyDrawWhere(draws, offset, [&](int i) {
        return drewNumber(draws, i, a) && drewNumber(draws, i, b) && drewNumber(draws, i, c);
    });
}

std::vector<int> SizePositionTargets(const DrawTables& draws, int position, const std::string& number,
                                     int offset) {
    return everyDrawWhere(draws, offset, [&](int i) {
        return !number.empty() && positionText(draws.DrawNums, position, i) == number;
    });
}

std::vector<int> BallPositionTargets(const DrawTables& draws, int position, const std::string& number,
                                     int offset) {
    return everyDrawWhere(draws, offset, [&](int i) {
        return !number.empty() && positionText(draws.DrawNumsDrawn, position, i) == number;
    });
}

std::vector<int> AddTargets(const DrawTables& draws, int a, int sign, int k, int b, int offset) {
    return everyDrawWhere(draws, offset, [&](int i) {
        const long long left = StrToInt(positionText(draws.DrawNums, a, i));
        const long long right = StrToInt(positionText(draws.DrawNums, b, i));
        return left + static_cast<long long>(sign) * k == right;
    });
}

CycleRows CycleTargets(const DrawTables& draws, const std::string& periodText, int cycle, int offset) {
    CycleRows result;
    const int chosen = FindPeriod(draws, periodText);
    result.usedDraw = chosen == 0 ? draws.DrawCount : chosen;
    for (int t = 0; t < draws.DrawCount; ++t) {
        const long long target =
            static_cast<long long>(result.usedDraw) + 1 + offset - static_cast<long long>(t) * cycle;
        if (target >= 1 && target <= draws.DrawCount)
            result.rows.push_back(static_cast<int>(target));
    }
    std::reverse(result.rows.begin(), result.rows.end());
    return result;
}

// ---- periods and choice lists ----

int FindPeriod(const DrawTables& draws, const std::string& periodText) {
    for (int k = draws.DrawCount; k >= 1; --k)
        if (draws.DrawId[k] == periodText)
            return k;
    return 0;
}

int PeriodOffset(const DrawTables& draws, int chosenDraw) {
    return draws.DrawCount - chosenDraw + 1;
}

std::vector<std::string> RecentPeriods(const DrawTables& draws) {
    std::vector<std::string> ids;
    for (int k = draws.DrawCount; k >= 1 && k > draws.DrawCount - 11; --k)
        ids.push_back(draws.DrawId[k]);
    return ids;
}

namespace {

bool isLoaded(const DrawTables& draws, int draw) {
    return draw >= 1 && draw <= draws.DrawCount;
}

template <class Table>
std::vector<std::string> fiveOf(const Table& table, const DrawTables& draws, int draw) {
    std::vector<std::string> texts(DrawBalls);
    if (isLoaded(draws, draw))
        for (int p = 1; p <= DrawBalls; ++p)
            texts[static_cast<std::size_t>(p - 1)] = table[p][draw];
    return texts;
}

} // namespace

std::vector<std::string> DrawnChoices(const DrawTables& draws, int chosenDraw) {
    return fiveOf(draws.DrawNumsDrawn, draws, chosenDraw);
}

std::vector<std::string> SizeChoices(const DrawTables& draws, int chosenDraw) {
    return fiveOf(draws.DrawNums, draws, chosenDraw);
}

std::vector<std::string> PairChoices(const DrawTables& draws, int chosenDraw) {
    if (!isLoaded(draws, chosenDraw))
        return std::vector<std::string>(DrawBalls);
    std::vector<std::string> pairs;
    for (int x = 1; x <= DrawBalls; ++x)
        for (int y = x + 1; y <= DrawBalls; ++y)
            pairs.push_back(draws.DrawNums[x][chosenDraw] + "." + draws.DrawNums[y][chosenDraw]);
    return pairs;
}

std::vector<std::string> TripleChoices(const DrawTables& draws, int chosenDraw) {
    if (!isLoaded(draws, chosenDraw))
        return std::vector<std::string>(DrawBalls);
    std::vector<std::string> triples;
    for (int x = 1; x <= DrawBalls; ++x)
        for (int y = x + 1; y <= DrawBalls; ++y)
            for (int z = y + 1; z <= DrawBalls; ++z)
                triples.push_back(draws.DrawNums[x][chosenDraw] + "." + draws.DrawNums[y][chosenDraw] + "." +
                                  draws.DrawNums[z][chosenDraw]);
    return triples;
}

std::string PeriodText(const DrawTables& draws, int draw) {
    return isLoaded(draws, draw) ? draws.DrawId[draw] : std::string();
}

std::string ChoicePart(const std::string& text, int from) {
    const auto start = static_cast<std::size_t>(std::max(1, from) - 1);
    return start < text.size() ? text.substr(start, 2) : std::string();
}

int LeadingValue(const std::string& text) {
    try {
        return StrToInt(text);
    } catch (const std::exception&) {
    }
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min<long long>(value * 10 + (text[i] - '0'), 1'000'000'000LL);
    return static_cast<int>(negative ? -value : value);
}

int AddPosition(std::string_view caption, const std::string& text) {
    const int position = LeadingValue(text);
    if (position >= 1 && position <= DrawBalls)
        return position;
    BoxTextToInt(caption, text); // no number at all: said so
    throw InBox(caption, ConversionError("「" + text + "」不在 1 到 " + std::to_string(DrawBalls) + " 之間"));
}

// ---- labels ----

std::string OffsetLabel(int offset) {
    if (offset == 0)
        return "本期";
    if (offset > 0)
        return NumFormat("下 ## 期", offset);
    return NumFormat("上 ## 期", -static_cast<double>(offset));
}

std::string ChoiceTitle(const std::string& choice, const std::string& label) {
    return "本期開 " + choice + " " + label + " 拖牌分析";
}

std::string SizePositionTitle(const std::string& position, const std::string& number,
                              const std::string& label) {
    return "本期第 " + position + " 支開 " + number + " " + label + " 拖牌分析";
}

std::string BallPositionTitle(const std::string& position, const std::string& number,
                              const std::string& label) {
    return "本期落球第 " + position + " 支開 " + number + " " + label + " 拖牌分析";
}

std::string AddTitle(const std::string& a, const std::string& sign, const std::string& k,
                     const std::string& b, const std::string& label) {
    return "本期第 " + a + " 支" + sign + " " + k + "等於第 " + b + "支" + label + " 拖牌分析";
}

std::string CycleTitle(const std::string& period, const std::string& cycle, const std::string& label) {
    return "第" + period + "期之下一期往前推,每隔 " + cycle + "期 " + label + " 拖牌分析";
}
