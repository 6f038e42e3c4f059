#pragma once
// The converter's commands: S builds the binary file of a text file, R writes the text file of
// a binary file. Controller transfers (-t) are not served by this converter.

#include <string>

#include "outside/glconv/command_line.h"

namespace glconv {

// 0 or a result code; detail says what was done or what went wrong, for the log.
[[nodiscard]] int runCommand(const Command& command, std::string& detail);

}  // namespace glconv
