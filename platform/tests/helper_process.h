#pragma once
// The helper program of the platform tests (tests/helper/helper.cpp), started as a real second
// process.

#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "platform/process_launch.h"
#include "platform/running_program.h"
#include "platform/testing/scoped_variable.h"
#include "tests/support/temp_environment.h"

namespace tk73test {

inline std::string helperProgram() {
    return tk73::runningProgramFolder() + "/platform_test_helper";
}

// The file's contents once it exists; empty after five seconds without it.
inline std::string awaitFile(const std::string& path) {
    for (int tries = 0; tries < 100 && !std::filesystem::exists(path); ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return TempEnvironment::readFile(path);
}

// The helper holding a mutex and serving raise requests until the object goes.
class HoldingHelper {
  public:
    HoldingHelper(const TempEnvironment& environment, const std::string& mutexName)
        : out_(environment.path("held-" + mutexName + ".txt")),
          outVariable_("TK73_HELPER_OUT", out_.c_str()),
          mutexVariable_("TK73_HELPER_MUTEX", mutexName.c_str()) {
        // An earlier helper's answer is no answer of this one.
        std::filesystem::remove(out_);
        std::filesystem::remove(out_ + ".raised");
        pid_ = tk73::startProgram(helperProgram(), "/HOLD");
        result_ = awaitFile(out_);
    }
    ~HoldingHelper() { kill(); }
    HoldingHelper(const HoldingHelper&) = delete;
    HoldingHelper& operator=(const HoldingHelper&) = delete;

    uint32_t pid() const { return pid_; }
    // What the helper wrote once it had tried the mutex: "owned" or "held <holder>".
    const std::string& result() const { return result_; }
    std::string raises() const { return TempEnvironment::readFile(out_ + ".raised"); }

    // Ends the helper as a crash would, without any clean-up of its own (a helper that found the
    // mutex held has ended already and is only collected).
    void kill() {
        if (pid_ != 0) {
            ::kill(static_cast<pid_t>(pid_), SIGKILL);
            // Only reaps the killed program; its exit code says nothing.
            (void)tk73::waitForProgram(pid_);
            pid_ = 0;
        }
    }

  private:
    std::string out_;
    ScopedVariable outVariable_;
    ScopedVariable mutexVariable_;
    uint32_t pid_ = 0;
    std::string result_;
};

}  // namespace tk73test
