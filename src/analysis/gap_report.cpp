#include "analysis/gap_report.h"

#include <algorithm>

#include "analysis/gap_map.h"
#include "common/date.h"
#include "common/errors.h"
#include "common/num_format.h"

std::optional<int> GapReportNumber(const std::string& text, int maxNo) {
    int number = 1;
    try {
        number = StrToInt(text);
    } catch (const ConversionError&) {
        return 1;
    }
    if (number < 1 || number > maxNo)
        return std::nullopt;
    return number;
}

std::string GapNumberRefusal(int maxNo) {
    return "請輸入 01 到 " + NumFormat("00", maxNo) + " 的號碼";
}

std::vector<std::string> GapReportLines(const GapMap& map, int number, const std::string& typedText,
                                        const std::string& newestDrawId) {
    if (number < 1 || number > map.maxNo)
        return {};
    const std::vector<int>& cells = map.column(number);
    if (cells.empty())
        return {};
    const int count = static_cast<int>(cells.size());
    int longest = 0;
    long long sum = 0;
    for (int gap : cells) {
        longest = std::max(longest, gap);
        sum += gap;
    }
    std::string gapsLine = "間隔明細";
    for (int k = 0; k + 1 < count; ++k)
        gapsLine += "," + GapCellText(cells[static_cast<std::size_t>(k)]);
    const int absence = cells.back();
    gapsLine += absence == 0 ? "  (上期開出)" : "  (目前" + GapCellText(absence) + "期未開)";
    return {
        typedText + " 分析  至" + newestDrawId + "期",
        "開出次數 " + std::to_string(count - 1) + "   最長間隔 " + std::to_string(longest) + "   平均間隔 " +
            NumFormat("#0.00", static_cast<double>(sum) / count),
        gapsLine,
        "",
    };
}
