#include <QDir>
#include <algorithm>

#include "common/text_file.h"
#include "support/write_block.h"
#include "varnholt_fixture.h"

namespace {

// Draws dated one a day from 2009/01/01, so the window's opening date range lists them all.
std::vector<std::string> drawFile(const std::vector<std::array<int, 5>>& draws) {
    std::vector<std::string> lines;
    const Date start{2009, 1, 1};
    for (std::size_t d = 0; d < draws.size(); ++d)
        lines.push_back(MakeDrawLine(
            DateFormat("yyyy/mm/dd", Date::fromDayNumber(start.dayNumber() + static_cast<int>(d))),
            "0980" + NumText(static_cast<int>(d) + 1), draws[d]));
    return lines;
}

// Over 01..08: 01 02 03 drawn together twice, 01 02 04 once, 05 06 and 07 08 once each.
const std::vector<std::array<int, 5>> ArrangementDraws{
    {1, 2, 3, 30, 31}, {1, 2, 3, 32, 33}, {1, 2, 4, 34, 35}, {5, 6, 36, 37, 38}, {7, 8, 36, 37, 39}};

const std::vector<std::array<int, 5>> VerificationDraws{
    {1, 3, 5, 7, 9}, {2, 4, 11, 12, 13}, {20, 21, 22, 23, 24}};
// The line heading the reports over them.
const QString VerificationHeader = QStringLiteral("驗證期間：2009/01/01 至 2026/12/07 共   3 期");

class VarnholtReportsTest : public VarnholtWindowTest {
protected:
    void open(const std::vector<std::array<int, 5>>& draws) { VarnholtWindowTest::open(drawFile(draws)); }
    void select(std::initializer_list<int> numbers) {
        for (int n : numbers)
            Click(w(), NumberBox(n));
    }
    void layout(std::initializer_list<int> sizes) {
        Pick(w(), "CB_Select", QString::number(sizes.size()));
        int p = 0;
        for (int size : sizes)
            Pick(w(), SizeBox(++p), QString::number(size));
    }
    void typePillar(int p, const QStringList& numbers) { paste(PillarMemo(p), numbers); }
    QStringList lines(const char* memo) { return MemoLines(w(), memo); }
    QStringList pillar(int p) { return lines(PillarMemo(p)); }
    // The selected numbers hottest first, as the arrangement deals them: those the triple ranking
    // scores, then those the pair ranking scores, each score ending in its number.
    QStringList hottest() {
        QStringList numbers;
        for (const QString& score : lines("M3") + lines("M2"))
            if (!numbers.contains(score.right(2)))
                numbers << score.right(2);
        return numbers;
    }
    // The last n lines of a memo.
    QStringList tail(const char* memo, int n) { return lines(memo).mid(lines(memo).size() - n); }
    void expectNoPrompt() {
        EXPECT_TRUE(platform.dialogs.prompts.empty()) << platform.dialogs.lastText().toStdString();
    }
};

} // namespace

TEST_F(VarnholtReportsTest, ManualVerificationReadsThePillarMemosAsTyped) {
    open(VerificationDraws);
    const QStringList listing = lines("Memo1");
    layout({2, 2, 2});
    typePillar(1, {"01", "02"});
    typePillar(2, {"03", "04"});
    typePillar(3, {"05", "06"});
    Click(w(), "Button27");
    EXPECT_EQ(CurrentPage(w(), "PageC"), "TS6");
    QStringList report = lines("Memo2");
    ASSERT_EQ(report.size(), 3 + 23);
    EXPECT_EQ(report[0], listing[0] + QStringLiteral(",|,01,03,05,__,__,|,3,1,0"));
    EXPECT_EQ(report[1], listing[1] + QStringLiteral(",|,02,04,__,__,__,|,1,0,0"));
    EXPECT_EQ(report[2], listing[2] + QStringLiteral(",|,__,__,__,__,__,|,0,0,0"));
    // The summary, its lines joined by "|" here.
    EXPECT_EQ(report.mid(3).join(QLatin1Char('|')),
              QStringLiteral("|") + VerificationHeader +
                  QStringLiteral("||第1柱|01|02||第2柱|03|04||第3柱|05|06|"
                                 "|成本二星 12 碰|成本三星 8 碰|成本四星 0 碰|"
                                 "|開出星星統計|二星開出 4 碰|三星開出 1 碰|四星開出 0 碰"));
    EXPECT_EQ(tail("Memo2", 3)[0], QStringLiteral("二星開出 4 碰"));
    EXPECT_EQ(report.mid(report.indexOf(QStringLiteral("第3柱")), 3), (QStringList{"第3柱", "05", "06"}));
    // The draw memos are untouched, and a second run starts from a fresh listing.
    EXPECT_EQ(lines("Memo1"), listing);
    Click(w(), "Button27");
    EXPECT_EQ(lines("Memo2"), report);

    // A third line under a size of two: hit by the count, left out of the summary. A number typed
    // without its leading zero never matches.
    typePillar(1, {"01", "02", "07"});
    typePillar(2, {"3", "04"});
    Click(w(), "Button27");
    report = lines("Memo2");
    EXPECT_EQ(report[0], listing[0] + QStringLiteral(",|,01,__,05,07,__,|,2,0,0"));
    EXPECT_EQ(report.mid(6, 3), (QStringList{"第1柱", "01", "02"}));
    EXPECT_EQ(report[9], QString());
    EXPECT_EQ(tail("Memo2", 3), (QStringList{"二星開出 3 碰", "三星開出 0 碰", "四星開出 0 碰"}));
    expectNoPrompt();
}

TEST_F(VarnholtReportsTest, FullWheelOfTwoAndOfThirty) {
    open(VerificationDraws);
    const QStringList listing = lines("Memo1");
    select({1, 3});
    EXPECT_EQ(Label(w(), "Label41"), QStringLiteral("01,03,"));
    Click(w(), "Button9");
    QStringList report = lines("Memo3");
    ASSERT_EQ(report.size(), 3 + 14);
    EXPECT_EQ(report[0], listing[0] + QStringLiteral(",|,01,03,__,__,__,|,1,0,0"));
    EXPECT_EQ(report[1], listing[1] + QStringLiteral(",|,__,__,__,__,__,|,0,0,0"));
    EXPECT_EQ(report.mid(3), (QStringList{"", VerificationHeader, "", "如果您選擇連碰號碼( 2 碼)", "01,03",
                                          "", "每期二星 1 碰", "每期三星 0 碰", "每期四星 0 碰", "",
                                          "※開出統計※", "二星開出 1 碰", "三星開出 0 碰", "四星開出 0 碰"}));
    EXPECT_EQ(tail("Memo3", 3)[0], QStringLiteral("二星開出 1 碰"));

    // Thirty numbers without detail: the draw lines stay plain, and a second run without a new
    // query appends a second summary.
    Click(w(), "Button10");
    for (int h : {0, 1, 2})
        Click(w(), HeadBox(h));
    Click(w(), NumberBox(30));
    ASSERT_EQ(selected(), 30);
    Click(w(), "cb_detail");
    ASSERT_FALSE(Ticked(w(), "cb_detail"));
    Click(w(), "Button9");
    report = lines("Memo3");
    EXPECT_EQ(report.mid(0, 3), listing);
    EXPECT_EQ(report[6], QStringLiteral("如果您選擇連碰號碼( 30 碼)"));
    EXPECT_TRUE(report[7].startsWith(QStringLiteral("01,02,03,")));
    EXPECT_TRUE(report[7].endsWith(QStringLiteral(",29,30")));
    EXPECT_EQ(report.mid(9, 3), (QStringList{"每期二星 435 碰", "每期三星 4060 碰", "每期四星 27405 碰"}));
    // 01 03 05 07 09 holds five of them: 10, 10 and 5 bets; 02 04 11 12 13 likewise; 20..24 too.
    EXPECT_EQ(report.mid(14, 3), (QStringList{"二星開出 30 碰", "三星開出 30 碰", "四星開出 15 碰"}));
    Click(w(), "Button9");
    EXPECT_EQ(lines("Memo3").size(), report.size() * 2 - 3);
    EXPECT_EQ(tail("Memo3", 3), report.mid(14, 3));
    expectNoPrompt();
}

TEST_F(VarnholtReportsTest, FullWheelRefusesFewerThanTwoOrMoreThanThirty) {
    open(VerificationDraws);
    const QStringList before = lines("Memo3");
    select({5});
    Click(w(), "Button9");
    ASSERT_EQ(platform.dialogs.prompts.size(), 1u);
    EXPECT_EQ(platform.dialogs.lastText(),
              QStringLiteral("本分析所選的號碼必須是2-30個，請重新選擇後再操作本功能"));
    EXPECT_EQ(platform.dialogs.prompts[0].kind, DialogKind::Warning);
    EXPECT_EQ(CurrentPage(w(), "PageC"), "TS4");
    for (int h : {0, 1, 2, 3})
        Click(w(), HeadBox(h));
    platform.dialogs.prompts.clear();
    Click(w(), "Button9");
    EXPECT_EQ(platform.dialogs.texts(),
              QStringList{"本分析所選的號碼必須是2-30個，請重新選擇後再操作本功能"});
    EXPECT_EQ(lines("Memo3"), before);
}

TEST_F(VarnholtReportsTest, ClearingAnyMemoRerunsTheLastQueryIntoAllThree) {
    open(ArrangementDraws);
    const auto expectRelisted = [&](const char* clear, const QStringList& listing, const char* query) {
        for (const char* memo : {"Memo1", "Memo2", "Memo3"})
            paste(memo, {"edited", "by hand"});
        Click(w(), clear);
        for (const char* memo : {"Memo1", "Memo2", "Memo3"})
            EXPECT_EQ(lines(memo), listing) << query << " " << memo;
        EXPECT_EQ(Text(w(), "Edit1"), QStringLiteral("  ") + QString::number(listing.size())) << query;
    };
    expectRelisted("Button3", lines("Memo1"), "date range");
    Type(w(), "cbis", QStringLiteral("2"));
    Click(w(), "Button16");
    expectRelisted("Button20", lines("Memo1"), "latest");
    ASSERT_EQ(lines("Memo1").size(), 2);
    Pick(w(), "cb_intv", QStringLiteral("2"));
    Pick(w(), "cbis_2", QStringLiteral("20"));
    Click(w(), "Button17");
    expectRelisted("Button10", lines("Memo1"), "every second");
    ASSERT_EQ(lines("Memo1").size(), 3);
    Click(w(), "cb_ff"); // off
    Type(w(), "CB_xx", QStringLiteral("36"));
    Type(w(), "cb_prediction", QStringLiteral("0"));
    Click(w(), "Button18");
    expectRelisted("Button3", lines("Memo1"), "drag");
    ASSERT_EQ(lines("Memo1").size(), 1); // the latest draw holding 36 is left out
    expectNoPrompt();

    // The query refuses what was typed since: the warning, and the manual verification stops
    // without a report over an empty memo.
    Pick(w(), "cbis", QStringLiteral("20"));
    Click(w(), "Button16");
    Type(w(), "cbis", QStringLiteral("0"));
    const QStringList listing = lines("Memo1");
    Click(w(), "Button27");
    ASSERT_EQ(platform.dialogs.prompts.size(), 1u);
    EXPECT_EQ(platform.dialogs.prompts[0].kind, DialogKind::Warning);
    EXPECT_TRUE(lines("Memo2").isEmpty());
    EXPECT_EQ(lines("Memo1"), listing);
}

TEST_F(VarnholtReportsTest, ArrangementOfOneOneTwoTwoTwo) {
    open(ArrangementDraws);
    select({1, 2, 3, 4, 5, 6, 7, 8});
    layout({1, 1, 2, 2, 2});
    Click(w(), "Button19");
    // Single pillars: the hottest by triples (02 ahead of 01 on the tie); pairs: the least-hit
    // pairs of unplaced numbers, walked from the bottom of the ranking.
    EXPECT_EQ(pillar(1), QStringList{"02"});
    EXPECT_EQ(pillar(2), QStringList{"01"});
    EXPECT_EQ(pillar(3), (QStringList{"03", "04"}));
    EXPECT_EQ(pillar(4), (QStringList{"05", "07"}));
    EXPECT_EQ(pillar(5), (QStringList{"06", "08"}));
    EXPECT_EQ(lines("MM_2").first(), QStringLiteral("0102  003"));
    EXPECT_EQ(lines("MM_2").size(), 28);
    EXPECT_EQ(lines("M2"), (QStringList{"602", "601", "403", "204", "108", "107", "106", "105"}));
    EXPECT_EQ(lines("MM3_2").first(), QStringLiteral("010203  002"));
    EXPECT_EQ(lines("M3"), (QStringList{"302", "301", "203", "104"}));
    EXPECT_EQ(hottest(), (QStringList{"02", "01", "03", "04", "08", "07", "06", "05"}));

    // Verified at once over a fresh listing.
    EXPECT_EQ(CurrentPage(w(), "PageC"), "TS6");
    const QStringList report = lines("Memo2");
    ASSERT_EQ(report.size(), 5 + 29);
    EXPECT_EQ(report.mid(report.indexOf(QStringLiteral("第4柱")), 3), (QStringList{"第4柱", "05", "07"}));
    EXPECT_TRUE(report[0].endsWith(QStringLiteral(",30,31,|,01,02,03,__,__,|,3,1,0")));
    EXPECT_TRUE(report[4].endsWith(QStringLiteral(",|,07,08,__,__,__,|,1,0,0")));
    EXPECT_EQ(report.mid(7, 3), (QStringList{"", "第1柱", "02"}));
    EXPECT_EQ(tail("Memo2", 8),
              (QStringList{"成本二星 25 碰", "成本三星 38 碰", "成本四星 28 碰", "", "開出星星統計",
                           "二星開出 11 碰", "三星開出 3 碰", "四星開出 0 碰"}));
    expectNoPrompt();
}

TEST_F(VarnholtReportsTest, ArrangementOfThreeThreeTwoReplacesTheEarlierOne) {
    open(ArrangementDraws);
    select({1, 2, 3, 4, 5, 6, 7, 8});
    layout({1, 1, 2, 2, 2});
    Click(w(), "Button19");
    layout({3, 3, 2});
    Click(w(), "Button19");
    // Each pillar of three the least-hit triple of unplaced numbers, the pair what remains.
    EXPECT_EQ(pillar(1), (QStringList{"01", "02", "05"}));
    EXPECT_EQ(pillar(2), (QStringList{"03", "04", "06"}));
    EXPECT_EQ(pillar(3), (QStringList{"07", "08"}));
    EXPECT_TRUE(pillar(4).isEmpty());
    EXPECT_TRUE(pillar(5).isEmpty());
    const QStringList report = lines("Memo2");
    EXPECT_FALSE(report.contains(QStringLiteral("第4柱")));
    ASSERT_EQ(report.size(), 5 + 25);
    EXPECT_TRUE(report[0].endsWith(QStringLiteral(",|,01,02,03,__,__,|,2,0,0")));
    EXPECT_TRUE(report[4].endsWith(QStringLiteral(",|,07,08,__,__,__,|,0,0,0")));
    EXPECT_EQ(tail("Memo2", 8),
              (QStringList{"成本二星 21 碰", "成本三星 18 碰", "成本四星 0 碰", "", "開出星星統計",
                           "二星開出 7 碰", "三星開出 0 碰", "四星開出 0 碰"}));
    expectNoPrompt();
}

TEST_F(VarnholtReportsTest, ArrangementDialogs) {
    open(ArrangementDraws);
    typePillar(1, {"11", "12"});
    const QStringList before = lines("Memo2");
    const auto expectUnchanged = [&](const char* what) {
        EXPECT_EQ(pillar(1), (QStringList{"11", "12"})) << what;
        EXPECT_EQ(lines("Memo2"), before) << what;
    };

    select({1, 2, 3, 4});
    ShowPage(w(), "TS5");
    Click(w(), "Button19");
    EXPECT_EQ(platform.dialogs.texts(),
              QStringList{"本分析所選的號碼必須是5-30個，請重新選擇後再操作本功能"});
    EXPECT_EQ(CurrentPage(w(), "PageC"), "TS4");
    expectUnchanged("four numbers");

    platform.dialogs.prompts.clear();
    select({5, 6, 7, 8});
    layout({3, 3, 3});
    Click(w(), "Button19");
    EXPECT_EQ(platform.dialogs.texts(), QStringList{"立柱的號碼數與上面所選的不相同"});
    EXPECT_EQ(platform.dialogs.prompts[0].kind, DialogKind::Warning);
    EXPECT_EQ(CurrentPage(w(), "PageC"), "TS5");
    expectUnchanged("eight for nine");

    // More than twenty: told to wait, then arranged, every number once.
    platform.dialogs.prompts.clear();
    for (int h : {0, 1, 2})
        Click(w(), HeadBox(h));
    Click(w(), NumberBox(9)); // off: 01..08 and 10..29 remain, 28 numbers
    ASSERT_EQ(selected(), 28);
    layout({4, 4, 4, 4, 4, 4, 4});
    Click(w(), "Button19");
    EXPECT_EQ(platform.dialogs.texts(), QStringList{"您選擇的號碼較多，計算需要一些時間，請耐心等候結果"});
    QStringList placed;
    for (int p = 1; p <= 7; ++p) {
        EXPECT_EQ(pillar(p).size(), 4) << p;
        placed << pillar(p);
    }
    placed.sort();
    EXPECT_EQ(placed,
              Label(w(), "Label6").remove(QLatin1Char(' ')).split(QLatin1Char(','), Qt::SkipEmptyParts));
    EXPECT_EQ(CurrentPage(w(), "PageC"), "TS6");
}

TEST_F(VarnholtReportsTest, CopyButtonsPutTheWholeMemoOnTheClipboard) {
    open(VerificationDraws);
    paste("mm3", {"010203  002"});
    const std::vector<std::pair<const char*, const char*>> copies{
        {"Button4", "Memo1"}, {"Button21", "Memo2"}, {"Button11", "Memo3"}, {"BitBtn2", "mm3"}};
    for (const auto& [button, memo] : copies) {
        paste(memo, lines(memo) << QString::fromUtf8(memo));
        platform.clipboard.content.clear();
        Click(w(), button);
        EXPECT_EQ(platform.clipboard.content, Text(w(), memo)) << button;
        EXPECT_TRUE(platform.clipboard.content.endsWith(QString::fromUtf8(memo)));
        ASSERT_FALSE(platform.dialogs.prompts.empty());
        EXPECT_EQ(platform.dialogs.prompts.back().text, QStringLiteral("資料已複製Copy"));
        EXPECT_TRUE(platform.dialogs.prompts.back().plain);
    }
}

TEST_F(VarnholtReportsTest, SavingWritesTheMemoLinesAsBig5WithCrLf) {
    open(VerificationDraws);
    select({1, 3});
    Click(w(), "Button9");
    layout({2, 2, 2});
    typePillar(1, {"01", "02"});
    typePillar(2, {"03", "04"});
    typePillar(3, {"05", "06"});
    Click(w(), "Button27");
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("saves")));

    struct Save {
        const char* button;
        const char* memo;
        const char* name;
        bool csv;
    };
    for (const Save& save :
         {Save{"Button5", "Memo1", "m1.txt", false}, Save{"Button6", "Memo1", "m1.csv", true},
          Save{"Button22", "Memo2", "m2.txt", false}, Save{"Button23", "Memo2", "m2.csv", true},
          Save{"Button13", "Memo3", "m3.txt", false}, Save{"Button15", "Memo3", "m3.csv", true}}) {
        const QString file = dir.file(QStringLiteral("saves/") + QString::fromUtf8(save.name));
        platform.dialogs.saveAs(file);
        Click(w(), save.button);
        ASSERT_FALSE(platform.dialogs.saveRequests.empty());
        const SaveFileRequest& request = platform.dialogs.saveRequests.back();
        EXPECT_EQ(request.title, QStringLiteral("儲存開獎資料"));
        EXPECT_EQ(request.defaultSuffix, save.csv ? QStringLiteral("csv") : QStringLiteral("txt"));
        EXPECT_EQ(request.filter,
                  save.csv ? QStringLiteral("Execel檔案(*.csv)") : QStringLiteral("文字檔案(*.txt)"));

        const QStringList memo = lines(save.memo);
        const std::string bytes = ReadFileBytes(file.toStdString());
        EXPECT_EQ(bytes, Utf8ToBig5(memo.join(QStringLiteral("\r\n")).toStdString() + "\r\n")) << save.name;
    }
    // Every line ends in CR LF, and the report's Chinese text is not left in UTF-8.
    const std::string report = ReadFileBytes(dir.file(QStringLiteral("saves/m2.txt")).toStdString());
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), std::count(report.begin(), report.end(), '\r'));
    EXPECT_EQ(report.find("開出星星統計"), std::string::npos);
    EXPECT_NE(report.find(Utf8ToBig5("開出星星統計\r\n")), std::string::npos);

    // Cancelling writes nothing.
    platform.dialogs.saveAs(QString());
    Click(w(), "Button22");
    EXPECT_EQ(QDir(dir.file(QStringLiteral("saves"))).entryList(QDir::Files | QDir::Hidden).size(), 6);
    expectNoPrompt();
}

TEST_F(VarnholtReportsTest, SavingWhereNothingCanBeWrittenShowsTheErrorAndKeepsTheOldFile) {
    open(VerificationDraws);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("out")));
    const QString file = dir.file(QStringLiteral("out/report.csv"));
    platform.dialogs.saveAs(file);
    Click(w(), "Button23");
    const std::string saved = ReadFileBytes(file.toStdString());

    select({1, 3});
    Click(w(), "Button9");
    const QStringList report = lines("Memo3");
    {
        WriteBlock block(dir.file(QStringLiteral("out")));
        platform.dialogs.saveAs(file);
        Click(w(), "Button15");
    }
    ASSERT_EQ(platform.dialogs.prompts.size(), 1u);
    EXPECT_EQ(platform.dialogs.prompts[0].kind, DialogKind::Error);
    EXPECT_TRUE(platform.dialogs.prompts[0].text.contains(file)) << platform.dialogs.lastText().toStdString();
    EXPECT_EQ(lines("Memo3"), report);
    EXPECT_EQ(ReadFileBytes(file.toStdString()), saved);
    EXPECT_EQ(QDir(dir.file(QStringLiteral("out"))).entryList(QDir::Files | QDir::Hidden).size(), 1);
}
