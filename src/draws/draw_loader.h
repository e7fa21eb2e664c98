#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/text_file.h"
#include "draws/draw_tables.h"

struct PathRules;
struct WorkArea;

// A line of the draw file that has the right length but a bad date or number column. It ends the
// list like a short line does, but the user is told.
struct BadDrawLine {
    int lineNumber = 0; // 1-based line of the file
    std::string text;
};

struct DrawReadResult {
    std::vector<std::string> lines; // accepted lines, trimmed, oldest first, at most MaxDraws (the newest)
    std::optional<BadDrawLine> bad;
};

// What a read of the draw file tells the main window: the labels of the newest draw and the bad
// line that ended the list, if any.
struct DrawFileRead {
    std::array<std::string, 3> newestLabels; // "日期:...", "期數:...", "號碼(落球):..."
    std::optional<BadDrawLine> bad;
    std::optional<std::string> splitError; // the conversion error that stopped the split
};

// Trims blanks and control characters at both ends.
std::string TrimDrawLine(std::string_view line);

// True when a trimmed line has the draw-line length, a real date in columns 1-10 and five numbers
// in 1..maxNo.
bool IsValidDrawLine(std::string_view trimmed, int maxNo = GameMaxNo);

// How the loader takes one line of a draw file.
enum class DrawLineKind {
    Draw,       // a draw dated today or before: loaded
    AfterToday, // a draw dated after today: skipped, and the list goes on
    EndOfList,  // not 32 characters once trimmed: the list ends there without a word
    Bad,        // 32 characters, but a bad date or number: the list ends there and the user is told
};

// Whether the loader reads on past a line of this kind.
inline bool ListGoesOn(DrawLineKind kind) {
    return kind == DrawLineKind::Draw || kind == DrawLineKind::AfterToday;
}

struct DrawFileLine {
    DrawLineKind kind = DrawLineKind::EndOfList;
    std::string_view line;    // the line in UTF-8, as read
    std::string_view trimmed; // without the blanks and control characters around it
    // The date stands as the program writes dates, "yyyy/mm/dd": only then are the loader's
    // comparisons of lines as text (with today, and in the sort) comparisons of their dates.
    bool dateAsWritten = false;
};

// The one reading of a draw file's lines as they are on disk (Big5): converted to UTF-8, trimmed,
// then judged by the length, date and number rules and against `today` ("yyyy/mm/dd"). The loader,
// the check of a downloaded file and its comparison with the current one all read lines through it.
class DrawLineDecoder {
public:
    DrawLineDecoder(std::string today, int maxNo);
    // The views stay valid until the next call.
    DrawFileLine read(std::string_view fileLine);

private:
    Big5Decoder toUtf8_;
    std::string today_;
    int maxNo_;
};

// Reads the lines of a draw file in file order, one at a time: stops at the first line whose
// trimmed length is not 32, or that is not a valid draw line (reported: a bad date, or a number
// outside 1..maxNo); skips lines dated after `today` ("yyyy/mm/dd"). Of the lines it takes it keeps
// only the newest MaxDraws as it goes, so a file of any length costs the same memory.
class DrawLineReader {
public:
    // Every line that passes the checks is 32 characters long.
    using KeptLine = std::array<char, 32>;

    DrawLineReader(std::string today, int maxNo);
    // The next line of the file, as it is on disk; false once the list has ended.
    bool take(std::string_view fileLine);
    // The kept lines, trimmed, oldest first.
    DrawReadResult result() &&;

private:
    void keepNewest();

    DrawLineDecoder decoder_;
    int lineNumber_ = 0;
    std::vector<KeptLine> newest_;
    KeptLine oldestKept_{}; // the oldest of the newest MaxDraws so far, once there were that many
    bool full_ = false;
    std::optional<BadDrawLine> bad_;
};

// The lines of a draw file, as they are on disk, through a DrawLineReader.
DrawReadResult ReadDrawLines(const std::vector<std::string>& fileLines, const std::string& today,
                             int maxNo = GameMaxNo);

// Every draw that the loader would take from a draw file's bytes, trimmed, in file order: up to the
// line that ends the list, without the ones dated after today and without keeping only the newest.
void ForEachLoadedDraw(std::string_view fileBytes, const std::string& today, int maxNo,
                       const std::function<void(std::string_view trimmed)>& take);

// Puts the lines into DrawLines/DrawCount.
void StoreDrawLines(DrawTables& draws, const std::vector<std::string>& lines);

// Sorts DrawLines[1..DrawCount] as byte strings: mode 1 newest first, any other mode oldest first.
void SortDrawLines(DrawTables& draws, int mode);

// Splits DrawLines[1..DrawCount], in their current order, into the date, id and number tables and
// resets the working copy to drawn order. Throws ConversionError on a line that does not split; the
// draws before it are split completely.
void SplitDrawLines(DrawTables& draws, WorkArea& work);

// Empties positions 1..7 of the number tables and every DrawId.
void ClearDrawTables(DrawTables& draws, WorkArea& work);

// The reading part of ReadDrawFile on its own: the file `path` (created empty when missing) read
// and checked, touching no table, so it may run off the GUI thread. The file is read a block at a
// time up to the line that ends the list; only the kept lines are held.
DrawReadResult ReadDrawFileLines(const std::string& path, const std::string& today, int maxNo = GameMaxNo);

// Puts an already read file into DrawLines, oldest first, and reads the newest draw's labels.
DrawFileRead StoreDrawFileRead(DrawTables& draws, DrawReadResult read);

// Reads the draw file DataFileName from the working directory (created empty when missing) into
// DrawLines, oldest first, and reads the newest draw's labels.
DrawFileRead ReadDrawFile(DrawTables& draws, const std::string& today);

// The whole load: empties the tables, reads the file, splits it and resets the path rules. A split
// that fails stops there (the draws before the bad one split) and leaves the path rules as they were;
// its message is in splitError for the caller to raise once it has shown the rest.
DrawFileRead LoadDrawHistory(DrawTables& draws, WorkArea& work, PathRules& rules, const std::string& today);

// The message that names a bad line of the draw file.
std::string BadDrawLineMessage(const std::string& fileName, const BadDrawLine& bad);

// The cells of a record-grid row: date, draw number and the five numbers in file order.
std::array<std::string, 7> DrawLineCells(const std::string& line);

// What the newest-draw labels say when no draw is loaded.
inline constexpr const char* NoDrawsLoaded = "(檔案中沒有開獎資料)";

// Draw 1 as the main window shows the newest draw (call while DrawLines is newest first): "日期:...",
// "期數:...", "號碼(落球):...".
std::array<std::string, 3> NewestDrawLabels(const DrawTables& draws);
