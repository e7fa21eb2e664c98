#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <gtest/gtest.h>

#include "pillars/subset_search.h"
#include "platform/qt_text.h"
#include "split_reference.h"
#include "varnholt_fixture.h"

namespace {

// A search stopped by its flag when it is about to start subset `at`.
SubsetSearchOutcome StoppedAt(bool fifteen, const SplitSearchInput& input, int at) {
    std::atomic<bool> stop{false};
    const SubsetSearchControl control{[&](int subset) { stop = stop || subset == at; }, &stop};
    return fifteen ? Best1510(input, control) : Best1208(input, control);
}

} // namespace

TEST(SubsetStop, CuttingAFinishedRunBackEqualsStoppingItThere) {
    const std::vector<std::string> memo = {"01 02 03 04 05", "02 03 11 12 13", "04 05 06 14 15"};
    const SplitSearchInput fifteen = Input(NumberRange(1, 15), memo, 1);
    const SubsetSearchOutcome full = Best1510(fifteen, {});
    for (int at : {1, 5, 6, 40}) {
        const SubsetSearchOutcome cut = StopBefore1510(full, at);
        const SubsetSearchOutcome stopped = StoppedAt(true, fifteen, at);
        EXPECT_EQ(cut.subsetsDone, stopped.subsetsDone) << at;
        EXPECT_TRUE(cut.stopped);
        EXPECT_EQ(cut.hasReport, stopped.hasReport) << at;
        EXPECT_EQ(Texts(cut.ranked), Texts(stopped.ranked)) << at;
    }
    // A stop past the end of what was done changes nothing.
    EXPECT_EQ(Texts(StopBefore1510(full, SubsetCount1510 + 1).ranked), Texts(full.ranked));
    EXPECT_FALSE(StopBefore1510(full, SubsetCount1510 + 1).stopped);
    const SubsetSearchOutcome twelve = StopBefore1208(Best1208(Input(NumberRange(1, 12), memo), {}), 100);
    EXPECT_EQ(twelve.subsetsDone, 99);
    EXPECT_FALSE(twelve.hasReport);
}

namespace {

class SubsetStopWindowTest : public VarnholtWindowTest {};

} // namespace

TEST_F(SubsetStopWindowTest, AStopReportsExactlyTheSubsetsTheDisplayWentThrough) {
    open();
    Click(w(), "Button8");
    for (int n = 1; n <= 15; ++n)
        Click(w(), NumberBox(n));
    // Clicked once the sixth subset's step has been shown, wherever the search has got to by then.
    int lastStep = 0;
    QObject::connect(&w(), &TForm_varnholt::subsetSearchStep, &w(), [&](int subset) {
        lastStep = subset;
        if (subset == 6)
            QTimer::singleShot(0, &w(), [&] { Click(w(), "btn_stop_1510"); });
    });
    platform.dialogs.answer(DialogAnswer::Yes);
    QSignalSpy ended(&w(), &TForm_varnholt::subsetSearchEnded);
    Click(w(), "Button32");
    ASSERT_TRUE(ended.wait(300000));

    // The subset the display stood at when the stop came is finished, and nothing after it (all of
    // them when the display had already reached the end).
    const QStringList lines = MemoLines(w(), "Memo2");
    ASSERT_TRUE(lines.contains(QStringLiteral("※ 以上結果為計算所有組合之 ﹙%1 / 3003 ﹚").arg(lastStep)))
        << lastStep;
    const int shown = std::min(lastStep + 1, SubsetCount1510);
    EXPECT_EQ(Label(w(), "lb_percent"), QStringLiteral("%1 / 3003").arg(shown));
    const SplitSearchInput input{NumberRange(1, 15), w().drawMemoLines(), w().windowHeader(),
                                 w().RG1ItemIndex()};
    const DateTime now = platform.clock.now();
    EXPECT_EQ(ssList(lines), Report1510(input, StopBefore1510(Best1510(input, {}), lastStep + 1), now, now));
}
