#pragma once
// Counts the bytes that the program holds through operator new, so that a benchmark can report
// the peak memory of the code it measures.

#include <cstddef>

namespace tk73bench {

// Bytes held now.
size_t allocatedBytes();
// Makes the current holding the peak again.
void resetPeak();
// The most bytes held since the last resetPeak.
size_t peakBytes();

}  // namespace tk73bench
