#include "draws/record_table.h"

#include <array>

#include "draws/draw_loader.h"
#include "draws/draw_tables.h"

namespace {

const std::array<const char*, 5> DrawnHeadings = {"一落", "二落", "三落", "四落", "五落"};
const std::array<const char*, 5> AscendingHeadings = {"順一", "順二", "順三", "順四", "順五"};

void setHeadings(TextTable& table, bool ascending) {
    table.setCell(0, 0, "開獎日期");
    table.setCell(1, 0, "期  數");
    for (int p = 1; p <= DrawBalls; ++p)
        table.setCell(p + 1, 0,
                      (ascending ? AscendingHeadings : DrawnHeadings)[static_cast<std::size_t>(p - 1)]);
}

} // namespace

TextTable RecordTable(const DrawTables& draws) {
    TextTable table(RecordColumns, draws.DrawCount + 1, 0, 1);
    setHeadings(table, false);
    for (int row = 1; row <= draws.DrawCount; ++row) {
        const auto cells = DrawLineCells(draws.DrawLines[row]);
        for (int c = 0; c < RecordColumns; ++c)
            table.setCell(c, row, cells[static_cast<std::size_t>(c)]);
    }
    return table;
}

void SetRecordNumbers(TextTable& table, const DrawTables& draws, bool ascending) {
    for (int row = 1; row <= draws.DrawCount; ++row)
        for (int p = 1; p <= DrawBalls; ++p)
            table.setCell(p + 1, row, ascending ? draws.DrawNums[p][row] : draws.DrawNumsDrawn[p][row]);
    setHeadings(table, ascending);
}
