#pragma once
// Where the running program lives. The suite's programs, its shared libraries and the outside
// libraries it loads by name sit side by side in one folder, as on the target platform.

#include <string>

namespace tk73 {

// The folder of the running executable, without a trailing separator; empty when unknown.
std::string runningProgramFolder();
// The running executable's file name without its folder ("TK73HUB"); empty when unknown.
std::string runningProgramName();

}  // namespace tk73
