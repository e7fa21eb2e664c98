#include "formulas/double_drag_texts.h"

#include <cstdlib>

#include "common/date.h"
#include "draws/work_area.h"

namespace {

bool Loaded(const DrawTables& draws, long long draw) {
    return draw >= 1 && draw <= draws.DrawCount;
}

std::string DateText(const DrawTables& draws, int draw) {
    return DateFormat("yyyy/mm/dd", draws.DrawDate[draw]);
}

// The five numbers of a draw, each followed by the terminator; empty for a draw not yet made.
std::string NumbersText(const DrawTables& draws, const WorkArea& work, long long draw,
                        const char* terminator) {
    std::string out;
    if (Loaded(draws, draw))
        for (int p = 1; p <= DragBalls; ++p)
            out += work.DrawNumsWork[p][static_cast<int>(draw)] + terminator;
    return out;
}

// "yyyy/mm/dd_" + draw number + "期" + its numbers, each followed by a blank.
std::string DrawLabel(const DrawTables& draws, const WorkArea& work, int draw) {
    if (!Loaded(draws, draw))
        return std::string();
    return DateText(draws, draw) + "_" + draws.DrawId[draw] + "期" + NumbersText(draws, work, draw, " ");
}

std::string HitText(DragFamily family, const DrawTables& draws, const WorkArea& work, int target,
                    const std::string& source) {
    if (family == DragFamily::Position)
        return SourceHits(family, draws, work, target, source) ? source + " " : std::string();
    std::string out;
    if (source == NotDrawnText || !Loaded(draws, target))
        return out;
    for (int p = 1; p <= DragBalls; ++p) {
        const std::string& number = work.DrawNumsWork[p][target];
        if (number.size() >= 2 && number.substr(1, 1) == source)
            out += number + " ";
    }
    return out;
}

void WritePickRow(TextTable& grid, int row, const DrawTables& draws, const WorkArea& work, int draw) {
    grid.setCell(0, row, DateText(draws, draw));
    grid.setCell(1, row, draws.DrawId[draw]);
    for (int p = 1; p <= DragBalls; ++p)
        grid.setCell(1 + p, row, work.DrawNumsWork[p][draw]);
}

std::vector<std::string> BaseLines(const DrawTables& draws, const WorkArea& work, const PickQuery& query,
                                   int draw) {
    if (query.d1Text == "0")
        return {"*****" + DrawLabel(draws, work, draw) + "同期開" + query.x + "," + query.y};
    return {"*****" + DrawLabel(draws, work, draw) + "開" + query.x,
            "下" + query.d1Text + "期" + DrawLabel(draws, work, draw + query.d1) + "開" + query.y};
}

std::string BaseHeadLine(const PickQuery& query) {
    if (query.d1Text == "0")
        return "【基準期】" + query.x + "，" + query.y + "同期開";
    return "【基準期】不定位開" + query.x + "，且下" + query.d1Text + "期開" + query.y;
}

// "上" when the source draw lies d draws before the pick, "下" after it.
std::string Direction(int d) {
    return d > 0 ? "上" : d < 0 ? "下" : "本期";
}

} // namespace

const std::vector<std::string>& DragGridHeadings() {
    static const std::vector<std::string> headings = {
        " 日     期", " 期 數", "一", "二", "三", "四", "五", "", "", "預測 ", "驗證期", "開獎號碼", "命中"};
    return headings;
}

TextTable EmptyDragGrid() {
    TextTable grid(DragGridColumns, 2, 0, 1);
    for (int c = 0; c < DragGridColumns; ++c)
        grid.setCell(c, 0, DragGridHeadings()[static_cast<std::size_t>(c)]);
    return grid;
}

TextTable PickGrid(const DrawTables& draws, const WorkArea& work, const std::vector<int>& picks) {
    TextTable grid = EmptyDragGrid();
    grid.setRowCount(static_cast<int>(picks.size()) + 2);
    int row = 0;
    for (int draw : picks)
        if (Loaded(draws, draw))
            WritePickRow(grid, ++row, draws, work, draw);
    return grid;
}

void ShowDragKey(TextTable& grid, DragFamily family, const DrawTables& draws, const WorkArea& work,
                 const std::vector<int>& picks, const DragKey& key) {
    for (int row = 1; row <= 30; ++row)
        for (int c = DragPredictionColumn; c <= DragHitColumn; ++c)
            grid.setCell(c, row, "   ");
    int row = 0;
    for (int pick : picks) {
        ++row;
        const int target = pick + key.n;
        const std::string source = SourceText(family, draws, work, pick, key);
        grid.setCell(DragPredictionColumn, row, source + ".__.__");
        grid.setCell(DragHitColumn, row, HitText(family, draws, work, target, source));
        grid.setCell(DragTargetIdColumn, row, Loaded(draws, target) ? draws.DrawId[target] : std::string());
        grid.setCell(DragTargetNumbersColumn, row, NumbersText(draws, work, target, "."));
    }
}

int DragRun(const TextTable& grid, int pickCount) {
    int run = 0;
    for (int row = pickCount - 1; row >= 1 && !grid.cell(DragHitColumn, row).empty(); --row)
        ++run;
    return run;
}

DragExplanation ExplainDragKey(DragFamily family, const TextTable& grid, const DragKey& key,
                               const DragExplainContext& context) {
    const int count = static_cast<int>(context.picks.size());
    DragExplanation out;
    out.run = DragRun(grid, count);
    const std::string newestPrediction = count > 0 ? grid.cell(DragPredictionColumn, count) : std::string();
    out.plan = "準" + std::to_string(out.run) + "版  " + newestPrediction;

    const std::string n = std::to_string(key.n);
    const std::string position = "第" + std::to_string(key.p) + context.ballModeName + "球";
    auto& lines = out.lines;
    lines.push_back(BaseHeadLine(context.query));
    if (family == DragFamily::Position) {
        if (key.d == 0)
            lines.push_back("【定點】當期" + position);
        else
            lines.push_back("【定點】" + Direction(key.d) + std::to_string(std::abs(key.d)) + "期" +
                            position);
        lines.push_back("【預測】下" + n + "期開");
    } else {
        lines.push_back("【預測】下" + n + "期開" + std::to_string(key.t) + "尾");
    }
    lines.push_back("【驗證】準" + std::to_string(out.run) + "版走第" + std::to_string(out.run + 1) + "版");
    return out;
}

std::vector<std::string> DragRunDetail(DragFamily family, const TextTable& grid, const DragKey& key,
                                       const DragExplainContext& context) {
    const DrawTables& draws = context.draws;
    const WorkArea& work = context.work;
    const int count = static_cast<int>(context.picks.size());
    const int run = DragRun(grid, count);
    const std::string n = std::to_string(key.n);
    const std::string position = "第" + std::to_string(key.p) + context.ballModeName + "球";
    std::vector<std::string> lines;
    if (run == 0)
        return lines;
    for (int row = count - run; row <= count; ++row) {
        const int pick = context.picks[static_cast<std::size_t>(row - 1)];
        lines.emplace_back();
        for (std::string& line : BaseLines(draws, work, context.query, pick))
            lines.push_back(std::move(line));
        if (family == DragFamily::Position && Loaded(draws, pick - key.d) && key.p >= 1 &&
            key.p <= DragBalls) {
            const int source = pick - key.d;
            const std::string when =
                key.d == 0 ? "當  期" : Direction(key.d) + std::to_string(std::abs(key.d)) + "期";
            lines.push_back(when + DrawLabel(draws, work, source) + position + " " +
                            work.DrawNumsWork[key.p][source]);
        }
        if (row == count) {
            lines.push_back("下" + n + "期預測" + grid.cell(DragPredictionColumn, row));
        } else if (family == DragFamily::Position) {
            lines.push_back("下" + n + "期" + DrawLabel(draws, work, pick + key.n) + " 開出" +
                            grid.cell(DragHitColumn, row));
        } else {
            lines.push_back("下" + n + "期" + DrawLabel(draws, work, pick + key.n) + "開出" +
                            std::to_string(key.t) + "尾_" + grid.cell(DragHitColumn, row));
        }
    }
    return lines;
}
