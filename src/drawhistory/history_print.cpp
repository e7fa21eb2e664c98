#include "drawhistory/history_print.h"

#include "common/num_format.h"
#include "draws/draw_tables.h"

int CountDrawsInRange(const DrawTables& draws, const Date& from, const Date& to) {
    int count = 0;
    for (int k = 1; k <= draws.DrawCount; ++k)
        if (from <= draws.DrawDate[k] && draws.DrawDate[k] <= to)
            ++count;
    return count;
}

std::vector<std::string> DateRangePrintLines(const std::vector<RecordRow>& rows, const Date& from,
                                             const Date& to) {
    std::vector<std::string> lines;
    for (const RecordRow& row : rows) {
        const Date date = StrToDate(row[0]);
        if (date < from || to < date)
            continue;
        std::string line = NumFormat("000", static_cast<double>(lines.size() + 1)) + "_";
        for (const std::string& cell : row)
            line += cell + "  ";
        lines.push_back(std::move(line));
    }
    return lines;
}
