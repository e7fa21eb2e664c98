#include "formulas/tail_formula_texts.h"

#include <array>
#include <vector>

#include "common/num_format.h"
#include "draws/work_area.h"
#include "formulas/formula_balls.h"
#include "formulas/tail_formula_search.h"

namespace {

const std::vector<const char*> Headings = {" 日     期", " 期 數", "一", "二",    "三",  "四",
                                           "五",         "六",     "特", "預測 ", "開出"};
const std::array<const char*, 6> Ordinals = {"第一", "第二", "第三", "第四", "第五", "第六"};
constexpr int PredictionColumn = 9;
constexpr int FailureColumn = 10;
constexpr int SearchBlankRows = 30;

int FirstVerified(const DrawTables& draws) {
    return draws.DrawCount - TailVerifyDraws + 1;
}

} // namespace

TextTable TailInitialGrid(const DrawTables& draws, const WorkArea& work) {
    TextTable grid = HeadedGrid(Headings, TailVerifyDraws + 3);
    for (int r = 1; r <= TailVerifyDraws; ++r)
        WriteDrawRow(grid, r, draws, work.DrawNumsWork, FirstVerified(draws) + r - 1);
    return grid;
}

TextTable TailSearchGrid(const DrawTables& draws, const WorkArea& work) {
    TextTable grid = TailInitialGrid(draws, work);
    BlankResultCells(grid, {PredictionColumn, FailureColumn}, SearchBlankRows);
    return grid;
}

TailDisplay ShowTailCode(const DrawTables& draws, const WorkArea& work, std::string_view code,
                         std::string_view ballMode) {
    TailDisplay shown;
    const std::optional<TailCodeParts> parts = ParseTailCode(code);
    shown.grid = TailInitialGrid(draws, work);
    if (!parts) {
        BlankResultCells(shown.grid, {PredictionColumn, FailureColumn}, TailVerifyDraws);
        return shown;
    }
    const int lookBack = parts->lookBack;
    const TailFormula& f = parts->formula;
    // The search blanked the result columns further down than the code fills them; the row under
    // the coming draws keeps those blanks.
    shown.grid.setRowCount(lookBack + TailVerifyDraws + 2);
    BlankResultCells(shown.grid, {PredictionColumn, FailureColumn}, SearchBlankRows);

    std::string formula = "不出尾數版路：上" + std::to_string(lookBack) + "期 ";
    for (int p = 0; p < 6; ++p)
        if (f.c[p] > 0)
            formula +=
                std::string(Ordinals[p]) + std::string(ballMode) + "x" + std::to_string(f.c[p]) + " + ";
    if (f.k > 0)
        formula += " " + std::to_string(f.k);
    formula += " 取尾數本期不出（驗證15 期） ";
    shown.memo = {"代號 " + std::string(code), formula};

    int coming = 0;
    int failures = 0;
    const int first = FirstVerified(draws);
    for (int t = first, row = 1; t <= draws.DrawCount + lookBack; ++t, ++row) {
        const std::optional<int> tail = TailOfFormula(draws, work, f, lookBack, t);
        const std::string tailText = tail ? NumFormat("0", *tail) : std::string();
        shown.grid.setCell(PredictionColumn, row, tailText);
        std::string label;
        if (t > draws.DrawCount) {
            ++coming;
            shown.grid.setCell(0, row, "下 " + std::to_string(coming) + " 期預測");
            label = "下    " + std::to_string(coming) + "   ";
        } else {
            label = DrawIdText(draws, t);
        }
        const bool failed = tail && TailFails(draws, work, *tail, t);
        shown.grid.setCell(FailureColumn, row, failed ? "失敗" : "");
        std::string line =
            DrawIdText(draws, t - lookBack) + "期計算結果預測" + label + "期 " + tailText + " 尾不出";
        if (DrawLoaded(draws, t)) {
            if (failed) {
                ++failures;
                line += "  失敗(" + draws.DrawId[t] + "期開出)";
            } else {
                line += "  成功(" + draws.DrawId[t] + "期不出)";
            }
        }
        shown.memo.push_back(line);
    }
    shown.memo.push_back("本不出尾數版路最近15期成功機率 " +
                         NumFormat("00.00", (TailVerifyDraws - failures) * 100.0 / TailVerifyDraws) + "﹪");
    return shown;
}
