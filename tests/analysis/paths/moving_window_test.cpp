#include "analysis/paths/moving_window.h"
#include "common/num_format.h"
#include "common/text_file.h"
#include "drawhistory/app_test_fixture.h"
#include "draws/draw_loader.h"
#include "platform/qt_text.h"
#include "support/window_fixture.h"

namespace {

// Twelve draws, newest 2026/01/12; draw 3 holds 20 drawn first and 05 lowest.
std::vector<std::string> TwelveDraws() {
    std::vector<std::string> lines;
    for (int i = 1; i <= 12; ++i) {
        std::array<int, 5> numbers{10 + i, 3, 30, 4 + i % 3, 25};
        if (i == 3)
            numbers = {20, 5, 33, 8, 17};
        lines.push_back(
            MakeDrawLine(DateFormat("yyyy/mm/dd", Date{2026, 1, i}), "1150" + NumFormat("00", i), numbers));
    }
    return lines;
}

class MovingWindowTest : public WindowTest {
protected:
    MovingWindowTest() {
        loadDraws(TwelveDraws());
        window = std::make_unique<TForm_rk_moving>(tables.draws, tables.work, services, links);
    }

    // Shown as its modal opener does; the fake shower does not block.
    void show() { window->show(); }
    QStringList row(int r) { return GridRow(*window, "sgl", r); }

    std::unique_ptr<TForm_rk_moving> window;
};

} // namespace

TEST_F(MovingWindowTest, ShowingFramesTheGridAndComputesTheFrontPage) {
    tables.work.DrawNumsWork[1][3] = "99"; // left by another window
    show();
    EXPECT_EQ(RowCount(*window, "sgl"), 14);
    EXPECT_EQ(tables.work.DrawNumsWork[1][3], "20");
    EXPECT_EQ(row(0).mid(0, 3), (QStringList{"日     期", "期  數", "落一"}));
    EXPECT_EQ(row(4).mid(9), (QStringList{"20  ", "", "", ""}));
    EXPECT_EQ(row(13).at(0), "本期預測");
    EXPECT_EQ(Items(*window, "cb_pmx1").size(), 39); // sizes 0..38
    EXPECT_TRUE(platform.dialogs.prompts.empty());

    // The order switch rewrites the shared working copy and the predictions.
    Click(*window, "rb_S");
    EXPECT_EQ(tables.work.DrawNumsWork[1][3], "05");
    EXPECT_EQ(row(0).at(2), "順一");
    EXPECT_EQ(row(4).at(9), "05  ");
    Click(*window, "rb_L");
    EXPECT_EQ(tables.work.DrawNumsWork[1][3], "20");
    EXPECT_EQ(row(4).at(9), "20  ");
}

TEST_F(MovingWindowTest, SettingsRecomputeAndBadTextsKeepTheGrid) {
    show();
    Type(*window, "cb_pmx1", "2");
    EXPECT_EQ(row(4).at(9), "22  ");
    Type(*window, "cb_pm1", "減");
    EXPECT_EQ(row(4).at(9), "18  ");
    Type(*window, "cb_lastw", "2");
    EXPECT_EQ(row(5).at(9), "18  ");
    EXPECT_EQ(row(2).at(9), ""); // no base draw above row N+1
    Type(*window, "cb_lastw", "0");
    EXPECT_EQ(row(5).at(9), "18  "); // outside its list: nothing recomputed
    Type(*window, "cb_pmx1", "-3");
    EXPECT_EQ(row(5).at(9), "18  ");

    // More offsets show their rows.
    EXPECT_FALSE(Visible(*window, "Label3"));
    EXPECT_FALSE(Visible(*window, "cb_pmx2"));
    Click(*window, "rb_3to1");
    EXPECT_TRUE(Visible(*window, "Label16"));
    Type(*window, "cb_lastw", "1");
    Type(*window, "cb_pmx1", "2");
    Type(*window, "cb_pmx3", "1");
    EXPECT_EQ(row(4).at(9), "18 20 21");

    // The second page computes its own rule when brought to the front.
    Type(*window, "cb_av_lastw", "1");
    EXPECT_EQ(CurrentPage(*window, "PageControl1"), "TabSheet2");
    EXPECT_EQ(row(4).at(9), "19  "); // (20 + 05 + 33) div 3
}

TEST_F(MovingWindowTest, RowDetailsTitlesAndTheMemo) {
    show();
    ClickCell(*window, "sgl", 9, 4);
    ClickCell(*window, "sgl", 8, 5);
    ClickCell(*window, "sgl", 10, 1);
    EXPECT_EQ(MemoLines(*window, "Memo1"), QStringList{qs(window->movingDetail()[4])});

    Click(*window, "SpeedButton3");
    EXPECT_EQ(MemoLines(*window, "Memo1").back(), "上1期落球第1支,本期開本支 一中一");
    EXPECT_EQ(platform.dialogs.lastText(), "上1期落球第1支,本期開本支 一中一\n(已存入版路明細)");
    Click(*window, "SpeedButton5");
    EXPECT_EQ(platform.dialogs.lastText(), "點[預測欄]就可以產生版路明細");
    Click(*window, "SpeedButton6");
    EXPECT_EQ(links.helpShown, QStringList{"help_moving.txt"});
    Click(*window, "N1");
    ASSERT_EQ(links.printed.size(), 1u);
    EXPECT_EQ(links.printed[0], MemoLines(*window, "Memo1"));

    platform.dialogs.saveAs(QString()); // cancelled: nothing written
    Click(*window, "SpeedButton1");
    platform.dialogs.saveAs(dir.file(QStringLiteral("moving.txt")));
    Click(*window, "SpeedButton1");
    EXPECT_EQ(platform.dialogs.saveRequests.back().defaultSuffix, "txt");
    EXPECT_EQ(ReadTextLines(dir.file(QStringLiteral("moving.txt")).toStdString()).size(), 2u);
    Click(*window, "SpeedButton2");
    EXPECT_TRUE(MemoLines(*window, "Memo1").isEmpty());
}

TEST_F(MovingWindowTest, LongTypedTextsKeepTitlesShort) {
    show();
    const QString longText(40000, QLatin1Char('7'));
    for (const char* box : {"cb_lastw", "cb_order", "cb_pm1", "cb_pmx1"})
        Paste(*window, box, longText);
    for (int i = 0; i < 3; ++i)
        MouseClick(*window, "SpeedButton3");
    // Each title is one short line: laying out a wrapped line of 120 000 characters took a second.
    const QStringList lines = MemoLines(*window, "Memo1");
    ASSERT_EQ(lines.size(), 3);
    EXPECT_LT(lines.join(QString()).size(), 3 * 80);
    EXPECT_LT(platform.dialogs.lastText().size(), 80);
}

class MovingOpenerTest : public AppTest {};

TEST_F(MovingOpenerTest, OpenedModalAsLeftOrModelessOnTheMeanPage) {
    startWith(TwelveDraws());
    Click(main(), "moving");
    EXPECT_EQ(platform.shower.modalShown, QStringList{"Form_rk_moving"});
    TForm_rk_moving& moving = *windows().get<TForm_rk_moving>();
    EXPECT_EQ(CurrentPage(moving, "PageControl1"), "TabSheet1");
    Click(main(), "N41");
    EXPECT_EQ(platform.shower.modelessShown, QStringList{"Form_rk_moving"});
    EXPECT_EQ(CurrentPage(moving, "PageControl1"), "TabSheet2");
}
