#include "pillars/split_scoring.h"

#include <algorithm>
#include <array>
#include <bit>
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

// The 2x2x3x3 splits come in blocks of ten that share pillars 1 and 2 and deal the six numbers
// left into pillars 3 and 4 in the same ten ways: pillar 3 takes the smallest of the six and two
// more, those two running through the pairs of the other five in ascending order.
constexpr int MixedBlock = 10;
constexpr std::size_t RestCount = 6;

// The fifteen pairs of the six (as ranks, ascending), in order: (0,1), (0,2), ..., (4,5).
struct RankPair {
    std::size_t x = 0, y = 0;
};
constexpr std::array<RankPair, 15> RestPairs = [] {
    std::array<RankPair, 15> pairs{};
    std::size_t id = 0;
    for (std::size_t x = 0; x < RestCount; ++x)
        for (std::size_t y = x + 1; y < RestCount; ++y)
            pairs[id++] = {x, y};
    return pairs;
}();

constexpr std::size_t RestPairIndex(std::size_t x, std::size_t y) {
    std::size_t index = 0;
    for (std::size_t i = 0; i < x; ++i)
        index += RestCount - 1 - i;
    return index + (y - x - 1);
}

// Per way: the numbers of pillars 3 and 4 as ranks among the six, and the three pairs inside
// each as indexes of RestPairs.
struct MixedWay {
    std::array<std::size_t, 3> third{}, fourth{};
    std::array<std::size_t, 6> insidePairs{};
};
constexpr std::array<MixedWay, MixedBlock> MixedWays = [] {
    std::array<MixedWay, MixedBlock> ways{};
    std::size_t w = 0;
    for (std::size_t x = 1; x < RestCount; ++x)
        for (std::size_t y = x + 1; y < RestCount; ++y) {
            MixedWay& way = ways[w++];
            way.third = {0, x, y};
            for (std::size_t r = 1, f = 0; r < RestCount; ++r)
                if (r != x && r != y)
                    way.fourth[f++] = r;
            for (std::size_t i = 0; const std::array<std::size_t, 3>& pillar : {way.third, way.fourth}) {
                way.insidePairs[i++] = RestPairIndex(pillar[0], pillar[1]);
                way.insidePairs[i++] = RestPairIndex(pillar[0], pillar[2]);
                way.insidePairs[i++] = RestPairIndex(pillar[1], pillar[2]);
            }
        }
    return ways;
}();

// The scorer relies on the layout above: checked once against the enumeration.
void CheckMixedBlocks() {
    static const bool checked = [] {
        const std::vector<SplitPattern>& patterns = SplitPatterns(SplitShape::Mixed2233);
        if (patterns.size() % MixedBlock != 0)
            throw std::logic_error("2x2x3x3 splits are not in blocks of ten");
        for (std::size_t i = 0; i < patterns.size(); ++i) {
            const SplitPattern& p = patterns[i];
            const SplitPattern& head = patterns[i - i % MixedBlock];
            if (!std::equal(p.begin(), p.begin() + 4, head.begin()))
                throw std::logic_error("2x2x3x3 splits are not in blocks of ten");
            std::array<int, RestCount> rest{};
            std::copy(p.begin() + 4, p.begin() + 10, rest.begin());
            std::sort(rest.begin(), rest.end());
            for (std::size_t c = 0; c < 3; ++c)
                if (p[4 + c] != rest[MixedWays[i % MixedBlock].third[c]])
                    throw std::logic_error("2x2x3x3 blocks deal pillars 3 and 4 differently");
        }
        return true;
    }();
    (void)checked;
}

// Sets of a split's slots as bit sets: bit k stands for members[k].
constexpr std::uint32_t SlotSets = 1u << MaxShapeNumbers;
constexpr std::uint32_t AllSlots = SlotSets - 1;

// The 120 sets of three slots.
constexpr std::array<std::uint16_t, 120> SlotTriples = [] {
    std::array<std::uint16_t, 120> triples{};
    std::size_t t = 0;
    for (int i = 0; i < MaxShapeNumbers; ++i)
        for (int j = i + 1; j < MaxShapeNumbers; ++j)
            for (int k = j + 1; k < MaxShapeNumbers; ++k)
                triples[t++] = static_cast<std::uint16_t>(1u << i | 1u << j | 1u << k);
    return triples;
}();

std::uint32_t LowestBit(std::uint32_t set) {
    return set & (0u - set);
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
        CheckMixedBlocks();
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
    // Lines holding each set of the ten numbers, by slot bits: every count below is read from this
    // small table rather than from the selection's large one.
    std::array<std::uint32_t, SlotSets> selectionOf;
    std::array<int, SlotSets> lines;
    selectionOf[0] = 0;
    lines[0] = 0;
    for (std::uint32_t set = 1; set < SlotSets; ++set) {
        selectionOf[set] =
            selectionOf[set & (set - 1)] | 1u << members[static_cast<std::size_t>(std::countr_zero(set))];
        lines[set] = counts.lines(selectionOf[set]);
    }

    // A split's 2- and 3-star totals are all the pairs and triples of the ten less the bets with
    // two or more numbers in one pillar, and a pair or triple has that in at most one pillar. So
    // they are sums over the pillars of what each pillar takes away, counted once per subset for
    // every pillar that can occur (any two or three slots).
    struct Inside {
        int pairs = 0;   // 2-star bets inside the pillar
        int triples = 0; // 3-star bets with two or three numbers in the pillar
    };
    std::array<Inside, SlotSets> inside;
    int allPairs = 0, allTriples = 0;
    for (int i = 0; i < MaxShapeNumbers; ++i)
        for (int j = i + 1; j < MaxShapeNumbers; ++j) {
            const std::uint32_t pair = 1u << i | 1u << j;
            int withThird = 0;
            for (int k = 0; k < MaxShapeNumbers; ++k)
                if ((pair >> k & 1u) == 0)
                    withThird += lines[pair | 1u << k];
            inside[pair] = {lines[pair], withThird};
            allPairs += lines[pair];
        }
    for (const std::uint32_t triple : SlotTriples) {
        const std::uint32_t a = LowestBit(triple), b = LowestBit(triple ^ a), c = triple ^ a ^ b;
        const Inside& ab = inside[a | b];
        const Inside& ac = inside[a | c];
        const Inside& bc = inside[b | c];
        // The three pairs' sums count each triple with two of these numbers once and the triple
        // itself three times.
        inside[triple] = {ab.pairs + ac.pairs + bc.pairs,
                          ab.triples + ac.triples + bc.triples - 2 * lines[triple]};
        allTriples += lines[triple];
    }

    // The 4-star bets take one number of each pillar. Per set of three slots: the groups it makes
    // with a number of pillar 1, counted again whenever pillar 1 changes (the blocks of one pillar
    // 1 follow each other).
    std::array<int, SlotSets> withFirst;
    std::uint32_t first = 0;
    for (std::size_t block = 0; block < patterns_.size(); block += MixedBlock) {
        const SplitPattern& head = patterns_[block];
        const std::uint32_t a = 1u << head[0], b = 1u << head[1], c = 1u << head[2], d = 1u << head[3];
        if ((a | b) != first) {
            first = a | b;
            for (const std::uint32_t triple : SlotTriples)
                withFirst[triple] = lines[triple | a] + lines[triple | b];
        }
        const std::uint32_t second = c | d;
        // Per pair of the six numbers left: the 4-star bets it makes with pillars 1 and 2.
        const std::uint32_t restSet = AllSlots & ~(first | second);
        std::array<std::uint32_t, RestCount> rest{};
        for (std::uint32_t left = restSet, r = 0; left != 0; left &= left - 1)
            rest[r++] = LowestBit(left);
        std::array<int, RestPairs.size()> pairGain{};
        int allGain = 0;
        for (std::size_t id = 0; id < RestPairs.size(); ++id) {
            const std::uint32_t pair = rest[RestPairs[id].x] | rest[RestPairs[id].y];
            pairGain[id] = withFirst[pair | c] + withFirst[pair | d];
            allGain += pairGain[id];
        }

        // Each total is everything less what the pillars keep inside; for the 4-star bets, the pairs
        // across pillars 3 and 4 are all pairs of the six less those inside either.
        const int blockPairs = allPairs - inside[first].pairs - inside[second].pairs;
        const int blockTriples = allTriples - inside[first].triples - inside[second].triples;
        for (std::size_t w = 0; w < MixedWays.size(); ++w) {
            const MixedWay& way = MixedWays[w];
            const std::uint32_t thirdSet = rest[way.third[0]] | rest[way.third[1]] | rest[way.third[2]];
            const Inside& third = inside[thirdSet];
            const Inside& fourth = inside[restSet ^ thirdSet];
            int star4 = allGain;
            for (const std::size_t id : way.insidePairs)
                star4 -= pairGain[id];
            totals[block + w] = {blockPairs - third.pairs - fourth.pairs,
                                 blockTriples - third.triples - fourth.triples, star4};
        }
    }
}
