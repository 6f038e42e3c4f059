#pragma once
// The id of a process that has ended, for the tests of what becomes of the files of writers that
// were killed.

#include <sys/wait.h>
#include <unistd.h>

namespace tk73test {

// -1 when no process could be started.
inline pid_t endedProcessId() {
    const pid_t child = fork();
    if (child == 0) {
        _exit(0);
    }
    if (child > 0) {
        waitpid(child, nullptr, 0);
    }
    return child;
}

}  // namespace tk73test
