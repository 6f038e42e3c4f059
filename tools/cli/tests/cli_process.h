#pragma once
// tk73 run as a process, as a script runs it: standard input empty (never a terminal),
// standard output and standard error caught, the test's environment inherited.

#include <string>
#include <vector>

namespace tk73test {

struct CliResult {
    int exitCode = -1;  // 128 plus the signal number when a signal ended it
    std::string out;
    std::string err;
    // The most memory the process held at any time (its peak resident set), in KiB.
    long peakKiB = 0;
};

// Runs the built tk73 with the arguments and waits for it to end; with killAfterMicroseconds,
// kills it (SIGKILL) that long after its start, should it still run.
CliResult runTk73(const std::vector<std::string>& args, long killAfterMicroseconds = -1);

}  // namespace tk73test
