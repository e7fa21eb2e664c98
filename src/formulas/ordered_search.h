#pragma once

#include <algorithm>
#include <atomic>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// Runs an enumeration of formulas cut into chunks (consecutive stretches of the enumeration, in
// order) on several threads and keeps the first `capacity` qualifying formulas in enumeration
// order, exactly as one thread walking the whole enumeration would: the kept list never depends on
// the thread count. Once the finished chunks at the front of the enumeration hold `capacity` keys,
// the chunks after them are abandoned (the early stop of a full list).

struct SearchControl {
    int threads = 1;
    const std::atomic<bool>* stop = nullptr; // set by the caller to abandon the search
    // Chunks done out of all; called on the calling thread only.
    std::function<void(int done, int total)> progress;
};

template <class Key> struct OrderedSearchResult {
    std::vector<Key> keys; // in enumeration order, at most the capacity
    bool stopped = false;  // the caller's stop flag ended it: the keys are incomplete
};

// What one chunk keeps, in its own enumeration order.
template <class Key> class ChunkKeeper {
public:
    ChunkKeeper(int capacity, int chunk, const std::atomic<int>& cutoff, const std::atomic<bool>* stop)
        : capacity_(capacity), chunk_(chunk), cutoff_(cutoff), stop_(stop) {}

    // Keeps the key; false once the chunk may end (it holds `capacity` keys, the front of the
    // enumeration already holds enough, or the caller stopped the search).
    bool keep(Key key) {
        if (static_cast<int>(keys_.size()) < capacity_)
            keys_.push_back(std::move(key));
        return going();
    }
    // Whether the chunk is still worth evaluating; long chunks may ask now and then.
    bool going() const {
        return static_cast<int>(keys_.size()) < capacity_ && chunk_ < cutoff_.load() &&
               !(stop_ && stop_->load());
    }
    std::vector<Key> take() { return std::move(keys_); }

private:
    int capacity_;
    int chunk_;
    const std::atomic<int>& cutoff_;
    const std::atomic<bool>* stop_;
    std::vector<Key> keys_;
};

// evaluate(chunk, keeper) walks chunk 0..chunks-1 of the enumeration and offers each qualifying
// formula to the keeper in order, ending when keep() returns false. What it throws ends the search
// and is thrown again here.
template <class Key, class Evaluate>
OrderedSearchResult<Key> KeepFirstInOrder(int chunks, int capacity, Evaluate evaluate,
                                          const SearchControl& control) {
    OrderedSearchResult<Key> result;
    if (chunks <= 0 || capacity <= 0)
        return result;
    std::vector<std::vector<Key>> parts(static_cast<std::size_t>(chunks));
    std::vector<char> finished(static_cast<std::size_t>(chunks), 0);
    std::atomic<int> nextChunk{0};
    std::atomic<int> done{0};
    std::atomic<int> cutoff{chunks}; // chunks from here on are not needed
    std::atomic<bool> failed{false};
    std::exception_ptr error;
    std::mutex guard;
    int front = 0;        // chunks 0..front-1 are finished
    std::size_t kept = 0; // keys in those chunks

    auto stopped = [&] { return failed.load() || (control.stop && control.stop->load()); };
    auto work = [&](bool reports) {
        for (;;) {
            if (stopped())
                return;
            const int chunk = nextChunk.fetch_add(1);
            if (chunk >= chunks || chunk >= cutoff.load())
                return;
            ChunkKeeper<Key> keeper(capacity, chunk, cutoff, control.stop);
            try {
                evaluate(chunk, keeper);
            } catch (...) {
                std::lock_guard lock(guard);
                if (!error)
                    error = std::current_exception();
                failed = true;
                return;
            }
            {
                std::lock_guard lock(guard);
                parts[static_cast<std::size_t>(chunk)] = keeper.take();
                finished[static_cast<std::size_t>(chunk)] = 1;
                while (front < chunks && finished[static_cast<std::size_t>(front)]) {
                    kept += parts[static_cast<std::size_t>(front)].size();
                    ++front;
                    if (kept >= static_cast<std::size_t>(capacity)) {
                        cutoff = std::min(cutoff.load(), front);
                        break;
                    }
                }
            }
            const int now = done.fetch_add(1) + 1;
            if (reports && control.progress)
                control.progress(now, chunks);
        }
    };

    const int helpers = std::clamp(control.threads, 1, chunks) - 1;
    std::vector<std::thread> threads;
    threads.reserve(static_cast<std::size_t>(helpers));
    for (int t = 0; t < helpers; ++t)
        threads.emplace_back(work, false);
    work(true);
    for (std::thread& t : threads)
        t.join();
    if (error)
        std::rethrow_exception(error);

    result.stopped = control.stop && control.stop->load() && cutoff.load() > front;
    const int used = std::min(front, cutoff.load());
    for (int c = 0; c < used && static_cast<int>(result.keys.size()) < capacity; ++c)
        for (Key& key : parts[static_cast<std::size_t>(c)]) {
            if (static_cast<int>(result.keys.size()) >= capacity)
                break;
            result.keys.push_back(std::move(key));
        }
    if (control.progress)
        control.progress(chunks, chunks);
    return result;
}
