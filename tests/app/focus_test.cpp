// What the keyboard and the page tabs do as a user meets them: Enter presses the button that has the
// focus and no other, and a box left by a switch to another page is confirmed there.
#include <QApplication>
#include <QComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "analysis/drag/trace_single_window.h"
#include "app/every_window.h"
#include "formulas/formula_search.h"
#include "platform/box_reaction.h"
#include "platform/qt_text.h"

namespace {

class FocusTest : public EveryWindowTest {
protected:
    static void activate(QWidget& window) {
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // Gives the button the focus, as Tab does, and presses Enter on it: Return, or the keypad's.
    static void enterOn(QWidget& window, const char* button, Qt::Key key) {
        activate(window);
        Find<QWidget>(window, button).setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(Focused(window, button));
        PressKey(window, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    }

    // Clicks the tab of the page with the mouse.
    static void clickTab(QWidget& window, const char* tabs, const char* page) {
        auto& pages = Find<QTabWidget>(window, tabs);
        MouseClickAt(*pages.tabBar(),
                     pages.tabBar()->tabRect(pages.indexOf(&Find<QWidget>(window, page))).center());
        ASSERT_EQ(CurrentPage(window, tabs), QString::fromUtf8(page));
    }

    // Clicks the box and types over what it holds.
    static void typeOver(QWidget& window, const char* box, const QString& text) {
        MouseClick(window, box);
        PressKey(window, Qt::Key_A, Qt::ControlModifier);
        PressKeys(window, text);
    }
};

} // namespace

TEST_F(FocusTest, EnterPressesTheFocusedButtonOfTheRecordViewerAndNoOther) {
    platform.shower.whenModal(QStringLiteral("Form_dateselect"), [](QDialog&) {});
    platform.shower.whenModal(QStringLiteral("Form_RK_stk_txtfile"), [](QDialog&) {});
    inViewer([&](TForm_rk_lotto_record& v) {
        enterOn(v, "SpeedButton13", Qt::Key_Return); // 列印開獎資料
        enterOn(v, "SpeedButton3", Qt::Key_Enter);   // 順球順序
        EXPECT_EQ(GridRow(v, "sgl", 0)[2], QStringLiteral("順一"));
        enterOn(v, "SpeedButton12", Qt::Key_Return); // 落球大小
        EXPECT_EQ(GridRow(v, "sgl", 0)[2], QStringLiteral("一落"));
        enterOn(v, "SpeedButton10", Qt::Key_Enter); // ?
        enterOn(v, "BitBtn3", Qt::Key_Enter);       // 手動輸入開獎資料
    });
    EXPECT_EQ(platform.shower.modalShown,
              (QStringList{"Form_rk_lotto_record", "Form_dateselect", "Form_RK_stk_txtfile"}));
    EXPECT_EQ(platform.dialogs.texts(), QStringList{QStringLiteral("說明檔 help_record.txt 不存在")});
}

TEST_F(FocusTest, EnterPressesTheFocusedButtonOfAFormulaWindow) {
    bool ran = false;
    platform.shower.whenModal(QStringLiteral("Form_rk_7star2_ng"), [&](QDialog& shown) {
        auto& w = static_cast<FormulaSearchWindow&>(shown);
        enterOn(w, "SpeedButton4", Qt::Key_Enter); // 開始
        ASSERT_TRUE(SearchEnds(w));
        EXPECT_EQ(Label(w, "lb_sortidx"), qs(IndexLabel(1)));
        enterOn(w, "SpeedButton6", Qt::Key_Return); // 下一組
        EXPECT_EQ(Label(w, "lb_sortidx"), qs(IndexLabel(2)));
        ran = true;
    });
    Click(main(), "NG_group");
    EXPECT_TRUE(ran);
}

// A date typed into 最佳Qorvel's base-date box, then the page switched away and back: the date is
// refused once, as when the next box is clicked.
TEST_F(FocusTest, APageSwitchConfirmsTheBoxItLeaves) {
    platform.shower.whenModal(QStringLiteral("Form_varnholt"), [&](QDialog& w) {
        activate(w);
        typeOver(w, "cb_date", QStringLiteral("2001/01/01"));
        clickTab(w, "PageC", "TS3");
        clickTab(w, "PageC", "TS2");
        MouseClick(w, "cb_ii");
    });
    Click(main(), "Varnholt");
    EXPECT_EQ(platform.dialogs.texts(),
              QStringList{QStringLiteral("日期 2001/01/01 沒有開獎資料，請重新選擇")});
}

// The drag window runs the query of the page shown on every switch; the box left is still
// confirmed, once.
TEST_F(FocusTest, APageSwitchInTheDragWindowConfirmsTheBoxItLeaves) {
    Click(main(), "N3");
    auto& w = *windows().get<TForm_rk_trace_single>();
    activate(w);
    int confirmed = 0;
    ConnectBox(Find<QComboBox>(w, "cb_trno"), BoxReacts::OnConfirm, platform.dialogs, [&] { ++confirmed; });
    typeOver(w, "cb_trno", QStringLiteral("7"));
    clickTab(w, "PageControl1", "TabSheet2");
    EXPECT_EQ(confirmed, 1);
    clickTab(w, "PageControl1", "TabSheet1");
    MouseClick(w, "cb_latest");
    EXPECT_EQ(confirmed, 1);
}
