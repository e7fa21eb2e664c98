// Replaces the global operator new and delete of this test program to count the bytes held, so a
// test can tell how much memory a call needed at its peak. The allocator's own block size is counted
// on both sides, so the sums stay exact.
#include "heap_peak.h"

#include <atomic>
#include <cstdlib>
#include <malloc.h>
#include <new>

namespace {

std::atomic<std::size_t> inUse{0};
std::atomic<std::size_t> peak{0};

} // namespace

void ResetHeapPeak() {
    peak = inUse.load();
}

std::size_t HeapPeakSinceReset() {
    return peak.load();
}

void* operator new(std::size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr)
        throw std::bad_alloc();
    const std::size_t now = inUse += malloc_usable_size(block);
    std::size_t seen = peak.load();
    while (now > seen && !peak.compare_exchange_weak(seen, now)) {
    }
    return block;
}

void operator delete(void* block) noexcept {
    if (block == nullptr)
        return;
    inUse -= malloc_usable_size(block);
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
    operator delete(block);
}
