#include <QFile>

#include "common/text_file.h"
#include "family_window_fixture.h"
#include "formulas/nurture30_window.h"
#include "formulas/nurture50_window.h"
#include "formulas/nurture_search.h"
#include "platform/qt_text.h"

namespace {

const char* Memory50 = "Text539._Form_rk_6line_3is.txt";
const char* Memory30 = "Text539._Form_rk_6line_3is_2.txt";

class NurtureWindowTest : public FamilyWindowTest {
protected:
    template <class Window> std::unique_ptr<Window> open() {
        auto window = std::make_unique<Window>(tables.draws, tables.work, services, links);
        window->show();
        return window;
    }
    std::string date(int draw) const { return DateFormat("yyyy/mm/dd", tables.draws.DrawDate[draw]); }
    QString file(const char* name) const { return dir.file(QString::fromUtf8(name)); }
};

} // namespace

TEST_F(NurtureWindowTest, FiftyDrawWindowSearchesTheShippedHistoryAndRemembersItsSettings) {
    loadShipped();
    auto w = open<TForm_rk_6line_3is>();
    const int newest = tables.draws.DrawCount;
    EXPECT_EQ(Text(*w, "cb_date"), qs(date(newest)));
    Search(*w);
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('\n')).toStdString();
    const NurtureSearchSetup setup = PrepareNurtureSearch(tables.draws, Nurture50, "1", newest, 60);
    std::vector<std::string> expected = SearchNurtureFormulas(tables.draws, tables.work, setup, {}).keys;
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(w->ruleList(), expected);
    EXPECT_EQ(Label(*w, "lb_tot"), qs(NumFormat("共 #0 組", static_cast<double>(expected.size()))));
    EXPECT_EQ(Label(*w, "lb_rule"), qs(expected[0]));
    const QStringList memo = MemoLines(*w, "mm");
    EXPECT_EQ(memo[0],
              qs("代號 " + expected[0] + "__驗證條件:基準日" + date(newest) + "之上1期_成功率60％以上"));
    EXPECT_EQ(memo.size(), 2 + 51 + 1);
    EXPECT_EQ(GridRow(*w, "sgl", 51)[0], QStringLiteral("下 1 期預測"));
    EXPECT_EQ(ReadTextLines(file(Memory50).toStdString()),
              (std::vector<std::string>{date(newest), "1", "60", "A"}));

    Click(*w, "N3");
    ASSERT_EQ(links.printed.size(), 1u);
    EXPECT_EQ(links.printed.back(), memo);
    Click(*w, "SpeedButton1");
    EXPECT_EQ(links.helpShown, QStringList{QStringLiteral("help_0428.txt")});
}

TEST_F(NurtureWindowTest, AShowingRestoresTheMemoryFileAndTheDeleteItemRemovesIt) {
    loadShipped();
    const int back2 = tables.draws.DrawCount - 2;
    dir.writeLines(QString::fromUtf8(Memory50), {date(back2), "3", "55", "B"});
    auto w = open<TForm_rk_6line_3is>();
    EXPECT_EQ(Text(*w, "cb_date"), qs(date(back2)));
    EXPECT_EQ(Text(*w, "cb_base"), QStringLiteral("3"));
    EXPECT_EQ(w->rulePercent(), 55);
    EXPECT_TRUE(Ticked(*w, "rb_ball_sort"));
    EXPECT_EQ(w->ball_mode_name, "順");
    EXPECT_EQ(tables.work.DrawNumsWork[1][back2], tables.draws.DrawNums[1][back2]);

    // Base date two back: 50 verification rows, the two newer draws, three coming draws.
    Search(*w);
    ASSERT_GT(w->ruleCount(), 0);
    EXPECT_EQ(GridRow(*w, "sgl", 52)[1], qs(tables.draws.DrawId[tables.draws.DrawCount]));
    EXPECT_EQ(GridRow(*w, "sgl", 55)[0], QStringLiteral("下 3 期預測"));
    EXPECT_TRUE(MemoLines(*w, "mm")[1].contains(QStringLiteral("第一順x")));

    Click(*w, "memofileLinesClear1");
    EXPECT_FALSE(QFile::exists(file(Memory50)));
    EXPECT_EQ(platform.dialogs.lastText(), qs(std::string(MemoryDeletedMessage)));
    EXPECT_FALSE(w->isVisible());
    w->show();
    EXPECT_EQ(Text(*w, "cb_date"), qs(date(tables.draws.DrawCount)));
}

TEST_F(NurtureWindowTest, ThirtyDrawTwinKeepsItsOwnFileAndOpensTheFiftyDrawWindow) {
    loadShipped();
    auto w = open<TForm_rk_6line_3is_2>();
    EXPECT_EQ(w->rulePercent(), 80);
    Pick(*w, "cb_percent", "70");
    Search(*w);
    ASSERT_GT(w->ruleCount(), 0);
    EXPECT_EQ(GridRow(*w, "sgl", 31)[0], QStringLiteral("下 1 期預測"));
    EXPECT_TRUE(
        MemoLines(*w, "mm").back().startsWith(qs("本版路驗證期間(" + date(tables.draws.DrawCount - 29))));
    EXPECT_TRUE(QFile::exists(file(Memory30)));
    EXPECT_FALSE(QFile::exists(file(Memory50)));

    Click(*w, "Button1");
    EXPECT_EQ(links.opened, std::vector{WindowId::Form_rk_6line_3is});
    Click(*w, "N4");
    EXPECT_FALSE(QFile::exists(file(Memory30)));
}

TEST_F(NurtureWindowTest, ALookBackThatDoesNotFitTheKeyIsRefused) {
    loadShipped();
    auto w = open<TForm_rk_6line_3is>();
    Type(*w, "cb_base", "12");
    Click(*w, "SpeedButton4");
    EXPECT_FALSE(w->searching());
    EXPECT_EQ(platform.dialogs.lastText(), qs(std::string(DigitLookBackMessage)));
}

TEST_F(NurtureWindowTest, PagingShowsTheKeysWithWhatTheSearchRead) {
    loadShipped();
    auto w = open<TForm_rk_6line_3is>();
    Search(*w);
    ASSERT_GT(w->ruleList().size(), 1u);
    const auto memo = [&] { return MemoLines(*w, "mm").join(u'\n').toStdString(); };
    const std::string shown = memo();
    // Boxes changed after the search, not searched again: the kept keys still read as searched.
    Type(*w, "cb_date", qs(date(tables.draws.DrawCount - 5)));
    Type(*w, "cb_base", "2");
    Type(*w, "cb_percent", "70");
    MouseClick(*w, "SpeedButton6");
    EXPECT_NE(memo(), shown);
    MouseClick(*w, "SpeedButton2");
    EXPECT_EQ(memo(), shown);
}
