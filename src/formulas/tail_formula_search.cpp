#include "formulas/tail_formula_search.h"

#include <array>

#include "common/num_format.h"
#include "draws/work_area.h"
#include "formulas/formula_balls.h"
#include "formulas/formula_search.h"

namespace {

constexpr int Coefficients = TailCoefficientTop + 1;
constexpr int Chunks = Coefficients * Coefficients * Coefficients; // c1, c2, c3

// The numbers of the 15 verification draws: values of the draws B places back, tails of the targets.
struct TailVerification {
    std::array<std::array<int, DrawBalls>, TailVerifyDraws> values{};
    std::array<std::uint16_t, TailVerifyDraws> drawnTails{};
};

TailVerification ReadVerification(const DrawTables& draws, const WorkArea& work, int lookBack) {
    TailVerification v;
    const int first = draws.DrawCount - TailVerifyDraws + 1;
    for (int i = 0; i < TailVerifyDraws; ++i) {
        const int target = first + i;
        for (int p = 1; p <= DrawBalls; ++p)
            v.values[i][p - 1] = BallValue(work.DrawNumsWork, p, target - lookBack);
        v.drawnTails[i] = TailBits(work.DrawNumsWork, target, draws.DrawCount, TailComparedPositions);
    }
    return v;
}

template <class Keeper>
void EvaluateChunk(const TailVerification& v, char lookBack, int chunk, Keeper& keeper) {
    TailFormula f;
    f.c[0] = chunk / (Coefficients * Coefficients);
    f.c[1] = chunk / Coefficients % Coefficients;
    f.c[2] = chunk % Coefficients;
    std::array<int, TailVerifyDraws> partial{};
    for (int i = 0; i < TailVerifyDraws; ++i)
        partial[i] = f.c[0] * v.values[i][0] + f.c[1] * v.values[i][1] + f.c[2] * v.values[i][2];
    for (f.c[3] = 0; f.c[3] < Coefficients; ++f.c[3])
        for (f.c[4] = 0; f.c[4] < Coefficients; ++f.c[4]) {
            std::array<int, TailVerifyDraws> sums{};
            for (int i = 0; i < TailVerifyDraws; ++i)
                sums[i] = partial[i] + f.c[3] * v.values[i][3] + f.c[4] * v.values[i][4];
            for (f.k = 0; f.k <= 9; ++f.k) {
                int failures = 0;
                for (int i = 0; i < TailVerifyDraws && failures <= TailMaxFailures; ++i)
                    if (v.drawnTails[i] >> ((sums[i] + f.k) % 10) & 1u)
                        ++failures;
                if (failures <= TailMaxFailures && !keeper.keep(TailCode(lookBack, failures, f)))
                    return;
            }
        }
}

} // namespace

std::string TailCode(char lookBack, int failures, const TailFormula& formula) {
    std::string code(1, lookBack);
    code += NumFormat("00", failures);
    for (int c : formula.c)
        code += static_cast<char>('0' + c);
    code += static_cast<char>('0' + formula.k);
    return code;
}

std::optional<TailCodeParts> ParseTailCode(std::string_view code) {
    if (code.size() != static_cast<std::size_t>(TailCodeLength))
        return std::nullopt;
    for (char ch : code)
        if (ch < '0' || ch > '9')
            return std::nullopt;
    TailCodeParts parts;
    parts.lookBack = code[0] - '0';
    if (parts.lookBack < 1)
        return std::nullopt;
    parts.failures = (code[1] - '0') * 10 + (code[2] - '0');
    for (int p = 0; p < 6; ++p)
        parts.formula.c[p] = code[3 + p] - '0';
    parts.formula.k = code[9] - '0';
    return parts;
}

TailSearchSetup PrepareTailSearch(const DrawTables& draws, std::string_view lookBackText) {
    return StartFromLookBack(lookBackText, 1, TailLookBackMessage, draws.DrawCount, TailVerifyDraws);
}

std::optional<int> TailOfFormula(const DrawTables& draws, const WorkArea& work, const TailFormula& formula,
                                 int lookBack, int target) {
    const int source = target - lookBack;
    if (!DrawLoaded(draws, source))
        return std::nullopt;
    int sum = formula.k;
    for (int p = 1; p <= 6; ++p)
        sum += formula.c[p - 1] * BallValue(work.DrawNumsWork, p, source);
    return sum % 10;
}

bool TailFails(const DrawTables& draws, const WorkArea& work, int tail, int target) {
    return TailBits(work.DrawNumsWork, target, draws.DrawCount, TailComparedPositions) >> tail & 1u;
}

OrderedSearchResult<std::string> SearchTailFormulas(const DrawTables& draws, const WorkArea& work,
                                                    const TailSearchSetup& setup,
                                                    const SearchControl& control) {
    if (setup.outcome != TailSearchSetup::Outcome::Search)
        return {};
    const TailVerification v = ReadVerification(draws, work, setup.lookBackDraws);
    OrderedSearchResult<std::string> result = KeepFirstInOrder<std::string>(
        Chunks, TailCapacity,
        [&](int chunk, ChunkKeeper<std::string>& keeper) { EvaluateChunk(v, setup.lookBack, chunk, keeper); },
        control);
    SortKeys(result.keys, KeySort::Ascending);
    if (result.keys.size() > static_cast<std::size_t>(TailShownCodes))
        result.keys.resize(TailShownCodes);
    return result;
}
