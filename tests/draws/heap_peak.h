#pragma once

#include <cstddef>

// The most this test program held through operator new since the last ResetHeapPeak (bytes),
// counted by the replacement operators in heap_peak.cpp.
void ResetHeapPeak();
std::size_t HeapPeakSinceReset();
