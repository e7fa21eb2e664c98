#include "formulas/formula_search.h"

#include <gtest/gtest.h>

#include "formula_history.h"
#include "formulas/ordered_search.h"

TEST(KeptFormulas, CapacityIsTheEarlyStop) {
    KeptFormulas<std::string> exact(3);
    EXPECT_TRUE(exact.keep("a"));
    EXPECT_TRUE(exact.keep("b"));
    EXPECT_FALSE(exact.keep("c")); // full with the third: the search ends, all three kept
    EXPECT_EQ(exact.keys(), (std::vector<std::string>{"a", "b", "c"}));

    KeptFormulas<int> over(2);
    int offered = 0;
    for (int code : {5, 9, 7, 8}) {
        ++offered;
        if (!over.keep(code))
            break;
    }
    EXPECT_EQ(offered, 2);
    EXPECT_EQ(over.keys(), (std::vector<int>{5, 9})); // the first found, not the best
    EXPECT_FALSE(over.keep(11));
    EXPECT_EQ(over.count(), 2);
}

TEST(KeptFormulas, CodesSortAsIntegers) {
    std::vector<int> codes = {3010239, 10101, 2000000, 10102};
    SortKeys(codes, KeySort::Ascending);
    EXPECT_EQ(codes, (std::vector<int>{10101, 10102, 2000000, 3010239}));
}

TEST(RulePaging, ClampsAtBothEndsAndIgnoresAnEmptyList) {
    RulePaging paging;
    paging.reset(3);
    EXPECT_EQ(paging.previous(), 1);
    EXPECT_EQ(paging.next(), 2);
    EXPECT_EQ(paging.next(), 3);
    EXPECT_EQ(paging.next(), 3);
    EXPECT_EQ(IndexLabel(paging.index()), "第 3 組");
    paging.reset(0);
    EXPECT_EQ(paging.next(), 1);
    EXPECT_EQ(paging.previous(), 1);
    EXPECT_EQ(TotalLabel(0), "共 0 組");
    EXPECT_EQ(TotalLabel(1000), "共 1000 組");
}

TEST(BaseDraw, NewestMatchingDrawAndTheTwentyNewestDates) {
    std::vector<std::string> lines = FormulaDrawLines(RandomDraws(25, 1));
    lines.push_back(MakeDrawLine(FormulaDrawDate(25), "109099", {1, 2, 3, 4, 5})); // a second draw that day
    const auto tables = HistoryOf({});
    const auto loaded = LoadedTables(lines);
    const DrawTables& draws = loaded->draws;
    ASSERT_EQ(draws.DrawCount, 26);
    EXPECT_EQ(FindBaseDraw(draws, FormulaDrawDate(25)), 26);
    EXPECT_EQ(FindBaseDraw(draws, FormulaDrawDate(3)), 3);
    EXPECT_EQ(FindBaseDraw(draws, "2020/1/4"), std::nullopt); // compared as the text it reads
    EXPECT_EQ(BaseDrawOrNewest(draws, "abc"), 26);
    EXPECT_EQ(NewestDateText(draws), FormulaDrawDate(25));

    const std::vector<std::string> items = BaseDateItems(draws);
    ASSERT_EQ(items.size(), 20u);
    EXPECT_EQ(items.front(), FormulaDrawDate(25));
    EXPECT_EQ(items[1], FormulaDrawDate(25));
    EXPECT_EQ(items.back(), FormulaDrawDate(7)); // draws 26..7

    EXPECT_EQ(BaseDateItems(HistoryOf(RandomDraws(3, 2))->draws).size(), 3u);
    EXPECT_TRUE(BaseDateItems(tables->draws).empty());
    EXPECT_EQ(BaseDrawOrNewest(tables->draws, ""), 0);
    EXPECT_EQ(NewestDateText(tables->draws), "");
}

TEST(Threshold, TextThatIsNoIntegerBecomesSeventyAndRatesCompareExactly) {
    EXPECT_EQ(PercentFromText("65").percent, 65);
    EXPECT_FALSE(PercentFromText("65").corrected);
    for (const char* text : {"", "6x", "60.5", "abc"}) {
        EXPECT_EQ(PercentFromText(text).percent, 70) << text;
        EXPECT_TRUE(PercentFromText(text).corrected) << text;
    }
    EXPECT_EQ(IntegerOf(" 3"), 3);
    EXPECT_EQ(IntegerOf("3 "), std::nullopt);

    EXPECT_TRUE(MeetsPercent(29, 50, 58)); // 29 / 50 x 100 is 57.99999999999999 in floating point
    EXPECT_FALSE(MeetsPercent(32, 50, 65));
    EXPECT_TRUE(MeetsPercent(33, 50, 65));
    EXPECT_FALSE(MeetsPercent(23, 30, 80));
    EXPECT_TRUE(MeetsPercent(24, 30, 80));
    EXPECT_TRUE(MeetsPercent(14, 30, 45));
    EXPECT_FALSE(MeetsPercent(13, 30, 45));
    EXPECT_TRUE(MeetsPercent(12, 30, 40));
    EXPECT_TRUE(MeetsPercent(17, 30, 55));
    EXPECT_FALSE(MeetsPercent(16, 30, 55));
}

TEST(Folding, SumsFoldIntoOneToMaxNo) {
    EXPECT_EQ(FoldPrediction(39, 1), 1);
    EXPECT_EQ(FoldPrediction(39, 39), 39);
    EXPECT_EQ(FoldPrediction(39, 40), 1);
    EXPECT_EQ(FoldPrediction(39, 0), 39);
    EXPECT_EQ(FoldPrediction(39, 3 * 27 + 5 * 11 + 12), (3 * 27 + 5 * 11 + 12 - 1) % 39 + 1);
    EXPECT_EQ(FoldPrediction(39, 2 * 5 - 9 * 38 + 1), (3900 + 2 * 5 - 9 * 38 + 1 - 1) % 39 + 1);
    for (long long sum = -10000; sum <= 10000; sum += 7) {
        const int n = FoldPrediction(39, sum);
        ASSERT_GE(n, 1);
        ASSERT_LE(n, 39);
        ASSERT_EQ(((sum - n) % 39 + 39) % 39, 0) << sum;
    }
}

TEST(BallOrder, ToggleRewritesEveryLoadedDraw) {
    const auto tables = HistoryOf(RandomDraws(MaxDraws, 3));
    const DrawTables& draws = tables->draws;
    WorkArea& work = tables->work;
    ApplyBallOrder(draws, work, BallOrder::Sorted, 5);
    for (int d : {1, 500, 1200, 1201, 2500})
        for (int p = 1; p <= 5; ++p)
            ASSERT_EQ(work.DrawNumsWork[p][d], draws.DrawNums[p][d]) << d << "/" << p;
    ApplyBallOrder(draws, work, BallOrder::Drawn, 7);
    for (int d : {1, 1201, 2500})
        for (int p = 1; p <= 7; ++p)
            ASSERT_EQ(work.DrawNumsWork[p][d], draws.DrawNumsDrawn[p][d]);
    EXPECT_EQ(BallModeName(BallOrder::Drawn, false), "落");
    EXPECT_EQ(BallModeName(BallOrder::Sorted, false), "順");
    EXPECT_EQ(BallModeName(BallOrder::Sorted, true), "順球");
}

namespace {

// A made-up family: formula f of 0..total-1 qualifies when f % every == 0; keys are f.
std::vector<int> SlowKeep(int total, int every, int capacity) {
    std::vector<int> kept;
    for (int f = 0; f < total && static_cast<int>(kept.size()) < capacity; ++f)
        if (f % every == 0)
            kept.push_back(f);
    return kept;
}

OrderedSearchResult<int> ChunkedKeep(int total, int every, int capacity, int threads, int chunks,
                                     std::vector<int>* progress = nullptr) {
    SearchControl control;
    control.threads = threads;
    if (progress)
        control.progress = [progress](int done, int) { progress->push_back(done); };
    const int size = (total + chunks - 1) / chunks;
    return KeepFirstInOrder<int>(
        chunks, capacity,
        [&](int chunk, ChunkKeeper<int>& keeper) {
            for (int f = chunk * size; f < std::min(total, (chunk + 1) * size); ++f)
                if (f % every == 0 && !keeper.keep(f))
                    return;
        },
        control);
}

} // namespace

TEST(OrderedSearch, KeepsTheFirstFoundWhateverTheThreadCount) {
    for (int capacity : {1, 50, 1000, 5000})
        for (int every : {1, 7, 997})
            for (int threads : {1, 2, 4, 7}) {
                const auto result = ChunkedKeep(20000, every, capacity, threads, 37);
                ASSERT_FALSE(result.stopped);
                ASSERT_EQ(result.keys, SlowKeep(20000, every, capacity))
                    << capacity << " " << every << " " << threads;
            }
    std::vector<int> progress;
    const auto none = ChunkedKeep(100, 1000, 10, 1, 4, &progress);
    EXPECT_EQ(none.keys, (std::vector<int>{0}));
    EXPECT_EQ(progress.back(), 4);
    EXPECT_TRUE(KeepFirstInOrder<int>(0, 10, [](int, ChunkKeeper<int>&) {}, {}).keys.empty());
}

TEST(OrderedSearch, AnErrorOrTheStopFlagEndsTheSearch) {
    SearchControl control;
    control.threads = 3;
    EXPECT_THROW(KeepFirstInOrder<int>(
                     10, 5,
                     [](int chunk, ChunkKeeper<int>&) {
                         if (chunk == 4)
                             throw std::runtime_error("bad");
                     },
                     control),
                 std::runtime_error);
    std::atomic<bool> stop{false};
    control.threads = 1;
    control.stop = &stop;
    const auto result = KeepFirstInOrder<int>(
        10, 50,
        [&](int chunk, ChunkKeeper<int>& keeper) {
            keeper.keep(chunk);
            if (chunk == 2)
                stop = true;
        },
        control);
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.keys, (std::vector<int>{0, 1, 2}));
}
