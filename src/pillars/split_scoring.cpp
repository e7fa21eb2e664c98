#include "pillars/split_scoring.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace {

// Every group of `size` slots taken from `size` different pillars, as slot positions.
void CollectCrossGroups(std::span<const int> pillarOfSlot, int size, int from, std::vector<int>& group,
                        std::vector<std::vector<int>>& out) {
    if (static_cast<int>(group.size()) == size) {
        out.push_back(group);
        return;
    }
    for (int slot = from; slot < static_cast<int>(pillarOfSlot.size()); ++slot) {
        const bool pillarTaken = std::any_of(group.begin(), group.end(), [&](int g) {
            return pillarOfSlot[static_cast<std::size_t>(g)] == pillarOfSlot[static_cast<std::size_t>(slot)];
        });
        if (pillarTaken)
            continue;
        group.push_back(slot);
        CollectCrossGroups(pillarOfSlot, size, slot + 1, group, out);
        group.pop_back();
    }
}

// The 2x2x3x3 splits come in blocks of ten that share pillars 1 and 2 and deal the same six numbers
// into pillars 3 and 4; inside a block, the ten ways of doing so are always the same. Per way: the
// nine pairs (pillar 3 number, pillar 4 number) as indexes among the fifteen pairs of the six.
constexpr int MixedBlock = 10;
constexpr int RestCount = 6;
using RestPairs = std::array<std::array<std::uint8_t, 9>, MixedBlock>;

int RestPairIndex(int x, int y) {
    if (x > y)
        std::swap(x, y);
    int index = 0;
    for (int i = 0; i < x; ++i)
        index += RestCount - 1 - i;
    return index + (y - x - 1);
}

const RestPairs& MixedRestPairs() {
    static const RestPairs layout = [] {
        const std::vector<SplitPattern>& patterns = SplitPatterns(SplitShape::Mixed2233);
        RestPairs pairs{};
        for (std::size_t i = 0; i < patterns.size(); ++i) {
            const SplitPattern& p = patterns[i];
            const SplitPattern& head = patterns[i - i % MixedBlock];
            if (!std::equal(p.begin(), p.begin() + 4, head.begin()))
                throw std::logic_error("2x2x3x3 splits are not in blocks of ten");
            std::array<int, RestCount> rest{};
            std::copy(p.begin() + 4, p.begin() + 10, rest.begin());
            std::sort(rest.begin(), rest.end());
            auto rank = [&](int position) {
                return static_cast<int>(std::find(rest.begin(), rest.end(), position) - rest.begin());
            };
            std::array<std::uint8_t, 9> ids{};
            for (int c = 0; c < 3; ++c)
                for (int d = 0; d < 3; ++d)
                    ids[static_cast<std::size_t>(3 * c + d)] = static_cast<std::uint8_t>(RestPairIndex(
                        rank(p[static_cast<std::size_t>(4 + c)]), rank(p[static_cast<std::size_t>(7 + d)])));
            if (i < MixedBlock)
                pairs[i] = ids;
            else if (pairs[i % MixedBlock] != ids)
                throw std::logic_error("2x2x3x3 blocks differ in pillars 3 and 4");
        }
        return pairs;
    }();
    return layout;
}

} // namespace

SplitScorer::SplitScorer(SplitShape shape) : shape_(shape), patterns_(SplitPatterns(shape)) {
    std::vector<int> pillarOfSlot;
    int pillar = 0;
    for (int size : PillarSizes(shape)) {
        for (int s = 0; s < size; ++s)
            pillarOfSlot.push_back(pillar);
        ++pillar;
    }
    for (int size = 2; size <= 4; ++size) {
        std::vector<int> group;
        CollectCrossGroups(pillarOfSlot, size, 0, group, crossGroups_[size - 2]);
    }
    if (shape == SplitShape::Mixed2233)
        MixedRestPairs();
}

void SplitScorer::score(const CoOccurrence& counts, std::span<const int> members,
                        std::vector<StarTotals>& totals) const {
    const bool fits = std::all_of(members.begin(), members.end(),
                                  [&](int m) { return m >= 0 && m < counts.selectionSize(); });
    if (static_cast<int>(members.size()) != ShapeNumberCount(shape_) || !fits)
        throw std::invalid_argument("a split needs " + std::to_string(ShapeNumberCount(shape_)) +
                                    " of the selected numbers");
    totals.resize(patterns_.size());
    if (shape_ == SplitShape::Mixed2233)
        scoreMixedByBlocks(counts, members, totals);
    else
        scoreByGroups(counts, members, totals);
}

void SplitScorer::scoreByGroups(const CoOccurrence& counts, std::span<const int> members,
                                std::vector<StarTotals>& totals) const {
    std::array<std::uint32_t, MaxShapeNumbers> bit{};
    for (std::size_t i = 0; i < patterns_.size(); ++i) {
        for (std::size_t slot = 0; slot < members.size(); ++slot)
            bit[slot] = 1u << members[patterns_[i][slot]];
        int sums[3] = {0, 0, 0};
        for (int k = 0; k < 3; ++k)
            for (const std::vector<int>& group : crossGroups_[k]) {
                std::uint32_t mask = 0;
                for (int slot : group)
                    mask |= bit[static_cast<std::size_t>(slot)];
                sums[k] += counts.lines(mask);
            }
        totals[i] = {sums[0], sums[1], sums[2]};
    }
}

void SplitScorer::scoreMixedByBlocks(const CoOccurrence& counts, std::span<const int> members,
                                     std::vector<StarTotals>& totals) const {
    const RestPairs& restPairs = MixedRestPairs();
    for (std::size_t block = 0; block < patterns_.size(); block += MixedBlock) {
        const SplitPattern& head = patterns_[block];
        auto bitOf = [&](int slot) { return 1u << members[head[static_cast<std::size_t>(slot)]]; };
        const std::uint32_t first[2] = {bitOf(0), bitOf(1)};
        const std::uint32_t second[2] = {bitOf(2), bitOf(3)};
        const std::uint32_t both[4] = {first[0], first[1], second[0], second[1]};
        std::array<int, RestCount> restSlots{};
        std::copy(head.begin() + 4, head.begin() + 10, restSlots.begin());
        std::sort(restSlots.begin(), restSlots.end());
        std::array<std::uint32_t, RestCount> rest{};
        for (int r = 0; r < RestCount; ++r)
            rest[static_cast<std::size_t>(r)] =
                1u << members[static_cast<std::size_t>(restSlots[static_cast<std::size_t>(r)])];

        // Bets inside pillars 1-2 and from them to any of the six: the same for the whole block.
        int fixed2 = 0, fixed3 = 0;
        for (std::uint32_t a : first)
            for (std::uint32_t b : second)
                fixed2 += counts.lines(a | b);
        for (std::uint32_t x : rest) {
            for (std::uint32_t y : both)
                fixed2 += counts.lines(x | y);
            for (std::uint32_t a : first)
                for (std::uint32_t b : second)
                    fixed3 += counts.lines(a | b | x);
        }
        // Per pair of the six (one in pillar 3, one in pillar 4): what that pair adds.
        std::array<StarTotals, 15> pairGain{};
        for (int x = 0; x < RestCount; ++x)
            for (int y = x + 1; y < RestCount; ++y) {
                const std::uint32_t pair =
                    rest[static_cast<std::size_t>(x)] | rest[static_cast<std::size_t>(y)];
                StarTotals& gain = pairGain[static_cast<std::size_t>(RestPairIndex(x, y))];
                gain.star2 = counts.lines(pair);
                for (std::uint32_t z : both)
                    gain.star3 += counts.lines(pair | z);
                for (std::uint32_t a : first)
                    for (std::uint32_t b : second)
                        gain.star4 += counts.lines(pair | a | b);
            }
        for (int way = 0; way < MixedBlock; ++way) {
            StarTotals sum{fixed2, fixed3, 0};
            for (std::uint8_t id : restPairs[static_cast<std::size_t>(way)]) {
                sum.star2 += pairGain[id].star2;
                sum.star3 += pairGain[id].star3;
                sum.star4 += pairGain[id].star4;
            }
            totals[block + static_cast<std::size_t>(way)] = sum;
        }
    }
}
