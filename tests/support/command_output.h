#pragma once
// Running a shell command from a test and taking what it prints.

#include <string>

namespace tk73test {

struct CommandOutput {
    std::string text;  // its standard output (and whatever the command line sends there)
    int status = -1;   // its exit code; -1 when it could not be started or did not exit
};

CommandOutput runCommand(const std::string& command);

}  // namespace tk73test
