#include "drawhistory/draw_download.h"

#include <algorithm>
#include <unordered_map>

#include "common/date.h"
#include "common/errors.h"
#include "common/text_cut.h"
#include "common/text_file.h"
#include "draws/draw_loader.h"

std::string DrawFileUrl(const std::string& baseUrl, const std::string& fileName) {
    std::string base = baseUrl;
    while (!base.empty() && base.back() == '/')
        base.pop_back();
    return base + "/HISTORYDATA/" + fileName;
}

namespace {

// A line of a refused body shown in a message: an error page may send a very long one.
std::string Shortened(const std::string& big5) {
    return CutText(Big5ToUtf8(big5), 60);
}

bool EndsInLineEnd(const std::string& body) {
    return !body.empty() && (body.back() == '\n' || body.back() == '\r');
}

} // namespace

DownloadedDrawFile DrawFileFromDownload(const std::string& body, const Date& today, int maxNo,
                                        bool lengthChecked) {
    DownloadedDrawFile checked;
    // Big5 never uses CR or LF inside a character, so the raw bytes split safely.
    const std::vector<std::string> lines = SplitLines(body);
    std::string file;
    file.reserve(body.size() + lines.size());
    std::unordered_map<std::string, int> lineOfDraw; // draw number -> first line that has it
    std::unordered_map<long long, int> lineOfDate;   // day number -> first line that has it
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string trimmed = TrimDrawLine(lines[i]);
        if (trimmed.empty())
            continue;
        const int lineNumber = static_cast<int>(i + 1);
        const auto refuse = [&](DownloadProblem problem) {
            checked.problem = problem;
            checked.badLineNumber = lineNumber;
            checked.badLine = lines[i];
            checked.drawCount = 0;
            return checked;
        };
        if (!IsValidDrawLine(trimmed, maxNo))
            return refuse(DownloadProblem::NotADrawLine);
        // The plain-HTTP answer can be forged: a history that cannot be real is not taken.
        const Date date = StrToDate(std::string_view(trimmed).substr(0, 10));
        if (date > today)
            return refuse(DownloadProblem::FutureDate);
        const auto [firstDraw, newDraw] = lineOfDraw.try_emplace(trimmed.substr(11, 6), lineNumber);
        if (!newDraw) {
            checked.firstLineNumber = firstDraw->second;
            return refuse(DownloadProblem::RepeatedDraw);
        }
        const auto [firstDate, newDate] = lineOfDate.try_emplace(date.dayNumber(), lineNumber);
        if (!newDate) {
            checked.firstLineNumber = firstDate->second;
            return refuse(DownloadProblem::RepeatedDate);
        }
        file += lines[i];
        file += "\r\n";
        ++checked.drawCount;
    }
    if (checked.drawCount == 0) {
        checked.problem = DownloadProblem::Empty;
        return checked;
    }
    // A body without a declared length that was cut just after a whole draw line would pass every
    // line check: only its missing line end shows the cut.
    if (!lengthChecked && !EndsInLineEnd(body)) {
        checked.problem = DownloadProblem::Incomplete;
        checked.drawCount = 0;
        return checked;
    }
    checked.file = std::move(file);
    return checked;
}

std::string DownloadRefusalMessage(const DownloadedDrawFile& checked) {
    switch (checked.problem) {
    case DownloadProblem::None:
        return {};
    case DownloadProblem::Empty:
        return "下載的資料裡沒有任何開獎資料,原檔案未變更";
    case DownloadProblem::Incomplete:
        return "下載的資料不完整(最後一行沒有結尾,傳送可能中斷),原檔案未變更";
    case DownloadProblem::NotADrawLine:
        return "下載的資料第 " + std::to_string(checked.badLineNumber) + " 行不是開獎資料,原檔案未變更:\n" +
               Shortened(checked.badLine);
    case DownloadProblem::RepeatedDraw:
        return "下載的資料第 " + std::to_string(checked.badLineNumber) + " 行與第 " +
               std::to_string(checked.firstLineNumber) + " 行的期數相同,原檔案未變更:\n" +
               Shortened(checked.badLine);
    case DownloadProblem::RepeatedDate:
        return "下載的資料第 " + std::to_string(checked.badLineNumber) + " 行與第 " +
               std::to_string(checked.firstLineNumber) + " 行的日期相同(每天只開獎一次),原檔案未變更:\n" +
               Shortened(checked.badLine);
    case DownloadProblem::FutureDate:
        return "下載的資料第 " + std::to_string(checked.badLineNumber) +
               " 行的日期在今天之後,原檔案未變更:\n" + Shortened(checked.badLine);
    }
    return {};
}

std::string DownloadFailureMessage(HttpFailure failure, long status) {
    std::string message = "檔案下載失敗,請檢查網路連線或防火牆(防毒程式)設定";
    // A server that answered at all is not a network fault: what it did tells the user so.
    switch (failure) {
    case HttpFailure::None:
    case HttpFailure::NoAnswer:
        break;
    case HttpFailure::Status:
        message += "\n(伺服器回應 HTTP " + std::to_string(status) + ")";
        break;
    case HttpFailure::TooManyRedirects:
        message += "\n(伺服器把下載轉到別的位址,轉址次數太多,程式沒有跟過去)";
        break;
    case HttpFailure::RedirectRefused:
        message += "\n(伺服器把下載轉到程式不下載的位址,程式沒有跟過去)";
        break;
    case HttpFailure::TimedOut:
        message += "\n(伺服器沒有在時限內回應)";
        break;
    }
    return message;
}

std::string DownloadCheckFailureMessage(const std::string& error) {
    return "下載的資料無法檢查,原檔案未變更:\n" + error;
}

std::string DownloadWriteFailureMessage(const std::string& error) {
    return "檔案無法寫入,磁碟可能損壞.請執行修復後再試試\n" + error;
}

namespace {

// What a draw is: the date, the draw number and the numbers in drawn order; the separators between them
// are never read.
constexpr std::size_t DrawFields[][2] = {{0, 10}, {11, 6}, {18, 2}, {21, 2}, {24, 2}, {27, 2}, {30, 2}};

bool SameDraw(std::string_view a, std::string_view b) {
    for (const auto& [at, length] : DrawFields)
        if (a.substr(at, length) != b.substr(at, length))
            return false;
    return true;
}

long long DayOf(std::string_view drawLine) {
    return StrToDate(drawLine.substr(0, 10)).dayNumber();
}

// The draw lines of a file as the loader reads them, trimmed, as views into `file`: up to the first
// line that is not one.
std::vector<std::string_view> DrawLinesOf(const std::string& file, int maxNo) {
    std::vector<std::string_view> draws;
    for (std::string_view rest = file; !rest.empty();) {
        const std::size_t end = rest.find_first_of("\r\n");
        const std::string_view trimmed = TrimmedView(rest.substr(0, end));
        if (!IsValidDrawLine(trimmed, maxNo))
            break;
        draws.push_back(trimmed);
        if (end == std::string_view::npos)
            break;
        rest.remove_prefix(rest.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1);
    }
    return draws;
}

} // namespace

DrawsAtRisk CompareWithCurrent(const std::string& currentFile, const DownloadedDrawFile& downloaded,
                               int maxNo) {
    // The download has at most one draw a day: its draws are found by their day in a flat table, which
    // even a 16 MiB file fills in one pass.
    const std::vector<std::string_view> body = DrawLinesOf(downloaded.file, maxNo);
    std::vector<long long> days(body.size());
    for (std::size_t i = 0; i < body.size(); ++i)
        days[i] = DayOf(body[i]);
    const auto [firstDay, lastDay] = std::minmax_element(days.begin(), days.end());
    const long long base = body.empty() ? 0 : *firstDay;
    constexpr std::size_t None = static_cast<std::size_t>(-1);
    std::vector<std::size_t> lineOnDay(body.empty() ? 0 : static_cast<std::size_t>(*lastDay - base + 1),
                                       None);
    for (std::size_t i = 0; i < body.size(); ++i)
        lineOnDay[static_cast<std::size_t>(days[i] - base)] = i;

    DrawsAtRisk risk;
    for (const std::string_view line : DrawLinesOf(currentFile, maxNo)) {
        ++risk.currentDraws;
        const long long day = DayOf(line) - base;
        const std::size_t found = day >= 0 && day < static_cast<long long>(lineOnDay.size())
                                      ? lineOnDay[static_cast<std::size_t>(day)]
                                      : None;
        if (found != None && SameDraw(line, body[found]))
            continue;
        if (risk.lostDraws++ == 0) {
            risk.firstLost = line;
            if (found != None)
                risk.downloadedSameDate = body[found];
        }
    }
    return risk;
}

std::string ReplacementQuestion(const DrawsAtRisk& risk, int downloadedDraws) {
    if (risk.lostDraws == 0)
        return {};
    std::string question;
    if (downloadedDraws < risk.currentDraws)
        question = "下載的資料只有 " + std::to_string(downloadedDraws) + " 期,比目前檔案的 " +
                   std::to_string(risk.currentDraws) + " 期少";
    else
        question = "下載的資料會改掉目前檔案的 " + std::to_string(risk.lostDraws) + " 期開獎資料";
    question += ",確定要取代目前的檔案嗎?\n目前檔案的 " + risk.firstLost;
    question += risk.downloadedSameDate.empty() ? "\n在下載的資料裡沒有"
                                                : "\n在下載的資料裡是 " + risk.downloadedSameDate;
    return question;
}
