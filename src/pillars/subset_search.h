#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "common/date.h"
#include "pillars/split_search.h"

// The subset searches: of 12 selected numbers every choice of 8 is searched for its best 2x2x2x2
// split, of 15 every choice of 10 for its best 2x2x3x3 split; the best split of each subset is kept
// and all of them are ranked by the RG1 order.

constexpr int SubsetCount1208 = 495;
constexpr int SubsetCount1510 = 3003;
inline constexpr const char* ReportFile1208 = "C12_8.txt";
inline constexpr const char* ReportFile1510 = "C15_10.txt";

struct SubsetSearchControl {
    // Called before each subset with its number, 1..total, from the thread that runs the search.
    std::function<void(int subset)> progress;
    // Polled once per subset, right after progress: when set, the search stops before that subset.
    const std::atomic<bool>* stop = nullptr;
    // Threads the subsets are scored on (0: the processors available); the outcome is the same for any.
    int threads = 0;
};

struct SubsetSearchOutcome {
    std::vector<ScoredSplit> bySubset; // the best split of each subset done, in subset order
    std::vector<ScoredSplit> ranked;   // the same, ranked; empty without a report
    int subsetsDone = 0;               // subsets searched before the end or the stop
    bool stopped = false;
    bool hasReport = false; // a full run, or a stopped 15-of-10 run with more than five subsets done
};

// Both throw std::invalid_argument unless the selection holds 12 (15) distinct two-digit numbers.
SubsetSearchOutcome Best1208(const SplitSearchInput& input, const SubsetSearchControl& control);
SubsetSearchOutcome Best1510(const SplitSearchInput& input, const SubsetSearchControl& control);

// The outcome of the same search stopped before `subset` (1-based): a search running ahead of what
// its window has shown is cut back to what the user saw when stopping it. An outcome that ended
// before that subset stays as it is.
SubsetSearchOutcome StopBefore1208(SubsetSearchOutcome outcome, int subset);
SubsetSearchOutcome StopBefore1510(SubsetSearchOutcome outcome, int subset);

// The report lines for Memo2 (and the report file) of an outcome with a report; the times are when
// the search started and when the closing line is written.
std::vector<std::string> Report1208(const SplitSearchInput& input, const SubsetSearchOutcome& outcome,
                                    const DateTime& start, const DateTime& end);
std::vector<std::string> Report1510(const SplitSearchInput& input, const SubsetSearchOutcome& outcome,
                                    const DateTime& start, const DateTime& end);

// "【沒有用到的號碼：03x17x22x38】": the selected numbers the split leaves out, in selection order.
std::string LeftOutLine(const std::vector<std::string>& selection, const SplitText& split);

// Progress texts before subset s: "N%處理中" (12-of-8 button), "##0.00%處理中" of s / 30 (15-of-10
// button) and "s / 3003" (lb_percent).
std::string ProgressCaption1208(int subset);
std::string ProgressCaption1510(int subset);
std::string PercentLabel1510(int subset);
