#include "pillars/split_enumeration.h"

#include <algorithm>
#include <stdexcept>

#include "common/num_text.h"

namespace {

std::string_view Piece(std::string_view key, int i) {
    return key.substr(static_cast<std::size_t>(2 * i), 2);
}

std::string PickGroups(std::string_view key, int k, bool firstFixed) {
    const int n = static_cast<int>(key.size() / 2);
    std::string out;
    if (k < 2 || k > 4)
        return out;
    // Indexes of the current group, ascending; the first stays at 0 when it is fixed.
    std::vector<int> index(static_cast<std::size_t>(k));
    for (int i = 0; i < k; ++i)
        index[static_cast<std::size_t>(i)] = i;
    if (n < k)
        return out;
    const int lowest = firstFixed ? 1 : 0;
    while (true) {
        for (int i : index)
            out += Piece(key, i);
        // Advance like nested loops: the innermost index first.
        int pos = k - 1;
        while (pos >= lowest && index[static_cast<std::size_t>(pos)] == n - k + pos)
            --pos;
        if (pos < lowest)
            return out;
        ++index[static_cast<std::size_t>(pos)];
        for (int i = pos + 1; i < k; ++i)
            index[static_cast<std::size_t>(i)] = index[static_cast<std::size_t>(i - 1)] + 1;
    }
}

// How each shape is dealt: one pick per step, the last pillar takes the rest.
struct DealStep {
    bool everyGroup; // pick_type2 instead of pick_type1
    int k;
};

struct ShapeDefinition {
    std::span<const int> sizes;
    std::span<const DealStep> steps;
};

const ShapeDefinition& Definition(SplitShape shape) {
    static constexpr int pairSizes[] = {2, 2, 2, 2};
    static constexpr int singleSizes[] = {1, 1, 2, 2, 2};
    static constexpr int tripleSizes[] = {3, 3, 3};
    static constexpr int mixedSizes[] = {2, 2, 3, 3};
    static constexpr DealStep pairs[] = {{false, 2}, {false, 2}, {false, 2}};
    // The two single pillars are one step: each pair of numbers, the smaller in the first.
    static constexpr DealStep singles[] = {{true, 2}, {false, 2}, {false, 2}};
    static constexpr DealStep triples[] = {{false, 3}, {false, 3}};
    static constexpr DealStep mixed[] = {{false, 2}, {true, 2}, {false, 3}};
    static const ShapeDefinition definitions[] = {
        {pairSizes, pairs}, {singleSizes, singles}, {tripleSizes, triples}, {mixedSizes, mixed}};
    const auto index = static_cast<std::size_t>(shape);
    if (index >= std::size(definitions))
        throw std::invalid_argument("unknown split shape");
    return definitions[index];
}

std::vector<std::string> Pieces(std::string_view text) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i + 2 <= text.size(); i += 2)
        out.emplace_back(text.substr(i, 2));
    return out;
}

std::string Joined(const std::vector<std::string>& numbers) {
    std::string out;
    for (const std::string& n : numbers)
        out += n;
    return out;
}

void Deal(std::span<const DealStep> steps, const std::vector<std::string>& rest, const std::string& prefix,
          std::vector<std::string>& out) {
    if (steps.empty()) {
        out.push_back(prefix + Joined(rest));
        return;
    }
    const DealStep step = steps.front();
    const std::string key = Joined(rest);
    const std::string groups = step.everyGroup ? pick_type2(key, step.k) : pick_type1(key, step.k);
    const std::size_t width = static_cast<std::size_t>(2 * step.k);
    for (std::size_t at = 0; at + width <= groups.size(); at += width) {
        const std::string group = groups.substr(at, width);
        const std::vector<std::string> taken = Pieces(group);
        std::vector<std::string> left;
        for (const std::string& n : rest)
            if (std::find(taken.begin(), taken.end(), n) == taken.end())
                left.push_back(n);
        std::sort(left.begin(), left.end());
        Deal(steps.subspan(1), left, prefix + group, out);
    }
}

std::vector<SplitPattern> BuildPatterns(SplitShape shape) {
    // Deal the positions themselves, written as two-digit texts: their text order is their order.
    std::vector<std::string> positions;
    for (int i = 0; i < ShapeNumberCount(shape); ++i)
        positions.push_back(NumText(i));
    std::vector<SplitPattern> patterns;
    for (const std::string& split : EnumerateSplits(shape, positions)) {
        SplitPattern pattern{};
        for (std::size_t i = 0; i < split.size() / 2; ++i)
            pattern[i] = static_cast<std::uint8_t>(std::stoi(split.substr(2 * i, 2)));
        patterns.push_back(pattern);
    }
    return patterns;
}

std::vector<std::string> KeptSubsets(const std::vector<std::string>& selection, int keep) {
    std::vector<std::string> sorted = selection;
    std::sort(sorted.begin(), sorted.end());
    std::vector<std::string> out;
    for (const std::vector<int>& positions : SubsetPositions(static_cast<int>(sorted.size()), keep)) {
        std::string text;
        for (int p : positions)
            text += sorted[static_cast<std::size_t>(p)];
        out.push_back(text);
    }
    return out;
}

} // namespace

std::string pick_type1(std::string_view key, int k) {
    return PickGroups(key, k, true);
}

std::string pick_type2(std::string_view key, int k) {
    return PickGroups(key, k, false);
}

std::span<const int> PillarSizes(SplitShape shape) {
    return Definition(shape).sizes;
}

int ShapeNumberCount(SplitShape shape) {
    int total = 0;
    for (int size : PillarSizes(shape))
        total += size;
    return total;
}

std::vector<std::string> EnumerateSplits(SplitShape shape, std::vector<std::string> numbers) {
    if (static_cast<int>(numbers.size()) != ShapeNumberCount(shape))
        throw std::invalid_argument("a split needs exactly " + std::to_string(ShapeNumberCount(shape)) +
                                    " numbers");
    std::sort(numbers.begin(), numbers.end());
    std::vector<std::string> out;
    Deal(Definition(shape).steps, numbers, std::string(), out);
    return out;
}

const std::vector<SplitPattern>& SplitPatterns(SplitShape shape) {
    static const std::vector<SplitPattern> patterns[] = {
        BuildPatterns(SplitShape::Pairs2222), BuildPatterns(SplitShape::Singles11222),
        BuildPatterns(SplitShape::Triples333), BuildPatterns(SplitShape::Mixed2233)};
    Definition(shape); // refuses a shape outside the list
    return patterns[static_cast<std::size_t>(shape)];
}

std::vector<std::vector<std::string>> SplitPillars(SplitShape shape, std::string_view splitText) {
    std::vector<std::vector<std::string>> pillars;
    std::size_t at = 0;
    for (int size : PillarSizes(shape)) {
        std::vector<std::string>& pillar = pillars.emplace_back();
        for (int slot = 0; slot < size && at + 2 <= splitText.size(); ++slot, at += 2)
            pillar.emplace_back(splitText.substr(at, 2));
    }
    return pillars;
}

std::vector<std::vector<int>> SubsetPositions(int selectionCount, int keep) {
    std::vector<std::vector<int>> out;
    const int drop = selectionCount - keep;
    if (keep < 0 || drop < 0)
        return out;
    std::vector<int> dropped(static_cast<std::size_t>(drop));
    for (int i = 0; i < drop; ++i)
        dropped[static_cast<std::size_t>(i)] = i;
    while (true) {
        std::vector<int>& kept = out.emplace_back();
        for (int p = 0, d = 0; p < selectionCount; ++p) {
            if (d < drop && dropped[static_cast<std::size_t>(d)] == p)
                ++d;
            else
                kept.push_back(p);
        }
        int pos = drop - 1;
        while (pos >= 0 && dropped[static_cast<std::size_t>(pos)] == selectionCount - drop + pos)
            --pos;
        if (pos < 0)
            return out;
        ++dropped[static_cast<std::size_t>(pos)];
        for (int i = pos + 1; i < drop; ++i)
            dropped[static_cast<std::size_t>(i)] = dropped[static_cast<std::size_t>(i - 1)] + 1;
    }
}

std::vector<std::string> Subset1208(const std::vector<std::string>& selection) {
    return KeptSubsets(selection, 8);
}

std::vector<std::string> Subset1510(const std::vector<std::string>& selection) {
    return KeptSubsets(selection, 10);
}
