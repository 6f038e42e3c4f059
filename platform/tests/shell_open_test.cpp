#include "platform/shell_open.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/tests/scoped_variable.h"
#include "tests/support/temp_environment.h"

namespace {

// Waits up to five seconds for the file the detached opener writes.
std::string awaitFile(const std::string& path) {
    for (int tries = 0; tries < 100 && !std::filesystem::exists(path); ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return tk73test::TempEnvironment::readFile(path);
}

}  // namespace

TEST(ShellOpen, StartsTheOpenerDetachedWithTheAbsolutePath) {
    tk73test::TempEnvironment environment;
    const std::string opener = environment.path("opener.sh");
    const std::string record = environment.path("opened.txt");
    tk73test::TempEnvironment::writeFile(opener, "#!/bin/sh\nsleep 0.2\nprintf '%s' \"$1\" > '" +
                                                     record + ".part'\nmv '" + record + ".part' '" +
                                                     record + "'\n");
    chmod(opener.c_str(), 0755);
    tk73test::ScopedVariable openerVariable("TK73_OPENER", opener.c_str());
    // The call returns before the opener is done with its work.
    ASSERT_TRUE(tk73::openWithAssociatedProgram(environment.path("MANUAL.PDF")));
    EXPECT_FALSE(std::filesystem::exists(record));
    EXPECT_EQ(awaitFile(record), environment.path("MANUAL.PDF"));

    std::filesystem::remove(record);
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(environment.root());
    const bool started = tk73::openWithAssociatedProgram("-odd name.txt");
    std::filesystem::current_path(previous);
    ASSERT_TRUE(started);
    EXPECT_EQ(awaitFile(record), environment.path("-odd name.txt"));
}

TEST(ShellOpen, AMissingOpenerIsAFailedStart) {
    tk73test::TempEnvironment environment;
    tk73test::ScopedVariable opener("TK73_OPENER", environment.path("no-such-opener").c_str());
    EXPECT_FALSE(tk73::openWithAssociatedProgram(environment.path("MANUAL.PDF")));
}
