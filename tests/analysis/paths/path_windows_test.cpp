#include <gtest/gtest.h>

#include "analysis/drag/drag_grid.h"
#include "analysis/paths/no_analysis_window.h"
#include "analysis/paths/rule_define_window.h"
#include "common/num_format.h"
#include "common/text_file.h"
#include "draws/path_rules.h"
#include "path_window_fixture.h"
#include "platform/string_grid.h"
#include "support/draw_lines.h"
#include "support/window_fixture.h"

TEST_F(PathWindowTest, NumberAnalysisCountsAndPredictsOnShowing) {
    TForm_rk_no_analysis w(tables.draws, tables.drag, tables.rules, services, links);
    platform.shower.showModal(w);
    EXPECT_EQ(Label(w, "lb_ruletitle"), QStringLiteral("本期開 20 本期 拖牌分析"));
    EXPECT_EQ(Text(w, "cb_lt"), QStringLiteral("10"));
    EXPECT_EQ(Items(w, "cb_lt").size(), 9);
    EXPECT_EQ(GridRow(w, "sga1", 0)[19], QStringLiteral("20"));
    EXPECT_EQ(GridRow(w, "sga1", 1)[19], QStringLiteral("10"));
    EXPECT_EQ(GridRow(w, "sga2", 0)[17], QStringLiteral("39"));
    EXPECT_EQ(GridRow(w, "sga2", 0)[18], QString());
    EXPECT_EQ(GridRow(w, "sga4", 0)[7], QStringLiteral("H"));
    EXPECT_EQ(Text(w, "Ed_result"), QStringLiteral(" 20 15 20"));
    const QStringList memo = MemoLines(w, "mmresult");
    ASSERT_FALSE(memo.isEmpty());
    EXPECT_EQ(memo[0], QStringLiteral("版路名稱：本期開 20 本期 拖牌分析"));
    EXPECT_TRUE(memo.contains(QStringLiteral("本期預測 15")));

    Type(w, "cb_lt", "3");
    EXPECT_EQ(GridRow(w, "sga1", 1)[11], QStringLiteral("1")); // 12 once in the last three rows
    EXPECT_EQ(GridRow(w, "sga1", 1)[19], QStringLiteral("3"));
    Click(w, "cb_sort");
    EXPECT_EQ(GridRow(w, "sga1", 0)[0], QStringLiteral("20"));
    EXPECT_EQ(GridRow(w, "sga3", 0)[0], QStringLiteral("  0"));

    platform.dialogs.answer(DialogAnswer::Yes);
    Type(w, "cb_lt", "x");
    EXPECT_EQ(platform.dialogs.lastText(), QStringLiteral("您輸入的數字錯誤,請重新輸入"));
    EXPECT_EQ(GridRow(w, "sga1", 0)[0], QStringLiteral("20")); // counts as they were
    w.close();
    EXPECT_EQ(Label(w, "lb_ruletitle"), QString());
}

TEST_F(PathWindowTest, RulesAreCheckedAgainAfterThePathDefinition) {
    TForm_rk_no_analysis w(tables.draws, tables.drag, tables.rules, services, links);
    platform.shower.showModal(w);
    tables.rules.RuleEnable[1] = false; // as the path definition would leave it
    Click(w, "SpeedButton1");
    EXPECT_EQ(links.opened, std::vector{WindowId::Form_rk_rule_define});
    EXPECT_EQ(Text(w, "Ed_result"), QStringLiteral(" 15 20"));

    const QString file = dir.file(QStringLiteral("rules.txt"));
    platform.dialogs.saveAs(file);
    Click(w, "SpeedButton4");
    EXPECT_EQ(platform.dialogs.saveRequests.back().filter, QStringLiteral("純文字檔案(*.txt)"));
    EXPECT_EQ(ReadTextLines(file.toStdString()).front(), "版路名稱：本期開 20 本期 拖牌分析");
    EXPECT_TRUE(platform.dialogs.prompts.empty());
    Click(w, "SpeedButton3");
    EXPECT_TRUE(MemoLines(w, "mmresult").isEmpty());
}

TEST_F(PathWindowTest, PathDefinitionShowsAndWritesTheRulesInForce) {
    TForm_rk_rule_define w(tables.rules, services);
    tables.rules.RuleEnable[3] = false;
    tables.rules.RuleOkCount = 4;
    platform.shower.showModal(w);
    EXPECT_FALSE(Ticked(w, "cb_n1m1"));
    EXPECT_TRUE(Ticked(w, "cb_n1p0"));
    EXPECT_TRUE(Ticked(w, "rb_ok4"));
    EXPECT_EQ(Text(w, "cb_n2m2"), QStringLiteral("隔二版開 Ｎ－２號(X2N-2)"));
    EXPECT_FALSE(tables.rules.RuleEnable[3]); // showing writes nothing

    Click(w, "cb_n2p1");
    EXPECT_FALSE(tables.rules.RuleEnable[7]);
    EXPECT_FALSE(tables.rules.RuleEnable[3]);
    Click(w, "rb_ok2");
    EXPECT_EQ(tables.rules.RuleOkCount, 2);
    Click(w, "SpeedButton1");
    EXPECT_EQ(Text(w, "SpeedButton1"), QStringLiteral("全選"));
    for (int k = 1; k <= 10; ++k)
        EXPECT_FALSE(tables.rules.RuleEnable[k]) << k;
    Click(w, "SpeedButton1");
    EXPECT_EQ(Text(w, "SpeedButton1"), QStringLiteral("清除"));
    for (int k = 1; k <= 10; ++k)
        EXPECT_TRUE(tables.rules.RuleEnable[k]) << k;
    w.close();

    // A reload switches every rule on again; the next showing says so.
    Click(w, "SpeedButton1");
    ResetPathRules(tables.rules);
    platform.shower.showModal(w);
    EXPECT_TRUE(Ticked(w, "cb_n1p0"));
    EXPECT_TRUE(Ticked(w, "rb_ok3"));
}
