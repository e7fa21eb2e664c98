#include "analysis/golden_combination.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>

#include "common/num_format.h"
#include "common/num_text.h"

namespace {

std::string DateText(const Date& date) {
    return DateFormat("yyyy/mm/dd", date);
}

// The numbers named by a draw's five positions (0 where a text names none).
std::array<int, DrawBalls> PositionNumbers(const DrawTables& draws, int draw) {
    std::array<int, DrawBalls> numbers{};
    for (int position = 1; position <= DrawBalls; ++position)
        numbers[static_cast<std::size_t>(position - 1)] =
            DrawnNumberOfText(draws.DrawNumsDrawn[position][draw], draws.MaxNo);
    return numbers;
}

// Every combination of `size` numbers of 1..maxNo in ascending order, as the nested loops list them.
void ForEachCombination(int maxNo, int size, const std::function<void(const std::vector<int>&)>& visit) {
    std::vector<int> combination(static_cast<std::size_t>(size));
    std::function<void(int, int)> choose = [&](int slot, int from) {
        if (slot == size) {
            visit(combination);
            return;
        }
        for (int n = from; n <= maxNo - (size - slot - 1); ++n) {
            combination[static_cast<std::size_t>(slot)] = n;
            choose(slot + 1, n + 1);
        }
    };
    choose(0, 1);
}

std::string CountField(int count, int width) {
    return NumFormat(std::string(static_cast<std::size_t>(width), '0'), count);
}

} // namespace

std::vector<int> GoldenDraws(const DrawTables& draws, const GoldenQuery& query) {
    std::vector<int> inRange;
    for (int i = 1; i <= draws.DrawCount; ++i)
        if (query.start <= draws.DrawDate[i] && draws.DrawDate[i] <= query.end)
            inRange.push_back(i);
    return inRange;
}

GoldenRanking get_sumno(const DrawTables& draws, const GoldenQuery& query) {
    GoldenRanking ranking;
    std::vector<int>& key = ranking.gold_key;
    for (int n = 1; n <= draws.MaxNo; ++n)
        key.push_back(n);
    for (int i : GoldenDraws(draws, query)) {
        ++ranking.drawsInRange;
        for (int position = 1; position <= DrawBalls; ++position) {
            const int n = StrToInt(draws.DrawNumsDrawn[position][i]);
            if (n >= 1 && n <= draws.MaxNo)
                key[static_cast<std::size_t>(n - 1)] += 100;
        }
    }
    // Keys are distinct (count × 100 + number), so equal counts rank the higher number first.
    std::sort(key.begin(), key.end(), std::greater<>());
    return ranking;
}

std::string GoldenDrawCountText(const GoldenRanking& ranking) {
    return "  " + std::to_string(ranking.drawsInRange);
}

void ShowRanking(const GoldenRanking& ranking, TextTable& sga1, TextTable& sga2) {
    for (TextTable* grid : {&sga1, &sga2}) {
        grid->resize(GoldenTopNumbers, 2);
        grid->setFixed(0, 1);
        grid->clearCells();
    }
    for (std::size_t r = 0; r < ranking.gold_key.size(); ++r) {
        const int key = ranking.gold_key[r];
        TextTable& grid = r < GoldenTopNumbers ? sga1 : sga2;
        const int column = static_cast<int>(r % GoldenTopNumbers);
        grid.setCell(column, 0, NumText(key % 100));
        grid.setCell(column, 1, std::to_string(key / 100));
    }
}

std::vector<int> GoldenTopNumbersOf(const GoldenRanking& ranking) {
    std::vector<int> top;
    for (std::size_t r = 0; r < ranking.gold_key.size() && r < GoldenTopNumbers; ++r)
        top.push_back(ranking.gold_key[r] % 100);
    std::sort(top.begin(), top.end());
    return top;
}

std::vector<GoldenEntry> GoldenCombinations(const DrawTables& draws, const GoldenQuery& query, int size) {
    const int maxNo = draws.MaxNo;
    const auto side = static_cast<std::size_t>(maxNo + 1);
    const auto indexOf = [&](const std::vector<int>& c) {
        std::size_t index = 0;
        for (int n : c)
            index = index * side + static_cast<std::size_t>(n);
        return index;
    };
    std::size_t cells = 1;
    for (int k = 0; k < size; ++k)
        cells *= side;
    std::vector<int> counts(cells, 0);

    // A draw counts for a combination when the positions holding its numbers are exactly as many as
    // its numbers. With five different numbers that is "holds every number"; a draw that repeats a
    // number is checked against every combination as it stands.
    std::vector<std::vector<std::uint8_t>> repeating; // per such draw: positions holding each number
    for (int i : GoldenDraws(draws, query)) {
        const std::array<int, DrawBalls> numbers = PositionNumbers(draws, i);
        std::vector<int> held;
        bool repeats = false;
        for (int n : numbers) {
            if (n == 0)
                continue;
            repeats = repeats || std::find(held.begin(), held.end(), n) != held.end();
            held.push_back(n);
        }
        if (repeats) {
            std::vector<std::uint8_t>& held = repeating.emplace_back(side, 0);
            for (int n : numbers)
                ++held[static_cast<std::size_t>(n)]; // 0 collects the positions naming no number
            continue;
        }
        std::sort(held.begin(), held.end());
        std::vector<int> pick(static_cast<std::size_t>(size));
        std::function<void(int, std::size_t)> choose = [&](int slot, std::size_t from) {
            if (slot == size) {
                ++counts[indexOf(pick)];
                return;
            }
            for (std::size_t h = from; h < held.size(); ++h) {
                pick[static_cast<std::size_t>(slot)] = held[h];
                choose(slot + 1, h + 1);
            }
        };
        choose(0, 0);
    }

    std::vector<GoldenEntry> entries;
    ForEachCombination(maxNo, size, [&](const std::vector<int>& c) {
        int count = counts[indexOf(c)];
        for (const std::vector<std::uint8_t>& held : repeating) {
            int matched = 0;
            for (int n : c)
                matched += held[static_cast<std::size_t>(n)];
            count += matched == size ? 1 : 0;
        }
        entries.push_back({count, c});
    });
    std::sort(entries.begin(), entries.end(),
              [](const GoldenEntry& a, const GoldenEntry& b) { return GoldenEntryLess(b, a); });
    return entries;
}

int GoldenCountWidth(const std::vector<GoldenEntry>& entries) {
    int most = 0;
    for (const GoldenEntry& e : entries)
        most = std::max(most, e.count);
    return std::max(3, static_cast<int>(std::to_string(most).size()));
}

namespace {

std::vector<std::string> CombinationLines(const std::vector<GoldenEntry>& entries, std::size_t listed) {
    const int width = GoldenCountWidth(entries);
    std::vector<std::string> lines;
    for (std::size_t e = 0; e < entries.size() && e < listed; ++e)
        lines.push_back(entries[e].text() + "  " + CountField(entries[e].count, width));
    return lines;
}

} // namespace

std::vector<std::string> PairLines(const DrawTables& draws, const GoldenQuery& query) {
    const std::vector<GoldenEntry> pairs = GoldenCombinations(draws, query, 2);
    return CombinationLines(pairs, pairs.size());
}

std::vector<std::string> TripleLines(const DrawTables& draws, const GoldenQuery& query) {
    return CombinationLines(GoldenCombinations(draws, query, 3), GoldenTriplesListed);
}

std::vector<std::string> TenNumberReport(const GoldenQuery& query, const GoldenRanking& ranking,
                                         const std::vector<GoldenEntry>& kept) {
    std::vector<std::string> lines = {"", "六合彩最佳組合：黃金十號",
                                      "開獎日期自 " + DateText(query.start) + " 至 " + DateText(query.end) +
                                          " 共 " + GoldenDrawCountText(ranking) + " 期"};
    for (std::size_t rank = 0; rank < 2 && rank < kept.size(); ++rank) {
        const GoldenEntry& entry = kept[rank];
        if (entry.count == 0)
            continue;
        std::string numbers;
        for (std::size_t k = 0; k < entry.numbers.size(); ++k)
            numbers += (k ? " " : "") + NumText(entry.numbers[k]);
        lines.push_back("第 " + NumFormat("00", static_cast<double>(rank + 1)) + " 組號碼 " + numbers +
                        " 開出五星以上" + (query.specialNumber ? "(含特別號)" : "(不含特別號)") +
                        std::to_string(entry.count) + " 次");
    }
    return lines;
}

std::vector<std::string> TenNumberLines(const DrawTables& draws, const GoldenQuery& query,
                                        const GoldenSearchControl& control, bool* stopped) {
    const GoldenRanking ranking = get_sumno(draws, query);
    const GoldenTenOutcome outcome =
        BestTenNumberGroups(draws, GoldenDraws(draws, query), GoldenTopNumbersOf(ranking), control);
    if (stopped)
        *stopped = outcome.stopped;
    if (outcome.stopped)
        return {};
    return TenNumberReport(query, ranking, outcome.kept);
}

GoldenTexts GoldenCombination(const DrawTables& draws, const GoldenQuery& query,
                              const GoldenSearchControl& control) {
    GoldenTexts texts;
    const GoldenRanking ranking = get_sumno(draws, query);
    texts.drawCount = GoldenDrawCountText(ranking);
    ShowRanking(ranking, texts.sga1, texts.sga2);
    texts.pairs = PairLines(draws, query);
    texts.triples = TripleLines(draws, query);
    texts.ten = TenNumberLines(draws, query, control, &texts.stopped);
    return texts;
}
