#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The pillar model: a layout deals numbers into up to eight pillars; a k-star bet takes one number
// from each of k different pillars. Numbers are compared as their two-character texts, so a
// hand-typed "5" never matches the drawn "05".

constexpr int MaxPillars = 8;  // pillars of a layout
constexpr int PillarSlots = 8; // numbers one pillar can hold

// Counts of 2-, 3- and 4-star bets: what a layout buys, or what it won.
struct StarCounts {
    int star2 = 0;
    int star3 = 0;
    int star4 = 0;

    StarCounts& operator+=(const StarCounts& other) {
        star2 += other.star2;
        star3 += other.star3;
        star4 += other.star4;
        return *this;
    }
    bool operator==(const StarCounts&) const = default;
};

// The elementary symmetric sums e2, e3, e4 of the values: the bets a layout with these pillar sizes
// buys, or the bets won by a draw with these per-pillar hit counts.
StarCounts ElementaryStars(std::span<const int> values);

// choose(n, 2), choose(n, 3), choose(n, 4): the bets of a full wheel of n numbers, or the bets a
// draw with n of its numbers in the wheel wins.
StarCounts WheelStars(int n);

// The number text at 1-based position 1..5 of a draw key (two characters; blanks where the key was
// cut short).
std::string_view DrawKeyPiece(std::string_view drawKey, int position);

// How one draw fared against a layout or a selection.
struct DrawHit {
    std::array<std::string, 5> HitNo{"__", "__", "__", "__", "__"}; // per draw position: the number, or "__"
    StarCounts stars;                                               // DrawStar2..DrawStar4
};

// The layout as its pillar memos show it: pillar p-1 holds the memo lines of pillar p in slot
// order. Only the pillars of the layout are passed (at most MaxPillars).
using PillarNumbers = std::vector<std::vector<std::string>>;

// Scores one draw (a 10-character draw key) against a layout. A number standing in two slots counts
// once per slot.
DrawHit CHECK_Bingo_pillar(const PillarNumbers& pillars, std::string_view drawKey);

// Scores one draw against a full wheel of the selected numbers.
DrawHit CHECK_Bingo_lenpon(const std::vector<std::string>& selection, std::string_view drawKey);

// The number of draw memo lines that contain every number of the key (a concatenation of number
// texts). An empty key matches every line.
int chkBingo(std::string_view key, const std::vector<std::string>& memoLines);
