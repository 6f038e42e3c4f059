#pragma once
// The local wall-clock time, for the suite's time stamps.

#include <ctime>

namespace tk73 {

std::tm localTimeNow();

}  // namespace tk73
