#include <QFile>

#include "common/text_file.h"
#include "family_window_fixture.h"
#include "formulas/nogood_group_search.h"
#include "formulas/nogood_group_window.h"
#include "platform/qt_text.h"

namespace {

const char* MemoryFile = "Text8E_Form_rk_7star2_ng.txt";

class GroupWindowTest : public FamilyWindowTest {
protected:
    std::unique_ptr<TForm_rk_7star2_ng> open() {
        auto window = std::make_unique<TForm_rk_7star2_ng>(tables.draws, tables.work, services, links);
        window->show();
        return window;
    }
    std::string date(int draw) const { return DateFormat("yyyy/mm/dd", tables.draws.DrawDate[draw]); }
};

} // namespace

TEST_F(GroupWindowTest, SearchesTheShippedHistoryAndRemembersItsSettings) {
    loadShipped();
    auto w = open();
    const int newest = tables.draws.DrawCount;
    EXPECT_EQ(Text(*w, "cb_date"), qs(date(newest)));
    EXPECT_EQ(GridRow(*w, "sgl", 9)[1], qs(tables.draws.DrawId[newest]));

    Search(*w);
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('\n')).toStdString();
    ASSERT_GT(w->ruleCount(), 0);
    EXPECT_EQ(Label(*w, "lb_tot"), qs(NumFormat("共 #0 組", w->ruleCount())));
    const int first = std::stoi(w->ruleList()[0]);
    EXPECT_EQ(Label(*w, "Label2"), qs(GroupCodeText(RuleOfCode(first))));
    EXPECT_EQ(MemoLines(*w, "mm")[1], qs("版路代號：" + GroupCodeText(RuleOfCode(first)) + " ( 8 碼)"));
    // The fewest hits first.
    EXPECT_LE(first, std::stoi(w->ruleList().back()));
    EXPECT_EQ(ReadTextLines(dir.file(QString::fromUtf8(MemoryFile)).toStdString()),
              (std::vector<std::string>{date(newest), "4", "84", "8"}));

    Click(*w, "N1");
    ASSERT_EQ(links.printed.size(), 1u);
    EXPECT_EQ(links.printed.back(), MemoLines(*w, "mm"));
}

TEST_F(GroupWindowTest, AShowingRestoresTheMemoryFileAndTheDeleteItemRemovesIt) {
    loadShipped();
    const int back3 = tables.draws.DrawCount - 3;
    dir.writeLines(QString::fromUtf8(MemoryFile), {date(back3), "5", "85", "11"});
    auto w = open();
    EXPECT_EQ(Text(*w, "cb_date"), qs(date(back3)));
    EXPECT_TRUE(Ticked(*w, "rb5"));
    EXPECT_TRUE(Ticked(*w, "rb_85"));
    EXPECT_EQ(Text(*w, "cb_nono"), QStringLiteral("11"));
    EXPECT_EQ(w->settings().maxHits, 0);
    EXPECT_EQ(w->settings().passNeed, 7);
    EXPECT_EQ(w->settings().groupSize, 11);

    // From a base date three draws back the grid runs on to the newest draw, then u coming draws.
    Pick(*w, "gb_hits", "爆二支");
    Pick(*w, "gb_pass", "九期過五期");
    Search(*w);
    ASSERT_GT(w->ruleCount(), 0);
    const GroupRule rule = RuleOfCode(std::stoi(w->ruleList()[0]));
    EXPECT_EQ(GridRow(*w, "sgl", 12)[1], qs(tables.draws.DrawId[tables.draws.DrawCount]));
    EXPECT_EQ(GridRow(*w, "sgl", 12 + rule.u)[0], qs("下 " + std::to_string(rule.u) + " 期預測"));
    EXPECT_EQ(MemoLines(*w, "mm")[0], qs("驗證條件：以基準日期 " + date(back3) +
                                         " 的前九期 , 5 期以上爆 2 支以下的數據來預測本期號碼"));

    Click(*w, "N2");
    EXPECT_FALSE(QFile::exists(dir.file(QString::fromUtf8(MemoryFile))));
    EXPECT_EQ(platform.dialogs.lastText(), qs(std::string(MemoryDeletedMessage)));
    EXPECT_FALSE(w->isVisible());
    // The next showing starts from the newest date and the radios the window kept.
    w->show();
    EXPECT_EQ(Text(*w, "cb_date"), qs(date(tables.draws.DrawCount)));
    EXPECT_TRUE(Ticked(*w, "rb_83"));
}

TEST_F(GroupWindowTest, GroupSizeIsKeptWithinFiveToFourteen) {
    loadShipped();
    auto w = open();
    for (auto [typed, shown] : {std::pair{"20", "14"}, {"3", "5"}, {"abc", "8"}, {"12", "12"}}) {
        Type(*w, "cb_nono", typed);
        Confirm(*w, "cb_nono");
        EXPECT_EQ(Text(*w, "cb_nono"), QString::fromUtf8(shown)) << typed;
        EXPECT_EQ(w->settings().groupSize, std::stoi(shown));
    }
    Pick(*w, "cb_nono", "6");
    EXPECT_EQ(w->settings().groupSize, 6);
}

TEST_F(GroupWindowTest, TooFewDrawsBeforeTheBaseSearchNothing) {
    loadNumbers(RandomDraws(18, 5));
    auto w = open();
    Click(*w, "SpeedButton4");
    EXPECT_FALSE(w->searching());
    EXPECT_EQ(platform.dialogs.lastText(), qs(std::string(HistoryTooShortMessage)));
    EXPECT_EQ(Label(*w, "lb_tot"), QStringLiteral("共  0  組"));
}

TEST_F(GroupWindowTest, PagingShowsTheKeysWithWhatTheSearchRead) {
    loadShipped();
    auto w = open();
    Search(*w);
    ASSERT_GT(w->ruleCount(), 1);
    const auto memo = [&] { return MemoLines(*w, "mm").join(u'\n').toStdString(); };
    const std::string shown = memo();
    // Boxes changed after the search, not searched again: the kept keys still read as searched.
    Type(*w, "cb_date", qs(date(tables.draws.DrawCount - 5)));
    Click(*w, "rb_85");
    MouseClick(*w, "SpeedButton6");
    MouseClick(*w, "SpeedButton2");
    EXPECT_EQ(memo(), shown);
}
