#include "analysis/drag/drag_chart_texts.h"

#include <initializer_list>

#include "common/num_format.h"
#include "draws/draw_tables.h"

namespace {

std::string joinedItems(std::initializer_list<const char*> items) {
    std::string text;
    for (const char* item : items) {
        if (!text.empty())
            text += "\n\n";
        text += item;
    }
    return text;
}

} // namespace

const char* const DragDetailHeader = "編號, 開獎日期__, 期數__, 號碼";

std::string DragDetailBody(const Date& date, const std::string& drawId,
                           const std::array<std::string, 5>& numbers) {
    std::string body = DateFormat("yyyy/mm/dd", date) + ", " + drawId + ", ";
    for (const std::string& number : numbers)
        body += number + ",";
    return body;
}

std::string DragDetailLine(int lineNo, const std::string& body) {
    return NumFormat("0000", lineNo) + ", " + body;
}

DragChartTitles DragChartTitlesFor(const Date& from, const Date& to, const std::string& numbersPrefix) {
    const std::string range = "(" + DateFormat("yyyy/mm/dd", from) + "-" + DateFormat("yyyy/mm/dd", to) + ")";
    return {numbersPrefix + "拖牌號碼統計" + range, "拖牌頭數統計" + range, "拖牌尾數統計" + range};
}

LatestDrawLabels LatestDrawLabelsOf(const DrawTables& draws) {
    if (draws.DrawCount < 1)
        return {"---", "---"};
    const int newest = draws.DrawCount;
    std::string numbers;
    for (int p = 1; p <= 5; ++p) {
        if (p > 1)
            numbers += ",";
        numbers += draws.DrawNums[p][newest];
    }
    return {DateFormat("yyyy/mm/dd", draws.DrawDate[newest]), numbers};
}

std::string DragChartHelpText() {
    return joinedItems({"1.拖牌統計圖表是計算近期開出的號碼,在歷史開獎記錄中所拖出的號碼累計",
                        "2.請選擇所需要之統計期間,拖牌類別,拖牌期數,是否包含特別號等參數",
                        "3.本表所顯示的統計數據是每一參數所拖牌的總合,包括尾數,頭數和號碼的個別總數",
                        "4.在圖表處按滑鼠右鍵可儲存成圖片檔案(BMP)或複製(COPY)"});
}

std::string DragQueryHelpText() {
    return joinedItems({"1.當您在[個別查詢]打勾時,在下面尾數統計圖上會出現查詢小視窗",
                        "2.查詢小視窗共分有不定位號碼,尾數和定位號碼,尾數四種",
                        "3.不定位號碼查詢可查獨支和二三星(2,4,6碼,如031530表示三星查詢)",
                        "4.不定位尾數查詢可查1-4尾(1-4碼,如123表示查詢曾經開過123尾)",
                        "5.定位號碼和尾數查詢,請在特定位置填上號碼或尾數,並請選落球或順球",
                        "6.請選妥要查詢下幾期(在上面打勾)", "7.再選擇是否含特別號和按大小排列",
                        "8.按計算機按鈕後計算,您就可以得到答案", "9.如要看每一期明細,請按顯示拖牌明細即可",
                        "10.如要回復匯總統計,請將[個別查詢]取消即可",
                        "(其他操作方式請參閱主畫面各功能的說明檔)"});
}
