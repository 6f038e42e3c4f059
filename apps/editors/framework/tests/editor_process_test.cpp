#include <signal.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "apps/editors/framework/tests/fixture_store.h"
#include "base/registry_settings.h"
#include "platform/process_launch.h"
#include "platform/running_program.h"
#include "platform/window_activation.h"

namespace {

std::string demoProgram() {
    return tk73::runningProgramFolder() + "/TK73DEMO";
}

uint32_t currentWindow() {
    uint32_t value = 0;
    AecrbsGetRegistryCurrentUserSystemValueDW(nullptr, &value, "CURRENTHWND");
    return value;
}

// Waits up to twenty seconds for the editor's window to name itself in CURRENTHWND.
bool awaitWindow(uint32_t pid) {
    for (int tries = 0; tries < 400; ++tries) {
        if (currentWindow() == pid) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

bool stillRunning(uint32_t pid) {
    int status = 0;
    return ::waitpid(static_cast<pid_t>(pid), &status, WNOHANG) == 0;
}

// The first copy of the editor, ended by the test when it is done with it.
class RunningEditor {
  public:
    explicit RunningEditor(const std::string& flag)
        : pid_(tk73::startProgram(demoProgram(), flag)) {}
    ~RunningEditor() {
        if (pid_ != 0) {
            ::kill(static_cast<pid_t>(pid_), SIGKILL);
            tk73::waitForProgram(pid_);
        }
    }
    RunningEditor(const RunningEditor&) = delete;
    RunningEditor& operator=(const RunningEditor&) = delete;

    uint32_t pid() const { return pid_; }

  private:
    uint32_t pid_;
};

}  // namespace

TEST(EditorProcess, StartingTheSameEditorTwiceLeavesOneRunning) {
    tk73test::TempEnvironment environment;
    tk73test::FixtureStore store(environment);
    ASSERT_TRUE(store.ready());
    RunningEditor first("/D");
    ASSERT_NE(first.pid(), 0u);
    ASSERT_TRUE(awaitWindow(first.pid()));

    // Another page set of the same editor is the same program: it only raises the first.
    EXPECT_EQ(tk73::waitForProgram(tk73::startProgram(demoProgram(), "/E")), 1);
    EXPECT_EQ(tk73::waitForProgram(tk73::startProgram(demoProgram(), "/D")), 1);
    EXPECT_TRUE(stillRunning(first.pid()));
    EXPECT_EQ(currentWindow(), first.pid());
    EXPECT_TRUE(tk73::raiseWindow(first.pid()));
}

TEST(EditorProcess, StartsThatCannotShowAPageSetEndWithoutAWindow) {
    tk73test::TempEnvironment environment;
    tk73test::FixtureStore store(environment);
    ASSERT_TRUE(store.ready());
    EXPECT_EQ(tk73::waitForProgram(tk73::startProgram(demoProgram(), "")), 2);
    EXPECT_EQ(tk73::waitForProgram(tk73::startProgram(demoProgram(), "/Q")), 2);
    std::filesystem::remove(store.definitionFile());
    EXPECT_EQ(tk73::waitForProgram(tk73::startProgram(demoProgram(), "/D")), 3);
    EXPECT_EQ(currentWindow(), 0u);
}
