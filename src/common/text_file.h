#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Text files on disk are Big5 (code page 950) with CR LF line ends; in memory they are UTF-8.
// Every rewrite goes to a temporary file in the same folder that is flushed to disk and then renamed
// over the old one, so a failure or a power cut never leaves a half-written file. Failures throw
// FileError.

bool FileExists(const std::string& path);

// The lines of a file, without their line ends (CR LF, LF or a lone CR end a line).
std::vector<std::string> ReadTextLines(const std::string& path);

// Splits bytes into lines at CR LF, LF or a lone CR, fed a block at a time: a line or a CR LF cut by
// the end of a block counts once. Each byte is looked at a bounded number of times, whichever line
// ends a text uses. `take` gets each line without its line end and answers false to stop.
class LineSplitter {
public:
    using Take = std::function<bool(std::string_view line)>;
    explicit LineSplitter(Take take) : take_(std::move(take)) {}
    // False once `take` has answered false: nothing more is split.
    bool feed(std::string_view block);
    // The last line, when the text does not end in a line end.
    void finish();

private:
    Take take_;
    std::string partial_;  // the start of a line that goes on in the next block
    bool afterCr_ = false; // the last block ended in CR: an LF at the start of the next ends nothing
    bool stopped_ = false;
};

// The lines of a text in memory, through a LineSplitter, as they are (no conversion).
void ForEachLine(std::string_view text, const LineSplitter::Take& take);

// The lines of a file as they are on disk, read a block of TextReadBlockBytes at a time until `take`
// answers false: a file of any size takes little memory, and the rest of it is not read once the
// reader is done.
inline constexpr std::size_t TextReadBlockBytes = 1u << 20;
void ReadFileLinesUntil(const std::string& path, const LineSplitter::Take& take);

// Big5 text to UTF-8 a piece at a time, with one converter for a whole run (opening one costs more
// than converting a line); ASCII, most of a draw file, is handed back as it is.
class Big5Decoder {
public:
    Big5Decoder();
    ~Big5Decoder();
    Big5Decoder(const Big5Decoder&) = delete;
    Big5Decoder& operator=(const Big5Decoder&) = delete;
    // The text in UTF-8, valid until the next call.
    std::string_view operator()(std::string_view big5);

private:
    struct Converted;
    std::unique_ptr<Converted> converted_;
};

// Writes every line followed by CR LF.
void WriteTextLines(const std::string& path, const std::vector<std::string>& lines);

// Raw bytes, for files whose content arrives already encoded (a downloaded draw file).
std::string ReadFileBytes(const std::string& path);
// At most the first `maxBytes` bytes, for a file of which only the head is used, however large it is.
std::string ReadFileBytes(const std::string& path, std::size_t maxBytes);
// The file keeps its permissions and, where allowed, its owner; a symbolic link stays a link and the
// file it points at is rewritten. A file without write permission is refused, even for root.
void WriteFileBytes(const std::string& path, const std::string& bytes);

// Removes the temporary files that rewrites of these files (beside them, or beside the files their
// links point at) left behind when the program writing them was killed. Files of a program still
// running, and temporary files of any other file, are kept.
void RemoveStaleTempFiles(const std::vector<std::string>& files);

// Conversions between UTF-8 and Big5; characters with no counterpart become '?' (or U+FFFD when
// reading).
std::string Big5ToUtf8(const std::string& big5);
std::string Utf8ToBig5(const std::string& utf8);

// Splits text into lines at CR LF, LF or a lone CR; a final line end adds no empty line.
std::vector<std::string> SplitLines(const std::string& text);
