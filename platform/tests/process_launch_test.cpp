#include "platform/process_launch.h"

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "platform/named_mutex.h"
#include "platform/testing/scoped_variable.h"
#include "platform/tests/helper_process.h"
#include "tests/support/temp_environment.h"

TEST(ProcessLaunch, PathAndSwitchAreSeparateArgumentsEvenWithBlanks) {
    tk73test::TempEnvironment environment;
    const std::string program = environment.path("Program Files/TK73 Tool/TK73ITEM");
    std::filesystem::create_directories(environment.path("Program Files/TK73 Tool"));
    std::filesystem::copy_file(tk73test::helperProgram(), program);
    const std::string out = environment.path("args.txt");
    tk73test::ScopedVariable outVariable("TK73_HELPER_OUT", out.c_str());

    const uint32_t child = tk73::startProgram(program, "/ARGS");
    ASSERT_NE(child, 0u);
    EXPECT_EQ(tk73::waitForProgram(child), 0);
    EXPECT_EQ(tk73test::TempEnvironment::readFile(out), program + "\n/ARGS\n");

    // Without a switch the program gets no argument at all (and ends with its usage code).
    EXPECT_EQ(tk73::waitForProgram(tk73::startProgram(program, "")), 2);
}

TEST(ProcessLaunch, ExitCodesAndFailedStarts) {
    tk73test::TempEnvironment environment;
    EXPECT_EQ(tk73::waitForProgram(tk73::startProgram(tk73test::helperProgram(), "/EXIT7")), 7);

    const std::string notAProgram = environment.path("TK73RCPT");
    tk73test::TempEnvironment::writeFile(notAProgram, "text\n");
    EXPECT_EQ(tk73::startProgram(notAProgram, "/RJ"), 0u);
    ::chmod(notAProgram.c_str(), 0755);
    EXPECT_EQ(tk73::startProgram(notAProgram, "/RJ"), 0u);
    EXPECT_EQ(tk73::startProgram(environment.path("TK73GEN"), "/AS"), 0u);
    EXPECT_EQ(tk73::startProgram("", "/AS"), 0u);
    EXPECT_EQ(tk73::waitForProgram(0), -1);
    EXPECT_EQ(tk73::waitForProgram(static_cast<uint32_t>(::getpid())), -1);
}

TEST(ProcessLaunch, TheProgramInheritsNoLockAndNoOtherDescriptor) {
    tk73test::TempEnvironment environment;
    const std::string out = environment.path("fds.txt");
    tk73test::ScopedVariable outVariable("TK73_HELPER_OUT", out.c_str());
    auto mutex = std::make_unique<tk73::NamedMutex>("TK73HUB_LAUNCHREGTK73HUB");
    ASSERT_EQ(mutex->state(), tk73::NamedMutex::State::Owned);
    // A descriptor that some library opened without close-on-exec.
    const int careless = ::open(out.c_str(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(careless, 0);

    const uint32_t child = tk73::startProgram(tk73test::helperProgram(), "/FDS");
    ASSERT_NE(child, 0u);
    EXPECT_EQ(tk73::waitForProgram(child), 0);
    EXPECT_EQ(tk73test::TempEnvironment::readFile(out), "");
    ::close(careless);

    // A program still running after the launcher let go of its mutex does not keep it taken.
    tk73test::HoldingHelper running(environment, "TK73HUB_LAUNCHREGTK73ITEM");
    ASSERT_EQ(running.result(), "owned\n");
    mutex.reset();
    EXPECT_EQ(tk73::NamedMutex("TK73HUB_LAUNCHREGTK73HUB").state(), tk73::NamedMutex::State::Owned);
}

TEST(ProcessLaunch, TheLaunchWaitsOnAWorkerAndReportsThere) {
    tk73test::TempEnvironment environment;
    tk73::ProgramLaunch launch;
    std::thread::id reporter;
    tk73::ProgramLaunch::Outcome outcome;
    ASSERT_TRUE(launch.start(tk73test::helperProgram(), "/EXIT7", [&](const auto& result) {
        reporter = std::this_thread::get_id();
        outcome = result;
    }));
    launch.wait();
    EXPECT_NE(reporter, std::this_thread::get_id());
    EXPECT_TRUE(outcome.started);
    EXPECT_EQ(outcome.exitCode, 7);

    ASSERT_TRUE(launch.start(environment.path("TK73LOGO"), "/GP",
                             [&](const auto& result) { outcome = result; }));
    launch.wait();
    EXPECT_FALSE(outcome.started);
    EXPECT_EQ(outcome.exitCode, -1);
}
