#include "app/app_windows.h"
#include "app/application.h"
#include "app/main_window.h"
#include "family_window_fixture.h"
#include "formulas/line_formula_window.h"
#include "formulas/nogood_group_window.h"
#include "formulas/nurture30_window.h"
#include "formulas/nurture50_window.h"
#include "formulas/tail_formula_window.h"

namespace {

using FamilyMenuTest = FamilyWindowTest;

} // namespace

TEST_F(FamilyMenuTest, TheFiveWindowsOpenFromTheFormulaMenuAndAreKept) {
    dir.copyData(QStringLiteral("TW539.txt"));
    Application app(platform.services());
    app.start();
    TForm_rk_main& main = *app.windows().get<TForm_rk_main>();
    AppWindows& windows = app.windows();

    Click(main, "NG_tail");
    ASSERT_TRUE(windows.get<TForm_rk_nogood>());
    TForm_rk_nogood& tail = *windows.get<TForm_rk_nogood>();
    EXPECT_EQ(tail.windowTitle(), QStringLiteral("不出尾數版路"));
    Search(tail);
    ASSERT_GT(tail.ruleCount(), 0);
    tail.close();
    Click(main, "NG_tail"); // the same window: the grid starts over, and the count with it
    EXPECT_EQ(&tail, windows.get<TForm_rk_nogood>());
    EXPECT_EQ(tail.ruleCount(), 0);
    EXPECT_EQ(GridRow(tail, "sgl", 1)[9], QString());
    tail.close();

    Click(main, "NG_group");
    ASSERT_TRUE(windows.get<TForm_rk_7star2_ng>());
    EXPECT_EQ(windows.get<TForm_rk_7star2_ng>()->windowTitle(), QStringLiteral("不出牌組(2006.07.10修訂)"));
    windows.get<TForm_rk_7star2_ng>()->close();
    Click(main, "linevalue");
    ASSERT_TRUE(windows.get<TForm_rk_6line_line>());
    EXPECT_EQ(windows.get<TForm_rk_6line_line>()->windowTitle(), QStringLiteral("簡單數值公式"));
    windows.get<TForm_rk_6line_line>()->close();

    Click(main, "one3is_2");
    ASSERT_TRUE(windows.get<TForm_rk_6line_3is_2>());
    TForm_rk_6line_3is_2& twin = *windows.get<TForm_rk_6line_3is_2>();
    EXPECT_EQ(twin.windowTitle(), QStringLiteral("獨支三期養牌(30期驗證)2006.07.10"));
    EXPECT_FALSE(windows.get<TForm_rk_6line_3is>());
    Click(twin, "Button1"); // the 50-draw window over the twin
    ASSERT_TRUE(windows.get<TForm_rk_6line_3is>());
    EXPECT_EQ(windows.get<TForm_rk_6line_3is>()->windowTitle(), QStringLiteral("獨支三期養牌(50期驗證)"));
    EXPECT_TRUE(windows.get<TForm_rk_6line_3is>()->isVisible());
    windows.get<TForm_rk_6line_3is>()->close();
    twin.close();
    Click(main, "one3is");
    EXPECT_EQ(platform.shower.modalShown,
              (QStringList{QStringLiteral("Form_rk_nogood"), QStringLiteral("Form_rk_nogood"),
                           QStringLiteral("Form_rk_7star2_ng"), QStringLiteral("Form_rk_6line_line"),
                           QStringLiteral("Form_rk_6line_3is_2"), QStringLiteral("Form_rk_6line_3is"),
                           QStringLiteral("Form_rk_6line_3is")}));
    windows.get<TForm_rk_6line_3is>()->close();
}
