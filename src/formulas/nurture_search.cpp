#include "formulas/nurture_search.h"

#include <stdexcept>
#include <vector>

#include "common/num_format.h"
#include "draws/work_area.h"
#include "formulas/formula_balls.h"
#include "formulas/formula_search.h"

namespace {

constexpr int Coefficients = NurtureCoefficientTop + 1;
constexpr int Chunks = Coefficients * Coefficients * Coefficients; // c1, c2, c3

bool Digit(char ch) {
    return ch >= '0' && ch <= '9';
}

// Per verification draw: the ball values of the draw B places back, and the numbers drawn in the
// draw or one of the next two.
struct NurtureVerification {
    std::vector<std::array<int, DrawBalls>> values;
    std::vector<std::uint64_t> drawnWithin;
};

} // namespace

std::string NurtureKey(char lookBack, int hits, const NurtureFormula& f) {
    std::string key(1, lookBack);
    key += NumFormat("00", hits);
    for (int c : f.c)
        key += static_cast<char>('0' + c);
    key += NumFormat("00", f.k);
    return key;
}

std::optional<NurtureKeyParts> ParseNurtureKey(std::string_view key) {
    if (key.size() != static_cast<std::size_t>(NurtureKeyLength))
        return std::nullopt;
    for (char ch : key)
        if (!Digit(ch))
            return std::nullopt;
    NurtureKeyParts parts;
    parts.lookBack = key[0] - '0';
    parts.hits = (key[1] - '0') * 10 + (key[2] - '0');
    for (int p = 0; p < 6; ++p)
        parts.formula.c[p] = key[3 + p] - '0';
    parts.formula.k = (key[9] - '0') * 10 + (key[10] - '0');
    return parts;
}

NurtureSearchSetup PrepareNurtureSearch(const DrawTables& draws, const NurtureVariant& variant,
                                        std::string_view lookBackText, int baseDraw, int percent) {
    NurtureSearchSetup setup;
    static_cast<LookBackStart&>(setup) =
        StartFromLookBack(lookBackText, 0, DigitLookBackMessage, baseDraw, variant.verifyDraws);
    if (setup.outcome == NurtureSearchSetup::Outcome::Search && !DrawLoaded(draws, baseDraw))
        setup.outcome = NurtureSearchSetup::Outcome::TooShort;
    setup.variant = variant;
    setup.baseDraw = baseDraw;
    setup.percent = percent;
    return setup;
}

std::optional<int> NurturePrediction(const DrawTables& draws, const WorkArea& work, const NurtureFormula& f,
                                     int source) {
    if (!DrawLoaded(draws, source))
        return std::nullopt;
    int sum = f.k;
    for (int p = 1; p <= 6; ++p)
        sum += f.c[p - 1] * BallValue(work.DrawNumsWork, p, source);
    return FoldPrediction(draws.MaxNo, sum);
}

bool NurtureDrawn(const DrawTables& draws, const WorkArea& work, int number, int draw) {
    return NumberBits(work.DrawNumsWork, draw, draws.DrawCount, NurtureHitPositions) >> number & 1u;
}

OrderedSearchResult<std::string> SearchNurtureFormulas(const DrawTables& draws, const WorkArea& work,
                                                       const NurtureSearchSetup& setup,
                                                       const SearchControl& control) {
    if (setup.outcome != NurtureSearchSetup::Outcome::Search)
        return {};
    const int count = setup.variant.verifyDraws;
    const int first = setup.baseDraw - count + 1;
    NurtureVerification v;
    v.values.resize(static_cast<std::size_t>(count));
    v.drawnWithin.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        for (int p = 1; p <= DrawBalls; ++p)
            v.values[i][p - 1] = BallValue(work.DrawNumsWork, p, first + i - setup.lookBackDraws);
        for (int d = 0; d < NurtureSpan; ++d)
            v.drawnWithin[i] |=
                NumberBits(work.DrawNumsWork, first + i + d, draws.DrawCount, NurtureHitPositions);
    }
    const int maxNo = draws.MaxNo;
    const int kTop = maxNo / 2;
    // The widest shift below reads bit maxNo - 1 + kTop - 1.
    if (maxNo < 2 || maxNo + kTop > 64)
        throw std::logic_error("nurturing search: numbers up to " + std::to_string(maxNo) + " do not fit");
    // The numbers drawn within three draws, twice over, so that the number k places after a
    // remainder r (0..maxNo-1) is bit r + k with no wrap: prediction = (r + k - 1) mod maxNo + 1.
    std::vector<std::uint64_t> doubled(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const std::uint64_t numbers = v.drawnWithin[i] >> 1; // bit n - 1 for number n
        doubled[i] = numbers | numbers << maxNo;
    }

    auto evaluate = [&](int chunk, ChunkKeeper<std::string>& keeper) {
        NurtureFormula f;
        f.c[0] = chunk / (Coefficients * Coefficients);
        f.c[1] = chunk / Coefficients % Coefficients;
        f.c[2] = chunk % Coefficients;
        std::vector<int> partial(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i)
            partial[i] = f.c[0] * v.values[i][0] + f.c[1] * v.values[i][1] + f.c[2] * v.values[i][2];
        std::array<int, 64> hits{};
        for (f.c[3] = 0; f.c[3] < Coefficients; ++f.c[3])
            for (f.c[4] = 0; f.c[4] < Coefficients; ++f.c[4]) {
                hits.fill(0);
                for (int i = 0; i < count; ++i) {
                    const int sum = partial[i] + f.c[3] * v.values[i][3] + f.c[4] * v.values[i][4];
                    const int rest = (sum % maxNo + maxNo) % maxNo;
                    // Bit k - 1: the prediction with constant k is drawn within three draws.
                    const std::uint64_t bits = doubled[i] >> rest;
                    for (int k = 1; k <= kTop; ++k)
                        hits[k] += static_cast<int>(bits >> (k - 1) & 1u);
                }
                for (f.k = 1; f.k <= kTop; ++f.k)
                    if (MeetsPercent(hits[f.k], count, setup.percent) &&
                        !keeper.keep(NurtureKey(setup.lookBack, hits[f.k], f)))
                        return;
            }
    };
    OrderedSearchResult<std::string> result =
        KeepFirstInOrder<std::string>(Chunks, NurtureCapacity, evaluate, control);
    SortKeys(result.keys, KeySort::Descending);
    return result;
}
