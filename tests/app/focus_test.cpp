// What the keyboard does as a user meets it: Enter presses the button that has the focus and no
// other.
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "app/every_window.h"
#include "formulas/formula_search.h"
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
