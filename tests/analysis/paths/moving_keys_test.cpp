#include "analysis/paths/moving_window.h"
#include "common/num_format.h"
#include "support/draw_lines.h"
#include "support/window_fixture.h"

namespace {

class MovingKeysTest : public WindowTest {};

QList<QStringList> GridRows(QWidget& window, const char* grid) {
    QList<QStringList> rows;
    for (int r = 0; r < RowCount(window, grid); ++r)
        rows << GridRow(window, grid, r);
    return rows;
}

} // namespace

TEST_F(MovingKeysTest, EnterInABoxKeepsTheWindowItsGridAndItsMemo) {
    std::vector<std::string> lines;
    for (int i = 1; i <= 12; ++i)
        lines.push_back(MakeDrawLine(DateFormat("yyyy/mm/dd", Date{2026, 1, i}), "1150" + NumFormat("00", i),
                                     {10 + i, 3, 30, 4 + i % 3, 25}));
    loadDraws(lines);
    TForm_rk_moving w(tables.draws, tables.work, services, links);
    w.show();
    Click(w, "SpeedButton3"); // the rule title goes into the memo
    const QStringList memo = MemoLines(w, "Memo1");
    ASSERT_EQ(memo.size(), 1);
    for (const char* box : {"cb_lastw", "cb_order", "cb_pmx1"})
        for (const char* text : {"99", "abc", "0", ""}) {
            Type(w, box, text);
            const QList<QStringList> shown = GridRows(w, "sgl");
            Confirm(w, box);
            ASSERT_TRUE(w.isVisible()) << box << " " << text;
            EXPECT_EQ(GridRows(w, "sgl"), shown) << box << " " << text;
            EXPECT_EQ(MemoLines(w, "Memo1"), memo);
        }
    EXPECT_EQ(platform.dialogs.prompts.size(), 1u); // the title's message only
}
