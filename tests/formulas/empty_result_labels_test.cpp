#include <QTest>

#include "family_window_fixture.h"
#include "formulas/line_formula_window.h"
#include "formulas/nurture30_window.h"
#include "formulas/nurture50_window.h"
#include "formulas/tail_formula_window.h"
#include "platform/qt_text.h"

namespace {

class EmptyResultLabelsTest : public FamilyWindowTest {
protected:
    // A search that keeps something at `found`, then one that keeps nothing at `none`: the labels
    // then read as on a first showing whose search found nothing.
    void searchFoundThenNone(FormulaSearchWindow& w, const char* found, const char* none) {
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        const QString firstRule = Label(w, "lb_rule");
        Pick(w, "cb_percent", found);
        MouseClick(w, "SpeedButton4");
        ASSERT_TRUE(SearchEnds(w));
        ASSERT_GT(w.ruleCount(), 0);
        ASSERT_NE(Label(w, "lb_rule"), firstRule);

        if (Items(w, "cb_percent").contains(QString::fromUtf8(none))) {
            Pick(w, "cb_percent", none);
        } else {
            Type(w, "cb_percent", none);
            Confirm(w, "cb_percent");
        }
        MouseClick(w, "SpeedButton4");
        ASSERT_TRUE(SearchEnds(w));
        ASSERT_EQ(w.ruleCount(), 0);
        EXPECT_EQ(Label(w, "lb_rule"), firstRule);
        EXPECT_EQ(Label(w, "lb_sortidx"), qs(std::string(InitialIndexLabel)));
        EXPECT_EQ(Label(w, "lb_tot"), qs(TotalLabel(0)));
    }
};

} // namespace

TEST_F(EmptyResultLabelsTest, NurtureAndLineWindowsShowNoEarlierKeyAfterAnEmptySearch) {
    loadShipped();
    TForm_rk_6line_3is nurture(tables.draws, tables.work, services, links);
    searchFoundThenNone(nurture, "60", "100");
    TForm_rk_6line_line line(tables.draws, tables.work, services, links);
    searchFoundThenNone(line, "40", "60");
}

TEST_F(EmptyResultLabelsTest, ARefusedLookBackLeavesTheKeptKeysOnShow) {
    loadShipped();
    TForm_rk_6line_3is nurture(tables.draws, tables.work, services, links);
    TForm_rk_nogood tail(tables.draws, tables.work, services, links);
    for (FormulaSearchWindow* w : std::initializer_list<FormulaSearchWindow*>{&nurture, &tail}) {
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
        if (w == &nurture)
            Pick(*w, "cb_percent", "60");
        MouseClick(*w, "SpeedButton4");
        ASSERT_TRUE(SearchEnds(*w));
        ASSERT_GT(w->ruleCount(), 0);
        const auto screen = [&] {
            return QStringList{Label(*w, "lb_tot"), Label(*w, "lb_sortidx"), GridRow(*w, "sgl", 1).join(u'|'),
                               MemoLines(*w, "mm").join(u'|')};
        };
        const QStringList before = screen();
        const int told = static_cast<int>(prompts().size());
        Type(*w, "cb_base", "12");
        MouseClick(*w, "SpeedButton4");
        ASSERT_TRUE(SearchEnds(*w));
        EXPECT_EQ(prompts().size(), told + 1) << w->objectName().toStdString();
        EXPECT_EQ(screen(), before) << w->objectName().toStdString();
    }
}

TEST_F(EmptyResultLabelsTest, ASilentEndLeavesTheResultWholeAndPaging) {
    loadShipped();
    TForm_rk_6line_3is nurture50(tables.draws, tables.work, services, links);
    TForm_rk_6line_3is_2 nurture30(tables.draws, tables.work, services, links);
    TForm_rk_nogood tail(tables.draws, tables.work, services, links);
    const std::vector<std::tuple<FormulaSearchWindow*, const char*, const char*>> windows = {
        {&nurture50, "60", "lb_rule"}, {&nurture30, "70", "lb_rule"}, {&tail, nullptr, "Label2"}};
    for (const auto& [w, percent, keyLabel] : windows) {
        const std::string name = w->objectName().toStdString();
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
        if (percent)
            Pick(*w, "cb_percent", percent);
        MouseClick(*w, "SpeedButton4");
        ASSERT_TRUE(SearchEnds(*w));
        ASSERT_GT(w->ruleCount(), 2) << name;
        const auto screen = [&, keyLabel = keyLabel] {
            return QStringList{Label(*w, "lb_tot"),
                               Label(*w, "lb_sortidx"),
                               Label(*w, keyLabel),
                               QString::number(RowCount(*w, "sgl")),
                               GridRow(*w, "sgl", 1).join(u'|'),
                               MemoLines(*w, "mm").join(u'|')};
        };
        const QStringList before = screen();
        for (const char* lookBack : {"", "x"}) {
            Type(*w, "cb_base", lookBack);
            MouseClick(*w, "SpeedButton4");
            ASSERT_TRUE(SearchEnds(*w));
            EXPECT_EQ(screen(), before) << name << " " << lookBack;
        }
        EXPECT_TRUE(prompts().isEmpty()) << name;
        // Paging goes on through the result on show.
        const QString second = qs(w->ruleList()[1]);
        MouseClick(*w, "SpeedButton6");
        EXPECT_EQ(Label(*w, "lb_sortidx"), qs(IndexLabel(2))) << name;
        EXPECT_EQ(Label(*w, keyLabel), second) << name;

        // A new showing starts from the first grid: nothing of the last result stays beside it.
        w->close();
        w->show();
        EXPECT_EQ(Label(*w, "lb_tot"), qs(std::string(InitialTotalLabel))) << name;
        EXPECT_EQ(Label(*w, "lb_sortidx"), qs(std::string(InitialIndexLabel))) << name;
        EXPECT_NE(Label(*w, keyLabel), second) << name;
        EXPECT_FALSE(Enabled(*w, "SpeedButton6")) << name;
        w->close();
    }
}
