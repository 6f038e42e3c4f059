// What one process of the suite writes into the user hive, the next one reads: the shell writes
// the desktop store, the editor it starts reads it, and back.

#include <spawn.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/registry_settings.h"
#include "base/tests/base_test.h"
#include "platform/running_program.h"

extern char** environ;

namespace {

using RegistryProcesses = tk73test::BaseTest;

// Runs the registry tool built beside this test program and gives its exit status.
int runTool(std::vector<std::string> arguments) {
    const std::string tool = tk73::runningProgramFolder() + "/base_test_registry_tool";
    arguments.insert(arguments.begin(), tool);
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawn(&child, tool.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
        return -1;
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

std::string userString(const char* suffix, const char* name) {
    char buffer[TK73_MAX_PATH];
    AecrbsGetRegistryCurrentUserSystemString(suffix, buffer, sizeof buffer, name);
    return buffer;
}

}  // namespace

TEST_F(RegistryProcesses, AValueWrittenByOneProcessIsReadByTheNext) {
    ASSERT_EQ(runTool({"set", "", "CURRENTSTORE", "005"}), 0);
    EXPECT_EQ(userString(nullptr, "CURRENTSTORE"), "005");

    ASSERT_EQ(AecrbsSetRegistryCurrentUserSystemString("\\TK73EDIT", "LASTFILE", "FILE004P.TXT"),
              1);
    EXPECT_EQ(runTool({"expect", "\\TK73EDIT", "LASTFILE", "FILE004P.TXT"}), 0);
    EXPECT_EQ(runTool({"expect", "\\TK73EDIT", "LASTFILE", "FILE005P.TXT"}), 1);

    // Values of both processes stay side by side.
    EXPECT_EQ(userString(nullptr, "CURRENTSTORE"), "005");
    EXPECT_EQ(runTool({"expect", "", "CURRENTSTORE", "005"}), 0);
}

TEST_F(RegistryProcesses, AProcessStartedAsTheVekToolWorksUnderItsOwnRoot) {
    ASSERT_EQ(runTool({"--vek", "set", "", "CURRENTSTORE", "007"}), 0);
    EXPECT_EQ(userString(nullptr, "CURRENTSTORE"), "");
    AecrbsSetLaunchVekTool(1);
    EXPECT_EQ(userString(nullptr, "CURRENTSTORE"), "007");
    EXPECT_EQ(runTool({"expect", "", "CURRENTSTORE", ""}), 0);
}
