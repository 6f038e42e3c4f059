#include "tests/support/command_output.h"

#include <sys/wait.h>

#include <cstdio>

namespace tk73test {

CommandOutput runCommand(const std::string& command) {
    CommandOutput result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        result.text.append(buffer, n);
    }
    const int status = pclose(pipe);
    result.status = status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

}  // namespace tk73test
