#include <QAbstractItemView>
#include <QComboBox>
#include <memory>

#include "formula_window_fixture.h"
#include "formulas/double_drag_texts.h"
#include "formulas/stk_3xx_window.h"
#include "formulas/stk_t3xx_window.h"
#include "support/box_caption.h"

namespace {

class DoubleDragRefusalTest : public FormulaWindowTest {
protected:
    // The window searched again at run length 1, which keeps tails on these draws.
    template <class Window> std::unique_ptr<Window> openKeeping() {
        loadNumbers(RandomDraws(400, 31));
        auto w = std::make_unique<Window>(tables.draws, tables.work, services, links);
        show(*w);
        Type(*w, "cb_lan", "1");
        clickAndWait(*w, "SpeedButton4");
        return w;
    }
};

} // namespace

TEST_F(DoubleDragRefusalTest, NegativeRunLengthsAndSecondDrawDistancesAreRefused) {
    const auto w = openKeeping<TForm_rk_ai2_stk_T3xx>();
    const std::vector<std::string> keys = w->ruleList();
    ASSERT_FALSE(keys.empty());
    const QString d2 = Text(*w, "cb_d2");
    const std::vector<int> picks = StoredPicks(tables.work);

    Type(*w, "cb_d1", "-1");
    Confirm(*w, "cb_d1");
    EXPECT_EQ(Text(*w, "cb_d2"), d2);
    Click(*w, "SpeedButton4");
    EXPECT_FALSE(w->searching());
    EXPECT_EQ(w->ruleList(), keys);
    EXPECT_EQ(StoredPicks(tables.work), picks);
    const QString second = QString::fromStdString(NegativeSecondDrawMessage());
    ASSERT_EQ(dialogTexts(), (QStringList{second, second}));

    Pick(*w, "cb_d1", "0");
    Type(*w, "cb_lan", "-2147483648");
    clickAndWait(*w, "SpeedButton4");
    EXPECT_EQ(dialogTexts().back(), QString::fromStdString(NegativeRunLengthMessage()));
    EXPECT_EQ(w->ruleList(), keys); // refused: what was on show stays
}

TEST_F(DoubleDragRefusalTest, AnEmptySearchAfterAKeptOneShowsNoKeyOnShow) {
    const auto w = openKeeping<TForm_rk_ai2_stk_T3xx>();
    ASSERT_GT(w->ruleCount(), 0);
    Pick(*w, "cb_lan", "9");
    clickAndWait(*w, "SpeedButton4");
    ASSERT_EQ(w->ruleCount(), 0);
    EXPECT_EQ(Label(*w, "lb_sortidx"), QString::fromStdString(std::string(InitialIndexLabel)));
    EXPECT_EQ(Label(*w, "lb_tot"), QString::fromStdString(TotalLabel(0)));
    EXPECT_EQ(Label(*w, "plan"), QString::fromStdString(std::string(DragNoResultPlan)));
}

TEST_F(DoubleDragRefusalTest, AnEmptySearchLeavesNoEarlierKeyBesideTheCount) {
    const auto t = openKeeping<TForm_rk_ai2_stk_T3xx>();
    const auto p = openKeeping<TForm_rk_ai2_stk_3xx>();
    for (DoubleDragWindow* w :
         {static_cast<DoubleDragWindow*>(t.get()), static_cast<DoubleDragWindow*>(p.get())}) {
        ASSERT_GT(w->ruleCount(), 0);
        ASSERT_EQ(Label(*w, "lb_rule"), QString::fromStdString(w->ruleList()[0]));
        Type(*w, "cb_lan", "9");
        Confirm(*w, "cb_lan"); // the completion list closed, as Enter closes it
        MouseClick(*w, "SpeedButton4");
        ASSERT_TRUE(SearchEnds(*w));
        ASSERT_EQ(w->ruleCount(), 0);
        // As on a first showing that found nothing.
        EXPECT_EQ(Label(*w, "lb_rule"), QStringLiteral("公式"));
        EXPECT_EQ(Label(*w, "lb_sortidx"), QString::fromStdString(std::string(InitialIndexLabel)));
        EXPECT_EQ(Label(*w, "lb_tot"), QString::fromStdString(TotalLabel(0)));
    }
}

TEST_F(DoubleDragRefusalTest, AConversionErrorNamesTheBoxItCameFrom) {
    const auto w = openKeeping<TForm_rk_ai2_stk_3xx>();
    Type(*w, "cb_prediction", "");
    MouseClick(*w, "SpeedButton4");
    ASSERT_TRUE(SearchEnds(*w));
    EXPECT_EQ(dialogTexts(), QStringList{QStringLiteral("「預測下」的內容「」不是有效的整數")});

    Type(*w, "cb_prediction", "1");
    Type(*w, "cb_d1", "x");
    Confirm(*w, "cb_d1");
    EXPECT_EQ(dialogTexts().back(), QStringLiteral("「且下」的內容「x」不是有效的整數"));
    for (const char* box : {"cb_date", "CB_xx", "cb_d1", "cb_d2", "cb_prediction", "cb_lan"})
        EXPECT_TRUE(NamedByItsCaption(*w, box));
}

TEST_F(DoubleDragRefusalTest, ARefusedSearchLeavesTheScreenAsItWas) {
    const auto w = openKeeping<TForm_rk_ai2_stk_3xx>();
    ASSERT_GT(w->ruleCount(), 0);
    const auto screen = [&] {
        return QStringList{Label(*w, "lb_tot"),
                           Label(*w, "lb_sortidx"),
                           Label(*w, "plan"),
                           QString::number(RowCount(*w, "sgl")),
                           GridRow(*w, "sgl", 1).join(u'|'),
                           MemoLines(*w, "mm").join(u'|')};
    };
    const QStringList before = screen();
    Type(*w, "cb_prediction", "");
    MouseClick(*w, "SpeedButton4");
    ASSERT_TRUE(SearchEnds(*w));
    ASSERT_EQ(dialogTexts().size(), 1);
    EXPECT_EQ(screen(), before);
}

TEST_F(DoubleDragRefusalTest, OneSearchWritesThePickGridOnceAndTheKeyOnShowOnce) {
    const auto w = openKeeping<TForm_rk_ai2_stk_T3xx>();
    ASSERT_GT(w->ruleCount(), 0);
    int writes = 0;
    QAbstractItemModel* grid = Find<QAbstractItemView>(*w, "sgl").model();
    QObject::connect(grid, &QAbstractItemModel::modelReset, [&] { ++writes; });
    QObject::connect(grid, &QAbstractItemModel::dataChanged, [&] { ++writes; });
    MouseClick(*w, "SpeedButton4");
    ASSERT_TRUE(SearchEnds(*w));
    EXPECT_EQ(writes, 2);
}

TEST_F(DoubleDragRefusalTest, ANumberNoDrawHoldsKeepsNothingAndLeavesTheRunLength) {
    loadNumbers(RandomDraws(300, 43));
    TForm_rk_ai2_stk_3xx w(tables.draws, tables.work, services, links);
    show(w);
    const QString x = Text(w, "CB_xx");
    const QString y = Text(w, "cb_d2");
    const QString lan = Text(w, "cb_lan");
    // Texts compare exactly: 057 is no ball, an empty 開 or a 期開 of x matches nothing.
    const std::vector<std::pair<const char*, QString>> misses = {
        {"CB_xx", QStringLiteral("057")}, {"CB_xx", QString()}, {"cb_d2", QStringLiteral("x")}};
    for (const auto& [box, text] : misses) {
        Type(w, box, text);
        Confirm(w, box);
        ASSERT_TRUE(SearchEnds(w));
        const PickQuery query{Text(w, "CB_xx").toStdString(), Text(w, "cb_d2").toStdString(), "0", 0, 1};
        EXPECT_EQ(dialogTexts().back(), QString::fromStdString(NoPicksMessage(query, "開"))) << box;
        // An empty 開 is named by its caption.
        EXPECT_EQ(dialogTexts().back().startsWith(QStringLiteral("「開」")), text.isEmpty()) << box;
        EXPECT_EQ(Label(w, "lb_tot"), QString::fromStdString(TotalLabel(0)));
        EXPECT_EQ(Label(w, "plan"), QString::fromStdString(std::string(DragNoResultPlan)));
        EXPECT_EQ(Text(w, "cb_lan"), lan);

        // Mended, the next search finds picks again, with no word about 連準.
        const int told = static_cast<int>(dialogTexts().size());
        Type(w, "CB_xx", x);
        Type(w, "cb_d2", y);
        MouseClick(w, "SpeedButton4");
        ASSERT_TRUE(SearchEnds(w));
        EXPECT_EQ(dialogTexts().size(), told);
        EXPECT_GT(tables.work.RightIssueCount, 0);
    }
    EXPECT_EQ(dialogTexts().size(), 3);
}
