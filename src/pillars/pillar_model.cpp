#include "pillars/pillar_model.h"

#include <algorithm>

#include "pillars/draw_memo.h"

StarCounts ElementaryStars(std::span<const int> values) {
    // e[k] after each value: the sums over every k of the values seen so far.
    long long e1 = 0, e2 = 0, e3 = 0, e4 = 0;
    for (int v : values) {
        e4 += e3 * v;
        e3 += e2 * v;
        e2 += e1 * v;
        e1 += v;
    }
    return StarCounts{static_cast<int>(e2), static_cast<int>(e3), static_cast<int>(e4)};
}

StarCounts WheelStars(int n) {
    if (n < 2)
        return {};
    const long long m = n;
    return StarCounts{static_cast<int>(m * (m - 1) / 2), static_cast<int>(m * (m - 1) * (m - 2) / 6),
                      static_cast<int>(m * (m - 1) * (m - 2) * (m - 3) / 24)};
}

std::string_view DrawKeyPiece(std::string_view drawKey, int position) {
    const std::size_t at = static_cast<std::size_t>(position - 1) * 2;
    if (position < 1 || position > 5 || at >= drawKey.size())
        return {};
    return drawKey.substr(at, 2);
}

namespace {

// The first draw position whose number equals the text, or 0.
int positionOf(std::string_view drawKey, std::string_view number) {
    // Two characters compared directly: reports check every number of a layout against every draw.
    if (number.size() == 2 && drawKey.size() >= 10) {
        for (std::size_t j = 0; j < 5; ++j)
            if (drawKey[2 * j] == number[0] && drawKey[2 * j + 1] == number[1])
                return static_cast<int>(j) + 1;
        return 0;
    }
    for (int j = 1; j <= 5; ++j)
        if (DrawKeyPiece(drawKey, j) == number)
            return j;
    return 0;
}

} // namespace

DrawHit CHECK_Bingo_pillar(const PillarNumbers& pillars, std::string_view drawKey) {
    DrawHit hit;
    std::array<int, MaxPillars> perPillar{};
    const std::size_t count = std::min<std::size_t>(pillars.size(), MaxPillars);
    for (std::size_t p = 0; p < count; ++p) {
        for (const std::string& number : pillars[p]) {
            if (int j = positionOf(drawKey, number)) {
                hit.HitNo[static_cast<std::size_t>(j - 1)] = number;
                ++perPillar[p];
            }
        }
    }
    hit.stars = ElementaryStars(std::span<const int>(perPillar.data(), count));
    return hit;
}

DrawHit CHECK_Bingo_lenpon(const std::vector<std::string>& selection, std::string_view drawKey) {
    DrawHit hit;
    int drawn = 0;
    for (const std::string& number : selection) {
        if (int j = positionOf(drawKey, number)) {
            hit.HitNo[static_cast<std::size_t>(j - 1)] = number;
            ++drawn;
        }
    }
    hit.stars = WheelStars(drawn);
    return hit;
}

int chkBingo(std::string_view key, const std::vector<std::string>& memoLines) {
    const std::size_t pieces = key.size() / 2;
    int hits = 0;
    for (const std::string& line : memoLines) {
        std::size_t found = 0;
        for (std::size_t i = 0; i < pieces; ++i) {
            const std::string_view piece = key.substr(i * 2, 2);
            for (int position = 1; position <= 5; ++position) {
                if (MemoNumberText(line, position) == piece) {
                    ++found;
                    break;
                }
            }
        }
        if (found == pieces)
            ++hits;
    }
    return hits;
}
