#include "formulas/line_formula_search.h"

#include <array>
#include <vector>

#include "common/num_format.h"
#include "draws/work_area.h"
#include "formulas/formula_balls.h"
#include "formulas/formula_search.h"

namespace {

constexpr int Chunks = LineCoefficientTop * LineCoefficientTop; // c1, c2

struct LineVerification {
    std::array<std::array<int, DrawBalls + 1>, LineVerifyDraws> values{}; // [draw][position], from 1
    std::array<std::uint64_t, LineVerifyDraws> drawn{};
};

bool Digit(char ch) {
    return ch >= '0' && ch <= '9';
}

} // namespace

std::string LineKey(char lookBack, int hits, const LineFormula& f) {
    std::string key(1, lookBack);
    key += NumFormat("00", hits);
    for (int digit : {f.c1, f.c2, f.p1, f.p2})
        key += static_cast<char>('0' + digit);
    key += "00";
    key += NumFormat("00", f.k);
    return key;
}

std::optional<LineKeyParts> ParseLineKey(std::string_view key) {
    if (key.size() != static_cast<std::size_t>(LineKeyLength))
        return std::nullopt;
    for (char ch : key)
        if (!Digit(ch))
            return std::nullopt;
    LineKeyParts parts;
    parts.lookBack = key[0] - '0';
    parts.hits = (key[1] - '0') * 10 + (key[2] - '0');
    parts.formula = {key[3] - '0', key[4] - '0', key[5] - '0', key[6] - '0',
                     (key[9] - '0') * 10 + (key[10] - '0')};
    if (parts.formula.p1 < 1 || parts.formula.p2 <= parts.formula.p1 || parts.formula.p2 > MaxBallSlots)
        return std::nullopt;
    return parts;
}

LineSearchSetup PrepareLineSearch(const DrawTables& draws, std::string_view lookBackText, int baseDraw,
                                  int sign, int percent) {
    LineSearchSetup setup;
    static_cast<LookBackStart&>(setup) =
        StartFromLookBack(lookBackText, 0, DigitLookBackMessage, baseDraw, LineVerifyDraws);
    if (setup.outcome == LineSearchSetup::Outcome::Search && !DrawLoaded(draws, baseDraw))
        setup.outcome = LineSearchSetup::Outcome::TooShort;
    setup.baseDraw = baseDraw;
    setup.sign = sign < 0 ? -1 : 1;
    setup.percent = percent;
    return setup;
}

std::optional<int> LinePrediction(const DrawTables& draws, const WorkArea& work, const LineFormula& f,
                                  int sign, int source) {
    if (!DrawLoaded(draws, source))
        return std::nullopt;
    const int sum = f.c1 * BallValue(work.DrawNumsWork, f.p1, source) +
                    sign * f.c2 * BallValue(work.DrawNumsWork, f.p2, source) + f.k;
    return FoldPrediction(draws.MaxNo, sum);
}

bool LineHits(const DrawTables& draws, const WorkArea& work, int number, int target) {
    return NumberBits(work.DrawNumsWork, target, draws.DrawCount, LineHitPositions) >> number & 1u;
}

OrderedSearchResult<std::string> SearchLineFormulas(const DrawTables& draws, const WorkArea& work,
                                                    const LineSearchSetup& setup,
                                                    const SearchControl& control) {
    if (setup.outcome != LineSearchSetup::Outcome::Search)
        return {};
    LineVerification v;
    const int first = setup.baseDraw - LineVerifyDraws + 1;
    for (int i = 0; i < LineVerifyDraws; ++i) {
        for (int p = 1; p <= DrawBalls; ++p)
            v.values[i][p] = BallValue(work.DrawNumsWork, p, first + i - setup.lookBackDraws);
        v.drawn[i] = NumberBits(work.DrawNumsWork, first + i, draws.DrawCount, LineHitPositions);
    }
    const int maxNo = draws.MaxNo;
    auto evaluate = [&](int chunk, ChunkKeeper<std::string>& keeper) {
        LineFormula f;
        f.c1 = chunk / LineCoefficientTop + 1;
        f.c2 = chunk % LineCoefficientTop + 1;
        for (f.p1 = 1; f.p1 < DrawBalls; ++f.p1)
            for (f.p2 = f.p1 + 1; f.p2 <= DrawBalls; ++f.p2) {
                std::array<int, LineVerifyDraws> sums{};
                for (int i = 0; i < LineVerifyDraws; ++i)
                    sums[i] = f.c1 * v.values[i][f.p1] + setup.sign * f.c2 * v.values[i][f.p2];
                for (f.k = 1; f.k < maxNo; ++f.k) {
                    int hits = 0;
                    for (int i = 0; i < LineVerifyDraws; ++i)
                        hits += static_cast<int>(v.drawn[i] >> FoldPrediction(maxNo, sums[i] + f.k) & 1u);
                    if (MeetsPercent(hits, LineVerifyDraws, setup.percent) &&
                        !keeper.keep(LineKey(setup.lookBack, hits, f)))
                        return;
                }
            }
    };
    OrderedSearchResult<std::string> result =
        KeepFirstInOrder<std::string>(Chunks, LineCapacity, evaluate, control);
    SortKeys(result.keys, KeySort::Descending);
    return result;
}
