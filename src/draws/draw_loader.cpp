#include "draws/draw_loader.h"

#include <algorithm>
#include <functional>

#include "common/date.h"
#include "common/errors.h"
#include "common/text_cut.h"
#include "common/text_file.h"
#include "draws/path_rules.h"
#include "draws/work_area.h"

namespace {

constexpr std::size_t DrawLineLength = 32;
static_assert(std::tuple_size_v<DrawLineReader::KeptLine> == DrawLineLength);
constexpr std::array<std::size_t, 5> NumberColumns = {18, 21, 24, 27, 30}; // 0-based starts

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool numbersAreDigits(std::string_view line) {
    return std::all_of(NumberColumns.begin(), NumberColumns.end(),
                       [&](std::size_t c) { return isDigit(line[c]) && isDigit(line[c + 1]); });
}

// Every table of the windows is indexed by the drawn numbers: none outside 1..maxNo may load.
bool numbersInGame(std::string_view line, int maxNo) {
    return std::all_of(NumberColumns.begin(), NumberColumns.end(), [&](std::size_t c) {
        const int n = (line[c] - '0') * 10 + (line[c + 1] - '0');
        return n >= 1 && n <= maxNo;
    });
}

std::string_view text(const DrawLineReader::KeptLine& line) {
    return {line.data(), line.size()};
}

bool newerLine(const DrawLineReader::KeptLine& a, const DrawLineReader::KeptLine& b) {
    return text(a) > text(b);
}

} // namespace

std::string TrimDrawLine(std::string_view line) {
    return std::string(TrimmedView(line));
}

namespace {

// What the date and number rules make of a trimmed line.
struct DrawLineCheck {
    bool valid = false;
    bool dateAsWritten = false;
};

DrawLineCheck CheckDrawLine(std::string_view trimmed, int maxNo) {
    if (trimmed.size() != DrawLineLength || !numbersAreDigits(trimmed) || !numbersInGame(trimmed, maxNo))
        return {};
    // "yyyy/mm/dd", as every file the program writes has it, read here without the general parser:
    // it is the one check every line of a long file goes through.
    const auto digits = [&](std::size_t at, std::size_t count) {
        int value = 0;
        for (std::size_t i = at; i < at + count; ++i) {
            if (!isDigit(trimmed[i]))
                return -1;
            value = value * 10 + (trimmed[i] - '0');
        }
        return value;
    };
    if (trimmed[4] == '/' && trimmed[7] == '/') {
        const int year = digits(0, 4), month = digits(5, 2), day = digits(8, 2);
        if (year >= 0 && month >= 0 && day >= 0)
            return {Date{year, month, day}.valid(), true};
    }
    try {
        StrToDate(trimmed.substr(0, 10));
        return {true, false};
    } catch (const ConversionError&) {
        return {};
    }
}

} // namespace

bool IsValidDrawLine(std::string_view trimmed, int maxNo) {
    return CheckDrawLine(trimmed, maxNo).valid;
}

DrawLineDecoder::DrawLineDecoder(std::string today, int maxNo) : today_(std::move(today)), maxNo_(maxNo) {}

DrawFileLine DrawLineDecoder::read(std::string_view fileLine) {
    DrawFileLine read;
    read.line = toUtf8_(fileLine);
    read.trimmed = TrimmedView(read.line);
    if (read.trimmed.size() != DrawLineLength)
        return read;
    const DrawLineCheck check = CheckDrawLine(read.trimmed, maxNo_);
    read.dateAsWritten = check.dateAsWritten;
    if (!check.valid)
        read.kind = DrawLineKind::Bad;
    else if (read.trimmed.substr(0, 10) > today_)
        read.kind = DrawLineKind::AfterToday;
    else
        read.kind = DrawLineKind::Draw;
    return read;
}

DrawLineReader::DrawLineReader(std::string today, int maxNo) : decoder_(std::move(today), maxNo) {
    newest_.reserve(2 * MaxDraws);
}

bool DrawLineReader::take(std::string_view fileLine) {
    ++lineNumber_;
    const DrawFileLine read = decoder_.read(fileLine);
    switch (read.kind) {
    case DrawLineKind::EndOfList:
        return false;
    case DrawLineKind::Bad:
        bad_ = BadDrawLine{lineNumber_, std::string(read.line)};
        return false;
    case DrawLineKind::AfterToday:
        return true;
    case DrawLineKind::Draw:
        break;
    }
    const std::string_view line = read.trimmed;
    if (full_ && line <= text(oldestKept_))
        return true;
    KeptLine& kept = newest_.emplace_back();
    std::copy(line.begin(), line.end(), kept.begin());
    if (newest_.size() == 2 * MaxDraws)
        keepNewest();
    return true;
}

// Drops all but the newest MaxDraws lines; no line at or below the oldest of them can be kept any more.
void DrawLineReader::keepNewest() {
    std::nth_element(newest_.begin(), newest_.begin() + (MaxDraws - 1), newest_.end(), newerLine);
    newest_.resize(MaxDraws);
    oldestKept_ = newest_.back();
    full_ = true;
}

DrawReadResult DrawLineReader::result() && {
    if (newest_.size() > MaxDraws)
        keepNewest();
    std::sort(newest_.begin(), newest_.end(), newerLine);
    DrawReadResult read{{}, std::move(bad_)};
    read.lines.reserve(newest_.size());
    for (auto line = newest_.rbegin(); line != newest_.rend(); ++line)
        read.lines.emplace_back(text(*line));
    return read;
}

DrawReadResult ReadDrawLines(const std::vector<std::string>& fileLines, const std::string& today, int maxNo) {
    DrawLineReader reader(today, maxNo);
    for (const std::string& line : fileLines)
        if (!reader.take(line))
            break;
    return std::move(reader).result();
}

void ForEachLoadedDraw(std::string_view fileBytes, const std::string& today, int maxNo,
                       const std::function<void(std::string_view trimmed)>& take) {
    DrawLineDecoder decoder(today, maxNo);
    ForEachLine(fileBytes, [&](std::string_view fileLine) {
        const DrawFileLine read = decoder.read(fileLine);
        if (read.kind == DrawLineKind::Draw)
            take(read.trimmed);
        return ListGoesOn(read.kind);
    });
}

void StoreDrawLines(DrawTables& draws, const std::vector<std::string>& lines) {
    const int count = static_cast<int>(std::min<std::size_t>(lines.size(), MaxDraws));
    for (int k = 1; k <= count; ++k)
        draws.DrawLines[k] = lines[static_cast<std::size_t>(k - 1)];
    draws.DrawCount = count;
}

void SortDrawLines(DrawTables& draws, int mode) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(draws.DrawCount));
    for (int k = 1; k <= draws.DrawCount; ++k)
        lines.push_back(std::move(draws.DrawLines[k]));
    if (mode == 1)
        std::sort(lines.begin(), lines.end(), std::greater<>());
    else
        std::sort(lines.begin(), lines.end());
    StoreDrawLines(draws, lines);
}

void SplitDrawLines(DrawTables& draws, WorkArea& work) {
    for (int k = 1; k <= draws.DrawCount; ++k) {
        const std::string& line = draws.DrawLines[k];
        draws.DrawDate[k] = StrToDate(line.substr(0, 10));
        draws.DrawId[k] = line.size() >= 17 ? line.substr(11, 6) : std::string();
        if (line.size() < DrawLineLength || !numbersAreDigits(line))
            throw NotAnInteger(line);
        std::array<std::string, 5> nums;
        for (std::size_t p = 0; p < 5; ++p)
            nums[p] = line.substr(NumberColumns[p], 2);
        for (int p = 1; p <= 5; ++p) {
            draws.DrawNumsDrawn[p][k] = nums[static_cast<std::size_t>(p - 1)];
            work.DrawNumsWork[p][k] = nums[static_cast<std::size_t>(p - 1)];
        }
        std::sort(nums.begin(), nums.end());
        for (int p = 1; p <= 5; ++p)
            draws.DrawNums[p][k] = nums[static_cast<std::size_t>(p - 1)];
    }
}

void ClearDrawTables(DrawTables& draws, WorkArea& work) {
    for (int p = 1; p <= MaxBallSlots; ++p) {
        draws.DrawNumsDrawn[p].fill({});
        work.DrawNumsWork[p].fill({});
        draws.DrawNums[p].fill({});
    }
    draws.DrawId.fill({});
}

std::array<std::string, 7> DrawLineCells(const std::string& line) {
    const auto column = [&](std::size_t start, std::size_t length) {
        return start < line.size() ? line.substr(start, length) : std::string();
    };
    return {column(0, 10),
            column(11, 6),
            column(NumberColumns[0], 2),
            column(NumberColumns[1], 2),
            column(NumberColumns[2], 2),
            column(NumberColumns[3], 2),
            column(NumberColumns[4], 2)};
}

std::array<std::string, 3> NewestDrawLabels(const DrawTables& draws) {
    std::string date, id;
    std::string numbers = NoDrawsLoaded; // an empty file says so instead of leaving a blank
    if (draws.DrawCount >= 1) {
        const std::array<std::string, 7> cells = DrawLineCells(draws.DrawLines[1]);
        date = cells[0];
        id = cells[1];
        numbers = draws.DrawLines[1].size() > 18 ? draws.DrawLines[1].substr(18) : std::string();
    }
    return {"日期:" + date, "期數:" + id, "號碼(落球):" + numbers};
}

DrawReadResult ReadDrawFileLines(const std::string& path, const std::string& today, int maxNo) {
    if (!FileExists(path))
        WriteFileBytes(path, std::string());
    DrawLineReader reader(today, maxNo);
    ReadFileLinesUntil(path, [&reader](std::string_view line) { return reader.take(line); });
    return std::move(reader).result();
}

DrawFileRead ReadDrawFile(DrawTables& draws, const std::string& today) {
    return StoreDrawFileRead(draws, ReadDrawFileLines(draws.DataFileName, today, draws.MaxNo));
}

DrawFileRead StoreDrawFileRead(DrawTables& draws, DrawReadResult read) {
    StoreDrawLines(draws, read.lines);
    SortDrawLines(draws, 1);
    DrawFileRead result{NewestDrawLabels(draws), std::move(read.bad), std::nullopt};
    SortDrawLines(draws, 2);
    return result;
}

DrawFileRead LoadDrawHistory(DrawTables& draws, WorkArea& work, PathRules& rules, const std::string& today) {
    ClearDrawTables(draws, work);
    DrawFileRead result = ReadDrawFile(draws, today);
    try {
        if (draws.DrawCount >= 1)
            SplitDrawLines(draws, work);
    } catch (const ConversionError& error) {
        result.splitError = error.what();
        return result;
    }
    ResetPathRules(rules);
    return result;
}

std::string BadDrawLineMessage(const std::string& fileName, const BadDrawLine& bad) {
    return "開獎資料檔 " + fileName + " 第 " + std::to_string(bad.lineNumber) +
           " 行資料錯誤,此行及以後的資料未載入:\n" + bad.text;
}
