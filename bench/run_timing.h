#pragma once
// Timing of one benchmark run and the median of several: every figure of the benchmarks is the
// median of runs taken in turns with its baseline, so that a passing load on the machine moves
// both alike.

#include <functional>
#include <vector>

namespace tk73bench {

// Elapsed milliseconds of one call of operation.
double milliseconds(const std::function<void()>& operation);
// The middle value of times (the upper middle for an even count); times is not empty.
double median(std::vector<double> times);

}  // namespace tk73bench
