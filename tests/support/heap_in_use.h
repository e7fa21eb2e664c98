#pragma once

#include <cstddef>
#include <malloc.h>

// Whether HeapInUse tells: the sanitizer's allocator keeps freed blocks aside and answers nothing.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool HeapMeasured = false;
#else
constexpr bool HeapMeasured = true;
#endif

// Bytes the program holds on the heap now.
inline std::size_t HeapInUse() {
    return mallinfo2().uordblks;
}
