#pragma once
// Starting another program of the suite and waiting for it to end, as the shell does with every
// editor and tool it launches.
//
// The program gets its path as argument 0 and the switch ("/P") as argument 1, or no argument
// when the switch is empty, so a folder with blanks needs no quoting. It inherits the
// environment, the current folder and the standard streams, and no other open file: a lock or a
// socket of the launcher never lives on in the program it started.

#include <cstdint>
#include <functional>
#include <string>
#include <thread>

namespace tk73 {

// The process id of the started program, or 0 when it cannot be started (missing, not
// executable, not a program).
uint32_t startProgram(const std::string& path, const std::string& programSwitch);

// Waits without limit for a program started by startProgram to end; its exit code, 128 plus the
// signal number when a signal ended it, or -1 when the id is not a child of this process.
[[nodiscard]] int waitForProgram(uint32_t processId);

// One launch at a time: starts the program on a worker thread, waits there for it to end and
// then reports on that thread.
class ProgramLaunch {
  public:
    struct Outcome {
        bool started = false;
        int exitCode = -1;  // as waitForProgram; -1 when the program did not start
    };
    using Finished = std::function<void(const Outcome&)>;

    ProgramLaunch() = default;
    // Waits for a running launch to finish.
    ~ProgramLaunch();
    ProgramLaunch(const ProgramLaunch&) = delete;
    ProgramLaunch& operator=(const ProgramLaunch&) = delete;

    // Waits for a launch still running, then starts this one. False when the worker thread cannot
    // be created; finished is then never called. finished must not destroy this object.
    [[nodiscard]] bool start(std::string path, std::string programSwitch, Finished finished);
    // Waits until the worker has reported.
    void wait();

  private:
    std::thread worker_;
};

}  // namespace tk73
