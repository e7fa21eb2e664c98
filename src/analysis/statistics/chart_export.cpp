#include "analysis/statistics/chart_export.h"

#include <algorithm>

#include "analysis/statistics/number_statistics.h"
#include "common/num_format.h"
#include "draws/draw_tables.h"

namespace {

void SetFileNames(ChartExportTexts& texts, int fileIndex) {
    const std::string index = std::to_string(fileIndex);
    texts.file1 = "small" + index + ".gif";
    texts.file2 = "index" + index + "A.gif";
    texts.file3 = "index" + index + "B.gif";
}

} // namespace

std::optional<ChartExportTexts> ChartTexts(const DrawTables& draws, StatisticsView view) {
    if (view == StatisticsView::Tails)
        return std::nullopt;
    const bool firstGame = draws.GameIndex == 1;
    const bool far = view == StatisticsView::Far;
    const bool loaded = draws.DrawCount >= 1 && draws.DrawCount <= MaxDraws;
    const std::string range = (loaded ? draws.DrawId[1] : std::string()) + (firstGame ? "-" : "至") +
                              (loaded ? draws.DrawId[draws.DrawCount] : std::string());
    const int fileIndex = (firstGame ? 1 : 3) + (far ? 1 : 0);

    ChartExportTexts texts;
    texts.smallFootText =
        std::string(firstGame ? "今彩５３９" : "加州５３９") + (far ? "遠星統計" : "號碼統計");
    texts.firstTitle = range + (far ? " 期遠星號碼 (前段)" : " 期號碼統計 (前段)");
    texts.secondTitle = range + (far ? " 期遠星統計 (後段)" : " 期號碼統計 (後段)");
    SetFileNames(texts, fileIndex);
    return texts;
}

std::vector<std::string> ChartFileNames() {
    std::vector<std::string> names;
    for (int fileIndex = 1; fileIndex <= 4; ++fileIndex) {
        ChartExportTexts texts;
        SetFileNames(texts, fileIndex);
        names.insert(names.end(), {texts.file1, texts.file2, texts.file3});
    }
    return names;
}

ChartBars ChartBarsOf(const NumberRanking& ranking) {
    const auto bar = [&ranking](int slot) {
        return ChartBar{NumFormat("00", ranking.stat_order[slot]),
                        static_cast<double>(ranking.stat_nocnt[slot] / 100)};
    };
    ChartBars bars;
    for (int slot = 1; slot <= std::min(6, ranking.numbers); ++slot)
        bars.small.push_back(bar(slot));
    const int half = ranking.numbers / 2;
    for (int slot = 1; slot <= half; ++slot)
        bars.firstHalf.push_back(bar(slot));
    for (int slot = ranking.numbers; slot > half; --slot)
        bars.secondHalf.push_back(bar(slot));
    return bars;
}
