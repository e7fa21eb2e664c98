#include <QFile>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

#include "common/errors.h"
#include "common/text_file.h"
#include "support/work_dir.h"

TEST(TextFile, Big5RoundTripWithCrLf) {
    WorkDir dir;
    const std::vector<std::string> lines = {"說明檔 help", "", "號碼(落球):01,02", "ＡＢＣ　全形"};
    WriteTextLines("help.txt", lines);
    const std::string bytes = ReadFileBytes("help.txt");
    EXPECT_EQ(bytes, Utf8ToBig5("說明檔 help\r\n\r\n號碼(落球):01,02\r\nＡＢＣ　全形\r\n"));
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xBB); // 說 in Big5
    EXPECT_EQ(ReadTextLines("help.txt"), lines);
}

TEST(TextFile, LineEndsOfEveryKind) {
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_TRUE(SplitLines("").empty());
}

TEST(TextFile, UnmappableCharactersDoNotStopConversion) {
    EXPECT_EQ(Big5ToUtf8(Utf8ToBig5("a😀b")), "a?b");
    EXPECT_EQ(Big5ToUtf8(std::string("x\xFFy")), "x\xEF\xBF\xBDy");
}

TEST(TextFile, FailedWriteLeavesNothingHalfWritten) {
    WorkDir dir;
    WriteTextLines("TW539.txt", {"old line"});
    // A folder in the way of the rename: the write fails after the temporary file was written.
    QDir(dir.path()).mkpath(QStringLiteral("blocked/inner"));
    EXPECT_THROW(WriteTextLines("blocked", {"new line"}), FileError);
    EXPECT_THROW(WriteTextLines("no-such-folder/TW539.txt", {"new line"}), FileError);
    EXPECT_EQ(ReadTextLines("TW539.txt"), std::vector<std::string>{"old line"});
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1)
        << "temporary file left behind";
    EXPECT_THROW(ReadTextLines("missing.txt"), FileError);
}

namespace {

namespace fs = std::filesystem;

fs::perms Mode(const QString& path) {
    return fs::status(path.toStdString()).permissions();
}

QStringList FilesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

} // namespace

TEST(TextFile, RewriteKeepsTheModeAndRefusesReadOnlyFiles) {
    WorkDir dir;
    for (const fs::perms mode : {fs::perms(0600), fs::perms(0640), fs::perms(0664)}) {
        WriteTextLines("TW539.txt", {"old"});
        fs::permissions("TW539.txt", mode);
        WriteTextLines("TW539.txt", {"new"});
        EXPECT_EQ(Mode(dir.file(QStringLiteral("TW539.txt"))), mode);
        EXPECT_EQ(ReadTextLines("TW539.txt"), std::vector<std::string>{"new"});
    }
    // Marked read-only (444): refused with the write message and why, even for root, and left as it was.
    fs::permissions("TW539.txt", fs::perms(0444));
    try {
        WriteTextLines("TW539.txt", {"newer"});
        ADD_FAILURE() << "a read-only file was replaced";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "無法寫入檔案 TW539.txt:檔案設為唯讀");
    }
    EXPECT_EQ(Mode(dir.file(QStringLiteral("TW539.txt"))), fs::perms(0444));
    EXPECT_EQ(ReadTextLines("TW539.txt"), std::vector<std::string>{"new"});
    EXPECT_EQ(FilesIn(dir.path()), QStringList{QStringLiteral("TW539.txt")});
}

TEST(TextFile, RewriteGoesThroughLinksToTheirTarget) {
    WorkDir dir;
    fs::create_directories("data/inner");
    WriteTextLines("data/inner/TW539.txt", {"old"});
    fs::permissions("data/inner/TW539.txt", fs::perms(0600));
    fs::create_symlink("inner/TW539.txt", "data/link.txt"); // relative to the link's folder
    fs::create_symlink("data/link.txt", "TW539.txt");       // a link to a link
    WriteTextLines("TW539.txt", {"new"});
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status("TW539.txt")));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status("data/link.txt")));
    EXPECT_EQ(ReadTextLines("data/inner/TW539.txt"), std::vector<std::string>{"new"});
    EXPECT_EQ(Mode(dir.file(QStringLiteral("data/inner/TW539.txt"))), fs::perms(0600));
    EXPECT_EQ(FilesIn(dir.file(QStringLiteral("data/inner"))), QStringList{QStringLiteral("TW539.txt")});

    // A link to a file not there yet creates it; a loop of links is refused.
    fs::create_symlink("data/inner/later.txt", "later.txt");
    WriteTextLines("later.txt", {"first"});
    EXPECT_EQ(ReadTextLines("data/inner/later.txt"), std::vector<std::string>{"first"});
    fs::create_symlink("loop2.txt", "loop1.txt");
    fs::create_symlink("loop1.txt", "loop2.txt");
    EXPECT_THROW(WriteTextLines("loop1.txt", {"x"}), FileError);
    EXPECT_EQ(FilesIn(dir.path()).filter(QStringLiteral(".tmp")), QStringList{});
}

TEST(TextFile, StaleTemporaryFilesOfKilledWritersAreRemoved) {
    WorkDir dir;
    fs::create_directories("elsewhere");
    WriteTextLines("elsewhere/TW539.txt", {"draws"});
    fs::create_symlink("elsewhere/TW539.txt", "TW539.txt");
    const std::string self = std::to_string(getpid());
    // Beyond the largest process id Linux hands out: that writer is surely gone.
    const std::string gone = "999999999";
    const std::vector<std::string> stale = {".~TW539.txt.123456789.tmp", ".~TW539.txt." + gone + "-42.tmp",
                                            ".~FtpServerIp.txt." + gone + "-7.tmp",
                                            "elsewhere/.~TW539.txt." + gone + "-1.tmp"};
    const std::vector<std::string> kept = {".~TW539.txt." + self + "-5.tmp", // a save of a running program
                                           ".~TW539.txt.1-5.tmp",            // process 1 always runs
                                           ".~TW539.txt.x1-5.tmp",
                                           ".~lock.TW539.txt#",
                                           "TW539.txt.5.tmp",
                                           ".~.5.tmp",
                                           "notes.txt"};
    for (const auto& name : stale)
        WriteFileBytes(name, "partial");
    for (const auto& name : kept)
        WriteFileBytes(name, "keep");
    fs::create_directory(".~TW539.txt.999999998.tmp"); // only files go
    RemoveStaleTempFiles({"TW539.txt", "FtpServerIp.txt"});
    for (const auto& name : stale)
        EXPECT_FALSE(fs::exists(name)) << name;
    for (const auto& name : kept)
        EXPECT_TRUE(fs::exists(name)) << name;
    EXPECT_TRUE(fs::is_directory(".~TW539.txt.999999998.tmp"));
    EXPECT_EQ(ReadTextLines("TW539.txt"), std::vector<std::string>{"draws"});
}

TEST(TextFile, LinesReadInBlocksAreTheLinesOfTheWholeFile) {
    WorkDir dir;
    const std::string head(TextReadBlockBytes - 1, 'a'); // the next byte is the last of the first block
    const std::string big5Word = Utf8ToBig5("說");
    // Line ends and a Big5 character cut by the end of the first block, and a last line without end.
    for (const std::string& tail :
         {std::string("\r\nnext"), std::string("\rnext\r\n"), std::string("\n\r\n\nx"),
          "b" + big5Word + "\r\n" + big5Word, std::string("b\r\r\n")}) {
        WriteFileBytes("lines.txt", head + tail);
        std::vector<std::string> read;
        ReadFileLinesUntil("lines.txt", [&](std::string_view line) {
            read.emplace_back(line);
            return true;
        });
        EXPECT_EQ(read, SplitLines(ReadFileBytes("lines.txt"))) << tail;
    }
    std::vector<std::string> read;
    ReadFileLinesUntil("lines.txt", [&](std::string_view line) {
        read.emplace_back(line);
        return read.size() < 2;
    });
    EXPECT_EQ(read, (std::vector<std::string>{head + "b", ""})); // nothing after the answer to stop
}

TEST(TextFile, ACharacterCutByALineEndIsReplacedAloneAndTheLineEndKept) {
    EXPECT_EQ(Big5ToUtf8("ab\xBB\r\n\xBB\xA1x"), "ab\xEF\xBF\xBD\r\n說x");
    EXPECT_EQ(Utf8ToBig5("ab\xE8\xAA\nx說"), "ab?\nx" + Utf8ToBig5("說"));
}
