#include "formulas/line_formula_texts.h"

#include <array>
#include <vector>

#include "common/num_text.h"
#include "draws/work_area.h"
#include "formulas/formula_balls.h"

namespace {

const std::vector<const char*> Headings = {" 日     期", " 期 數", "一", "二",    "三",  "四",
                                           "五",         "六",     "特", "預測 ", "開出"};
const std::array<const char*, MaxBallSlots + 1> BallLetters = {"", "A", "B", "C", "D", "E", "F", "S"};
constexpr int PredictionColumn = 9;
constexpr int HitColumn = 10;
constexpr int InitialRows = LineVerifyDraws + 2;

} // namespace

TextTable LineInitialGrid(const DrawTables& draws, const WorkArea& work) {
    // The 33 newest draws go in from row 1; the rows past the grid's end (the two newest) show once a
    // search rewrites it.
    TextTable grid = HeadedGrid(Headings, InitialRows);
    for (int r = 1; r < InitialRows; ++r)
        WriteDrawRow(grid, r, draws, work.DrawNumsWork, draws.DrawCount - InitialRows - 1 + r);
    return grid;
}

TextTable LineSearchGrid(const DrawTables& draws, const WorkArea& work, int baseDraw, int lookBack) {
    const int first = baseDraw - LineVerifyDraws + 1;
    const int existing = draws.DrawCount - first + 1;
    TextTable grid = HeadedGrid(Headings, existing + lookBack + 1);
    for (int r = 1; r <= existing; ++r)
        WriteDrawRow(grid, r, draws, work.DrawNumsWork, first + r - 1);
    BlankResultCells(grid, {PredictionColumn, HitColumn}, grid.rowCount());
    return grid;
}

std::string LineFormulaText(const LineFormula& f, int sign) {
    return std::to_string(f.c1) + BallLetters[f.p1] + (sign < 0 ? "-" : "+") + std::to_string(f.c2) +
           BallLetters[f.p2] + "+" + std::to_string(f.k);
}

LineDisplay ShowLineKey(const DrawTables& draws, const WorkArea& work, int baseDraw, std::string_view key,
                        int sign) {
    LineDisplay shown;
    const std::optional<LineKeyParts> parts = ParseLineKey(key);
    if (!parts) {
        shown.grid = LineSearchGrid(draws, work, baseDraw, 0);
        shown.formulaText = std::string(key);
        return shown;
    }
    const int lookBack = parts->lookBack;
    shown.grid = LineSearchGrid(draws, work, baseDraw, lookBack);
    int coming = 0;
    for (int j = baseDraw - LineVerifyDraws + 1, row = 1; j <= draws.DrawCount + lookBack; ++j, ++row) {
        const std::optional<int> prediction = LinePrediction(draws, work, parts->formula, sign, j - lookBack);
        shown.grid.setCell(PredictionColumn, row, prediction ? NumText(*prediction) : std::string());
        if (j > draws.DrawCount) {
            ++coming;
            shown.grid.setCell(0, row, "下 " + std::to_string(coming) + " 期預測");
            for (int c = 1; c <= 8; ++c)
                shown.grid.setCell(c, row, "");
        }
        shown.grid.setCell(HitColumn, row, prediction && LineHits(draws, work, *prediction, j) ? "中" : "");
    }
    shown.formulaText = LineFormulaText(parts->formula, sign);
    return shown;
}

std::vector<std::string> LineFormulaList(const DrawTables& draws, const WorkArea& work,
                                         const std::vector<std::string>& keys, std::string_view ballMode,
                                         std::string_view dateText, int sign) {
    const std::string maxNo = std::to_string(draws.MaxNo);
    std::vector<std::string> lines = {"數值公式預測值=計算值的總和 取" + maxNo + " 之餘數(如餘數為0則取" +
                                          maxNo + ")",
                                      "A=第一球,B=第二球,餘此類推,S=特別號"};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const std::optional<LineKeyParts> parts = ParseLineKey(keys[i]);
        if (!parts)
            continue;
        const std::optional<int> next = LinePrediction(draws, work, parts->formula, sign, draws.DrawCount);
        lines.push_back(std::to_string(i + 1) + "..." + std::string(ballMode) + " " +
                        LineFormulaText(parts->formula, sign) + "  驗證" + std::string(dateText) +
                        "前30期開出" + std::to_string(parts->hits) +
                        "期  下期計算預測值=" + (next ? NumText(*next) : std::string()));
    }
    return lines;
}
