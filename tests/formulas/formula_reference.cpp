#include "formula_reference.h"

#include <array>

#include "common/date.h"
#include "common/num_format.h"
#include "draws/work_area.h"

namespace {

int Value(const std::string& text) {
    return text.empty() ? 0 : StrToInt(text);
}

// Positions 1..7 of the draw as texts; a draw that is not loaded holds none.
bool TextDrawn(const DrawTextColumn* const* positions, int drawCount, int draw, const std::string& text) {
    if (draw < 1 || draw > drawCount)
        return false;
    for (int p = 0; p < 7; ++p)
        if ((*positions[p])[draw] == text)
            return true;
    return false;
}

template <class Key> void ExchangeSort(std::vector<Key>& keys, bool descending) {
    for (std::size_t i = 0; i + 1 < keys.size(); ++i)
        for (std::size_t m = i + 1; m < keys.size(); ++m)
            if (descending ? keys[m] > keys[i] : keys[m] < keys[i])
                std::swap(keys[i], keys[m]);
}

int Fold(int maxNo, int sum) {
    return ((maxNo * 100 + sum - 1) % maxNo) + 1;
}

// Two-digit texts of 0..99, made once: the walks below format millions of predictions.
const std::string& Text00(int n) {
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> all;
        for (int i = 0; i < 100; ++i)
            all.push_back(NumFormat("00", i));
        return all;
    }();
    return texts.at(static_cast<std::size_t>(n));
}

// The rate against the threshold, exactly: hits / draws x 100 >= percent.
bool Reaches(int hits, int draws, int percent) {
    return hits * 100 >= percent * draws;
}

} // namespace

std::vector<std::string> ReferenceTailSearch(const DrawTables& draws, const WorkArea& work, char lookBack) {
    const int b = lookBack - '0';
    const int n = draws.DrawCount;
    std::vector<std::string> codes;
    int c[6] = {};
    for (c[0] = 0; c[0] <= 4; ++c[0])
        for (c[1] = 0; c[1] <= 4; ++c[1])
            for (c[2] = 0; c[2] <= 4; ++c[2])
                for (c[3] = 0; c[3] <= 4; ++c[3])
                    for (c[4] = 0; c[4] <= 4; ++c[4])
                        for (int k = 0; k <= 9; ++k) {
                            int failures = 0;
                            for (int t = n - 14; t <= n; ++t) {
                                int sum = k;
                                for (int p = 1; p <= 6; ++p)
                                    sum += c[p - 1] * Value(work.DrawNumsWork[p][t - b]);
                                const std::string tail = NumFormat("0", sum % 10);
                                for (int p = 1; p <= 7; ++p) {
                                    const std::string& text = work.DrawNumsWork[p][t];
                                    if (text.size() >= 2 && text.substr(1, 1) == tail) {
                                        ++failures;
                                        break;
                                    }
                                }
                            }
                            if (failures > 1)
                                continue;
                            if (codes.size() == 100)
                                goto sorted;
                            std::string code(1, lookBack);
                            code += NumFormat("00", failures);
                            for (int p = 0; p < 6; ++p)
                                code += NumFormat("0", c[p]);
                            code += NumFormat("0", k);
                            codes.push_back(code);
                        }
sorted:
    ExchangeSort(codes, false);
    if (codes.size() > 6)
        codes.resize(6);
    return codes;
}

std::vector<int> ReferenceGroupSearch(const DrawTables& draws, int baseDraw, const GroupSettings& settings) {
    const int maxNo = draws.MaxNo;
    const int nCount = settings.groupSize;
    std::vector<int> codes;
    for (int u = 1; u <= 9; ++u)
        for (int v = u + 1; v <= 10; ++v)
            for (int m = 1; m <= maxNo; ++m) {
                int total = 0;
                int pass = 0;
                for (int p = baseDraw - 8; p <= baseDraw; ++p) {
                    std::string pred[15];
                    for (int k = 1; k <= 7; ++k) {
                        const int a = Value(draws.DrawNums[k][p - u]);
                        const int b = Value(draws.DrawNums[k][p - v]);
                        pred[k] = NumFormat("00", Fold(maxNo, (a - b) * m + k));
                        pred[7 + k] = NumFormat("00", Fold(maxNo, (a + b) * m + 7 + k));
                    }
                    for (bool changed = true; changed;) {
                        changed = false;
                        for (int i = 1; i < nCount; ++i)
                            for (int j = i + 1; j <= nCount; ++j)
                                if (pred[i] > pred[j])
                                    std::swap(pred[i], pred[j]);
                        for (int i = 1; i < nCount; ++i)
                            if (pred[i] == pred[i + 1]) {
                                pred[i + 1] =
                                    NumFormat("00", (StrToInt(pred[i + 1]) + 2 * maxNo) % maxNo + 1);
                                changed = true;
                                break;
                            }
                    }
                    int hits = 0;
                    for (int k = 1; k <= 6; ++k)
                        for (int i = 1; i <= nCount; ++i)
                            if (draws.DrawNums[k][p] == pred[i])
                                ++hits;
                    total += hits;
                    if (hits <= settings.maxHits)
                        ++pass;
                    if ((settings.maxHits == 0 && hits >= 2) ||
                        (settings.maxHits > 0 && hits >= settings.maxHits + 1))
                        pass -= 10;
                }
                if (pass >= settings.passNeed) {
                    if (codes.size() == 2000)
                        goto sorted;
                    codes.push_back(total * 1000000 + u * 10000 + v * 100 + m);
                }
            }
sorted:
    ExchangeSort(codes, false);
    return codes;
}

std::vector<std::string> ReferenceLineSearch(const DrawTables& draws, const WorkArea& work, char lookBack,
                                             int baseDraw, int sign, int percent) {
    const int b = lookBack - '0';
    const int maxNo = draws.MaxNo;
    const DrawTextColumn* positions[7];
    for (int p = 0; p < 7; ++p)
        positions[p] = &work.DrawNumsWork[p + 1];
    std::vector<std::string> keys;
    for (int c1 = 1; c1 <= 9; ++c1)
        for (int c2 = 1; c2 <= 9; ++c2)
            for (int p1 = 1; p1 <= 4; ++p1)
                for (int p2 = p1 + 1; p2 <= 5; ++p2)
                    for (int k = 1; k <= maxNo - 1; ++k) {
                        int hits = 0;
                        for (int j = baseDraw - 29; j <= baseDraw; ++j) {
                            const int sum = c1 * Value(work.DrawNumsWork[p1][j - b]) +
                                            sign * c2 * Value(work.DrawNumsWork[p2][j - b]) + k;
                            if (TextDrawn(positions, draws.DrawCount, j, Text00(Fold(maxNo, sum))))
                                ++hits;
                        }
                        if (!Reaches(hits, 30, percent))
                            continue;
                        if (keys.size() == 1000)
                            goto sorted;
                        keys.push_back(std::string(1, lookBack) + NumFormat("00", hits) + std::to_string(c1) +
                                       std::to_string(c2) + std::to_string(p1) + std::to_string(p2) + "00" +
                                       NumFormat("00", k));
                    }
sorted:
    ExchangeSort(keys, true);
    return keys;
}

std::vector<std::string> ReferenceNurtureSearch(const DrawTables& draws, const WorkArea& work,
                                                int verifyDraws, char lookBack, int baseDraw, int percent) {
    const int b = lookBack - '0';
    const int maxNo = draws.MaxNo;
    const DrawTextColumn* positions[7];
    for (int p = 0; p < 7; ++p)
        positions[p] = &work.DrawNumsWork[p + 1];
    // The ball values converted once: the walk below is the description's, the conversions are not
    // what is under test.
    std::vector<std::array<int, 7>> values(static_cast<std::size_t>(draws.DrawCount + 1));
    for (int d = 1; d <= draws.DrawCount; ++d)
        for (int p = 1; p <= 6; ++p)
            values[d][p] = Value(work.DrawNumsWork[p][d]);
    std::vector<std::string> keys;
    int c[6] = {};
    for (c[0] = 0; c[0] <= 6; ++c[0])
        for (c[1] = 0; c[1] <= 6; ++c[1])
            for (c[2] = 0; c[2] <= 6; ++c[2])
                for (c[3] = 0; c[3] <= 6; ++c[3])
                    for (c[4] = 0; c[4] <= 6; ++c[4])
                        for (int k = 1; k <= maxNo / 2; ++k) {
                            int hits = 0;
                            for (int j = baseDraw - verifyDraws + 1; j <= baseDraw; ++j) {
                                int sum = k;
                                for (int p = 1; p <= 6; ++p)
                                    sum += c[p - 1] * values[j - b][p];
                                const std::string& text = Text00(Fold(maxNo, sum));
                                if (TextDrawn(positions, draws.DrawCount, j, text) ||
                                    TextDrawn(positions, draws.DrawCount, j + 1, text) ||
                                    TextDrawn(positions, draws.DrawCount, j + 2, text))
                                    ++hits;
                            }
                            if (!Reaches(hits, verifyDraws, percent))
                                continue;
                            if (keys.size() == 1000)
                                goto sorted;
                            std::string key(1, lookBack);
                            key += NumFormat("00", hits);
                            for (int p = 0; p < 6; ++p)
                                key += std::to_string(c[p]);
                            key += NumFormat("00", k);
                            keys.push_back(key);
                        }
sorted:
    ExchangeSort(keys, true);
    return keys;
}
