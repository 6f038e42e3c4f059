#pragma once
// A program of the suite started as the shell starts it: a separate process with its path and
// switch that inherits the test's environment, so it works on the installation and store the
// test has staged. The test waits for its window to come to the front, checks the hand-over of
// the front, or waits for its exit code. A program still running when the object goes is killed,
// so no test leaves one behind.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace tk73test {

// A program of the build, in the folder of the running test program.
std::string builtProgram(const std::string& name);

// The window in front as the registry names it ("CURRENTHWND"): the process id of its program,
// 0 for none.
uint32_t currentWindow();

class SuiteProgram {
  public:
    // An empty switch starts the program without an argument.
    SuiteProgram(const std::string& path, const std::string& programSwitch);
    ~SuiteProgram();
    SuiteProgram(const SuiteProgram&) = delete;
    SuiteProgram& operator=(const SuiteProgram&) = delete;

    // 0 when the program could not be started.
    uint32_t pid() const { return pid_; }

    // Waits until the program's window is the one in front; false when it is not by the limit.
    bool awaitWindow(std::chrono::milliseconds limit = std::chrono::seconds(20)) const;
    // Asks the program's window to come to the front, as a second start of it does; true when
    // the program raised it.
    bool raise() const;
    // Whether the program has not ended yet.
    bool running();
    // Its exit code once it has ended by itself within the limit (128 plus the signal number
    // when a signal ended it); -1 when it did not start or still runs after the limit.
    int exitCode(std::chrono::milliseconds limit = std::chrono::seconds(30));

  private:
    // Collects the exit status when the program has ended.
    void poll();

    uint32_t pid_;
    std::optional<int> exitCode_;
};

// Starts the program and waits for it to end: its exit code as SuiteProgram::exitCode answers it.
int exitCodeOf(const std::string& path, const std::string& programSwitch,
               std::chrono::milliseconds limit = std::chrono::seconds(30));

}  // namespace tk73test
