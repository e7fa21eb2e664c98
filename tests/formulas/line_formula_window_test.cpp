#include "family_window_fixture.h"
#include "formulas/line_formula_search.h"
#include "formulas/line_formula_texts.h"
#include "formulas/line_formula_window.h"
#include "platform/qt_text.h"

namespace {

class LineWindowTest : public FamilyWindowTest {
protected:
    std::unique_ptr<TForm_rk_6line_line> open() {
        auto window = std::make_unique<TForm_rk_6line_line>(tables.draws, tables.work, services, links);
        window->show();
        return window;
    }
};

} // namespace

TEST_F(LineWindowTest, SearchesTheShippedHistoryAndListsEveryKeptFormula) {
    loadShipped();
    auto w = open();
    Pick(*w, "cb_percent", "40");
    Search(*w);
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('\n')).toStdString();
    ASSERT_GT(w->ruleCount(), 0);
    const QStringList memo = MemoLines(*w, "mm");
    ASSERT_EQ(memo.size(), 2 + w->ruleCount());
    EXPECT_TRUE(memo[2].startsWith(QStringLiteral("1...落球 "))) << memo[2].toStdString();
    const auto first = ParseLineKey(w->ruleList()[0]);
    ASSERT_TRUE(first);
    EXPECT_EQ(Label(*w, "lb_rule"), qs(LineFormulaText(first->formula, 1)));
    EXPECT_EQ(GridRow(*w, "sgl", 30)[1], qs(tables.draws.DrawId[tables.draws.DrawCount]));
    EXPECT_EQ(GridRow(*w, "sgl", 31)[0], QStringLiteral("下 1 期預測"));

    Click(*w, "N3");
    ASSERT_EQ(links.printed.size(), 1u);
    EXPECT_EQ(links.printed.back(), memo);
}

TEST_F(LineWindowTest, NothingReachingTheDefaultThresholdIsSaidOnceAndTheListHeadingsStay) {
    loadShipped();
    auto w = open();
    EXPECT_EQ(w->rulePercent(), 45);
    Search(*w);
    EXPECT_EQ(prompts(), QStringList{qs(std::string(NoResultMessage))});
    EXPECT_EQ(Label(*w, "lb_tot"), QStringLiteral("共 0 組"));
    EXPECT_FALSE(Enabled(*w, "SpeedButton2"));
    EXPECT_FALSE(Enabled(*w, "SpeedButton6"));
    EXPECT_EQ(MemoLines(*w, "mm").size(), 2);
}

TEST_F(LineWindowTest, TheSecondFormulaChangesTheDisplayAtTheNextPage) {
    loadShipped();
    auto w = open();
    Pick(*w, "cb_percent", "40");
    Search(*w);
    ASSERT_GT(w->ruleCount(), 1);
    const std::vector<std::string> kept = w->ruleList();
    Click(*w, "cb_m");
    EXPECT_EQ(w->formulaSign(), -1);
    EXPECT_TRUE(Label(*w, "lb_rule").contains(QLatin1Char('+')));
    Click(*w, "SpeedButton6");
    EXPECT_EQ(w->ruleList(), kept);
    const auto second = ParseLineKey(kept[1]);
    EXPECT_EQ(Label(*w, "lb_rule"), qs(LineFormulaText(second->formula, -1)));

    // A search with the box ticked keeps subtracting formulas.
    Search(*w);
    for (const std::string& key : w->ruleList())
        EXPECT_EQ(ParseLineKey(key)->lookBack, 1);
    EXPECT_NE(MemoLines(*w, "mm")[2].indexOf(QLatin1Char('-')), -1);
}

TEST_F(LineWindowTest, AThresholdThatIsNoIntegerBecomesSeventy) {
    loadShipped();
    auto w = open();
    Type(*w, "cb_percent", "4x");
    EXPECT_EQ(Text(*w, "cb_percent"), QStringLiteral("70"));
    EXPECT_EQ(w->rulePercent(), 70);
}

// Typing into the threshold box opens nothing that would take the next click: the first click on
// "開始" starts the search, and the typed threshold is the one searched with.
TEST_F(LineWindowTest, AClickOnStartRightAfterTypingRunsTheSearchOnce) {
    loadShipped();
    auto w = open();
    Type(*w, "cb_percent", "45");
    MouseClick(*w, "SpeedButton4");
    ASSERT_TRUE(SearchEnds(*w));
    EXPECT_EQ(Text(*w, "cb_percent"), QStringLiteral("45"));
    EXPECT_EQ(prompts(), QStringList{qs(std::string(NoResultMessage))});
    EXPECT_EQ(Items(*w, "cb_percent"), (QStringList{"60", "55", "50", "45", "40"}));
}
