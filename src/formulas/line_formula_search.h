#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "formulas/formula_search.h"
#include "formulas/ordered_search.h"

struct DrawTables;
struct WorkArea;

// The simple numeric formula: one number from two ball positions of the draw B places back,
//   prediction = fold(c1 x N(p1) + s x c2 x N(p2) + k),
// c1, c2 in 1..9, k in 1..MaxNo - 1, s = +1 or -1 ("第二計算公式"). A draw of this game has five
// balls, so p1 < p2 are picked from 1..5 and no formula reads a ball that is not there:
// 9 x 9 x 10 x 38 formulas, verified over the 30 draws ending at the base draw.

inline constexpr int LineVerifyDraws = 30;
inline constexpr int LineCapacity = 1000; // kept keys; also the early stop
inline constexpr int LineProgressMax = 520;
inline constexpr int LineCoefficientTop = 9;
inline constexpr int LineHitPositions = 7; // positions of a target compared with the prediction
inline constexpr int LineKeyLength = 11;

struct LineFormula {
    int c1 = 1;
    int c2 = 1;
    int p1 = 1;
    int p2 = 2;
    int k = 1;
};

// B, hits "00", c1, c2, p1, p2, "00", k "00".
std::string LineKey(char lookBack, int hits, const LineFormula& formula);
struct LineKeyParts {
    int lookBack = 1;
    int hits = 0;
    LineFormula formula;
};
// None unless the key has the layout above.
std::optional<LineKeyParts> ParseLineKey(std::string_view key);

// What a search starts from (the look-back box is hidden and reads "1"; the base-date box is hidden
// too, so the newest draw is the base draw).
struct LineSearchSetup : LookBackStart {
    int baseDraw = 0;
    int sign = 1;
    int percent = 45;
};
LineSearchSetup PrepareLineSearch(const DrawTables& draws, std::string_view lookBackText, int baseDraw,
                                  int sign, int percent);

// The number a formula predicts from draw `source`; none when that draw is not loaded.
std::optional<int> LinePrediction(const DrawTables& draws, const WorkArea& work, const LineFormula& formula,
                                  int sign, int source);
// Whether draw d holds the number at one of positions 1..7 (a draw not yet made holds nothing).
bool LineHits(const DrawTables& draws, const WorkArea& work, int number, int target);

// Every formula in enumeration order (c1, c2, p1, p2, k), the first 1000 whose hits reach the
// percentage, sorted descending as text.
OrderedSearchResult<std::string> SearchLineFormulas(const DrawTables& draws, const WorkArea& work,
                                                    const LineSearchSetup& setup,
                                                    const SearchControl& control);
