#pragma once

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <vector>

// The heavy combinatorial scans (the 15-of-10 subset search, the ten-number group search) spread
// their candidates over the processor cores this way: the candidates are numbered units, admitted
// one by one in ascending order on the calling thread (where a search announces its progress and
// looks at its stop flag), and handed out in ascending blocks to whichever thread asks first. Every
// thread keeps its own state (its own best list, its own scratch); the caller merges the states by a
// total order of the results, so what comes out never depends on how many threads ran or which one
// did what, and a scan stopped at unit u has done exactly the units before u.

// The threads a scan uses by default: the processors this process may run on (at least 1, at most
// MaxScanThreads).
constexpr int MaxScanThreads = 8;
int ScanThreadCount();

// Runs body(part) for part = 0..parts-1: part 0 on the calling thread, every other part on a thread
// of its own. Returns when all have ended; the exception of the lowest part that threw is rethrown.
void RunParts(int parts, const std::function<void(int part)>& body);

// The units admitted so far, handed out in blocks; shared by the threads of one scan.
class AdmittedUnits {
public:
    explicit AdmittedUnits(std::size_t block) : block_(std::max<std::size_t>(block, 1)) {}

    // Units below `count` may be handed out; `last` says no more will follow. False once the scan
    // was abandoned.
    bool admit(std::size_t count, bool last);
    // Units admitted and not yet handed out.
    std::size_t waiting();
    // The next block [begin, end) of admitted units. With `wait`, waits for admissions while more
    // may follow; false once every unit admitted has been handed out (or, without `wait`, none is
    // waiting just now).
    bool take(std::size_t& begin, std::size_t& end, bool wait);
    // Ends the scan early: nothing more is handed out (a part failed).
    void abandon();

    std::size_t block() const { return block_; }

private:
    std::mutex mutex_;
    std::condition_variable admitted_;
    std::size_t block_;
    std::size_t next_ = 0;
    std::size_t count_ = 0;
    bool last_ = false;
    bool abandoned_ = false;
};

template <class State> struct ScanOutcome {
    std::vector<State> states; // one per part, in part order
    std::size_t admitted = 0;  // units admitted and done: 0..admitted-1
};

// Runs body(state, unit) for the units 0..count-1 over `parts` threads (0: ScanThreadCount()), each
// part on its own copy of `initial`, handing them out `block` at a time. admit(unit) runs on the
// calling thread for each unit in ascending order before the unit is handed out; the first false
// ends the admissions there. The calling thread keeps a few blocks admitted ahead of the others.
template <class State, class Admit, class Body>
ScanOutcome<State> ScanAdmittedUnits(std::size_t count, int parts, const State& initial, std::size_t block,
                                     Admit admit, Body body) {
    if (parts <= 0)
        parts = ScanThreadCount();
    parts = static_cast<int>(std::clamp<std::size_t>(count, 1, static_cast<std::size_t>(parts)));
    ScanOutcome<State> outcome;
    outcome.states.assign(static_cast<std::size_t>(parts), initial);
    AdmittedUnits units(block);
    const std::size_t ahead = units.block() * 2 * static_cast<std::size_t>(parts);
    std::size_t admitted = 0;
    RunParts(parts, [&](int part) {
        State& state = outcome.states[static_cast<std::size_t>(part)];
        std::size_t begin = 0, end = 0;
        try {
            if (part == 0) {
                bool open = true;
                while (open) {
                    const std::size_t waiting = units.waiting();
                    const std::size_t target =
                        std::min(count, admitted + (waiting < ahead ? ahead - waiting : 0));
                    while (open && admitted < target) {
                        open = admit(admitted);
                        if (open)
                            ++admitted;
                    }
                    open = open && admitted < count;
                    open = units.admit(admitted, !open) && open;
                    if (open && units.take(begin, end, false))
                        for (std::size_t unit = begin; unit < end; ++unit)
                            body(state, unit);
                }
            }
            while (units.take(begin, end, true))
                for (std::size_t unit = begin; unit < end; ++unit)
                    body(state, unit);
        } catch (...) {
            units.abandon();
            throw;
        }
    });
    outcome.admitted = admitted;
    return outcome;
}

// Every unit 0..count-1, without admissions.
template <class State, class Body>
std::vector<State> ScanUnits(std::size_t count, int parts, const State& initial, std::size_t block,
                             Body body) {
    return ScanAdmittedUnits(
               count, parts, initial, block, [](std::size_t) { return true; }, body)
        .states;
}
