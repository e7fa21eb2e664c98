// The windows that show the drag grid from another angle: two-of, three-of, sorted grid, guide.
#include <gtest/gtest.h>

#include "analysis/drag/drag_grid.h"
#include "analysis/drag/excel_guide_window.h"
#include "analysis/drag/grid_sort_window.h"
#include "analysis/drag/threeforone_window.h"
#include "analysis/drag/twoforone_window.h"
#include "common/text_file.h"
#include "drag_history.h"
#include "support/window_fixture.h"

namespace {

class DragReaderTest : public WindowTest {
protected:
    // A drag query over `history` whose rows are `rows`.
    void query(const std::vector<std::array<int, 5>>& history, const std::vector<int>& rows) {
        loadDraws(HistoryLines(history));
        PublishDragQuery(tables.drag, tables.draws, rows, DragMark::Dot, "999999", false);
    }
};

// 07 and 12 in every row, 05 in the first; 20 in the second of three.
const std::vector<std::array<int, 5>> Three = {{7, 12, 5, 1, 2}, {7, 12, 20, 3, 4}, {7, 12, 30, 31, 32}};

} // namespace

TEST_F(DragReaderTest, TwoOfListsTheBestPairsAndShowsTheChosenColumns) {
    query(Three, {1, 2, 3});
    TForm_rk_twoforone w(tables.draws, tables.drag, services);
    w.get_twoforone();
    platform.shower.showModal(w);
    EXPECT_EQ(Items(w, "ComboBox1").size(), 100);
    EXPECT_EQ(Text(w, "ComboBox1"), QStringLiteral("07.12")); // both in every row, most marks
    EXPECT_EQ(Label(w, "Label2"), QStringLiteral("拖牌總期數 3"));
    EXPECT_EQ(Label(w, "Label3"), QStringLiteral("二中一期數 3"));
    EXPECT_EQ(Label(w, "Label4"), QStringLiteral("開出號碼數 6"));
    EXPECT_EQ(RowCount(w, "sg1"), 3 + 13);
    EXPECT_EQ(GridRow(w, "sg1", 0), (QStringList{"日     期", " 期  數", "07", "12"}));
    EXPECT_EQ(GridRow(w, "sg1", 3 + 3)[2], QStringLiteral("3")); // statistic rows come along

    Type(w, "ComboBox1", "05.20");
    EXPECT_EQ(GridRow(w, "sg1", 1)[2], QStringLiteral("●"));
    EXPECT_EQ(GridRow(w, "sg1", 2)[3], QStringLiteral("●"));
    EXPECT_EQ(Label(w, "Label3"), QStringLiteral("二中一期數 2"));
    EXPECT_EQ(Label(w, "Label4"), QStringLiteral("開出號碼數 2"));
    Type(w, "ComboBox1", "xx.07"); // a part that names no number leaves its column
    EXPECT_EQ(GridRow(w, "sg1", 0)[2], QStringLiteral("05"));
    EXPECT_EQ(GridRow(w, "sg1", 0)[3], QStringLiteral("07"));
}

TEST_F(DragReaderTest, ThreeOfWithNothingAboveThirtyPercentShowsNothing) {
    query(Three, {1, 2, 3});
    TForm_rk_threeforone w(tables.draws, tables.drag, services);
    w.get_threeforone();
    platform.shower.showModal(w);
    EXPECT_EQ(Text(w, "ComboBox1"), QStringLiteral("07.12.32"));
    EXPECT_EQ(Label(w, "Label3"), QStringLiteral("三中一期數 3"));

    w.close();
    PublishDragQuery(tables.drag, tables.draws, {}, DragMark::Dot, "999999", false);
    w.get_threeforone();
    platform.shower.showModal(w);
    EXPECT_EQ(Items(w, "ComboBox1").size(), 0);
    EXPECT_EQ(Text(w, "ComboBox1"), QString());
    EXPECT_EQ(GridRow(w, "sg1", 0), (QStringList{"日     期", " 期  數", "", "", ""}));
    EXPECT_EQ(Label(w, "Label2"), QStringLiteral("拖牌總期數 0"));
    EXPECT_EQ(Label(w, "Label3"), QStringLiteral("三中一期數 0"));
    EXPECT_EQ(Label(w, "Label4"), QStringLiteral("開出號碼數 0"));
}

TEST_F(DragReaderTest, SortedGridShowsTheRankedColumnsAndSavesThem) {
    query(Three, {1, 2, 3});
    TForm_rk_grid_sort w(tables.draws, tables.drag, services);
    w.show_grid_sort();
    platform.shower.showModeless(w);
    const QStringList heading = GridRow(w, "sgmap", 0);
    EXPECT_EQ(heading.size(), 62);
    EXPECT_EQ(heading.mid(2, 3), (QStringList{"12", "07", "32"}));
    EXPECT_EQ(heading[TailColumn(39, 0)], QStringLiteral("２")); // tails by their totals: 2 (5 marks), 7 (3)
    EXPECT_EQ(heading[TailColumn(39, 1)], QStringLiteral("７"));

    const QString file = dir.file(QStringLiteral("sorted.txt"));
    platform.dialogs.saveAs(file);
    Click(w, "N1");
    EXPECT_EQ(platform.dialogs.lastText(), QStringLiteral("本圖表數據已儲存為文字檔"));
    const std::vector<std::string> lines = ReadTextLines(file.toStdString());
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(tables.drag.TraceGridRows + 12));
    EXPECT_EQ(lines[0].rfind("日     期, 期  數,12,07,32,", 0), 0u);
}

TEST_F(DragReaderTest, GuideStepsSwapThePicture) {
    TForm_img_excel w;
    platform.shower.showModeless(w);
    const auto picture = [&w](const char* name) { return Picture(w, name).toImage(); };
    EXPECT_EQ(picture("img0"), picture("img1"));
    Click(w, "Label5");
    EXPECT_EQ(picture("img0"), picture("img5"));
    EXPECT_NE(picture("img0"), picture("img1"));
    EXPECT_EQ(Label(w, "Label5"), QStringLiteral("步驟五:勾選\"逗點\"->下一步"));
    Click(w, "Label1");
    EXPECT_EQ(picture("img0"), picture("img1"));
}
