#include "analysis/drag/drag_chart_queries.h"

#include <gtest/gtest.h>

#include "drag_chart_tables.h"

namespace {

// Drawn order differs from ascending order, so the position queries can tell 落球 from 順球.
std::unique_ptr<DrawTables> QueryDraws() {
    return ChartTables({{"2021/01/01", "100001", {"15", "03", "27", "06", "18"}},
                        {"2021/01/02", "100002", {"06", "23", "13", "05", "39"}},
                        {"2021/01/03", "100003", {"18", "06", "01", "02", "04"}},
                        {"2021/01/04", "100004", {"21", "15", "31", "32", "07"}},
                        {"2021/01/05", "100005", {"01", "15", "08", "09", "10"}},
                        {"2021/01/06", "100006", {"36", "38", "15", "02", "20"}}});
}

DragChartSettings Distances(std::initializer_list<int> distances) {
    DragChartSettings settings;
    settings.from = {2005, 1, 1};
    settings.to = {2021, 1, 6};
    settings.distances.fill(false);
    for (int k : distances)
        settings.distances[static_cast<std::size_t>(k - 1)] = true;
    return settings;
}

DragChartQuery Typed(DragChartQueryKind kind, const std::string& text) {
    DragChartQuery query;
    query.kind = kind;
    query.text = text;
    return query;
}

DragChartQuery Boxes(DragChartQueryKind kind, std::array<std::string, 7> boxes, bool drawnOrder) {
    DragChartQuery query;
    query.kind = kind;
    query.boxes = boxes;
    query.drawnOrder = drawnOrder;
    return query;
}

// The draw numbers listed in a memo, header left out.
std::vector<std::string> Ids(const std::vector<std::string>& memo) {
    std::vector<std::string> ids;
    for (std::size_t i = 1; i < memo.size(); ++i)
        ids.push_back(memo[i].substr(0, 4) + ":" + memo[i].substr(18, 6));
    return ids;
}

using Lines = std::vector<std::string>;

} // namespace

TEST(DragQuery, NumbersAnywhereNeedEachNumberOnItsOwnBall) {
    const auto draws = QueryDraws();
    DragChartRun run = RunDragChartQuery(*draws, Distances({1}), Typed(DragChartQueryKind::Numbers, "0618"));
    EXPECT_EQ(Ids(run.memo1), (Lines{"0001:100001", "0002:100003"}));
    EXPECT_EQ(run.memo2, (Lines{"編號, 開獎日期__, 期數__, 號碼", "0001, 2021/01/02, 100002, 05,06,13,23,39,",
                                "0002, 2021/01/04, 100004, 07,15,21,31,32,"}));
    EXPECT_EQ(run.chart_qno[0], "06");
    EXPECT_EQ(run.chart_qno[1], "18");
    EXPECT_EQ(run.titles->numbers, "六合彩0618拖牌號碼統計(2005/01/01-2021/01/06)");
    EXPECT_EQ(run.titles->tails, "拖牌尾數統計(2005/01/01-2021/01/06)");
    EXPECT_EQ(run.drawsInRange, 6);
    EXPECT_EQ(run.counters.chart_nocnt[39], 139);
    EXPECT_EQ(run.counters.chart_tailcnt[3], 203);
    EXPECT_EQ(run.counters.chart_headcnt[0], 300);
    EXPECT_EQ(run.counters.chart_headcnt[3], 303);
    EXPECT_TRUE(run.messages.empty());

    EXPECT_EQ(
        Ids(RunDragChartQuery(*draws, Distances({1}), Typed(DragChartQueryKind::Numbers, "061815")).memo1),
        Lines{"0001:100001"});
    EXPECT_EQ(Ids(RunDragChartQuery(*draws, Distances({1}), Typed(DragChartQueryKind::Numbers, "05")).memo1),
              Lines{"0001:100002"});

    run = RunDragChartQuery(*draws, Distances({1}), Typed(DragChartQueryKind::Numbers, "0606"));
    EXPECT_EQ(run.memo1.size(), 1u);
    EXPECT_EQ(run.messages, Lines{"您查詢的號碼0606尚無開出記錄,故無統計資訊"});
    ASSERT_EQ(run.bars.numbers.size(), 39u);
    EXPECT_EQ(run.bars.numbers[0].value, 0);
}

TEST(DragQuery, TypedTextIsCutAsTyped) {
    const auto draws = QueryDraws();
    // The blank shifts the cut: " 05" is three characters and never a number.
    DragChartRun run = RunDragChartQuery(*draws, Distances({1}), Typed(DragChartQueryKind::Numbers, " 05"));
    EXPECT_EQ(run.memo1.size(), 1u);
    EXPECT_EQ(run.messages, Lines{"您查詢的號碼05尚無開出記錄,故無統計資訊"});
    run = RunDragChartQuery(*draws, Distances({1}), Typed(DragChartQueryKind::Numbers, "06181"));
    EXPECT_EQ(run.memo1.size(), 1u);
    EXPECT_EQ(run.messages.size(), 1u);
    run = RunDragChartQuery(*draws, Distances({1}), Typed(DragChartQueryKind::Tails, " 7"));
    EXPECT_EQ(run.memo1.size(), 1u);
    run = RunDragChartQuery(*draws, Distances({1}), Typed(DragChartQueryKind::Tails, "12345"));
    EXPECT_EQ(run.messages, Lines{"您查詢的尾數12345尚無開出記錄,故無統計資訊"});
}

TEST(DragQuery, TailsAnywhereTakeDistinctBalls) {
    const auto draws = QueryDraws();
    DragChartRun run = RunDragChartQuery(*draws, Distances({1}), Typed(DragChartQueryKind::Tails, "7"));
    EXPECT_EQ(Ids(run.memo1), (Lines{"0001:100001", "0002:100004"})); // 100004's 07 is its fifth ball
    EXPECT_EQ(run.titles->numbers, "六合彩尾數7拖牌號碼統計(2005/01/01-2021/01/06)");
    run = RunDragChartQuery(*draws, Distances({1}), Typed(DragChartQueryKind::Tails, "33"));
    EXPECT_EQ(Ids(run.memo1), Lines{"0001:100002"}); // 13 and 23; 100001 has only 03
    EXPECT_EQ(run.chart_qno[1], "3");
    run = RunDragChartQuery(*draws, Distances({1}), Typed(DragChartQueryKind::Tails, "035"));
    EXPECT_EQ(run.messages, Lines{"您查詢的尾數035尚無開出記錄,故無統計資訊"});
    run = RunDragChartQuery(*draws, Distances({1}), Typed(DragChartQueryKind::Tails, "0582"));
    EXPECT_EQ(Ids(run.memo1), Lines{"0001:100006"}); // 20, 15, 38, 02
}

TEST(DragQuery, AnywhereKindsListTheirMatchesForEveryDistance) {
    const auto draws = QueryDraws();
    const DragChartRun run =
        RunDragChartQuery(*draws, Distances({1, 12}), Typed(DragChartQueryKind::Numbers, "0618"));
    EXPECT_EQ(Ids(run.memo1), (Lines{"0001:100001", "0002:100003", "0003:100001", "0004:100003"}));
    EXPECT_EQ(run.memo2.size(), 3u);
    // Only distance 12 found no follower: one message.
    EXPECT_EQ(run.messages, Lines{"您查詢的號碼0618尚無開出記錄,故無統計資訊"});
}

TEST(DragQuery, PositionNumbersFollowTheChosenOrder) {
    const auto draws = QueryDraws();
    const std::array<std::string, 7> second{"", "15", "", "", "", "", ""};
    DragChartRun run =
        RunDragChartQuery(*draws, Distances({1}), Boxes(DragChartQueryKind::PositionNumbers, second, true));
    EXPECT_EQ(run.memo1, (Lines{"編號, 開獎日期__, 期數__, 號碼", "0001, 2021/01/04, 100004, 21,15,31,32,07,",
                                "0002, 2021/01/05, 100005, 01,15,08,09,10,"}));
    EXPECT_EQ(run.memo2, (Lines{"編號, 開獎日期__, 期數__, 號碼", "0001, 2021/01/05, 100005, 01,15,08,09,10,",
                                "0002, 2021/01/06, 100006, 36,38,15,02,20,"}));
    EXPECT_EQ(run.titles->numbers, "六合彩_,15,_,_,_拖牌號碼統計(2005/01/01-2021/01/06)");
    EXPECT_EQ(run.chart_qno[1], "15");
    // The follower counts all its numbers whatever the order.
    EXPECT_EQ(run.counters.chart_nocnt[15], 215);

    run =
        RunDragChartQuery(*draws, Distances({1}), Boxes(DragChartQueryKind::PositionNumbers, second, false));
    EXPECT_EQ(run.memo1, (Lines{"編號, 開獎日期__, 期數__, 號碼", "0001, 2021/01/04, 100004, 07,15,21,31,32,",
                                "0002, 2021/01/06, 100006, 02,15,20,36,38,"}));
    EXPECT_EQ(Ids(run.memo2), Lines{"0001:100005"});

    run =
        RunDragChartQuery(*draws, Distances({1}),
                          Boxes(DragChartQueryKind::PositionNumbers, {" 01", "", "", "", " ", "", ""}, true));
    EXPECT_EQ(Ids(run.memo1), Lines{"0001:100005"}); // boxes are trimmed
    EXPECT_TRUE(run.titles->numbers.starts_with("六合彩01,_,_,_,_拖牌"));
}

TEST(DragQuery, EmptyPositionsMatchEveryDrawOfTheRange) {
    const auto draws = QueryDraws();
    DragChartSettings settings = Distances({1});
    settings.to = {2021, 1, 5};
    const DragChartRun run =
        RunDragChartQuery(*draws, settings, Boxes(DragChartQueryKind::PositionNumbers, {}, true));
    EXPECT_EQ(run.memo1.size(), 6u);
    EXPECT_EQ(run.memo2.size(), 6u); // 100006 follows 100005 though it lies after the range
    EXPECT_EQ(run.titles->numbers, "六合彩_,_,_,_,_拖牌號碼統計(2005/01/01-2021/01/05)");
    int counted = 0;
    for (int n = 1; n <= 39; ++n)
        counted += run.counters.chart_nocnt[n] / 100;
    EXPECT_EQ(counted, 25);
}

TEST(DragQuery, PositionKindsShowTheLastDistanceMatchesNumberedOn) {
    const auto draws = QueryDraws();
    const DragChartRun run =
        RunDragChartQuery(*draws, Distances({1, 2}),
                          Boxes(DragChartQueryKind::PositionNumbers, {"", "15", "", "", "", "", ""}, true));
    EXPECT_EQ(Ids(run.memo1), (Lines{"0003:100004", "0004:100005"}));
    EXPECT_EQ(Ids(run.memo2), (Lines{"0001:100005", "0002:100006", "0003:100006"}));
    EXPECT_TRUE(run.messages.empty());
}

TEST(DragQuery, PositionTailsCompareUnitsDigits) {
    const auto draws = QueryDraws();
    const std::array<std::string, 7> fifth{"", "", "", "", "7", "", ""};
    DragChartRun run =
        RunDragChartQuery(*draws, Distances({1}), Boxes(DragChartQueryKind::PositionTails, fifth, true));
    EXPECT_EQ(Ids(run.memo1), Lines{"0001:100004"});
    EXPECT_EQ(run.titles->numbers, "六合彩_,_,_,_,7拖牌號碼統計(2005/01/01-2021/01/06)");
    run = RunDragChartQuery(*draws, Distances({1}), Boxes(DragChartQueryKind::PositionTails, fifth, false));
    EXPECT_EQ(Ids(run.memo1), Lines{"0001:100001"});
    run = RunDragChartQuery(*draws, Distances({1}),
                            Boxes(DragChartQueryKind::PositionTails, {"9", "", "", "", "", "", ""}, true));
    EXPECT_EQ(run.messages, Lines{"您查詢的尾數9,_,_,_,_尚無開出記錄,故無統計資訊"});
}
