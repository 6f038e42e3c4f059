#include "platform/process_launch.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <system_error>

extern char** environ;

namespace tk73 {

namespace {

// The first descriptor a started program does not get: it keeps standard input, output and error.
constexpr int kFirstPrivateDescriptor = 3;

}  // namespace

uint32_t startProgram(const std::string& path, const std::string& programSwitch) {
    if (path.empty()) {
        return 0;
    }
    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0) {
        return 0;
    }
    // Descriptors opened without close-on-exec (by a library, say) must not reach the program.
    posix_spawn_file_actions_addclosefrom_np(&actions, kFirstPrivateDescriptor);
    const char* arguments[] = {path.c_str(),
                               programSwitch.empty() ? nullptr : programSwitch.c_str(), nullptr};
    pid_t child = 0;
    const int result = posix_spawn(&child, path.c_str(), &actions, nullptr,
                                   const_cast<char* const*>(arguments), environ);
    posix_spawn_file_actions_destroy(&actions);
    return result == 0 ? static_cast<uint32_t>(child) : 0;
}

int waitForProgram(uint32_t processId) {
    if (processId == 0) {
        return -1;
    }
    int status = 0;
    while (::waitpid(static_cast<pid_t>(processId), &status, 0) < 0) {
        if (errno != EINTR) {
            return -1;
        }
    }
    if (WIFSIGNALED(status)) {
        return 128 + WTERMSIG(status);
    }
    return WEXITSTATUS(status);
}

ProgramLaunch::~ProgramLaunch() {
    wait();
}

bool ProgramLaunch::start(std::string path, std::string programSwitch, Finished finished) {
    wait();
    try {
        worker_ = std::thread([path = std::move(path), programSwitch = std::move(programSwitch),
                               finished = std::move(finished)] {
            Outcome outcome;
            const uint32_t child = startProgram(path, programSwitch);
            outcome.started = child != 0;
            if (outcome.started) {
                outcome.exitCode = waitForProgram(child);
            }
            if (finished) {
                finished(outcome);
            }
        });
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

void ProgramLaunch::wait() {
    if (worker_.joinable()) {
        worker_.join();
    }
}

}  // namespace tk73
