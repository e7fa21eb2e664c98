#include "drawhistory/draw_download.h"

#include <algorithm>
#include <array>
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
    std::string file;
    file.reserve(body.size() + body.size() / 32);
    // Each line is read as the loader will read it from the file: whatever passes here loads whole.
    DrawLineDecoder decoder(DateFormat("yyyy/mm/dd", today), maxNo);
    std::unordered_map<std::string, int> lineOfDraw; // draw number -> first line that has it
    std::unordered_map<long long, int> lineOfDate;   // day number -> first line that has it
    int lineNumber = 0;
    const auto refuse = [&](DownloadProblem problem, std::string_view line) {
        checked.problem = problem;
        checked.badLineNumber = lineNumber;
        checked.badLine = line;
        return false;
    };
    ForEachLine(body, [&](std::string_view line) {
        ++lineNumber;
        if (TrimmedView(line).empty())
            return true;
        const DrawFileLine read = decoder.read(line);
        // A line the loader would stop at ends the history there, and one whose date is not written
        // as the program writes dates would be compared with today and sorted by its text, not its
        // date: neither may reach the file.
        if (!ListGoesOn(read.kind) || !read.dateAsWritten)
            return refuse(DownloadProblem::NotADrawLine, line);
        // The plain-HTTP answer can be forged: a history that cannot be real is not taken.
        if (read.kind == DrawLineKind::AfterToday)
            return refuse(DownloadProblem::FutureDate, line);
        const auto [firstDraw, newDraw] =
            lineOfDraw.try_emplace(std::string(read.trimmed.substr(11, 6)), lineNumber);
        if (!newDraw) {
            checked.firstLineNumber = firstDraw->second;
            return refuse(DownloadProblem::RepeatedDraw, line);
        }
        const long long day = StrToDate(read.trimmed.substr(0, 10)).dayNumber();
        const auto [firstDate, newDate] = lineOfDate.try_emplace(day, lineNumber);
        if (!newDate) {
            checked.firstLineNumber = firstDate->second;
            return refuse(DownloadProblem::RepeatedDate, line);
        }
        file += line;
        file += "\r\n";
        ++checked.drawCount;
        return true;
    });
    if (!checked.ok()) {
        checked.drawCount = 0;
        return checked;
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
    case HttpFailure::TooLarge:
        message += "\n(伺服器傳來的資料超過 " + std::to_string(MaxHttpBodyBytes >> 20) +
                   " MB,大於程式能接受的大小,程式沒有採用)";
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

// A draw line as the loader reads it: always 32 characters.
using DrawText = std::array<char, 32>;

std::string_view View(const DrawText& draw) {
    return {draw.data(), draw.size()};
}

} // namespace

DrawsAtRisk CompareWithCurrent(const std::string& currentFile, const DownloadedDrawFile& downloaded,
                               const Date& today, int maxNo) {
    // Both files are read as the loader reads them. The download has at most one draw a day: its draws
    // are found by their day in a flat table, which even a 16 MiB file fills in one pass.
    const std::string todayText = DateFormat("yyyy/mm/dd", today);
    std::vector<DrawText> body;
    body.reserve(static_cast<std::size_t>(downloaded.drawCount));
    ForEachLoadedDraw(downloaded.file, todayText, maxNo, [&](std::string_view draw) {
        std::copy(draw.begin(), draw.end(), body.emplace_back().begin());
    });
    std::vector<long long> days(body.size());
    for (std::size_t i = 0; i < body.size(); ++i)
        days[i] = DayOf(View(body[i]));
    const auto [firstDay, lastDay] = std::minmax_element(days.begin(), days.end());
    const long long base = body.empty() ? 0 : *firstDay;
    constexpr std::size_t None = static_cast<std::size_t>(-1);
    std::vector<std::size_t> lineOnDay(body.empty() ? 0 : static_cast<std::size_t>(*lastDay - base + 1),
                                       None);
    for (std::size_t i = 0; i < body.size(); ++i)
        lineOnDay[static_cast<std::size_t>(days[i] - base)] = i;

    DrawsAtRisk risk;
    ForEachLoadedDraw(currentFile, todayText, maxNo, [&](std::string_view line) {
        ++risk.currentDraws;
        const long long day = DayOf(line) - base;
        const std::size_t found = day >= 0 && day < static_cast<long long>(lineOnDay.size())
                                      ? lineOnDay[static_cast<std::size_t>(day)]
                                      : None;
        if (found != None && SameDraw(line, View(body[found])))
            return;
        if (risk.lostDraws++ == 0) {
            risk.firstLost = line;
            if (found != None)
                risk.downloadedSameDate = View(body[found]);
        }
    });
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
