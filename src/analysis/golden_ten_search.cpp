#include "analysis/golden_ten_search.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <cstdint>

#include "common/num_text.h"
#include "common/parallel_ranges.h"

// A draw counts for a group when at least five of its positions hold numbers of the group; with five
// positions that is every position. So only draws whose five numbers are all among the top numbers
// can ever count, and a group's count is the number of those draws that hold no top number outside
// the group. The search walks the groups in their text order as nested choices of the next number;
// each draw is a bit, and for each number the draws holding it are a bit set, so "no number outside
// the group" is one AND-NOT per word with the numbers passed over so far, and a whole subtree whose
// remaining draws cannot reach the tenth kept count is skipped.

namespace {

using Word = std::uint64_t;
constexpr int WordBits = 64;

// Bits set in a word. Without the processor's own instruction (the default x86-64 target), the
// library's popcount is a function call that took most of the search's time; this inlines.
inline int Bits(Word x) {
#if defined(__POPCNT__) || !defined(__x86_64__)
    return std::popcount(x);
#else
    x = x - ((x >> 1) & 0x5555555555555555ULL);
    x = (x & 0x3333333333333333ULL) + ((x >> 2) & 0x3333333333333333ULL);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<int>((x * 0x0101010101010101ULL) >> 56);
#endif
}
constexpr int PrefixLength = 3; // a unit of work: the groups sharing their first three numbers

// Draws as bits: the draws that may count, and per top number the draws holding it.
struct DrawBits {
    int words = 0;
    std::vector<Word> valid;  // [words]
    std::vector<Word> holds;  // [top][words]
    std::vector<Word> suffix; // [top + 1][words]: draws holding any top number from b on

    const Word* holding(int b) const { return holds.data() + static_cast<std::size_t>(b * words); }
    const Word* holdingFrom(int b) const { return suffix.data() + static_cast<std::size_t>(b * words); }
};

DrawBits MakeDrawBits(const DrawTables& draws, const std::vector<int>& drawIndexes,
                      const std::vector<int>& top) {
    std::array<int, 100> indexOf{}; // number -> top index + 1
    for (std::size_t b = 0; b < top.size(); ++b)
        if (top[b] >= 1 && top[b] < 100)
            indexOf[static_cast<std::size_t>(top[b])] = static_cast<int>(b) + 1;
    std::vector<std::uint32_t> masks;
    for (int i : drawIndexes) {
        std::uint32_t mask = 0;
        bool all = true;
        for (int position = 1; position <= DrawBalls && all; ++position) {
            const int number = DrawnNumberOfText(draws.DrawNumsDrawn[position][i], draws.MaxNo);
            const int b = number > 0 && number < 100 ? indexOf[static_cast<std::size_t>(number)] : 0;
            all = b > 0;
            if (all)
                mask |= 1u << (b - 1);
        }
        if (all)
            masks.push_back(mask);
    }
    const int n = static_cast<int>(top.size());
    DrawBits bits;
    bits.words = static_cast<int>((masks.size() + WordBits - 1) / WordBits);
    const auto words = static_cast<std::size_t>(bits.words);
    bits.valid.assign(words, 0);
    bits.holds.assign(static_cast<std::size_t>(n) * words, 0);
    bits.suffix.assign(static_cast<std::size_t>(n + 1) * words, 0);
    for (std::size_t d = 0; d < masks.size(); ++d) {
        const Word bit = Word{1} << (d % WordBits);
        bits.valid[d / WordBits] |= bit;
        for (int b = 0; b < n; ++b)
            if (masks[d] >> b & 1u)
                bits.holds[static_cast<std::size_t>(b) * words + d / WordBits] |= bit;
    }
    for (int b = n - 1; b >= 0; --b)
        for (std::size_t w = 0; w < words; ++w)
            bits.suffix[static_cast<std::size_t>(b) * words + w] =
                bits.suffix[static_cast<std::size_t>(b + 1) * words + w] |
                bits.holds[static_cast<std::size_t>(b) * words + w];
    return bits;
}

using Group = std::array<std::uint8_t, GoldenGroupSize>;

struct Kept {
    int count = 0;
    Group numbers{};
};

bool Below(const Kept& a, const Kept& b) {
    return a.count != b.count ? a.count < b.count : a.numbers < b.numbers;
}

// One thread's best list, best first; it starts as the ten entries of count 0 and the group 01..10.
struct KeptList {
    std::array<Kept, GoldenKept> entries;

    KeptList() {
        Kept start;
        for (int k = 0; k < GoldenGroupSize; ++k)
            start.numbers[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(k + 1);
        entries.fill(start);
    }
    int threshold() const { return entries.back().count; }
    // The keep rule: an entry ranking above the tenth replaces it and takes its place in the list.
    void offer(const Kept& entry) {
        if (!Below(entries.back(), entry))
            return;
        std::size_t at = entries.size() - 1;
        while (at > 0 && Below(entries[at - 1], entry)) {
            entries[at] = entries[at - 1];
            --at;
        }
        entries[at] = entry;
    }
};

// Walks the groups below one prefix, depth first in text order.
class GroupWalk {
public:
    GroupWalk(const DrawBits& bits, const std::vector<int>& top, KeptList& kept, std::atomic<int>& floor)
        : bits_(bits), top_(top), n_(static_cast<int>(top.size())), kept_(kept), floor_(floor),
          excluded_(static_cast<std::size_t>((GoldenGroupSize + 1) * bits.words), 0) {}

    void walk(const std::array<int, PrefixLength>& prefix) {
        Word* excluded = level(PrefixLength);
        std::fill(excluded, excluded + bits_.words, 0);
        int k = 0;
        for (int b = 0; b <= prefix.back(); ++b) {
            if (k < PrefixLength && prefix[static_cast<std::size_t>(k)] == b) {
                chosen_[static_cast<std::size_t>(k++)] = b;
                continue;
            }
            orInto(excluded, bits_.holding(b));
        }
        if (alive(excluded) >= floor())
            descend(PrefixLength, prefix.back());
    }

private:
    Word* level(int depth) { return excluded_.data() + static_cast<std::size_t>(depth * bits_.words); }

    void orInto(Word* into, const Word* from) const {
        for (int w = 0; w < bits_.words; ++w)
            into[w] |= from[w];
    }
    int alive(const Word* excluded) const {
        int count = 0;
        for (int w = 0; w < bits_.words; ++w)
            count += Bits(bits_.valid[static_cast<std::size_t>(w)] & ~excluded[w]);
        return count;
    }

    // `depth` numbers chosen, the last at top index `last`; level(depth) holds the draws excluded by
    // the numbers passed over so far.
    void descend(int depth, int last) {
        Word* excluded = level(depth);
        if (depth == GoldenGroupSize - 1) {
            for (int j = last + 1; j < n_; ++j) {
                const Word* after = bits_.holdingFrom(j + 1);
                int count = 0;
                for (int w = 0; w < bits_.words; ++w)
                    count += Bits(bits_.valid[static_cast<std::size_t>(w)] & ~(excluded[w] | after[w]));
                if (count >= floor()) {
                    chosen_[static_cast<std::size_t>(depth)] = j;
                    offer(count);
                }
                orInto(excluded, bits_.holding(j));
            }
            return;
        }
        Word* next = level(depth + 1);
        for (int j = last + 1; j <= n_ - (GoldenGroupSize - depth); ++j) {
            // Every group below holds at most the draws still alive; passing over more numbers only
            // removes draws, so once they cannot reach the tenth count, no later choice can either.
            if (alive(excluded) < floor())
                return;
            std::copy(excluded, excluded + bits_.words, next);
            chosen_[static_cast<std::size_t>(depth)] = j;
            descend(depth + 1, j);
            orInto(excluded, bits_.holding(j));
        }
    }

    void offer(int count) {
        Kept entry;
        entry.count = count;
        for (std::size_t k = 0; k < GoldenGroupSize; ++k)
            entry.numbers[k] = static_cast<std::uint8_t>(top_[static_cast<std::size_t>(chosen_[k])]);
        kept_.offer(entry);
        int shared = floor_.load(std::memory_order_relaxed);
        while (kept_.threshold() > shared && !floor_.compare_exchange_weak(shared, kept_.threshold()))
            ;
    }

    // The lowest count a group needs to be among the best ten overall: this part's tenth count, or a
    // higher one another part has reached (that part holds ten groups counting at least as much).
    int floor() const { return std::max(kept_.threshold(), floor_.load(std::memory_order_relaxed)); }

    const DrawBits& bits_;
    const std::vector<int>& top_;
    int n_;
    KeptList& kept_;
    std::atomic<int>& floor_;
    std::vector<Word> excluded_; // per depth
    std::array<int, GoldenGroupSize> chosen_{};
};

std::vector<std::array<int, PrefixLength>> Prefixes(int n) {
    std::vector<std::array<int, PrefixLength>> prefixes;
    const int room = n - GoldenGroupSize; // how far past its own place each choice may go
    if (room < 0)
        return prefixes;
    for (int a = 0; a <= room; ++a)
        for (int b = a + 1; b <= room + 1; ++b)
            for (int c = b + 1; c <= room + 2; ++c)
                prefixes.push_back({a, b, c});
    return prefixes;
}

} // namespace

int DrawnNumberOfText(const std::string& text, int maxNo) {
    if (text.size() != 2 || text[0] < '0' || text[0] > '9' || text[1] < '0' || text[1] > '9')
        return 0;
    const int number = (text[0] - '0') * 10 + (text[1] - '0');
    return number >= 1 && number <= maxNo ? number : 0;
}

std::string GoldenEntry::text() const {
    std::string out;
    for (int n : numbers)
        out += NumText(n);
    return out;
}

bool GoldenEntryLess(const GoldenEntry& a, const GoldenEntry& b) {
    if (a.count != b.count)
        return a.count < b.count;
    // Numbers of two digits each: their order is the order of the texts.
    return a.numbers < b.numbers;
}

GoldenTenOutcome BestTenNumberGroups(const DrawTables& draws, const std::vector<int>& drawIndexes,
                                     const std::vector<int>& top, const GoldenSearchControl& control) {
    const DrawBits bits = MakeDrawBits(draws, drawIndexes, top);
    const std::vector<std::array<int, PrefixLength>> prefixes = Prefixes(static_cast<int>(top.size()));
    const int total = static_cast<int>(prefixes.size());
    GoldenTenOutcome outcome;
    const auto stopped = [&] { return control.stop && control.stop->load(); };
    std::atomic<int> floor{0};
    const auto admit = [&](std::size_t unit) {
        if (control.progress)
            control.progress(static_cast<int>(unit), total);
        return !stopped();
    };
    const ScanOutcome<KeptList> scan = ScanAdmittedUnits(
        prefixes.size(), control.threads, KeptList(), 1, admit, [&](KeptList& kept, std::size_t unit) {
            if (!stopped())
                GroupWalk(bits, top, kept, floor).walk(prefixes[unit]);
        });
    outcome.stopped = scan.admitted < prefixes.size() || stopped();
    if (outcome.stopped)
        return outcome;
    if (control.progress)
        control.progress(total, total);

    // The parts' lists hold the best ten of their groups each, so the best ten of all of them are
    // the best ten overall, whichever part saw which group.
    KeptList merged;
    for (const KeptList& part : scan.states)
        for (const Kept& entry : part.entries)
            merged.offer(entry);
    for (const Kept& entry : merged.entries)
        outcome.kept.push_back({entry.count, std::vector<int>(entry.numbers.begin(), entry.numbers.end())});
    return outcome;
}
