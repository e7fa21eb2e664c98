#include "draws/history_start.h"

#include "draws/draw_tables.h"

std::string HistoryStartNote(const DrawTables& draws, const Date& rangeStart) {
    if (draws.DrawCount < 1)
        return {};
    Date oldest = draws.DrawDate[1];
    for (int k = 2; k <= draws.DrawCount; ++k)
        if (draws.DrawDate[k] < oldest)
            oldest = draws.DrawDate[k];
    if (!(rangeStart < oldest))
        return {};
    return "已載入的開獎資料從 " + DateFormat("yyyy/mm/dd", oldest) + " 開始";
}
