#include "formulas/nurture_texts.h"

#include <array>
#include <vector>

#include "common/num_format.h"
#include "common/num_text.h"
#include "draws/work_area.h"
#include "formulas/formula_balls.h"

namespace {

const std::vector<const char*> Headings = {" 日     期", " 期 數", "一",    "二",     "三",     "四",    "五",
                                           "六",         "特",     "預測 ", "本期開", "下一期", "下二期"};
const std::array<const char*, 6> Ordinals = {"第一", "第二", "第三", "第四", "第五", "第六"};
constexpr int PredictionColumn = 9;
constexpr int FirstMarkColumn = 10;
const std::array<const char*, NurtureSpan> LaterDrawMarks = {"", "  (下一期", "  (下二期"};

} // namespace

TextTable NurtureInitialGrid(const DrawTables& draws, const WorkArea& work, const NurtureVariant& variant) {
    // The V + 3 newest draws go in from row 1; the two newest lie past the grid's end until a search
    // rewrites it.
    const int rows = variant.verifyDraws + 2;
    TextTable grid = HeadedGrid(Headings, rows);
    for (int r = 1; r < rows; ++r)
        WriteDrawRow(grid, r, draws, work.DrawNumsWork, draws.DrawCount - variant.verifyDraws - 3 + r);
    return grid;
}

TextTable NurtureSearchGrid(const DrawTables& draws, const WorkArea& work, const NurtureVariant& variant,
                            int baseDraw, int lookBack) {
    const int first = baseDraw - variant.verifyDraws + 1;
    const int existing = draws.DrawCount - first + 1;
    TextTable grid = HeadedGrid(Headings, existing + lookBack + 1);
    for (int r = 1; r <= existing; ++r)
        WriteDrawRow(grid, r, draws, work.DrawNumsWork, first + r - 1);
    BlankResultCells(grid, {PredictionColumn, FirstMarkColumn}, variant.verifyDraws + 2);
    return grid;
}

NurtureDisplay ShowNurtureKey(const DrawTables& draws, const WorkArea& work, const NurtureVariant& variant,
                              int baseDraw, std::string_view key, const NurtureBoxes& boxes) {
    NurtureDisplay shown;
    const std::optional<NurtureKeyParts> parts = ParseNurtureKey(key);
    if (!parts) {
        shown.grid = NurtureSearchGrid(draws, work, variant, baseDraw, 0);
        return shown;
    }
    const int lookBack = parts->lookBack;
    const NurtureFormula& f = parts->formula;
    const int first = baseDraw - variant.verifyDraws + 1;
    shown.grid = NurtureSearchGrid(draws, work, variant, baseDraw, lookBack);

    std::string formula = "( 上" + std::to_string(lookBack) + "期";
    for (int p = 0; p < 6; ++p)
        formula +=
            std::string(p > 0 ? "+" : "") + Ordinals[p] + boxes.ballMode + "x" + std::to_string(f.c[p]);
    formula += "+" + std::to_string(f.k) + " 除" + std::to_string(draws.MaxNo) + " 取餘數 )";
    shown.memo = {"代號 " + std::string(key) + "__驗證條件:基準日" + boxes.date + "之上" + boxes.lookBack +
                      "期_成功率" + boxes.percent + "％以上",
                  formula};

    int coming = 0;
    for (int j = first, row = 1; j <= draws.DrawCount + lookBack; ++j, ++row) {
        const std::optional<int> prediction = NurturePrediction(draws, work, f, j - lookBack);
        const std::string predictionText = prediction ? NumText(*prediction) : std::string();
        shown.grid.setCell(PredictionColumn, row, predictionText);
        std::string target;
        if (j > draws.DrawCount) {
            ++coming;
            shown.grid.setCell(0, row, "下 " + std::to_string(coming) + " 期預測");
            for (int c = 1; c <= 8; ++c)
                shown.grid.setCell(c, row, "");
            target = "下 " + std::to_string(coming) + " 期";
        } else {
            target = DrawDateText(draws, j);
        }
        std::string line = DrawDateText(draws, j - lookBack) + " 計算結果" + target + "預測" + predictionText;
        for (int d = 0; d < NurtureSpan; ++d) {
            const bool drawn = prediction && NurtureDrawn(draws, work, *prediction, j + d);
            shown.grid.setCell(FirstMarkColumn + d, row, drawn ? "中" : "");
            if (drawn)
                line += std::string(d == 0 ? variant.ownDrawMark : LaterDrawMarks[d]) +
                        DrawDateText(draws, j + d, "mm/dd") + "開出)";
        }
        shown.memo.push_back(line);
    }
    shown.memo.push_back("本版路驗證期間(" + DrawDateText(draws, first) + " - " + boxes.date +
                         ") 三期內成功開出機率 " +
                         NumFormat("00.00", parts->hits * 100.0 / variant.verifyDraws) + "﹪");
    return shown;
}
