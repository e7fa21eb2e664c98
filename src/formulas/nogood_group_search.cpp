#include "formulas/nogood_group_search.h"

#include <algorithm>
#include <array>
#include <bit>

#include "common/num_format.h"
#include "draws/draw_tables.h"
#include "formulas/formula_balls.h"
#include "formulas/formula_search.h"

namespace {

constexpr int Positions = 7;
using DrawValues = int[Positions];

void ReadValues(const DrawTables& draws, int draw, DrawValues& values) {
    for (int k = 1; k <= Positions; ++k)
        values[k - 1] = BallValue(draws.DrawNums, k, draw);
}

std::uint64_t BitsOf(const std::vector<int>& group) {
    std::uint64_t bits = 0;
    for (int n : group)
        bits |= std::uint64_t{1} << n;
    return bits;
}

// The (u, v) pairs in enumeration order: one chunk each.
std::vector<std::pair<int, int>> LookBackPairs() {
    std::vector<std::pair<int, int>> pairs;
    for (int u = 1; u < GroupFarthestBack; ++u)
        for (int v = u + 1; v <= GroupFarthestBack; ++v)
            pairs.emplace_back(u, v);
    return pairs;
}

} // namespace

int GroupCode(int totalHits, const GroupRule& rule) {
    return totalHits * 1000000 + rule.u * 10000 + rule.v * 100 + rule.m;
}

GroupRule RuleOfCode(int code) {
    return {code % 1000000 / 10000, code % 10000 / 100, code % 100};
}

std::string GroupCodeText(const GroupRule& rule) {
    return "NGG" + NumFormat("00", rule.u) + NumFormat("00", rule.v) + NumFormat("00", rule.m);
}

std::vector<int> GroupFromValues(const int (&near)[7], const int (&far)[7], int m, int groupSize, int maxNo) {
    const int n = std::clamp(groupSize, 1, GroupCandidates);
    std::array<int, GroupCandidates> candidates{};
    for (int k = 1; k <= Positions; ++k) {
        candidates[k - 1] = FoldPrediction(maxNo, (near[k - 1] - far[k - 1]) * m + k);
        candidates[Positions + k - 1] = FoldPrediction(maxNo, (near[k - 1] + far[k - 1]) * m + Positions + k);
    }
    std::vector<int> group(candidates.begin(), candidates.begin() + n);
    // A repeated number moves on to the next one (MaxNo wraps to 1) until all n differ.
    for (;;) {
        std::sort(group.begin(), group.end());
        const auto repeat = std::adjacent_find(group.begin(), group.end());
        if (repeat == group.end())
            return group;
        int& second = *(repeat + 1);
        second = (second + 2 * maxNo) % maxNo + 1;
    }
}

std::vector<int> GroupOfDraw(const DrawTables& draws, const GroupRule& rule, int p, int groupSize) {
    DrawValues near{};
    DrawValues far{};
    ReadValues(draws, p - rule.u, near);
    ReadValues(draws, p - rule.v, far);
    return GroupFromValues(near, far, rule.m, groupSize, draws.MaxNo);
}

int GroupHits(const DrawTables& draws, const std::vector<int>& group, int p) {
    return std::popcount(NumberBits(draws.DrawNums, p, draws.DrawCount, GroupCountedPositions) &
                         BitsOf(group));
}

bool GroupRulePasses(const std::vector<int>& hitsPerDraw, const GroupSettings& settings) {
    int pass = 0;
    for (int hits : hitsPerDraw) {
        if (hits <= settings.maxHits)
            ++pass;
        const bool tooMany = settings.maxHits == 0 ? hits >= 2 : hits >= settings.maxHits + 1;
        if (tooMany)
            pass -= 10;
    }
    return pass >= settings.passNeed;
}

bool GroupHistoryCovers(int baseDraw) {
    return HistoryCovers(baseDraw - GroupVerifyDraws + 1 - GroupFarthestBack);
}

OrderedSearchResult<int> SearchGroupRules(const DrawTables& draws, int baseDraw,
                                          const GroupSettings& settings, const SearchControl& control) {
    if (!GroupHistoryCovers(baseDraw) || baseDraw > draws.DrawCount)
        return {};
    // Values of draws b - 18..b and the drawn numbers of the nine verification draws, read once.
    const int oldest = baseDraw - GroupVerifyDraws + 1 - GroupFarthestBack;
    std::vector<std::array<int, Positions>> values(static_cast<std::size_t>(baseDraw - oldest + 1));
    for (int d = oldest; d <= baseDraw; ++d)
        for (int k = 1; k <= Positions; ++k)
            values[d - oldest][k - 1] = BallValue(draws.DrawNums, k, d);
    std::array<std::uint64_t, GroupVerifyDraws> drawn{};
    for (int i = 0; i < GroupVerifyDraws; ++i)
        drawn[i] = NumberBits(draws.DrawNums, baseDraw - GroupVerifyDraws + 1 + i, draws.DrawCount,
                              GroupCountedPositions);

    const std::vector<std::pair<int, int>> pairs = LookBackPairs();
    OrderedSearchResult<int> result = KeepFirstInOrder<int>(
        static_cast<int>(pairs.size()), GroupCapacity,
        [&](int chunk, ChunkKeeper<int>& keeper) {
            GroupRule rule{pairs[chunk].first, pairs[chunk].second, 1};
            std::vector<int> hits(GroupVerifyDraws);
            for (rule.m = 1; rule.m <= draws.MaxNo; ++rule.m) {
                int total = 0;
                for (int i = 0; i < GroupVerifyDraws; ++i) {
                    const int p = baseDraw - GroupVerifyDraws + 1 + i;
                    DrawValues near{};
                    DrawValues far{};
                    std::copy_n(values[p - rule.u - oldest].begin(), Positions, near);
                    std::copy_n(values[p - rule.v - oldest].begin(), Positions, far);
                    const std::vector<int> group =
                        GroupFromValues(near, far, rule.m, settings.groupSize, draws.MaxNo);
                    hits[i] = std::popcount(drawn[i] & BitsOf(group));
                    total += hits[i];
                }
                if (GroupRulePasses(hits, settings) && !keeper.keep(GroupCode(total, rule)))
                    return;
            }
        },
        control);
    SortKeys(result.keys, KeySort::Ascending);
    return result;
}

int MaxHitsOfLine(std::string_view line) {
    if (line == "3")
        return 2;
    if (line == "4")
        return 1;
    return 0;
}

std::string LineOfMaxHits(int maxHits) {
    return maxHits == 2 ? "3" : maxHits == 1 ? "4" : "5";
}

int PassNeedOfLine(std::string_view line) {
    if (line == "83")
        return 5;
    if (line == "84")
        return 6;
    return 7;
}

std::string LineOfPassNeed(int passNeed) {
    return passNeed == 5 ? "83" : passNeed == 6 ? "84" : "85";
}

GroupSizeChoice GroupSizeFromText(std::string_view text) {
    const std::optional<int> value = IntegerOf(text);
    if (!value)
        return {8, "8"};
    if (*value > GroupSizeMost)
        return {GroupSizeMost, std::to_string(GroupSizeMost)};
    if (*value < GroupSizeLeast)
        return {GroupSizeLeast, std::to_string(GroupSizeLeast)};
    return {*value, std::string(text)};
}
