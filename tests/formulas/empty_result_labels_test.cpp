#include <QTest>

#include "family_window_fixture.h"
#include "formulas/line_formula_window.h"
#include "formulas/nurture50_window.h"
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
