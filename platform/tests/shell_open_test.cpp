#include "platform/shell_open.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/testing/scoped_variable.h"
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

TEST(ShellOpen, AFileHasAProgramOnlyWhenTheDesktopNamesOneForItsType) {
    tk73test::TempEnvironment environment;
    const std::string manual = environment.path("MANUAL.PDF");
    tk73test::TempEnvironment::writeFile(manual, "%PDF");
    // The desktop's answers come from xdg-mime; a stand-in on the path plays a desktop whose
    // default program for PDF files is whatever the file "default" names.
    const std::string bin = environment.path("bin");
    std::filesystem::create_directories(bin);
    const std::string defaultProgram = environment.path("default");
    tk73test::TempEnvironment::writeFile(
        bin + "/xdg-mime",
        "#!/bin/sh\n"
        "[ \"$1 $2\" = \"query filetype\" ] && { echo application/pdf; exit 0; }\n"
        "[ \"$1 $2 $3\" = \"query default application/pdf\" ] && cat '" +
            defaultProgram + "' 2>/dev/null\nexit 0\n");
    chmod((bin + "/xdg-mime").c_str(), 0755);
    tk73test::ScopedVariable noOpener("TK73_OPENER", nullptr);
    tk73test::ScopedVariable path("PATH", (bin + ":/usr/bin:/bin").c_str());

    EXPECT_FALSE(tk73::hasAssociatedProgram(manual));
    tk73test::TempEnvironment::writeFile(defaultProgram, "viewer.desktop\n");
    EXPECT_TRUE(tk73::hasAssociatedProgram(manual));

    // A named opener takes every type, as long as it can be started.
    {
        tk73test::ScopedVariable opener("TK73_OPENER", "/bin/true");
        std::filesystem::remove(defaultProgram);
        EXPECT_TRUE(tk73::hasAssociatedProgram(manual));
    }
    tk73test::ScopedVariable missing("TK73_OPENER", environment.path("no-such-opener").c_str());
    EXPECT_FALSE(tk73::hasAssociatedProgram(manual));
}
