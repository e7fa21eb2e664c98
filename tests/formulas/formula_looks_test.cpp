#include <QFrame>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "family_window_fixture.h"
#include "formulas/nurture30_window.h"
#include "formulas/nurture50_window.h"
#include "formulas/tail_formula_window.h"

namespace {

class FormulaLooksTest : public FamilyWindowTest {
protected:
    template <class Window> std::unique_ptr<Window> open() {
        auto window = std::make_unique<Window>(tables.draws, tables.work, services, links);
        show(*window);
        return window;
    }
};

} // namespace

// The 30-draw window's grid, the widest for its window, shows every column without scrolling.
TEST_F(FormulaLooksTest, TheGridShowsEveryColumnAtTheWindowsSize) {
    loadShipped();
    auto w = open<TForm_rk_6line_3is_2>();
    EXPECT_TRUE(ColumnsInView(*w, "sgl"));
}

// The captions and labels over the grid read at the memo's size, not smaller.
TEST_F(FormulaLooksTest, CaptionsReadAtTheMemosSize) {
    loadShipped();
    auto w = open<TForm_rk_nogood>();
    const int memo = QFontInfo(Font(*w, "mm")).pixelSize();
    const QList<QLabel*> captions = Find<QFrame>(*w, "Panel1").findChildren<QLabel*>();
    ASSERT_FALSE(captions.isEmpty());
    for (const QLabel* caption : captions)
        EXPECT_GE(QFontInfo(caption->font()).pixelSize(), memo) << caption->text().toStdString();
}

// On the 50-draw window's dark panel the chosen order reads filled and the other hollow.
TEST_F(FormulaLooksTest, TheChosenOrderRadioShowsFilled) {
    loadShipped();
    auto w = open<TForm_rk_6line_3is>();
    const QColor panel = Colour(*w, "Panel1", QPalette::Window);
    const auto indicatorBackground = [&](const char* name) {
        auto& radio = Find<QRadioButton>(*w, name);
        QStyleOptionButton option;
        option.initFrom(&radio);
        const QRect indicator =
            radio.style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, &radio);
        return ColourShare(*w, name, panel, indicator);
    };
    EXPECT_TRUE(Ticked(*w, "rb_ball_ori"));
    EXPECT_LT(indicatorBackground("rb_ball_ori") + 0.2, indicatorBackground("rb_ball_sort"));
    Click(*w, "rb_ball_sort");
    EXPECT_LT(indicatorBackground("rb_ball_sort") + 0.2, indicatorBackground("rb_ball_ori"));
}
