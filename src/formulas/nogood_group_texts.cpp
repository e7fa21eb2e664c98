#include "formulas/nogood_group_texts.h"

#include <array>
#include <vector>

#include "common/num_text.h"
#include "draws/draw_tables.h"
#include "formulas/formula_balls.h"

namespace {

const std::vector<const char*> Headings = {
    " 日     期", " 期 數", "一", "二", "三", "四", "五", "六", "特", "不出牌組預測號碼 ", "爆支"};
constexpr int GroupColumn = 9;
constexpr int HitsColumn = 10;
constexpr const char* Passed = "過關";
constexpr int ShowBlankRows = 20;

} // namespace

std::string GroupText(const std::vector<int>& group) {
    std::string text;
    for (int n : group)
        text += NumText(n) + ".";
    return text;
}

TextTable GroupInitialGrid(const DrawTables& draws) {
    TextTable grid = HeadedGrid(Headings, GroupVerifyDraws + 1);
    for (int r = 1; r <= GroupVerifyDraws; ++r)
        WriteDrawRow(grid, r, draws, draws.DrawNumsDrawn, draws.DrawCount - GroupVerifyDraws + r);
    return grid;
}

TextTable GroupSearchGrid(const DrawTables& draws) {
    TextTable grid = GroupInitialGrid(draws);
    BlankResultCells(grid, {GroupColumn, HitsColumn}, GroupVerifyDraws + 2);
    return grid;
}

GroupDisplay ShowGroupCode(const DrawTables& draws, int baseDraw, int code, const GroupSettings& settings,
                           std::string_view dateText) {
    GroupDisplay shown;
    const GroupRule rule = RuleOfCode(code);
    const int first = baseDraw - GroupVerifyDraws + 1;
    const int last = draws.DrawCount + rule.u;
    shown.grid = HeadedGrid(Headings, last - first + 2);
    // Coming draws have no hits: their hits cells keep these blanks.
    BlankResultCells(shown.grid, {GroupColumn, HitsColumn}, ShowBlankRows);
    shown.label = GroupCodeText(rule);
    shown.memo = {
        "驗證條件：以基準日期 " + std::string(dateText) + " 的前九期 , " + std::to_string(settings.passNeed) +
            " 期以上爆 " + std::to_string(settings.maxHits) + " 支以下的數據來預測本期號碼",
        "版路代號：" + shown.label + " ( " + std::to_string(settings.groupSize) + " 碼)", "預測及驗證："};
    int coming = 0;
    for (int p = first, row = 1; p <= last; ++p, ++row) {
        const bool readable = DrawLoaded(draws, p - rule.v) && DrawLoaded(draws, p - rule.u);
        const std::vector<int> group =
            readable ? GroupOfDraw(draws, rule, p, settings.groupSize) : std::vector<int>{};
        const std::string groupText = GroupText(group);
        shown.grid.setCell(GroupColumn, row, groupText);
        if (p > draws.DrawCount) {
            ++coming;
            shown.grid.setCell(0, row, "下 " + std::to_string(coming) + " 期預測");
            shown.memo.push_back("下   " + std::to_string(coming) + "    期預測 " + groupText);
            continue;
        }
        WriteDrawRow(shown.grid, row, draws, draws.DrawNumsDrawn, p);
        const int hits = readable ? GroupHits(draws, group, p) : 0;
        const std::string hitsText = hits > 0 ? "  " + std::to_string(hits) : Passed;
        shown.grid.setCell(HitsColumn, row, hitsText);
        shown.memo.push_back(DrawIdText(draws, p) + "期預測 " + groupText +
                             (hits > 0 ? " 爆 " + hitsText + " 支" : std::string(" ") + Passed));
    }
    shown.memo.push_back("(爆支計算不包含特別號)");
    return shown;
}
