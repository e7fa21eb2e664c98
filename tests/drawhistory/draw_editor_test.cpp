#include <QDir>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextCursor>

#include "common/date.h"
#include "drawhistory/app_test_fixture.h"
#include "drawhistory/draw_editor_window.h"
#include "platform/click_label.h"
#include "platform/memo_lines.h"
#include "platform/qt_text.h"
#include "support/write_block.h"

namespace {

const std::string Draw1 = MakeDrawLine("2026/01/02", "115001", {1, 2, 3, 4, 5});
const std::string Draw2 = MakeDrawLine("2026/01/03", "115002", {6, 7, 8, 9, 10});
const std::string Draw3 = MakeDrawLine("2026/01/05", "115003", {11, 12, 13, 14, 15});

class DrawEditorTest : public AppTest {
protected:
    void inEditor(const std::function<void(TForm_RK_stk_txtfile&)>& action) {
        whenShown<TForm_RK_stk_txtfile>(QStringLiteral("Form_RK_stk_txtfile"), action);
    }
    // Counts the full loads (each resets the path-rule run length to 3).
    void markBeforeReload() { state().rules.RuleOkCount = 5; }
};

} // namespace

TEST_F(DrawEditorTest, OpensOnTheCurrentFileAndSavesWhatTheUserTyped) {
    startWith({Draw1, Draw2, Draw3});
    inEditor([&](TForm_RK_stk_txtfile& e) {
        EXPECT_EQ(e.windowTitle(), QStringLiteral("今彩539 TW539.txt 手動輸入資料"));
        EXPECT_EQ(Label(e, "Label1"), QStringLiteral("今彩539 開獎資料"));
        EXPECT_EQ(Label(e, "Label3"), QStringLiteral("yyyy/mm/dd,xxxxxx,00,00,00,00,00"));
        EXPECT_EQ(Picture(e, "Image1").toImage(), Picture(main(), "Image1").toImage());
        EXPECT_EQ(Text(e, "Memo1"), QString::fromStdString(Draw1 + "\n" + Draw2 + "\n" + Draw3));

        // Correct the middle draw and add a line one character short after it.
        const std::string corrected = MakeDrawLine("2026/01/03", "115002", {39, 7, 8, 9, 10});
        Type(e, "Memo1",
             QString::fromStdString(Draw1 + "\n" + corrected + "\n" + Draw3.substr(0, 31) + "\n" +
                                    MakeDrawLine("2026/01/07", "115004", {1, 1, 1, 1, 1}) + "\n"));
        markBeforeReload();
        Click(e, "Button1");
        EXPECT_FALSE(e.isVisible());
    });
    QTest::mouseClick(&Find<ClickLabel>(main(), "Label5"), Qt::LeftButton);

    EXPECT_EQ(platform.dialogs.texts(),
              QStringList{QStringLiteral("今彩539 TW539.txt 手動輸入資料 檔案儲存完成")});
    EXPECT_EQ(platform.dialogs.prompts[0].kind, DialogKind::Information);
    // The short line ends what is loaded.
    EXPECT_EQ(state().draws.DrawCount, 2);
    EXPECT_EQ(Label(main(), "lb_data2"), QStringLiteral("號碼(落球):39,07,08,09,10"));
    EXPECT_EQ(state().rules.RuleOkCount, 3);
    const std::string onDisk = drawFileBytes();
    EXPECT_EQ(onDisk.substr(0, 68),
              Draw1 + "\r\n" + MakeDrawLine("2026/01/03", "115002", {39, 7, 8, 9, 10}) + "\r\n");
    EXPECT_EQ(onDisk.size(), 4u * 34u - 1u); // four lines, CR LF each, the third one short
}

TEST_F(DrawEditorTest, FailedSaveKeepsTheTextAndTheFile) {
    startWith({Draw1, Draw2});
    const std::string before = drawFileBytes();
    const QString typed = QString::fromStdString(Draw1 + "\n" + Draw2 + "\n" + Draw3);
    inEditor([&](TForm_RK_stk_txtfile& e) {
        Type(e, "Memo1", typed);
        markBeforeReload();
        {
            WriteBlock block(dir.path());
            Click(e, "Button1");
        }
        EXPECT_TRUE(e.isVisible());
        EXPECT_EQ(Text(e, "Memo1"), typed);
        EXPECT_EQ(state().rules.RuleOkCount, 5); // no reload after a failed save
        ASSERT_EQ(platform.dialogs.prompts.size(), 1u);
        EXPECT_EQ(platform.dialogs.prompts[0].kind, DialogKind::Error);
        EXPECT_TRUE(platform.dialogs.lastText().contains(QStringLiteral("TW539.txt")));

        // Once the disk takes it again, the same text saves.
        Click(e, "Button1");
        EXPECT_FALSE(e.isVisible());
    });
    Click(main(), "Label4");
    EXPECT_EQ(drawFileBytes().size(), before.size() + 34u);
    EXPECT_EQ(state().draws.DrawCount, 3);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("TW539.txt")});
}

TEST_F(DrawEditorTest, SavedBadLineIsReportedOnceAndTheEditorStaysOpenToCorrectIt) {
    startWith({Draw1});
    const std::string badDate = "2026/02/30,115002,06,07,08,09,10"; // right length, no such day
    inEditor([&](TForm_RK_stk_txtfile& e) {
        Type(e, "Memo1", QString::fromStdString(Draw1 + "\n" + badDate + "\n" + Draw3));
        Click(e, "Button1");
        EXPECT_TRUE(e.isVisible());
        ASSERT_EQ(platform.dialogs.prompts.size(), 2u); // saved, then the bad line named once
        EXPECT_EQ(platform.dialogs.prompts[1].kind, DialogKind::Error);
        EXPECT_TRUE(platform.dialogs.lastText().contains(QString::fromStdString(badDate)));
        EXPECT_EQ(state().draws.DrawCount, 1); // the load stopped there
        EXPECT_TRUE(Text(e, "Memo1").contains(QString::fromStdString(badDate)));

        // Corrected and saved again: no error, the editor closes, everything loads.
        Type(e, "Memo1", QString::fromStdString(Draw1 + "\n" + Draw2 + "\n" + Draw3));
        platform.dialogs.prompts.clear();
        Click(e, "Button1");
        EXPECT_FALSE(e.isVisible());
    });
    Click(main(), "Label4");
    EXPECT_EQ(platform.dialogs.texts(),
              QStringList{QStringLiteral("今彩539 TW539.txt 手動輸入資料 檔案儲存完成")});
    EXPECT_EQ(state().draws.DrawCount, 3);
}

TEST_F(DrawEditorTest, ClosingWithoutSavingReloadsAndTheEditorIsKept) {
    startWith({Draw1});
    TForm_RK_stk_txtfile* first = nullptr;
    inEditor([&](TForm_RK_stk_txtfile& e) {
        first = &e;
        Type(e, "Memo1", QStringLiteral("typed but not saved"));
        dir.writeLines(QStringLiteral("TW539.txt"), {Draw1, Draw2}); // changed behind the editor's back
        markBeforeReload();
    });
    Click(main(), "Label4");
    EXPECT_EQ(state().draws.DrawCount, 2);
    EXPECT_EQ(state().rules.RuleOkCount, 3);
    EXPECT_EQ(drawFileBytes(), Draw1 + "\r\n" + Draw2 + "\r\n");

    // From the record viewer: the same editor, refilled from the file.
    inViewer([&](TForm_rk_lotto_record& v) {
        inEditor([&](TForm_RK_stk_txtfile& e) {
            EXPECT_EQ(&e, first);
            EXPECT_EQ(Text(e, "Memo1"), QString::fromStdString(Draw1 + "\n" + Draw2));
        });
        Click(v, "BitBtn3");
    });
    EXPECT_EQ(platform.shower.modalShown,
              (QStringList{QStringLiteral("Form_RK_stk_txtfile"), QStringLiteral("Form_rk_lotto_record"),
                           QStringLiteral("Form_RK_stk_txtfile")}));
    EXPECT_TRUE(platform.dialogs.prompts.empty());
}

TEST_F(DrawEditorTest, SecondGameEditsItsOwnFile) {
    startWith({Draw1});
    dir.writeLines(QStringLiteral("US539.txt"), {Draw3});
    Unhide(main(), "rb_mark6");
    Click(main(), "rb_mark6");
    inEditor([&](TForm_RK_stk_txtfile& e) {
        EXPECT_EQ(e.windowTitle(), QStringLiteral("加州夢幻５ US539.txt 手動輸入資料"));
        EXPECT_EQ(Picture(e, "Image1").toImage(), Picture(main(), "Image_m6").toImage());
        EXPECT_EQ(Text(e, "Memo1"), QString::fromStdString(Draw3));
        Click(e, "Button1"); // unchanged text: the same history
    });
    Click(main(), "Label4");
    EXPECT_EQ(state().draws.DrawCount, 1);
    EXPECT_EQ(state().draws.DrawId[1], "115003");
    EXPECT_EQ(drawFileBytes(), Draw1 + "\r\n");
}

TEST_F(DrawEditorTest, ATripleClickOnADrawSelectsThatDrawAlone) {
    startOnShippedHistory();
    const std::vector<std::string> lines = ReadTextLines(dir.file(QStringLiteral("TW539.txt")).toStdString());
    const std::string typed = lines[2].substr(0, 18) + "09,08,07,06,05"; // its numbers corrected
    inEditor([&](TForm_RK_stk_txtfile& e) {
        auto& memo = Find<QPlainTextEdit>(e, "Memo1");
        QTextCursor third(memo.document());
        third.setPosition(2 * 33 + 12); // in the third line, each 32 characters and its line end
        TripleClickAt(*memo.viewport(), memo.cursorRect(third).center());
        EXPECT_EQ(memo.textCursor().selectedText(),
                  QString::fromStdString(lines[2]) + QChar::ParagraphSeparator);

        QTest::keyClicks(&memo, QString::fromStdString(typed));
        QTest::keyClick(&memo, Qt::Key_Return);
        Click(e, "Button1");
    });
    Click(main(), "Label5");
    std::vector<std::string> expected = lines;
    expected[2] = typed;
    EXPECT_EQ(ReadTextLines(dir.file(QStringLiteral("TW539.txt")).toStdString()), expected);
}

TEST_F(DrawEditorTest, ALongFileIsEditedLineByLineAsTyped) {
    std::vector<std::string> lines;
    for (int i = 0; i < 40; ++i)
        lines.push_back(
            MakeDrawLine(DateFormat("yyyy/mm/dd", Date::fromDayNumber(Date{2026, 3, 1}.dayNumber() + i)),
                         std::to_string(115100 + i), {1, 2, 3, 4, i % 39 + 1}));
    startWith(lines);
    const std::string typed = MakeDrawLine("2026/02/28", "115099", {9, 8, 7, 6, 5});
    inEditor([&](TForm_RK_stk_txtfile& e) {
        auto& memo = Find<QPlainTextEdit>(e, "Memo1");
        EXPECT_EQ(MemoLines(memo), qsList(lines));
        // Down to the 21st line, past the lines shown at first, and a new draw typed before it.
        QTest::keyClick(&memo, Qt::Key_Home, Qt::ControlModifier);
        for (int i = 0; i < 20; ++i)
            QTest::keyClick(&memo, Qt::Key_Down);
        QTest::keyClick(&memo, Qt::Key_Home);
        QTest::keyClicks(&memo, QString::fromStdString(typed));
        QTest::keyClick(&memo, Qt::Key_Return);
        Click(e, "Button1");
    });
    Click(main(), "Label5");

    lines.insert(lines.begin() + 20, typed);
    std::string expected;
    for (const std::string& line : lines)
        expected += line + "\r\n";
    EXPECT_EQ(drawFileBytes(), expected);
    EXPECT_EQ(state().draws.DrawCount, 41);
}
