// The mouse wheel over a window turns only the box that has the focus.
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <gtest/gtest.h>

#include "app/every_window.h"

namespace {

class WheelTest : public EveryWindowTest {
protected:
    // Opens the formula window from its menu item and runs `check` on it once its search has ended.
    void inFormulaWindow(const char* item, const char* window,
                         const std::function<void(FormulaSearchWindow&)>& check) {
        bool ran = false;
        platform.shower.whenModal(QString::fromUtf8(window), [&](QDialog& shown) {
            auto& formulas = static_cast<FormulaSearchWindow&>(shown);
            ASSERT_TRUE(SearchEnds(formulas));
            check(formulas);
            ran = true;
        });
        Click(main(), item);
        EXPECT_TRUE(ran) << window << " did not open";
    }
};

} // namespace

TEST_F(WheelTest, TurnsTheFocusedBoxAndNoOther) {
    inFormulaWindow("stk_3xx", "Form_rk_ai2_stk_3xx", [](FormulaSearchWindow& w) {
        ASSERT_EQ(Text(w, "CB_xx"), QStringLiteral("05"));
        ASSERT_FALSE(Focused(w, "CB_xx"));
        WheelTurn(w, "CB_xx", -1);
        EXPECT_EQ(Text(w, "CB_xx"), QStringLiteral("05"));
        EXPECT_FALSE(Focused(w, "CB_xx")) << "the wheel took the focus";
        EXPECT_FALSE(w.searching());

        QApplication::setActiveWindow(&w);
        MouseClick(w, "CB_xx");
        ASSERT_TRUE(Focused(w, "CB_xx"));
        WheelTurn(w, "CB_xx", -1);
        EXPECT_EQ(Text(w, "CB_xx"), QStringLiteral("06"));
        ASSERT_TRUE(SearchEnds(w));
    });
    inFormulaWindow("linevalue", "Form_rk_6line_line", [](FormulaSearchWindow& w) {
        ASSERT_EQ(Text(w, "cb_percent"), QStringLiteral("45"));
        WheelTurn(w, "cb_percent", 1);
        EXPECT_EQ(Text(w, "cb_percent"), QStringLiteral("45"));
    });
    platform.shower.whenModal(QStringLiteral("Form_rk_chart1"), [](QDialog& w) {
        const QDate last = PickedDate(w, "DateTimePicker2");
        ASSERT_FALSE(Focused(w, "DateTimePicker2"));
        WheelTurn(w, "DateTimePicker2", 1);
        EXPECT_EQ(PickedDate(w, "DateTimePicker2"), last);

        QApplication::setActiveWindow(&w);
        Find<QDateEdit>(w, "DateTimePicker2").setFocus(Qt::TabFocusReason);
        WheelTurn(w, "DateTimePicker2", -1);
        EXPECT_NE(PickedDate(w, "DateTimePicker2"), last);
    });
    Click(main(), "N59");
}

TEST_F(WheelTest, NoBoxWithoutTheFocusTurnsInAnyWindow) {
    // The box its window gives the keys to, whether or not that window is the active one.
    const auto holdsFocus = [](QWidget& box) {
        QWidget* focus = box.window()->focusWidget();
        return focus && (focus == &box || box.isAncestorOf(focus));
    };
    const auto textOf = [](QWidget& box) {
        if (auto* combo = qobject_cast<QComboBox*>(&box))
            return combo->currentText();
        return static_cast<QAbstractSpinBox&>(box).text();
    };
    visitEveryWindow([&](QWidget& window) {
        for (QWidget* box : window.findChildren<QWidget*>()) {
            if (!(qobject_cast<QComboBox*>(box) || qobject_cast<QAbstractSpinBox*>(box)) ||
                !box->isVisible() || !box->isEnabled() || holdsFocus(*box))
                continue;
            SCOPED_TRACE(box->objectName().toStdString());
            const QString before = textOf(*box);
            WheelTurnOver(*box, 1);
            WheelTurnOver(*box, -2);
            EXPECT_EQ(textOf(*box), before);
            EXPECT_FALSE(holdsFocus(*box)) << "the wheel took the focus";
            if (auto* formulas = qobject_cast<FormulaSearchWindow*>(&window)) {
                EXPECT_FALSE(formulas->searching());
            }
        }
    });
}
