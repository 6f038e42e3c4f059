#pragma once
// The system's temporary folder (not the suite's own), with a trailing separator.

#include <string>

namespace tk73 {

// Empty when the folder is unknown.
std::string systemTempFolder();

}  // namespace tk73
