#include <QFile>
#include <gtest/gtest.h>

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
