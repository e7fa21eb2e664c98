#include "common/parallel_ranges.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <stdexcept>

TEST(ParallelRanges, EveryUnitOnceWhateverTheThreads) {
    for (int threads : {1, 2, 3, 8}) {
        for (std::size_t count : {0u, 1u, 7u, 1000u}) {
            // Each part lists the units it did; together they are every unit exactly once.
            const std::vector<std::vector<std::size_t>> parts =
                ScanUnits(count, threads, std::vector<std::size_t>(), 3,
                          [](std::vector<std::size_t>& did, std::size_t unit) {
                              did.push_back(unit);
                              return true;
                          });
            EXPECT_LE(parts.size(), static_cast<std::size_t>(threads));
            std::vector<int> seen(count, 0);
            for (const auto& did : parts)
                for (std::size_t unit : did)
                    ++seen.at(unit);
            EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), static_cast<long>(count)) << threads;
        }
    }
    EXPECT_GE(ScanThreadCount(), 1);
    EXPECT_LE(ScanThreadCount(), MaxScanThreads);
}

TEST(ParallelRanges, AdmissionsEndTheScanInOrder) {
    for (int threads : {1, 2, 4}) {
        // Admissions run in ascending order; the first refusal leaves exactly the units before it done.
        std::vector<std::size_t> asked;
        const ScanOutcome<std::vector<std::size_t>> outcome = ScanAdmittedUnits(
            500, threads, std::vector<std::size_t>(), 4,
            [&](std::size_t unit) {
                asked.push_back(unit);
                return unit != 77;
            },
            [](std::vector<std::size_t>& did, std::size_t unit) { did.push_back(unit); });
        EXPECT_EQ(outcome.admitted, 77u);
        std::vector<std::size_t> expectedAsked(78);
        std::iota(expectedAsked.begin(), expectedAsked.end(), 0);
        EXPECT_EQ(asked, expectedAsked);
        std::vector<std::size_t> done;
        for (const auto& did : outcome.states)
            done.insert(done.end(), did.begin(), did.end());
        std::sort(done.begin(), done.end());
        expectedAsked.pop_back();
        EXPECT_EQ(done, expectedAsked) << threads;
    }
}

TEST(ParallelRanges, FailuresEndTheScan) {
    // The failure of the lowest part is the one rethrown, after every part has ended.
    std::vector<int> ended(3, 0);
    try {
        RunParts(3, [&](int part) {
            ended[static_cast<std::size_t>(part)] = 1;
            if (part > 0)
                throw std::runtime_error("part " + std::to_string(part));
        });
        FAIL() << "no failure rethrown";
    } catch (const std::runtime_error& failure) {
        EXPECT_STREQ(failure.what(), "part 1");
    }
    EXPECT_EQ(ended, (std::vector<int>{1, 1, 1}));

    // A unit that throws ends a scan on any thread count without hanging the others.
    for (int threads : {1, 2, 3})
        EXPECT_THROW(ScanUnits(10000, threads, 0, 2,
                               [](int&, std::size_t unit) {
                                   if (unit == 5000)
                                       throw std::runtime_error("unit");
                               }),
                     std::runtime_error);
}
