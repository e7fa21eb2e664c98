#include <QApplication>
#include <QTest>
#include <memory>

#include "formula_window_fixture.h"
#include "formulas/double_drag_texts.h"
#include "formulas/stk_3xx_window.h"
#include "formulas/stk_t3xx_window.h"

namespace {

// Keys go to whatever holds the focus, as the keyboard sends them.
void Keys(const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    for (const QChar c : text)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1(), modifiers);
}
void Key(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
}

class DoubleDragReentryTest : public FormulaWindowTest {
protected:
    // Shown and active as the menu opens it; the showing's search runs on meanwhile.
    void open(DoubleDragWindow& w) {
        w.show();
        QApplication::setActiveWindow(&w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        ASSERT_TRUE(SearchEnds(w));
    }
    // Types into a box as a user does: a click into it, select all, the keys.
    void typeInto(DoubleDragWindow& w, const char* box, const QString& text) {
        MouseClick(w, box);
        Keys(QStringLiteral("a"), Qt::ControlModifier);
        Keys(text);
    }

    // A typo corrected: a number typed into 開 and left with Escape; the window opened again, a
    // base date typed, 開 clicked once, one more key.
    template <class Window> void correctATypo() {
        loadNumbers(RandomDraws(300, 41));
        Window w(tables.draws, tables.work, services, links);
        open(w);
        typeInto(w, "CB_xx", QStringLiteral("057"));
        Key(Qt::Key_Escape);
        ASSERT_FALSE(w.isVisible());

        open(w);
        const std::vector<int> newestPicks = StoredPicks(tables.work);
        MouseClick(w, "cb_date");
        EXPECT_FALSE(w.searching()) << "the 057 left with Escape was searched";
        ASSERT_TRUE(SearchEnds(w));
        EXPECT_EQ(StoredPicks(tables.work), newestPicks);
        Keys(QStringLiteral("a"), Qt::ControlModifier);
        Keys(QString::fromStdString(FormulaDrawDate(290)));
        MouseClick(w, "CB_xx");
        ASSERT_TRUE(SearchEnds(w));
        Keys(QStringLiteral("7"));
        ASSERT_TRUE(SearchEnds(w));

        // The base date was taken once and searched with what it put into the boxes.
        EXPECT_EQ(Text(w, "cb_prediction"), QStringLiteral("11"));
        EXPECT_EQ(StoredPicks(tables.work), FindPicks(tables.draws, tables.work,
                                                      {tables.work.DrawNumsWork[1][290],
                                                       tables.work.DrawNumsWork[1][300], "10", 10, 11}));
        EXPECT_TRUE(dialogTexts().isEmpty());
    }

    // A date typed, then 搜尋 clicked: the search reads the date once, and the box the search
    // disables is not confirmed into a second search.
    template <class Window> void typeADateAndSearch() {
        loadNumbers(RandomDraws(300, 42));
        Window w(tables.draws, tables.work, services, links);
        open(w);
        const QString x = Text(w, "CB_xx");
        typeInto(w, "cb_date", QString::fromStdString(FormulaDrawDate(290)));
        MouseClick(w, "SpeedButton4");
        ASSERT_TRUE(SearchEnds(w));
        EXPECT_EQ(Text(w, "CB_xx"), x); // the base date waits for its confirmation
        EXPECT_EQ(Text(w, "cb_prediction"), QStringLiteral("1"));
        EXPECT_TRUE(dialogTexts().isEmpty());
    }
};

} // namespace

TEST_F(DoubleDragReentryTest, CorrectingATypoAfterReopeningThePositionWindowSearchesOnce) {
    correctATypo<TForm_rk_ai2_stk_3xx>();
}

TEST_F(DoubleDragReentryTest, CorrectingATypoAfterReopeningTheTailWindowSearchesOnce) {
    correctATypo<TForm_rk_ai2_stk_T3xx>();
}

TEST_F(DoubleDragReentryTest, SearchingWithADateTypedButNotConfirmedRunsOneSearch) {
    typeADateAndSearch<TForm_rk_ai2_stk_3xx>();
    typeADateAndSearch<TForm_rk_ai2_stk_T3xx>();
}
