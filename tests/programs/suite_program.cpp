#include "tests/programs/suite_program.h"

#include <signal.h>
#include <sys/wait.h>

#include <thread>

#include "base/registry_settings.h"
#include "platform/process_launch.h"
#include "platform/running_program.h"
#include "platform/window_activation.h"

namespace tk73test {

namespace {

constexpr std::chrono::milliseconds kPollStep(20);

}  // namespace

std::string builtProgram(const std::string& name) {
    return tk73::runningProgramFolder() + "/" + name;
}

uint32_t currentWindow() {
    uint32_t value = 0;
    AecrbsGetRegistryCurrentUserSystemValueDW(nullptr, &value, "CURRENTHWND");
    return value;
}

SuiteProgram::SuiteProgram(const std::string& path, const std::string& programSwitch)
    : pid_(tk73::startProgram(path, programSwitch)) {}

SuiteProgram::~SuiteProgram() {
    if (running()) {
        ::kill(static_cast<pid_t>(pid_), SIGKILL);
        // Only reaps the killed program; its exit code says nothing.
        (void)tk73::waitForProgram(pid_);
    }
}

bool SuiteProgram::awaitWindow(std::chrono::milliseconds limit) const {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (pid_ != 0 && currentWindow() != pid_) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(kPollStep);
    }
    return pid_ != 0;
}

bool SuiteProgram::raise() const {
    return pid_ != 0 && tk73::raiseWindow(pid_);
}

bool SuiteProgram::running() {
    poll();
    return pid_ != 0 && !exitCode_.has_value();
}

int SuiteProgram::exitCode(std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (running() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(kPollStep);
    }
    return exitCode_.value_or(-1);
}

void SuiteProgram::poll() {
    int status = 0;
    if (pid_ == 0 || exitCode_.has_value() ||
        ::waitpid(static_cast<pid_t>(pid_), &status, WNOHANG) != static_cast<pid_t>(pid_)) {
        return;
    }
    exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

int exitCodeOf(const std::string& path, const std::string& programSwitch,
               std::chrono::milliseconds limit) {
    return SuiteProgram(path, programSwitch).exitCode(limit);
}

}  // namespace tk73test
