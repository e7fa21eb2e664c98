#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <memory>

#include "common/text_file.h"
#include "formula_window_fixture.h"
#include "formulas/formula_search_form.h"
#include "platform/error_handler.h"
#include "platform/form_controls.h"
#include "platform/qt_text.h"
#include "platform/services.h"

namespace {

// A member with every optional part of the pattern: a memory file, print and delete items, a
// percentage threshold, a progress bar and an order toggle. Its search keeps the keys the test
// offers, in that order, and it shows a key by writing it into the memo.
FormulaMember TestMember() {
    FormulaMember m;
    m.formName = "Form_rk_test_formula";
    m.caption = "測試公式";
    m.lookBackItems = {"1", "2", "3", "4", "5", "6"};
    m.lookBackText = "1";
    m.threshold = ThresholdBox::Percent;
    m.thresholdItems = {"90", "80", "70"};
    m.thresholdText = "80";
    m.capacity = 3;
    m.orderPositions = 7;
    m.memoryFile = MemoryFileName::PerGame;
    m.printItem = "N3";
    m.deleteItem = "N4";
    m.progressMax = 400;
    m.gridHeadings = {"日期", "預測"};
    m.columnWidths = {80, 40};
    return m;
}

class TestFormulaWindow : public FormulaSearchWindow {
public:
    TestFormulaWindow(const DrawTables& draws, WorkArea& work, Services& services, WindowLinks& links)
        : FormulaSearchWindow(TestMember(), form_, draws, work, services, links, nullptr) {
        commonUi_.setupUi(*this, member_);
        commonUi_.topRows->addLayout(
            Row({commonUi_.cb_date, commonUi_.cb_base, commonUi_.cb_percent, commonUi_.rb_ball_ori,
                 commonUi_.rb_ball_sort, commonUi_.SpeedButton4}));
        connectCommon();
        connect(commonUi_.SpeedButton4, &QToolButton::clicked, this,
                Guarded(services.dialogs, [this] { SpeedButton4Click(); }));
    }

    std::vector<std::string> offered = {"105", "309", "207", "401", "112"};
    int drawsRead = 40; // up to the newest draw

protected:
    void showKey(const std::string& key) override { commonUi_.mm->setPlainText(qs(key)); }
    void showEvent(QShowEvent* event) override {
        QDialog::showEvent(event);
        if (!event->spontaneous())
            showBaseDates();
    }

private:
    void SpeedButton4Click() {
        commonUi_.mm->clear();
        writeMemoryFile();
        if (!historyCoversSearch(draws_.DrawCount - drawsRead + 1))
            return;
        runSearch([found = offered, capacity = member_.capacity](const SearchControl& control) {
            return KeepFirstInOrder<std::string>(
                       static_cast<int>(found.size()), capacity,
                       [&found](int chunk, ChunkKeeper<std::string>& keeper) {
                           keeper.keep(found[static_cast<std::size_t>(chunk)]);
                       },
                       control)
                .keys;
        });
    }

    FormulaSearchForm form_; // the base reaches it as commonUi_
};

class FormulaSearchWindowTest : public FormulaWindowTest {
protected:
    FormulaSearchWindowTest() { loadNumbers(RandomDraws(40, 31)); }

    TestFormulaWindow& open() {
        window = std::make_unique<TestFormulaWindow>(tables.draws, tables.work, services, links);
        show(*window);
        return *window;
    }
    const std::string memoryFile = "Text539._Form_rk_test_formula.txt";
    std::unique_ptr<TestFormulaWindow> window;
};

} // namespace

TEST_F(FormulaSearchWindowTest, KeptKeysAreCutAtCapacitySortedAndPaged) {
    TestFormulaWindow& w = open();
    EXPECT_TRUE(Visible(w, "panel_print"));
    clickAndWait(w, "SpeedButton4");
    EXPECT_FALSE(Visible(w, "panel_print"));
    EXPECT_EQ(w.ruleList(), (std::vector<std::string>{"309", "207", "105"})); // the first three found
    EXPECT_EQ(Label(w, "lb_tot"), QStringLiteral("共 3 組"));
    EXPECT_EQ(MemoLines(w, "mm"), QStringList{QStringLiteral("309")});
    EXPECT_EQ(Find<QProgressBar>(w, "Pbar").value(), 400);
    Click(w, "SpeedButton6");
    Click(w, "SpeedButton6");
    Click(w, "SpeedButton6");
    EXPECT_EQ(Label(w, "lb_sortidx"), QStringLiteral("第 3 組"));
    EXPECT_EQ(MemoLines(w, "mm"), QStringList{QStringLiteral("105")});
    EXPECT_TRUE(dialogTexts().isEmpty());

    Click(w, "N3");
    ASSERT_EQ(links.printed.size(), 1u);
    EXPECT_EQ(links.printed.front(), QStringList{QStringLiteral("105")});
}

TEST_F(FormulaSearchWindowTest, NothingKeptShowsTheMessageOnceAndDisablesPaging) {
    TestFormulaWindow& w = open();
    clickAndWait(w, "SpeedButton4");
    EXPECT_TRUE(Enabled(w, "SpeedButton6"));
    w.offered.clear();
    clickAndWait(w, "SpeedButton4");
    EXPECT_EQ(dialogTexts(), QStringList{QString::fromStdString(std::string(NoResultMessage))});
    EXPECT_EQ(platform.dialogs.prompts.front().kind, DialogKind::Information);
    EXPECT_EQ(Label(w, "lb_tot"), QStringLiteral("共 0 組"));
    EXPECT_FALSE(Enabled(w, "SpeedButton2"));
    EXPECT_FALSE(Enabled(w, "SpeedButton6"));
}

TEST_F(FormulaSearchWindowTest, ThresholdTextThatIsNoIntegerReadsSeventy) {
    TestFormulaWindow& w = open();
    EXPECT_EQ(w.rulePercent(), 80);
    Type(w, "cb_percent", "9x");
    EXPECT_EQ(Text(w, "cb_percent"), QStringLiteral("70"));
    EXPECT_EQ(w.rulePercent(), 70);
    Pick(w, "cb_percent", "90");
    EXPECT_EQ(w.rulePercent(), 90);
}

TEST_F(FormulaSearchWindowTest, MemoryFileBringsBackTheLastSearchUntilDeleted) {
    TestFormulaWindow& w = open();
    EXPECT_EQ(w.memo_file_name, memoryFile);
    Pick(w, "cb_date", 2);
    Pick(w, "cb_base", "3");
    Pick(w, "cb_percent", "70");
    Click(w, "rb_ball_sort");
    clickAndWait(w, "SpeedButton4");
    EXPECT_EQ(ReadTextLines(memoryFile), (std::vector<std::string>{FormulaDrawDate(38), "3", "70", "B"}));

    // As after a restart: a new window, the working numbers back in drawn order.
    ApplyBallOrder(tables.draws, tables.work, BallOrder::Drawn, 7);
    TestFormulaWindow& again = open();
    EXPECT_EQ(Text(again, "cb_date"), QString::fromStdString(FormulaDrawDate(38)));
    EXPECT_EQ(Items(again, "cb_date").size(), 20);
    EXPECT_EQ(Text(again, "cb_base"), QStringLiteral("3"));
    EXPECT_EQ(again.rulePercent(), 70);
    EXPECT_TRUE(Ticked(again, "rb_ball_sort"));
    EXPECT_EQ(tables.work.DrawNumsWork[1][40], tables.draws.DrawNums[1][40]); // the toggle ran
    EXPECT_EQ(again.ball_mode_name, "順");

    Click(again, "N4");
    EXPECT_FALSE(FileExists(memoryFile));
    EXPECT_EQ(dialogTexts(), QStringList{QString::fromStdString(std::string(MemoryDeletedMessage))});
    EXPECT_FALSE(again.isVisible());
    show(again);
    EXPECT_EQ(Text(again, "cb_date"), QString::fromStdString(FormulaDrawDate(40)));
}

TEST_F(FormulaSearchWindowTest, ShortMemoryFileRestoresTheLinesItHas) {
    WriteTextLines(memoryFile, {FormulaDrawDate(35), "4"});
    TestFormulaWindow& w = open();
    EXPECT_EQ(Text(w, "cb_date"), QString::fromStdString(FormulaDrawDate(35)));
    EXPECT_EQ(Text(w, "cb_base"), QStringLiteral("4"));
    EXPECT_EQ(Text(w, "cb_percent"), QStringLiteral("80"));
    EXPECT_TRUE(Ticked(w, "rb_ball_ori"));
    EXPECT_TRUE(dialogTexts().isEmpty());
}

TEST_F(FormulaSearchWindowTest, MemoryFileThatCannotBeWrittenIsShownAndTheSearchRuns) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(qs(memoryFile))); // a folder where the file should go
    TestFormulaWindow& w = open();
    clickAndWait(w, "SpeedButton4");
    ASSERT_EQ(dialogTexts().size(), 1);
    EXPECT_EQ(platform.dialogs.prompts.front().kind, DialogKind::Error);
    EXPECT_TRUE(dialogTexts().front().contains(qs(memoryFile)));
    EXPECT_EQ(w.ruleCount(), 3);
}

TEST_F(FormulaSearchWindowTest, SearchThatWouldReadBeforeTheFirstDrawSearchesNothing) {
    TestFormulaWindow& w = open();
    w.drawsRead = 41;
    Click(w, "SpeedButton4");
    EXPECT_FALSE(w.searching());
    EXPECT_EQ(dialogTexts(), QStringList{QString::fromStdString(std::string(HistoryTooShortMessage))});
    EXPECT_EQ(w.ruleCount(), 0);
    EXPECT_EQ(Label(w, "lb_tot"), QStringLiteral("共  0  組"));
}
