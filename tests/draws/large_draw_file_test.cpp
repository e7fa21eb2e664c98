// The loader over draw files far longer than what it keeps: the same draws and the same named line as
// reading the whole file at once, in a fraction of the file's size in memory.
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

#include "common/date.h"
#include "common/text_file.h"
#include "draws/daily_history.h"
#include "draws/draw_loader.h"
#include "heap_peak.h"

namespace {

const std::string Today = "2026/12/07";

// The whole file read and sorted at once, the way the loader once did it.
DrawReadResult WholeFileRead(const std::string& path) {
    const std::vector<std::string> fileLines = ReadTextLines(path);
    DrawReadResult result;
    for (std::size_t i = 0; i < fileLines.size(); ++i) {
        std::string line = TrimDrawLine(fileLines[i]);
        if (line.size() != 32)
            break;
        if (!IsValidDrawLine(line)) {
            result.bad = BadDrawLine{static_cast<int>(i + 1), fileLines[i]};
            break;
        }
        if (line.compare(0, 10, Today) <= 0)
            result.lines.push_back(line);
    }
    std::sort(result.lines.begin(), result.lines.end());
    if (result.lines.size() > MaxDraws)
        result.lines.erase(result.lines.begin(), result.lines.end() - MaxDraws);
    return result;
}

// The read as every reload runs it; it may hold a block of the file and the kept draws, never the file.
DrawReadResult ReadInLittleMemory(const std::string& path) {
    ResetHeapPeak();
    const std::size_t before = HeapPeakSinceReset();
    DrawReadResult read = ReadDrawFileLines(path, Today);
    EXPECT_LT(HeapPeakSinceReset() - before, 3u << 20) << "the read held the whole file";
    return read;
}

void ExpectSameRead(const DrawReadResult& read, const DrawReadResult& expected) {
    EXPECT_EQ(read.lines, expected.lines);
    ASSERT_EQ(read.bad.has_value(), expected.bad.has_value());
    if (expected.bad) {
        EXPECT_EQ(read.bad->lineNumber, expected.bad->lineNumber);
        EXPECT_EQ(read.bad->text, expected.bad->text);
    }
}

class LargeDrawFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("TW539.txt")).toStdString();
    // 6 MiB, newest first, from three days after today back to the 15th century; made once.
    static const std::vector<std::string>& newestFirst() {
        static const std::vector<std::string> lines = SplitLines(DailyHistory(Date{2026, 12, 10}, 6u << 20));
        return lines;
    }

    void write(const std::vector<std::string>& lines) { WriteTextLines(path, lines); }
};

} // namespace

TEST_F(LargeDrawFile, KeepsTheNewest2500InEitherOrder) {
    const std::vector<std::string> oldestFirst(newestFirst().rbegin(), newestFirst().rend());
    for (const std::vector<std::string>* lines : {&newestFirst(), &oldestFirst}) {
        write(*lines);
        const DrawReadResult read = ReadInLittleMemory(path);
        ASSERT_EQ(read.lines.size(), MaxDraws);
        EXPECT_FALSE(read.bad);
        EXPECT_EQ(read.lines.back().substr(0, 10), Today); // the three days after today are skipped
        EXPECT_EQ(read.lines.front().substr(0, 10),
                  DateFormat("yyyy/mm/dd", Date::fromDayNumber(Date{2026, 12, 7}.dayNumber() - 2499)));
        ExpectSameRead(read, WholeFileRead(path));
    }
}

TEST_F(LargeDrawFile, TheLineThatEndsTheListIsNamedFarDown) {
    std::vector<std::string> lines(newestFirst().rbegin(), newestFirst().rend());
    const std::size_t at = 150000;                                  // line 150 001
    const std::string badDate = "1700/02/29,999999,01,02,03,04,05"; // no leap day that year
    lines[at] = badDate;
    write(lines);
    const DrawReadResult read = ReadInLittleMemory(path);
    ASSERT_TRUE(read.bad);
    EXPECT_EQ(BadDrawLineMessage("TW539.txt", *read.bad),
              "開獎資料檔 TW539.txt 第 150001 行資料錯誤,此行及以後的資料未載入:\n" + badDate);
    EXPECT_EQ(read.lines.back(), TrimDrawLine(lines[at - 1])); // the newest before it, not the file's newest
    ExpectSameRead(read, WholeFileRead(path));

    lines[at] = badDate.substr(1); // a short line ends the list the same way, without a word
    write(lines);
    const DrawReadResult shortLine = ReadInLittleMemory(path);
    EXPECT_FALSE(shortLine.bad);
    EXPECT_EQ(shortLine.lines, read.lines);
}

TEST_F(LargeDrawFile, TheShippedHistoryReadsAsTheWholeFile) {
    WriteFileBytes(path, ReadFileBytes(QORVEL_DATA_DIR "/TW539.txt"));
    const DrawReadResult read = ReadInLittleMemory(path);
    EXPECT_EQ(read.lines.size(), MaxDraws);
    ExpectSameRead(read, WholeFileRead(path));
}
