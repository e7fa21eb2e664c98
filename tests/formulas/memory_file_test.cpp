#include "formulas/memory_file.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "common/text_file.h"
#include "support/work_dir.h"

TEST(MemoryFile, NamesFollowTheGameFileAndTheForm) {
    EXPECT_EQ(GameMemoryFileName("TW539.txt", "Form_rk_6line_3is"), "Text539._Form_rk_6line_3is.txt");
    EXPECT_EQ(GameMemoryFileName("US539.txt", "Form_rk_6line_3is_2"), "Text539._Form_rk_6line_3is_2.txt");
    EXPECT_EQ(GameMemoryFileName("X", "F"), "Text_F.txt");
    EXPECT_EQ(FormMemoryFileName("Form_rk_7star2_ng"), "Text8E_Form_rk_7star2_ng.txt");
}

TEST(MemoryFile, WritesFourLinesAndRestoresWhatTheFileHas) {
    WorkDir dir;
    const std::string name = "Text539._Form_rk_6line_3is.txt";
    EXPECT_EQ(ReadMemoryFile(name), std::nullopt);

    EXPECT_EQ(WriteMemoryFile(name, {"2026/08/14", "2", "65", "B"}), std::nullopt);
    EXPECT_EQ(ReadFileBytes(name), "2026/08/14\r\n2\r\n65\r\nB\r\n");
    EXPECT_EQ(ReadMemoryFile(name), (std::vector<std::string>{"2026/08/14", "2", "65", "B"}));

    WriteTextLines(name, {"2026/08/14", "3"}); // written by hand, cut short
    EXPECT_EQ(ReadMemoryFile(name), (std::vector<std::string>{"2026/08/14", "3"}));
    WriteTextLines(name, {"a", "b", "c", "d", "e"});
    EXPECT_EQ(ReadMemoryFile(name)->size(), 4u);

    DeleteMemoryFile(name);
    EXPECT_FALSE(FileExists(name));
    DeleteMemoryFile(name); // already gone: no error
}

TEST(MemoryFile, AFileThatCannotBeWrittenGivesAMessageAndKeepsTheOldOne) {
    WorkDir dir;
    const std::string name = "Text8E_Form_rk_7star2_ng.txt";
    WriteTextLines(name, {"old"});
    const auto message = WriteMemoryFile("no_such_folder/" + name, {"1", "2", "3", "4"});
    ASSERT_TRUE(message);
    EXPECT_NE(message->find("no_such_folder/" + name), std::string::npos);
    EXPECT_NE(message->find("本次搜尋照常進行"), std::string::npos);
    EXPECT_EQ(ReadMemoryFile(name), (std::vector<std::string>{"old"}));
}

TEST(MemoryFile, OnlyTheLinesUsedAreReadAndALongOneMakesTheFileUnusable) {
    WorkDir dir;
    const std::string name = "Text8E_Form_rk_7star2_ng.txt";
    // Four lines with every kind of line end, then more than a long line's worth that is never read.
    WriteFileBytes(name, Utf8ToBig5("2026/08/14\r\n2\n順\rB\r\n") + std::string(MaxMemoryLineBytes * 4, 'x'));
    EXPECT_EQ(ReadMemoryFile(name), (std::vector<std::string>{"2026/08/14", "2", "順", "B"}));

    WriteFileBytes(name, std::string(MaxMemoryLineBytes, '7'));
    EXPECT_EQ(ReadMemoryFile(name)->front().size(), MaxMemoryLineBytes);
    WriteFileBytes(name, "2026/08/14\r\n" + std::string(MaxMemoryLineBytes + 1, '7') + "\r\n");
    EXPECT_THROW(ReadMemoryFile(name), FileError);
}
