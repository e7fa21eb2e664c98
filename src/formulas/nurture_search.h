#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "formulas/formula_search.h"
#include "formulas/ordered_search.h"

struct DrawTables;
struct WorkArea;

// Single-number nurturing: one number from the draw B places back,
//   prediction = fold(c1 x N1 + ... + c6 x N6 + k),  c in 0..6, k in 1..MaxNo div 2,
// that succeeds for a draw when it is drawn there or in one of the next two draws (三期內). A draw of
// this game has five balls, so c6 stays 0 and no formula reads a ball that is not there:
// 7^5 x 19 formulas, verified over the 50 (or 30) draws ending at the base draw.

inline constexpr int NurtureCapacity = 1000; // kept keys; also the early stop
inline constexpr int NurtureCoefficientTop = 6;
inline constexpr int NurtureSpan = 3;         // the draw and the next two
inline constexpr int NurtureHitPositions = 7; // positions of a draw compared with the prediction
inline constexpr int NurtureProgressMax = 400;
inline constexpr int NurtureKeyLength = 11;

// The twins differ in these.
struct NurtureVariant {
    int verifyDraws = 50;
    const char* ownDrawMark = "  (本  期"; // the row-line mark for the draw itself
};
inline constexpr NurtureVariant Nurture50{50, "  (本  期"};
inline constexpr NurtureVariant Nurture30{30, "  (這一期"};

struct NurtureFormula {
    std::array<int, 6> c{}; // c1..c6
    int k = 1;
};

// B, hits "00", c1..c6 one digit each, k "00".
std::string NurtureKey(char lookBack, int hits, const NurtureFormula& formula);
struct NurtureKeyParts {
    int lookBack = 1;
    int hits = 0;
    NurtureFormula formula;
};
std::optional<NurtureKeyParts> ParseNurtureKey(std::string_view key);

struct NurtureSearchSetup : LookBackStart {
    int baseDraw = 0;
    int percent = 60;
    NurtureVariant variant;
};
// No integer: ends silently. Not one digit (it would shift every field of the key): refused. The
// verification window and look-back reaching before draw 1: too short.
NurtureSearchSetup PrepareNurtureSearch(const DrawTables& draws, const NurtureVariant& variant,
                                        std::string_view lookBackText, int baseDraw, int percent);

// The number a formula predicts from draw `source`; none when that draw is not loaded.
std::optional<int> NurturePrediction(const DrawTables& draws, const WorkArea& work,
                                     const NurtureFormula& formula, int source);
// Whether draw d holds the number at one of positions 1..7; a draw not yet made holds nothing.
bool NurtureDrawn(const DrawTables& draws, const WorkArea& work, int number, int draw);

// Every formula in enumeration order (c1..c5 outermost first, c6 = 0, k innermost), the first 1000
// whose three-draw successes reach the percentage, sorted descending as text.
OrderedSearchResult<std::string> SearchNurtureFormulas(const DrawTables& draws, const WorkArea& work,
                                                       const NurtureSearchSetup& setup,
                                                       const SearchControl& control);
