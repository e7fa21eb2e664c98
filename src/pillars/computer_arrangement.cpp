#include "pillars/computer_arrangement.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "common/num_text.h"
#include "pillars/draw_memo.h"

namespace {

// A two-character text as one code, so comparing it with a memo column is a single compare; texts
// of another length get a code no column can have.
std::uint32_t textCode(std::string_view text) {
    if (text.size() != 2)
        return 0x10000;
    return static_cast<std::uint32_t>(static_cast<unsigned char>(text[0])) << 8 |
           static_cast<unsigned char>(text[1]);
}

// The value of a two-digit text, or -1.
int twoDigitValue(std::string_view text) {
    if (text.size() != 2 || text[0] < '0' || text[0] > '9' || text[1] < '0' || text[1] > '9')
        return -1;
    return (text[0] - '0') * 10 + (text[1] - '0');
}

bool hotterFirst(const HotCombination& a, const HotCombination& b) {
    return a.hits != b.hits ? a.hits > b.hits : a.key > b.key;
}

} // namespace

std::vector<HotCombination> get_allno_selected(int k, const std::vector<std::string>& selection,
                                               const std::vector<std::string>& memoLines) {
    if (k != 2 && k != 3)
        return {};
    const std::size_t n = selection.size();
    std::vector<std::uint32_t> codes(n);
    for (std::size_t i = 0; i < n; ++i)
        codes[i] = textCode(selection[i]);

    // One pass over the lines: which selected numbers each line holds, and every pair or triple of
    // them counted at once. A line holds a number when one of its number columns has its text.
    const std::size_t cells = k == 2 ? n * n : n * n * n;
    std::vector<int> counts(cells, 0);
    std::vector<std::size_t> held;
    held.reserve(n);
    for (const std::string& line : memoLines) {
        std::array<std::uint32_t, 5> columns{};
        for (int position = 1; position <= 5; ++position)
            columns[static_cast<std::size_t>(position - 1)] = textCode(MemoNumberText(line, position));
        held.clear();
        for (std::size_t i = 0; i < n; ++i)
            if (std::find(columns.begin(), columns.end(), codes[i]) != columns.end())
                held.push_back(i);
        const std::size_t h = held.size();
        for (std::size_t a = 0; a < h; ++a)
            for (std::size_t b = a + 1; b < h; ++b) {
                if (k == 2) {
                    ++counts[held[a] * n + held[b]];
                    continue;
                }
                for (std::size_t c = b + 1; c < h; ++c)
                    ++counts[(held[a] * n + held[b]) * n + held[c]];
            }
    }

    std::vector<HotCombination> ranking;
    ranking.reserve(k == 2 ? n * (n - 1) / 2 : n * (n - 1) * (n - 2) / 6);
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j) {
            if (k == 2) {
                ranking.push_back(HotCombination{selection[i] + selection[j], counts[i * n + j]});
                continue;
            }
            for (std::size_t l = j + 1; l < n; ++l)
                ranking.push_back(
                    HotCombination{selection[i] + selection[j] + selection[l], counts[(i * n + j) * n + l]});
        }
    std::sort(ranking.begin(), ranking.end(), hotterFirst);
    return ranking;
}

SelectionPass RankSelection(int k, const std::vector<std::string>& selection,
                            const std::vector<std::string>& memoLines) {
    SelectionPass pass;
    pass.ranking = get_allno_selected(k, selection, memoLines);
    pass.rankingLines = HotListLines(pass.ranking, pass.ranking.size());

    std::array<int, 100> hitSum{};
    for (const HotCombination& entry : pass.ranking) {
        if (entry.hits <= 0)
            continue;
        for (std::size_t at = 0; at + 2 <= entry.key.size(); at += 2) {
            const int number = twoDigitValue(std::string_view(entry.key).substr(at, 2));
            if (number >= 1)
                hitSum[static_cast<std::size_t>(number)] += entry.hits;
        }
    }
    // Score 100 x hits + number: distinct, so equal hits rank the higher number first.
    std::vector<int> scores;
    for (int number = 1; number < 100; ++number)
        if (hitSum[static_cast<std::size_t>(number)] > 0)
            scores.push_back(100 * hitSum[static_cast<std::size_t>(number)] + number);
    std::sort(scores.begin(), scores.end(), std::greater<>());
    for (int score : scores) {
        pass.scoreLines.push_back(std::to_string(score));
        pass.hotNumbers.push_back(NumText(score % 100));
    }
    return pass;
}

std::vector<std::string> CompleteHotSel(const std::vector<std::string>& pairHot,
                                        const std::vector<std::string>& tripleHot,
                                        const std::vector<std::string>& selection) {
    // The triple pass overwrites the first places of the pair pass's list.
    std::vector<std::string> merged = pairHot;
    for (std::size_t i = 0; i < tripleHot.size(); ++i) {
        if (i < merged.size())
            merged[i] = tripleHot[i];
        else
            merged.push_back(tripleHot[i]);
    }
    const auto selected = [&](const std::string& no) {
        return std::find(selection.begin(), selection.end(), no) != selection.end();
    };
    std::vector<std::string> hotSel;
    const auto listed = [&](const std::string& no) {
        return std::find(hotSel.begin(), hotSel.end(), no) != hotSel.end();
    };
    // A number the triple pass moved up would stand twice, and two single pillars could both get it.
    for (const std::string& no : merged)
        if (selected(no) && !listed(no))
            hotSel.push_back(no);
    std::vector<std::string> rest = selection;
    std::sort(rest.begin(), rest.end());
    for (const std::string& no : rest)
        if (!listed(no))
            hotSel.push_back(no);
    return hotSel;
}

bool CHK_PPNO_Double(std::string_view no, const PillarNumbers& pillarNo) {
    for (const auto& pillar : pillarNo)
        for (const std::string& slot : pillar)
            if (slot == no)
                return true;
    return false;
}

namespace {

// The numbers of a combination key, two characters each.
std::vector<std::string> keyNumbers(const std::string& key) {
    std::vector<std::string> numbers;
    for (std::size_t at = 0; at + 2 <= key.size(); at += 2)
        numbers.push_back(key.substr(at, 2));
    return numbers;
}

// Walks the ranking from its least-hit end and puts the first combination of the given size none
// of whose numbers is placed yet into the first slots of the pillar.
void placeLeastHit(std::vector<std::string>& pillar, std::size_t size,
                   const std::vector<HotCombination>& ranking, const PillarNumbers& pillarNo) {
    for (auto entry = ranking.rbegin(); entry != ranking.rend(); ++entry) {
        if (entry->key.size() != 2 * size)
            continue;
        const std::vector<std::string> numbers = keyNumbers(entry->key);
        if (std::none_of(numbers.begin(), numbers.end(),
                         [&](const std::string& no) { return CHK_PPNO_Double(no, pillarNo); })) {
            std::copy(numbers.begin(), numbers.end(), pillar.begin());
            return;
        }
    }
}

} // namespace

PillarNumbers PPNO_Arrange(const std::vector<int>& sizes, const std::vector<std::string>& hotSel,
                           const std::vector<HotCombination>& hotPairs,
                           const std::vector<HotCombination>& hotTriples) {
    const std::size_t pillarCount = std::min<std::size_t>(sizes.size(), MaxPillars);
    PillarNumbers pillarNo(pillarCount);
    for (std::size_t p = 0; p < pillarCount; ++p)
        pillarNo[p].assign(static_cast<std::size_t>(std::clamp(sizes[p], 0, PillarSlots)), std::string());

    std::size_t next = 0;
    for (auto& pillar : pillarNo)
        if (pillar.size() == 1) {
            pillar[0] = next < hotSel.size() ? hotSel[next] : std::string();
            ++next;
        }
    for (auto& pillar : pillarNo)
        if (pillar.size() >= 3)
            placeLeastHit(pillar, 3, hotTriples, pillarNo);
    for (auto& pillar : pillarNo)
        if (pillar.size() == 2)
            placeLeastHit(pillar, 2, hotPairs, pillarNo);

    // The rest slot by slot across the pillars. An empty hotSel entry is never taken: it matches
    // the empty slot being filled.
    for (std::size_t s = 0; s < static_cast<std::size_t>(PillarSlots); ++s)
        for (auto& pillar : pillarNo) {
            if (s >= pillar.size() || !pillar[s].empty())
                continue;
            for (const std::string& no : hotSel)
                if (!CHK_PPNO_Double(no, pillarNo)) {
                    pillar[s] = no;
                    break;
                }
        }
    return pillarNo;
}

Arrangement ArrangeSelection(const std::vector<std::string>& selection, const std::vector<int>& sizes,
                             const std::vector<std::string>& memoLines) {
    Arrangement arrangement;
    arrangement.pairs = RankSelection(2, selection, memoLines);
    arrangement.triples = RankSelection(3, selection, memoLines);
    arrangement.HotSel =
        CompleteHotSel(arrangement.pairs.hotNumbers, arrangement.triples.hotNumbers, selection);
    arrangement.PillarNo =
        PPNO_Arrange(sizes, arrangement.HotSel, arrangement.pairs.ranking, arrangement.triples.ranking);
    return arrangement;
}
