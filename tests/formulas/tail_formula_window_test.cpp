#include <QProgressBar>

#include "family_window_fixture.h"
#include "formulas/tail_formula_search.h"
#include "formulas/tail_formula_window.h"
#include "platform/qt_text.h"

namespace {

class TailWindowTest : public FamilyWindowTest {
protected:
    std::unique_ptr<TForm_rk_nogood> open() {
        auto window = std::make_unique<TForm_rk_nogood>(tables.draws, tables.work, services, links);
        window->show();
        return window;
    }
};

} // namespace

TEST_F(TailWindowTest, SearchesTheShippedHistoryAndPagesThroughTheSixBest) {
    loadShipped();
    auto w = open();
    const int newest = tables.draws.DrawCount;
    EXPECT_EQ(GridRow(*w, "sgl", 15)[1], qs(tables.draws.DrawId[newest]));

    Search(*w);
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('\n')).toStdString();
    ASSERT_EQ(w->ruleCount(), 6);
    EXPECT_EQ(Label(*w, "lb_tot"), QStringLiteral("共 6 組"));
    EXPECT_EQ(Label(*w, "lb_sortidx"), QStringLiteral("第 1 組"));
    EXPECT_EQ(Label(*w, "Label2"), qs(w->ruleList()[0]));
    EXPECT_EQ(MemoLines(*w, "mm").front(), qs("代號 " + w->ruleList()[0]));
    EXPECT_EQ(Find<QProgressBar>(*w, "Pbar").value(), TailProgressMax);

    for (int i = 0; i < 7; ++i)
        Click(*w, "SpeedButton6");
    EXPECT_EQ(Label(*w, "lb_sortidx"), QStringLiteral("第 6 組"));
    EXPECT_EQ(Label(*w, "Label2"), qs(w->ruleList()[5]));
    Click(*w, "SpeedButton2");
    EXPECT_EQ(Label(*w, "Label2"), qs(w->ruleList()[4]));

    Click(*w, "aa1");
    ASSERT_EQ(links.printed.size(), 1u);
    EXPECT_EQ(links.printed.back(), MemoLines(*w, "mm"));
}

TEST_F(TailWindowTest, ALookBackThatDoesNotFitTheCodeIsRefused) {
    loadShipped();
    auto w = open();
    for (const char* text : {"0", "10"}) {
        Type(*w, "cb_base", text);
        Click(*w, "SpeedButton4");
        EXPECT_FALSE(w->searching());
        EXPECT_EQ(platform.dialogs.lastText(), qs(std::string(TailLookBackMessage)));
    }
    EXPECT_EQ(Label(*w, "lb_tot"), QStringLiteral("共  0  組"));
    // No integer: the search ends silently.
    const std::size_t asked = platform.dialogs.prompts.size();
    Type(*w, "cb_base", "x");
    Click(*w, "SpeedButton4");
    EXPECT_EQ(platform.dialogs.prompts.size(), asked);
}

TEST_F(TailWindowTest, TooFewDrawsForTheLookBackSearchNothing) {
    loadNumbers(RandomDraws(18, 3));
    auto w = open();
    Type(*w, "cb_base", "4");
    Click(*w, "SpeedButton4");
    EXPECT_FALSE(w->searching());
    EXPECT_EQ(platform.dialogs.lastText(), qs(std::string(HistoryTooShortMessage)));
    Type(*w, "cb_base", "3");
    Search(*w);
    EXPECT_EQ(prompts().count(qs(std::string(HistoryTooShortMessage))), 1);
    EXPECT_NE(Label(*w, "lb_tot"), QStringLiteral("共  0  組"));
}

TEST_F(TailWindowTest, TheOrderToggleRewritesEveryLoadedDraw) {
    loadShipped();
    auto w = open();
    Click(*w, "rb_ball_sort");
    for (int d : {1, 1300, tables.draws.DrawCount})
        for (int p = 1; p <= 5; ++p)
            EXPECT_EQ(tables.work.DrawNumsWork[p][d], tables.draws.DrawNums[p][d]) << d;
    EXPECT_EQ(w->ball_mode_name, "順");
    Click(*w, "rb_ball_ori");
    EXPECT_EQ(tables.work.DrawNumsWork[1][1300], tables.draws.DrawNumsDrawn[1][1300]);
    EXPECT_EQ(w->ball_mode_name, "落");
}

TEST_F(TailWindowTest, ACodeInTheHiddenBoxIsShownInsteadOfASearch) {
    loadShipped();
    auto w = open();
    Search(*w);
    EXPECT_FALSE(Visible(*w, "Edit_trace"));
    EXPECT_TRUE(Text(*w, "Edit_trace").isEmpty()); // emptied by the search

    Unhide(*w, "Edit_trace");
    Type(*w, "Edit_trace", "123456789");
    Click(*w, "SpeedButton4");
    EXPECT_EQ(platform.dialogs.lastText(), qs(std::string(TailCodeLengthMessage)));
    EXPECT_TRUE(Text(*w, "Edit_trace").isEmpty());

    Type(*w, "Edit_trace", "2000000009");
    Click(*w, "SpeedButton4");
    EXPECT_FALSE(w->searching());
    EXPECT_EQ(Label(*w, "Label2"), QStringLiteral("2000000009"));
    EXPECT_EQ(MemoLines(*w, "mm")[1], QStringLiteral("不出尾數版路：上2期  9 取尾數本期不出（驗證15 期） "));
    EXPECT_FALSE(Enabled(*w, "SpeedButton6"));
    EXPECT_EQ(Label(*w, "lb_tot"), QStringLiteral("共 6 組"));
}
