#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formulas/formula_search.h"
#include "formulas/ordered_search.h"

struct DrawTables;
struct WorkArea;

// The tail formula: a units digit that will not be drawn, from the draw B places back,
//   tail = (c1 x N(1) + ... + c6 x N(6) + k) mod 10,
// verified over the 15 newest draws and kept when it failed at most once (a failure is a draw holding
// a number with that units digit). A draw of this game has five balls, so c6 stays 0 and no formula
// depends on a ball that is not there: 5^5 x 10 formulas.

inline constexpr int TailVerifyDraws = 15;
inline constexpr int TailMaxFailures = 1;
inline constexpr int TailCapacity = 100; // kept codes; also the early stop
inline constexpr int TailShownCodes = 6; // what the window can page through after the sort
inline constexpr int TailCoefficientTop = 4;
inline constexpr int TailComparedPositions = 7; // positions of a draw compared with a tail
inline constexpr int TailProgressMax = 125;
inline constexpr int TailCodeLength = 10;

inline constexpr std::string_view TailCodeLengthMessage = "版路代號應為10碼";
inline constexpr std::string_view TailLookBackMessage = "計算基準期數應為 1 到 9 的一位數字";

struct TailFormula {
    std::array<int, 6> c{}; // c1..c6
    int k = 0;
};

// The code (版路代號): B, failures "00", c1..c6 one digit each, k.
std::string TailCode(char lookBack, int failures, const TailFormula& formula);

struct TailCodeParts {
    int lookBack = 1;
    int failures = 0;
    TailFormula formula;
};
// None unless the code is ten digits with a look-back of 1..9.
std::optional<TailCodeParts> ParseTailCode(std::string_view code);

// What "開始" does with the look-back text, and with a code typed in place of a search.
using TailSearchSetup = LookBackStart;
// No integer: ends silently. An integer that is not one digit 1..9 does not fit the code (and a
// look-back of 0 would disagree with every display of it): refused. Fewer than 15 + B draws: too short.
TailSearchSetup PrepareTailSearch(const DrawTables& draws, std::string_view lookBackText);

// The tail a formula names for draw t, from draw t - B; none when that draw is not loaded.
std::optional<int> TailOfFormula(const DrawTables& draws, const WorkArea& work, const TailFormula& formula,
                                 int lookBack, int target);
// Whether a tail fails at draw t: one of its positions 1..7 holds a number with that units digit. A
// draw that is not loaded never fails.
bool TailFails(const DrawTables& draws, const WorkArea& work, int tail, int target);

// Every formula in enumeration order (c1..c5 outermost first, c6 = 0, k innermost), the first 100 that
// fail at most once, sorted ascending as text and cut to the six the window shows.
OrderedSearchResult<std::string> SearchTailFormulas(const DrawTables& draws, const WorkArea& work,
                                                    const TailSearchSetup& setup,
                                                    const SearchControl& control);
