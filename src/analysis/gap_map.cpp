#include "analysis/gap_map.h"

#include <algorithm>

#include "common/num_format.h"
#include "draws/draw_tables.h"

namespace {

// The number a two-digit number text names, or 0: a draw holds number n where its text reads n as "00".
int TwoDigitNumber(const std::string& text) {
    if (text.size() != 2 || text[0] < '0' || text[0] > '9' || text[1] < '0' || text[1] > '9')
        return 0;
    return (text[0] - '0') * 10 + (text[1] - '0');
}

} // namespace

GapMap BuildGapMap(const DrawTables& draws) {
    GapMap map;
    map.maxNo = std::clamp(draws.MaxNo, 0, 99);
    map.drawCount = std::clamp(draws.DrawCount, 0, MaxDraws);
    map.gaps.assign(static_cast<std::size_t>(map.maxNo) + 1, {});
    if (map.drawCount == 0)
        return map;

    // One pass over the draws collects every number's appearances, each draw counted once.
    std::vector<std::vector<int>> appear(static_cast<std::size_t>(map.maxNo) + 1);
    for (int k = 1; k <= map.drawCount; ++k)
        for (int position = 1; position <= GapBalls; ++position) {
            const int n = TwoDigitNumber(draws.DrawNumsDrawn[position][k]);
            if (n < 1 || n > map.maxNo)
                continue;
            auto& list = appear[static_cast<std::size_t>(n)];
            if (list.empty() || list.back() != k)
                list.push_back(k);
        }

    for (int n = 1; n <= map.maxNo; ++n) {
        const auto& list = appear[static_cast<std::size_t>(n)];
        auto& column = map.gaps[static_cast<std::size_t>(n)];
        column.reserve(list.size() + 1);
        int previous = 0;
        for (int draw : list) {
            column.push_back(draw - previous - 1);
            previous = draw;
        }
        column.push_back(map.drawCount - previous);
        map.ni_maxcount = std::max(map.ni_maxcount, static_cast<int>(list.size()));
    }

    // Every row of the map, the current absences included; the first strictly longer gap wins.
    for (int n = 1; n <= map.maxNo; ++n) {
        const auto& column = map.gaps[static_cast<std::size_t>(n)];
        for (std::size_t row = 0; row < column.size(); ++row)
            if (column[row] > map.ni_maxgap) {
                map.ni_maxgap = column[row];
                map.maxGapNumber = n;
                map.maxGapRow = static_cast<int>(row) + 1;
            }
    }
    return map;
}

std::string GapCellText(int gap) {
    if (gap == 0)
        return " -";
    return gap < 10 ? NumFormat(" 0", gap) : NumFormat("##", gap);
}

TextTable GapMapTable(const GapMap& map) {
    TextTable table(map.maxNo + 1, map.ni_maxcount + 5, 1, 1);
    for (int n = 1; n <= map.maxNo; ++n)
        table.setCell(n, 0, NumFormat("00", n));
    for (int row = 1; row < table.rowCount(); ++row)
        table.setCell(0, row, NumFormat("000", row));
    for (int n = 1; n <= map.maxNo; ++n) {
        const auto& column = map.column(n);
        for (std::size_t k = 0; k < column.size(); ++k)
            table.setCell(n, static_cast<int>(k) + 1, GapCellText(column[k]));
    }
    return table;
}

std::string LongestGapText(const GapMap& map) {
    if (map.ni_maxgap <= 0)
        return "0期";
    return std::to_string(map.ni_maxgap) + "期  " + NumFormat("號碼 00", map.maxGapNumber) +
           NumFormat(" 位置 000", map.maxGapRow);
}
