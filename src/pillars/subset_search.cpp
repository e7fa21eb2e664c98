#include "pillars/subset_search.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <tuple>

#include "common/num_format.h"
#include "common/parallel_ranges.h"

namespace {

constexpr int MinimumForPartialReport = 5;

struct SubsetKind {
    SplitShape shape;
    int selection;
    int keep;
    bool reportsWhenStopped;
};

constexpr SubsetKind Kind1208{SplitShape::Pairs2222, 12, 8, false};
constexpr SubsetKind Kind1510{SplitShape::Mixed2233, 15, 10, true};

// The split with the best totals in the order's priority; splits come in ascending text order, so
// among equal totals the later one is the larger text. The order is a template argument so that
// the comparison of the inner loop is inlined.
template <StarOrder Order> std::size_t BestSplitIndex(const std::vector<StarTotals>& totals) {
    const auto key = [](const StarTotals& t) {
        if constexpr (Order == StarOrder::FourThreeTwo)
            return std::tuple(t.star4, t.star3, t.star2);
        else if constexpr (Order == StarOrder::ThreeTwoFour)
            return std::tuple(t.star3, t.star2, t.star4);
        else
            return std::tuple(t.star2, t.star3, t.star4);
    };
    std::size_t top = 0;
    auto topKey = key(totals[0]);
    for (std::size_t i = 1; i < totals.size(); ++i) {
        const auto k = key(totals[i]);
        if (k >= topKey) {
            top = i;
            topKey = k;
        }
    }
    return top;
}

std::size_t BestSplitIndex(const std::vector<StarTotals>& totals, StarOrder order) {
    switch (order) {
    case StarOrder::FourThreeTwo:
        return BestSplitIndex<StarOrder::FourThreeTwo>(totals);
    case StarOrder::ThreeTwoFour:
        return BestSplitIndex<StarOrder::ThreeTwoFour>(totals);
    case StarOrder::TwoThreeFour:
        return BestSplitIndex<StarOrder::TwoThreeFour>(totals);
    }
    throw std::invalid_argument("unknown star order");
}

// Ranks the subsets done, when the run may report.
SubsetSearchOutcome Conclude(const SubsetKind& kind, std::vector<ScoredSplit> bySubset, bool stopped) {
    SubsetSearchOutcome outcome;
    outcome.subsetsDone = static_cast<int>(bySubset.size());
    outcome.stopped = stopped;
    outcome.hasReport =
        !stopped || (kind.reportsWhenStopped && outcome.subsetsDone >= MinimumForPartialReport);
    if (outcome.hasReport) {
        outcome.ranked = bySubset;
        RankDescending(outcome.ranked);
    }
    outcome.bySubset = std::move(bySubset);
    return outcome;
}

SubsetSearchOutcome StopBefore(const SubsetKind& kind, SubsetSearchOutcome outcome, int subset) {
    const int kept = std::max(0, subset - 1);
    if (kept >= outcome.subsetsDone)
        return outcome;
    outcome.bySubset.resize(static_cast<std::size_t>(kept));
    return Conclude(kind, std::move(outcome.bySubset), true);
}

// Subsets are announced (progress, then the stop flag) one by one in order on the calling thread
// and scored over the scan threads, so a stop seen at subset s always leaves exactly the subsets
// before s searched, whatever the thread count.
constexpr std::size_t SubsetBlock = 8;

SubsetSearchOutcome SearchSubsets(const SubsetKind& kind, const SplitSearchInput& input,
                                  const SubsetSearchControl& control) {
    CheckSelection(input.selection, kind.selection);
    std::vector<std::string> numbers = input.selection;
    std::sort(numbers.begin(), numbers.end());
    const StarOrder order = StarOrderOfItem(input.rg1Item);
    const CoOccurrence counts(numbers, input.memoLines);
    const SplitScorer scorer(kind.shape);
    const std::vector<SplitPattern>& patterns = SplitPatterns(kind.shape);
    const std::vector<std::vector<int>> subsets = SubsetPositions(kind.selection, kind.keep);

    // Slot s holds the best split of subset s + 1; the ranking below sorts them all by a total
    // order, so the slots' filling order does not matter.
    std::vector<ScoredSplit> best(subsets.size());
    const auto scoreSubset = [&](std::vector<StarTotals>& totals, std::size_t s) {
        const std::vector<int>& members = subsets[s];
        scorer.score(counts, members, totals);
        const std::size_t top = BestSplitIndex(totals, order);
        SplitText split;
        for (int slot = 0; slot < kind.keep; ++slot)
            split +=
                numbers[static_cast<std::size_t>(members[patterns[top][static_cast<std::size_t>(slot)]])];
        best[s] = {totals[top], order, std::move(split)};
    };

    bool stopped = false;
    const auto announce = [&](std::size_t s) {
        if (control.progress)
            control.progress(static_cast<int>(s) + 1);
        stopped = control.stop && control.stop->load();
        return !stopped;
    };
    const std::size_t done = ScanAdmittedUnits(subsets.size(), control.threads, std::vector<StarTotals>(),
                                               SubsetBlock, announce, scoreSubset)
                                 .admitted;
    best.resize(done);
    return Conclude(kind, std::move(best), stopped);
}

std::vector<std::string> SubsetReport(const SubsetKind& kind, const std::string& title, int listed,
                                      const SplitSearchInput& input, const SubsetSearchOutcome& outcome) {
    const StarOrder order = StarOrderOfItem(input.rg1Item);
    std::vector<std::string> lines =
        ReportHead(title, input, "您選擇的立柱號碼", kind.shape, "以下按" + StarOrderHeading(order), 20);
    const std::size_t shown = std::min<std::size_t>(static_cast<std::size_t>(listed), outcome.ranked.size());
    for (std::size_t r = 0; r < shown; ++r) {
        lines.push_back(ResultLine(kind.shape, outcome.ranked[r]));
        lines.push_back(LeftOutLine(input.selection, outcome.ranked[r].split));
        lines.push_back("");
    }
    return lines;
}

std::string TimeText(const DateTime& when) {
    return DateFormat("yyyy/mm/dd hh:mm:ss", when);
}

} // namespace

SubsetSearchOutcome Best1208(const SplitSearchInput& input, const SubsetSearchControl& control) {
    return SearchSubsets(Kind1208, input, control);
}

SubsetSearchOutcome Best1510(const SplitSearchInput& input, const SubsetSearchControl& control) {
    return SearchSubsets(Kind1510, input, control);
}

SubsetSearchOutcome StopBefore1208(SubsetSearchOutcome outcome, int subset) {
    return StopBefore(Kind1208, std::move(outcome), subset);
}

SubsetSearchOutcome StopBefore1510(SubsetSearchOutcome outcome, int subset) {
    return StopBefore(Kind1510, std::move(outcome), subset);
}

std::vector<std::string> Report1208(const SplitSearchInput& input, const SubsetSearchOutcome& outcome,
                                    const DateTime& start, const DateTime& end) {
    std::vector<std::string> lines =
        SubsetReport(Kind1208, "１２選８碼立柱 = 2x2x2x2 優柱分析", 20, input, outcome);
    lines.push_back("( 計算時間 " + TimeText(start) + " - " + TimeText(end) + " )");
    return lines;
}

std::vector<std::string> Report1510(const SplitSearchInput& input, const SubsetSearchOutcome& outcome,
                                    const DateTime& start, const DateTime& end) {
    std::vector<std::string> lines =
        SubsetReport(Kind1510, "１５選１０碼立柱 = 2x2x3x3 優柱分析", 5, input, outcome);
    lines.push_back("※ 以上結果為計算所有組合之 ﹙" + std::to_string(outcome.subsetsDone) + " / 3003 ﹚");
    lines.push_back(" 計算時間 " + TimeText(start) + " - " + TimeText(end) + " ");
    return lines;
}

std::string LeftOutLine(const std::vector<std::string>& selection, const SplitText& split) {
    std::vector<std::string> work = selection;
    for (std::size_t at = 0; at + 2 <= split.size(); at += 2)
        std::replace(work.begin(), work.end(), split.substr(at, 2), std::string("xx"));
    std::vector<std::string> left;
    std::copy_if(work.begin(), work.end(), std::back_inserter(left),
                 [](const std::string& n) { return n != "xx"; });
    return "【沒有用到的號碼：" + JoinTexts(left, "x") + "】";
}

std::string ProgressCaption1208(int subset) {
    return std::to_string(subset / 5) + "%處理中";
}

std::string ProgressCaption1510(int subset) {
    return NumFormat("##0.00%處理中", subset / 30.0);
}

std::string PercentLabel1510(int subset) {
    return std::to_string(subset) + " / 3003";
}
