#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include "common/text_file.h"
#include "platform/qt_text.h"
#include "split_reference.h"
#include "varnholt_fixture.h"

namespace {

// A result line cut back into its totals and its split.
struct Result {
    int star4 = -1, star3 = -1, star2 = -1;
    std::string split;
    PillarNumbers pillars;
};

Result ParseResult(const QString& line) {
    Result r;
    for (const auto& [name, total] :
         {std::pair{QStringLiteral("四星"), &r.star4}, std::pair{QStringLiteral("三星"), &r.star3},
          std::pair{QStringLiteral("二星"), &r.star2}}) {
        const QRegularExpressionMatch m = QRegularExpression(name + QStringLiteral("(\\d+)碰")).match(line);
        if (m.hasMatch())
            *total = m.captured(1).toInt();
    }
    const qsizetype at = line.indexOf(QStringLiteral("---("));
    if (at < 0 || !line.endsWith(QLatin1Char(')')))
        return r;
    const QString groups = line.mid(at + 4, line.size() - at - 5);
    for (const QString& group : groups.split(QStringLiteral(") x ("))) {
        r.pillars.push_back(ssList(group.split(QLatin1Char(','))));
        for (const std::string& n : r.pillars.back())
            r.split += n;
    }
    return r;
}

// The numbers of the selection a left-out line names.
QStringList LeftOut(const QString& line) {
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^【沒有用到的號碼：([0-9x]*)】$")).match(line);
    return m.hasMatch() ? m.captured(1).split(QLatin1Char('x'))
                        : QStringList{QStringLiteral("<no left-out line>")};
}

std::vector<int> Range(int first, int last) {
    std::vector<int> numbers;
    for (int n = first; n <= last; ++n)
        numbers.push_back(n);
    return numbers;
}

class VarnholtSearchTest : public VarnholtWindowTest {
protected:
    void select(const std::vector<int>& numbers) {
        Click(w(), "Button8");
        for (int n : numbers)
            Click(w(), NumberBox(n));
        ASSERT_EQ(selected(), static_cast<int>(numbers.size()));
    }
    QStringList memo2() { return MemoLines(w(), "Memo2"); }
    // The report as written, its closing empty line included.
    QStringList report() { return Text(w(), "Memo2").split(QLatin1Char('\n')); }
    QStringList pillarMemo(int p) { return MemoLines(w(), PillarMemo(p)); }
    QStringList layout(int pillars) {
        QStringList out;
        for (int p = 1; p <= pillars; ++p)
            out << pillarMemo(p).join(QLatin1Char(','));
        return out;
    }
    // Clicks a subset search's start button and waits until the run has ended.
    void runSubsetSearch(const char* start) {
        QSignalSpy ended(&w(), &TForm_varnholt::subsetSearchEnded);
        Click(w(), start);
        ASSERT_TRUE(w().subsetSearchRunning());
        ASSERT_TRUE(ended.wait(300000)) << "the search did not end";
        EXPECT_FALSE(w().subsetSearchRunning());
    }
    // The report file as the program wrote it: Big5 with CR LF line ends.
    std::string reportFile(const char* name) {
        return FileExists(dir.file(QString::fromUtf8(name)).toStdString())
                   ? ReadFileBytes(dir.file(QString::fromUtf8(name)).toStdString())
                   : std::string("<no file>");
    }
    static std::string Big5Lines(const QStringList& lines) {
        std::string text;
        for (const QString& line : lines)
            text += line.toStdString() + "\r\n";
        return Utf8ToBig5(text);
    }
    void expectWarning(const QString& text) {
        ASSERT_FALSE(platform.dialogs.prompts.empty()) << text.toStdString();
        EXPECT_EQ(platform.dialogs.prompts.back().text, text);
        EXPECT_EQ(platform.dialogs.prompts.back().kind, DialogKind::Warning);
        EXPECT_EQ(platform.dialogs.prompts.back().buttons, DialogButtons::Ok);
        platform.dialogs.prompts.clear();
    }
    // The result lines lines[first], lines[first + stride], ...: each scored as a plain count over
    // the draw memo scores it, in descending order.
    void expectRanked(const QStringList& lines, int first, int stride, int count, SplitShape shape,
                      StarOrder order) {
        const SlowMemo pieces = SlowMemoPieces(ssList(memo1()));
        std::string previous = "~";
        for (int r = 0; r < count; ++r) {
            ASSERT_GT(lines.size(), first + stride * r);
            const Result result = ParseResult(lines[first + stride * r]);
            const std::string scored =
                ScoreKey({result.star2, result.star3, result.star4}, order) + "_" + result.split;
            EXPECT_EQ(SlowScoredText(shape, result.split, pieces, order), scored) << r;
            EXPECT_LT(scored, previous) << r;
            previous = scored;
        }
    }
    // A subset report's entries: ranked, each with the numbers of the selection it leaves out and an
    // empty line, and the best split in the layout.
    void expectSubsetResults(const QStringList& lines, int listed, SplitShape shape, StarOrder order) {
        expectRanked(lines, 13, 3, listed, shape, order);
        const QStringList selection = this->selection();
        for (int r = 0; r < listed; ++r) {
            QStringList all = LeftOut(lines[14 + 3 * r]);
            for (const auto& pillar : ParseResult(lines[13 + 3 * r]).pillars)
                all << qsList(pillar);
            all.sort();
            EXPECT_EQ(all, selection) << r;
            EXPECT_EQ(lines[15 + 3 * r], QString()) << r;
        }
        const PillarNumbers best = ParseResult(lines[13]).pillars;
        for (int p = 1; p <= static_cast<int>(best.size()); ++p)
            EXPECT_EQ(ssList(pillarMemo(p)), best[static_cast<std::size_t>(p - 1)]) << p;
    }
};

} // namespace

TEST_F(VarnholtSearchTest, EightNumberSearchesRefuseOtherCountsAndPlaceTheBestSplit) {
    open();
    paste("Memo2", {QStringLiteral("earlier report")});
    Type(w(), "cb9", QStringLiteral("5"));
    for (int count : {7, 9}) {
        select(Range(1, count));
        for (const char* start : {"Button12", "Button29"}) {
            Click(w(), start);
            expectWarning(QStringLiteral("本分析所選的號碼必須是８個，請重新選擇後再操作本功能"));
            EXPECT_EQ(CurrentPage(w(), "PageC"), "TS4");
            EXPECT_EQ(memo2(), QStringList{QStringLiteral("earlier report")});
            EXPECT_EQ(Text(w(), "cb9"), QStringLiteral("5")) << "the eight-number guard leaves cb9";
            EXPECT_TRUE(w().rankedSplits().empty());
        }
    }

    // Selection 01..08 over an empty draw memo: zero totals, ranked by split text alone.
    select(Range(1, 8));
    Type(w(), "Memo1", QString());
    Click(w(), "Button12");
    QStringList lines = report();
    ASSERT_EQ(lines.size(), 13 + 2 * 30);
    EXPECT_EQ(lines[0], QStringLiteral("８碼立柱 = 2x2x2x2 優柱分析"));
    EXPECT_EQ(lines[2], QStringLiteral("驗證期間：2009/01/01 至 2026/12/07 共   10 期"));
    EXPECT_EQ(lines[5], QStringLiteral("01,02,03,04,05,06,07,08"));
    EXPECT_EQ(lines[13], QStringLiteral("四星0碰,三星0碰,二星0碰---(01,08) x (02,07) x (03,06) x (04,05)"));
    EXPECT_EQ(layout(4), (QStringList{"01,08", "02,07", "03,06", "04,05"}));
    EXPECT_EQ(pillarMemo(3).value(1), QStringLiteral("06"));
    EXPECT_EQ(w().rankedSplits().size(), 105u);
    EXPECT_EQ(CurrentPage(w(), "PageC"), "TS6");

    // 1x1x2x2x2 from a three-pillar layout: five pillars, priced, the singles first.
    Pick(w(), "CB_Select", QStringLiteral("3"));
    Click(w(), "Button29");
    EXPECT_EQ(Text(w(), "CB_Select"), QStringLiteral("5"));
    EXPECT_TRUE(Enabled(w(), SizeBox(5)));
    EXPECT_EQ(Text(w(), SizeBox(2)), QStringLiteral("1"));
    EXPECT_EQ(Text(w(), SizeBox(5)), QStringLiteral("2"));
    EXPECT_EQ(Label(w(), "lb_pon2"), QStringLiteral("二星= 25 碰"));
    lines = report();
    EXPECT_EQ(lines[0], QStringLiteral("８碼立柱 = 1x1x2x2x2 優柱分析"));
    EXPECT_EQ(lines[7], QStringLiteral("成本二星 25 碰"));
    EXPECT_TRUE(lines[13].endsWith(QStringLiteral("---(07) x (08) x (01,06) x (02,05) x (03,04)")));
    EXPECT_EQ(layout(5), (QStringList{"07", "08", "01,06", "02,05", "03,04"}));
    EXPECT_EQ(w().rankedSplits().size(), 420u);

    // One draw 01 03 05 07 09: the 24 splits that part 01, 03, 05 and 07 win 1, 4 and 6; ties go to
    // the larger split text.
    paste("Memo1", {QString::fromStdString(MemoLine(1, {1, 3, 5, 7, 9}))});
    Click(w(), "Button12");
    lines = report();
    EXPECT_EQ(lines[13], QStringLiteral("四星1碰,三星4碰,二星6碰---(01,08) x (02,07) x (03,06) x (04,05)"));
    EXPECT_EQ(lines[15], QStringLiteral("四星1碰,三星4碰,二星6碰---(01,08) x (02,07) x (03,04) x (05,06)"));
    EXPECT_TRUE(lines[13 + 2 * 24].startsWith(QStringLiteral("四星0碰,")))
        << lines[13 + 2 * 24].toStdString();
    EXPECT_EQ(w().rankedSplits()[23].totals, (StarTotals{6, 4, 1}));
    EXPECT_EQ(layout(4), (QStringList{"01,08", "02,07", "03,06", "04,05"}));
    EXPECT_TRUE(platform.dialogs.prompts.empty()) << platform.dialogs.lastText().toStdString();
}

TEST_F(VarnholtSearchTest, NineAndTenNumberSearchesSetTheCountBoxAndRankByRG1) {
    open();
    select(Range(1, 11));
    Click(w(), "Button30");
    expectWarning(QStringLiteral("本分析所選的號碼必須是１０個，請重新選擇後再操作本功能"));
    EXPECT_EQ(Text(w(), "cb9"), QStringLiteral("10"));
    EXPECT_EQ(CurrentPage(w(), "PageC"), "TS4");
    Click(w(), "Button28");
    expectWarning(QStringLiteral("本分析所選的號碼必須是９個，請重新選擇後再操作本功能"));
    EXPECT_EQ(Text(w(), "cb9"), QStringLiteral("9"));

    // 01..09 over an empty memo; RG1 is not read by this search.
    select(Range(1, 9));
    Type(w(), "Memo1", QString());
    Pick(w(), "RG1", 2);
    Click(w(), "Button28");
    QStringList lines = report();
    ASSERT_EQ(lines.size(), 13 + 2 * 30);
    EXPECT_EQ(lines[0], QStringLiteral("９碼立柱 = 3x3x3 優柱分析"));
    EXPECT_EQ(lines[4], QStringLiteral("您選擇的立柱號碼( 9 碼)"));
    EXPECT_EQ(lines.mid(7, 3), (QStringList{"成本二星 27 碰", "成本三星 27 碰", "成本四星 0 碰"}));
    EXPECT_EQ(lines[11], QStringLiteral("以下按三星/二星次數排列三十組"));
    EXPECT_EQ(lines[12], QString(15, QChar(0xFFE3)));
    EXPECT_EQ(lines[13], QStringLiteral("三星0碰,二星0碰---(01,08,09) x (02,06,07) x (03,04,05)"));
    EXPECT_EQ(Text(w(), "CB_Select"), QStringLiteral("3"));
    EXPECT_EQ(Text(w(), SizeBox(4)), QStringLiteral("0"));
    EXPECT_FALSE(Enabled(w(), SizeBox(4)));
    EXPECT_EQ(layout(3), (QStringList{"01,08,09", "02,06,07", "03,04,05"}));
    EXPECT_EQ(w().rankedSplits().size(), 280u);

    // 01..10: no candidate puts 01 into a pillar of three.
    select(Range(1, 10));
    Pick(w(), "RG1", 0);
    Click(w(), "Button30");
    lines = report();
    ASSERT_EQ(lines.size(), 13 + 2 * 20);
    EXPECT_EQ(lines[0], QStringLiteral("１０碼立柱 = 2x2x3x3 優柱分析"));
    EXPECT_EQ(lines.mid(7, 3), (QStringList{"成本二星 37 碰", "成本三星 60 碰", "成本四星 36 碰"}));
    EXPECT_EQ(lines[11], QStringLiteral("以下按四星優先，四-三-二星開出統計排列"));
    EXPECT_EQ(lines[12], QString(20, QChar(0xFFE3)));
    EXPECT_TRUE(lines[13].endsWith(QStringLiteral("---(01,10) x (08,09) x (02,06,07) x (03,04,05)")));
    EXPECT_EQ(layout(4), (QStringList{"01,10", "08,09", "02,06,07", "03,04,05"}));
    ASSERT_EQ(w().rankedSplits().size(), 2520u);
    for (const ScoredSplit& split : w().rankedSplits())
        EXPECT_EQ(split.split.find("01"), 0u) << split.split;

    // Over the listed draws each RG1 item ranks by its own total first, and says so.
    w().rerunQuery();
    const std::array<QString, 3> headings{"以下按四星優先，四-三-二星開出統計排列",
                                          "以下按三星優先，三-二-四星開出統計排列",
                                          "以下按二星優先，二-三-四星開出統計排列"};
    for (int item : {2, 1, 0}) {
        Pick(w(), "RG1", item);
        Click(w(), "Button30");
        lines = report();
        EXPECT_EQ(lines[11], headings[static_cast<std::size_t>(item)]);
        EXPECT_EQ(lines[13].left(2), headings[static_cast<std::size_t>(item)].mid(3, 2)) << "its total first";
        expectRanked(lines, 13, 2, 20, SplitShape::Mixed2233, StarOrderOfItem(item));
    }
    EXPECT_TRUE(platform.dialogs.prompts.empty()) << platform.dialogs.lastText().toStdString();
}

TEST_F(VarnholtSearchTest, SubsetSearchesAskAndRefuseOtherCounts) {
    open();
    select(Range(1, 11));
    Click(w(), "Button31");
    expectWarning(QStringLiteral("本分析所選的號碼必須是１２個，請重新選擇後再操作本功能"));
    EXPECT_EQ(Text(w(), "cb9"), QStringLiteral("12"));
    EXPECT_EQ(CurrentPage(w(), "PageC"), "TS4");
    EXPECT_FALSE(w().subsetSearchRunning());
    EXPECT_FALSE(Visible(w(), "btn_stop"));

    // No to the question: nothing happens, not even the count check.
    platform.dialogs.answer(DialogAnswer::No);
    Click(w(), "Button32");
    ASSERT_EQ(platform.dialogs.prompts.size(), 1u);
    EXPECT_EQ(platform.dialogs.prompts[0].text,
              QStringLiteral("執行【15取10超優分析】可能需費時３-４小時(依電腦性能而定，)\n\n"
                             "是否繼續？如果要確定要計算請按 Yes，否則按 No 離開\n\n"
                             "計算過程中，可隨時按【中斷】鍵，中止計算，\n\n"
                             "計算超過 5/3003，即可顯示結果。"));
    EXPECT_EQ(platform.dialogs.prompts[0].kind, DialogKind::Information);
    EXPECT_EQ(platform.dialogs.prompts[0].buttons, DialogButtons::YesNo);
    EXPECT_EQ(CurrentPage(w(), "PageC"), "TS5");
    EXPECT_EQ(Text(w(), "cb9"), QStringLiteral("12"));
    platform.dialogs.prompts.clear();

    platform.dialogs.answer(DialogAnswer::Yes);
    Click(w(), "Button32");
    ASSERT_EQ(platform.dialogs.prompts.size(), 2u);
    expectWarning(QStringLiteral("本分析所選的號碼必須是１５個，請重新選擇後再操作本功能"));
    EXPECT_EQ(Text(w(), "cb9"), QStringLiteral("15"));
    EXPECT_FALSE(w().subsetSearchRunning());
    EXPECT_FALSE(Visible(w(), "lb_percent"));
    EXPECT_EQ(reportFile("C15_10.txt"), "<no file>");
}

TEST_F(VarnholtSearchTest, TwelveOfEightRunsWithTheOtherInputsDisabledAndSavesItsReport) {
    open();
    select(Range(3, 14));
    Pick(w(), "RG1", 1);
    std::vector<int> steps;
    QObject::connect(&w(), &TForm_varnholt::subsetSearchStep, &w(), [&](int subset) {
        steps.push_back(subset);
        if (subset != 100)
            return;
        // While it runs: only the stop button acts (RG1 included: the order picked at the start holds),
        // and closing is refused.
        EXPECT_TRUE(Text(w(), "Button31").endsWith(QStringLiteral("%處理中")))
            << Text(w(), "Button31").toStdString();
        EXPECT_TRUE(Visible(w(), "btn_stop"));
        EXPECT_TRUE(Enabled(w(), "btn_stop"));
        EXPECT_TRUE(Focused(w(), "btn_stop") || !w().isActiveWindow());
        for (const char* input : {"Button12", "Button31", "Button32", "CB_Select", "ComboBox1", "Mx1", "RG1",
                                  "TS2", "TS4", "TS6"})
            EXPECT_FALSE(Enabled(w(), input)) << input;
        w().close();
        EXPECT_TRUE(w().isVisible());
    });
    runSubsetSearch("Button31");
    ASSERT_EQ(steps.size(), 495u);
    EXPECT_EQ(steps.front(), 1);
    EXPECT_EQ(steps.back(), 495);

    const QStringList lines = report();
    ASSERT_EQ(lines.size(), 13 + 3 * 20 + 1);
    EXPECT_EQ(lines[0], QStringLiteral("１２選８碼立柱 = 2x2x2x2 優柱分析"));
    EXPECT_EQ(lines[5], QStringLiteral("03,04,05,06,07,08,09,10,11,12,13,14"));
    EXPECT_EQ(lines[11], QStringLiteral("以下按三星優先，三-二-四星開出統計排列"));
    expectSubsetResults(lines, 20, SplitShape::Pairs2222, StarOrder::ThreeTwoFour);
    EXPECT_EQ(lines.back(), QStringLiteral("( 計算時間 2026/12/07 10:20:30 - 2026/12/07 10:20:30 )"));
    EXPECT_EQ(reportFile("C12_8.txt"), Big5Lines(lines));

    // Idle again: everything enabled as before, the layout 2x2x2x2.
    EXPECT_EQ(Text(w(), "Button31"), QStringLiteral("12取8超優分析"));
    EXPECT_FALSE(Visible(w(), "btn_stop"));
    EXPECT_FALSE(w().StopFlag1208);
    EXPECT_EQ(CurrentPage(w(), "PageC"), "TS6");
    for (const char* input : {"Button12", "Button32", "RG1", "TS2", "ComboBox4"})
        EXPECT_TRUE(Enabled(w(), input)) << input;
    EXPECT_FALSE(Enabled(w(), SizeBox(5)));
    EXPECT_EQ(Label(w(), "lb_tot"), QStringLiteral("共= 72 碰"));

    // A second run over another selection replaces the file with its own report, nothing of the first left.
    select(Range(20, 31));
    runSubsetSearch("Button31");
    const QStringList second = report();
    ASSERT_EQ(second.size(), 13 + 3 * 20 + 1);
    EXPECT_EQ(second[5], QStringLiteral("20,21,22,23,24,25,26,27,28,29,30,31"));
    EXPECT_NE(second, lines);
    EXPECT_EQ(reportFile("C12_8.txt"), Big5Lines(second));
    EXPECT_TRUE(platform.dialogs.prompts.empty()) << platform.dialogs.lastText().toStdString();
}

TEST_F(VarnholtSearchTest, FifteenOfTenOverTheLatest500RealDraws) {
    dir.copyData(QStringLiteral("TW539.txt"));
    loadDrawFile();
    showAlone();
    Type(w(), "cbis", QStringLiteral("500"));
    Click(w(), "Button16");
    ASSERT_EQ(memo1().size(), 500);
    // The fifteen hottest numbers of the window, as the pick button chooses them.
    Type(w(), "cb9", QStringLiteral("15"));
    Click(w(), "Button7");
    ASSERT_EQ(selected(), 15);

    platform.dialogs.answer(DialogAnswer::Yes);
    int steps = 0;
    QObject::connect(&w(), &TForm_varnholt::subsetSearchStep, &w(), [&](int subset) {
        ++steps;
        if (subset == 1) {
            EXPECT_TRUE(Visible(w(), "lb_percent"));
            EXPECT_TRUE(Visible(w(), "btn_stop_1510"));
            EXPECT_EQ(Text(w(), "Button32"), QStringLiteral("0.03%處理中"));
        }
    });
    runSubsetSearch("Button32");
    EXPECT_EQ(steps, 3003);
    EXPECT_EQ(Label(w(), "lb_percent"), QStringLiteral("3003 / 3003"));

    const QStringList lines = report();
    ASSERT_EQ(lines.size(), 13 + 3 * 5 + 2);
    EXPECT_EQ(lines[0], QStringLiteral("１５選１０碼立柱 = 2x2x3x3 優柱分析"));
    EXPECT_EQ(lines[2], QStringLiteral("最近 500 期驗證"));
    EXPECT_EQ(lines.mid(7, 3), (QStringList{"成本二星 37 碰", "成本三星 60 碰", "成本四星 36 碰"}));
    EXPECT_EQ(lines[11], QStringLiteral("以下按四星優先，四-三-二星開出統計排列"));
    expectSubsetResults(lines, 5, SplitShape::Mixed2233, StarOrder::FourThreeTwo);
    EXPECT_EQ(lines[lines.size() - 2], QStringLiteral("※ 以上結果為計算所有組合之 ﹙3003 / 3003 ﹚"));
    EXPECT_EQ(lines.back(), QStringLiteral(" 計算時間 2026/12/07 10:20:30 - 2026/12/07 10:20:30 "));
    EXPECT_EQ(reportFile("C15_10.txt"), Big5Lines(lines));

    EXPECT_EQ(Text(w(), "Button32"), QStringLiteral("15取10超優分析"));
    EXPECT_FALSE(Visible(w(), "lb_percent"));
    EXPECT_FALSE(Visible(w(), "btn_stop_1510"));
    EXPECT_EQ(CurrentPage(w(), "PageC"), "TS6");
    EXPECT_EQ(Text(w(), "CB_Select"), QStringLiteral("4"));
    EXPECT_EQ(Label(w(), "lb_pon4"), QStringLiteral("四星= 36 碰"));
    EXPECT_EQ(pillarMemo(3).size(), 3);
    ASSERT_EQ(platform.dialogs.prompts.size(), 1u);
    EXPECT_EQ(platform.dialogs.prompts[0].kind, DialogKind::Information);
}

TEST_F(VarnholtSearchTest, StoppedRunsReportOnlyWhatTheyMayAndLeaveTheFlagClear) {
    open();
    // Stop the next run when it is about to search this subset.
    int stopAt = 0;
    QObject::connect(&w(), &TForm_varnholt::subsetSearchStep, &w(), [&](int subset) {
        if (subset != stopAt)
            return;
        const char* stop = Visible(w(), "btn_stop") ? "btn_stop" : "btn_stop_1510";
        Click(w(), stop);
        EXPECT_FALSE(Visible(w(), stop));
    });

    // 12-of-8: no report, no file, the memo emptied.
    select(Range(1, 12));
    paste("Memo2", {QStringLiteral("earlier report")});
    stopAt = 3;
    runSubsetSearch("Button31");
    EXPECT_TRUE(memo2().isEmpty());
    EXPECT_EQ(Text(w(), "Button31"), QStringLiteral("12取8超優分析"));
    EXPECT_FALSE(Visible(w(), "btn_stop"));
    EXPECT_FALSE(w().StopFlag1208);
    EXPECT_EQ(CurrentPage(w(), "PageC"), "TS5");
    EXPECT_EQ(reportFile("C12_8.txt"), "<no file>");
    EXPECT_TRUE(Enabled(w(), "Button12"));

    // A click that reaches the hidden stop button after its run cannot stop the next run.
    emit Find<QPushButton>(w(), "btn_stop").clicked();
    EXPECT_FALSE(w().StopFlag1208);
    stopAt = 0;
    runSubsetSearch("Button31");
    EXPECT_EQ(memo2().size(), 13 + 3 * 20 + 1);
    EXPECT_NE(reportFile("C12_8.txt"), "<no file>");

    // 15-of-10 stopped before the sixth subset: the five done are ranked and reported.
    select(Range(21, 35));
    stopAt = 6;
    platform.dialogs.answer(DialogAnswer::Yes);
    runSubsetSearch("Button32");
    QStringList lines = report();
    ASSERT_EQ(lines.size(), 13 + 3 * 5 + 2);
    EXPECT_EQ(lines[lines.size() - 2], QStringLiteral("※ 以上結果為計算所有組合之 ﹙5 / 3003 ﹚"));
    EXPECT_EQ(reportFile("C15_10.txt"), Big5Lines(lines));
    // The first five subsets drop 21..24 and one of 25..29.
    QStringList fifthLeftOut;
    for (int r = 0; r < 5; ++r) {
        const QStringList left = LeftOut(lines[14 + 3 * r]);
        ASSERT_EQ(left.size(), 5);
        EXPECT_EQ(left.mid(0, 4), (QStringList{"21", "22", "23", "24"})) << r;
        fifthLeftOut << left[4];
    }
    fifthLeftOut.sort();
    EXPECT_EQ(fifthLeftOut, (QStringList{"25", "26", "27", "28", "29"}));
    EXPECT_EQ(Label(w(), "lb_percent"), QStringLiteral("6 / 3003"));
    EXPECT_FALSE(Visible(w(), "lb_percent"));
    EXPECT_EQ(Text(w(), "Button32"), QStringLiteral("15取10超優分析"));
    EXPECT_FALSE(w().StopFlag1510);
    expectSubsetResults(lines, 5, SplitShape::Mixed2233, StarOrder::FourThreeTwo);

    // Stopped at the fifth: nothing to report, and the old file stays as it was.
    const std::string before = reportFile("C15_10.txt");
    stopAt = 5;
    platform.dialogs.answer(DialogAnswer::Yes);
    runSubsetSearch("Button32");
    EXPECT_TRUE(memo2().isEmpty());
    EXPECT_EQ(reportFile("C15_10.txt"), before);
    EXPECT_EQ(CurrentPage(w(), "PageC"), "TS5");
    EXPECT_EQ(Text(w(), "Button32"), QStringLiteral("15取10超優分析"));
    EXPECT_FALSE(w().StopFlag1510);
}

TEST_F(VarnholtSearchTest, AReportFileThatCannotBeWrittenIsNamedAndTheReportKept) {
    open();
    // A folder where the file should go: no file can replace it.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("C12_8.txt")));
    select(Range(1, 12));
    runSubsetSearch("Button31");
    ASSERT_EQ(platform.dialogs.prompts.size(), 1u);
    EXPECT_TRUE(platform.dialogs.prompts[0].text.contains(QStringLiteral("C12_8.txt")))
        << platform.dialogs.prompts[0].text.toStdString();
    EXPECT_EQ(platform.dialogs.prompts[0].kind, DialogKind::Warning);
    EXPECT_EQ(memo2().size(), 13 + 3 * 20 + 1);
    EXPECT_EQ(memo2()[0], QStringLiteral("１２選８碼立柱 = 2x2x2x2 優柱分析"));
    EXPECT_EQ(CurrentPage(w(), "PageC"), "TS6");
    EXPECT_FALSE(w().subsetSearchRunning());
    EXPECT_TRUE(QFileInfo(dir.file(QStringLiteral("C12_8.txt"))).isDir());
}
