#include "pillars/hit_statistics.h"

#include <algorithm>
#include <array>

#include "common/num_format.h"
#include "pillars/draw_memo.h"

namespace {

constexpr int MaxNumber = 49; // the number boxes of the window
constexpr int MaxK = 4;

// Binomial coefficients up to choose(49, 4), for ranking combinations densely.
struct Binomials {
    std::array<std::array<int, MaxK + 1>, MaxNumber + 1> c{};
    Binomials() {
        for (int n = 0; n <= MaxNumber; ++n) {
            c[static_cast<std::size_t>(n)][0] = 1;
            for (int k = 1; k <= MaxK; ++k)
                c[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)] =
                    n == 0 ? 0
                           : c[static_cast<std::size_t>(n - 1)][static_cast<std::size_t>(k - 1)] +
                                 c[static_cast<std::size_t>(n - 1)][static_cast<std::size_t>(k)];
        }
    }
    int operator()(int n, int k) const { return c[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)]; }
};

const Binomials choose;

// The distinct numbers of a memo line, ascending.
struct LineNumbers {
    std::array<int, 5> n{};
    int size = 0;
};

LineNumbers readLine(const std::string& line, int maxNo) {
    LineNumbers out;
    // Insertion into the ascending list, dropping repeats (a line edited to hold one number twice).
    for (int position = 1; position <= 5; ++position) {
        const int n = MemoNumber(line, position, maxNo);
        if (n == 0)
            continue;
        int at = out.size;
        while (at > 0 && out.n[static_cast<std::size_t>(at - 1)] > n)
            --at;
        if (at > 0 && out.n[static_cast<std::size_t>(at - 1)] == n)
            continue;
        for (int i = out.size; i > at; --i)
            out.n[static_cast<std::size_t>(i)] = out.n[static_cast<std::size_t>(i - 1)];
        out.n[static_cast<std::size_t>(at)] = n;
        ++out.size;
    }
    return out;
}

// A dense index of an ascending combination of numbers 1..49 (combinatorial number system).
int comboIndex(const int* numbers, int k) {
    int index = 0;
    for (int i = 0; i < k; ++i)
        index += choose(numbers[i] - 1, i + 1);
    return index;
}

std::string comboKey(const int* numbers, int k) {
    std::string key(static_cast<std::size_t>(2 * k), '0');
    for (int i = 0; i < k; ++i) {
        key[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + numbers[i] / 10);
        key[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + numbers[i] % 10);
    }
    return key;
}

// Calls visit(numbers) for every k-subset of the line's numbers, in ascending (lexicographic) order.
template <class Visit> void forEachSubset(const LineNumbers& line, int k, Visit&& visit) {
    if (line.size < k)
        return;
    std::array<int, MaxK> pick{};
    std::array<int, MaxK> chosen{};
    for (int i = 0; i < k; ++i)
        pick[static_cast<std::size_t>(i)] = i;
    for (;;) {
        for (int i = 0; i < k; ++i)
            chosen[static_cast<std::size_t>(i)] =
                line.n[static_cast<std::size_t>(pick[static_cast<std::size_t>(i)])];
        visit(chosen.data());
        int i = k - 1;
        while (i >= 0 && pick[static_cast<std::size_t>(i)] == line.size - k + i)
            --i;
        if (i < 0)
            return;
        ++pick[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < k; ++j)
            pick[static_cast<std::size_t>(j)] = pick[static_cast<std::size_t>(j - 1)] + 1;
    }
}

// Parses a combination key of k ascending numbers 1..maxNo; false for anything else.
bool parseKey(const std::string& key, int k, int maxNo, int* numbers) {
    if (static_cast<int>(key.size()) != 2 * k)
        return false;
    for (int i = 0; i < k; ++i) {
        const char a = key[static_cast<std::size_t>(2 * i)];
        const char b = key[static_cast<std::size_t>(2 * i + 1)];
        if (a < '0' || a > '9' || b < '0' || b > '9')
            return false;
        numbers[i] = (a - '0') * 10 + (b - '0');
        if (numbers[i] < 1 || numbers[i] > maxNo || (i > 0 && numbers[i] <= numbers[i - 1]))
            return false;
    }
    return true;
}

std::vector<RankedCount> ranked(std::vector<RankedCount> counts) {
    std::sort(counts.begin(), counts.end(), [](const RankedCount& a, const RankedCount& b) {
        return a.hits != b.hits ? a.hits > b.hits : a.key > b.key;
    });
    return counts;
}

} // namespace

const std::vector<std::string>* CombinationLists::ofSize(int k) const {
    switch (k) {
    case 2:
        return &pairs;
    case 3:
        return &triples;
    case 4:
        return &quads;
    default:
        return nullptr;
    }
}

NumberCount Count_Sumno(const std::vector<std::string>& lines, int maxNo) {
    maxNo = std::clamp(maxNo, 1, MaxNumber);
    NumberCount out;
    std::vector<RankedCount> counts(static_cast<std::size_t>(maxNo));
    for (int n = 1; n <= maxNo; ++n)
        counts[static_cast<std::size_t>(n - 1)].key = n;
    std::array<std::vector<char>, MaxK + 1> seen;
    for (int k = 2; k <= MaxK; ++k)
        seen[static_cast<std::size_t>(k)].assign(static_cast<std::size_t>(choose(maxNo, k)), 0);

    for (const std::string& line : lines) {
        for (int position = 1; position <= 5; ++position)
            if (int n = MemoNumber(line, position, maxNo))
                ++counts[static_cast<std::size_t>(n - 1)].hits;
        const LineNumbers numbers = readLine(line, maxNo);
        for (int k = 2; k <= MaxK; ++k) {
            auto& list = k == 2   ? out.combinations.pairs
                         : k == 3 ? out.combinations.triples
                                  : out.combinations.quads;
            auto& known = seen[static_cast<std::size_t>(k)];
            forEachSubset(numbers, k, [&](const int* combo) {
                char& mark = known[static_cast<std::size_t>(comboIndex(combo, k))];
                if (!mark) {
                    mark = 1;
                    list.push_back(comboKey(combo, k));
                }
            });
        }
    }
    out.ranking = ranked(std::move(counts));
    return out;
}

namespace {

CountRows CountRowsOf(const std::vector<RankedCount>& ranking, std::string_view keyPattern) {
    CountRows rows;
    for (const RankedCount& entry : ranking) {
        rows.keys.push_back(NumFormat(keyPattern, entry.key));
        rows.hits.push_back(std::to_string(entry.hits));
    }
    return rows;
}

} // namespace

CountRows NumberCountRows(const std::vector<RankedCount>& ranking) {
    return CountRowsOf(ranking, "00");
}

CountRows TailCountRows(const std::vector<RankedCount>& ranking) {
    return CountRowsOf(ranking, "0 尾");
}

std::vector<RankedCount> Count_Sumno_tail(const std::vector<std::string>& lines, int maxNo) {
    std::vector<RankedCount> counts(10);
    for (int d = 0; d <= 9; ++d)
        counts[static_cast<std::size_t>(d)].key = d;
    for (const std::string& line : lines)
        for (int position = 1; position <= 5; ++position)
            if (int n = MemoNumber(line, position, maxNo))
                ++counts[static_cast<std::size_t>(n % 10)].hits;
    return ranked(std::move(counts));
}

std::vector<HotCombination> get_allno(int k, const std::vector<std::string>& combinations,
                                      const std::vector<std::string>& lines, int maxNo) {
    std::vector<HotCombination> hot;
    if (k < 2 || k > MaxK)
        return hot;
    maxNo = std::clamp(maxNo, 1, MaxNumber);
    // Count every combination of every line once, then look the listed ones up.
    std::vector<int> counts(static_cast<std::size_t>(choose(maxNo, k)), 0);
    for (const std::string& line : lines)
        forEachSubset(readLine(line, maxNo), k,
                      [&](const int* combo) { ++counts[static_cast<std::size_t>(comboIndex(combo, k))]; });

    std::array<int, MaxK> numbers{};
    for (const std::string& key : combinations) {
        if (!parseKey(key, k, maxNo, numbers.data()))
            continue;
        const int hits = counts[static_cast<std::size_t>(comboIndex(numbers.data(), k))];
        if (hits > 0)
            hot.push_back(HotCombination{key, hits});
    }
    std::sort(hot.begin(), hot.end(), [](const HotCombination& a, const HotCombination& b) {
        return a.hits != b.hits ? a.hits > b.hits : a.key > b.key;
    });
    return hot;
}

std::vector<std::string> HotListLines(const std::vector<HotCombination>& ranked, std::size_t listed) {
    int most = 0;
    for (const HotCombination& h : ranked)
        most = std::max(most, h.hits);
    const std::string pattern(std::max<std::size_t>(3, std::to_string(most).size()), '0');
    std::vector<std::string> lines;
    lines.reserve(std::max(listed, ranked.size()));
    for (const HotCombination& h : ranked)
        lines.push_back(h.key + "  " + NumFormat(pattern, h.hits));
    while (lines.size() < listed)
        lines.emplace_back("  ");
    return lines;
}
