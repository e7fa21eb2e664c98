#include "platform/memo_output.h"

#include <QPlainTextEdit>
#include <gtest/gtest.h>

#include "common/errors.h"
#include "common/text_file.h"
#include "platform/memo_lines.h"
#include "support/fake_platform.h"
#include "support/work_dir.h"

TEST(MemoOutput, CopiesTheWholeMemoSelected) {
    FakeClipboard clipboard;
    QPlainTextEdit memo;
    memo.setPlainText(QStringLiteral("0001,2026/01/02\n0002,2026/01/03"));
    CopyMemo(memo, clipboard);
    EXPECT_EQ(clipboard.content, memo.toPlainText());
    EXPECT_EQ(memo.textCursor().selectedText().size(), memo.toPlainText().size());
    ClearMemo(memo);
    EXPECT_TRUE(MemoLines(memo).isEmpty());
}

TEST(MemoOutput, SavesTheLinesAsBig5WhenConfirmedAndNothingWhenCancelled) {
    WorkDir dir;
    FakeDialogs dialogs;
    QPlainTextEdit memo;
    SetMemoLines(memo, {QStringLiteral("驗證期間：2009/01/01"), QString(), QStringLiteral("01,02")});

    const SaveFileRequest text = MemoSaveRequest(MemoFileKind::Text, QStringLiteral("儲存開獎資料"));
    EXPECT_EQ(text.title, QStringLiteral("儲存開獎資料"));
    EXPECT_EQ(text.filter, QStringLiteral("文字檔案(*.txt)"));
    EXPECT_EQ(text.defaultSuffix, QStringLiteral("txt"));
    const SaveFileRequest csv = MemoSaveRequest(MemoFileKind::Csv);
    EXPECT_EQ(csv.filter, QStringLiteral("Execel檔案(*.csv)"));
    EXPECT_EQ(csv.defaultSuffix, QStringLiteral("csv"));

    dialogs.saveAs(QString());
    EXPECT_FALSE(SaveMemo(memo, dialogs, text));
    dialogs.saveAs(dir.file(QStringLiteral("out.csv")));
    EXPECT_TRUE(SaveMemo(memo, dialogs, csv));
    ASSERT_EQ(dialogs.saveRequests.size(), 2U);
    EXPECT_EQ(dialogs.saveRequests[1].defaultSuffix, QStringLiteral("csv"));
    EXPECT_EQ(ReadFileBytes(dir.file(QStringLiteral("out.csv")).toStdString()),
              Utf8ToBig5("驗證期間：2009/01/01") + "\r\n\r\n01,02\r\n");

    // A file that cannot be written is reported as the file error the central handler shows.
    dialogs.saveAs(dir.file(QStringLiteral("missing/out.txt")));
    EXPECT_THROW(SaveMemo(memo, dialogs, text), FileError);
}
