#include "platform/whole_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/ended_process.h"
#include "tests/support/temp_environment.h"

namespace {

mode_t modeOf(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

}  // namespace

TEST(WholeFile, ReplacementKeepsModeAndLinkAndLeavesNoTemporaryFiles) {
    tk73test::TempEnvironment environment;
    const std::string file = environment.path("hive.reg");
    ASSERT_TRUE(tk73::replaceWholeFile(file, "first"));
    chmod(file.c_str(), 0600);
    std::filesystem::create_symlink(file, environment.path("link.reg"));
    ASSERT_TRUE(tk73::replaceWholeFile(environment.path("link.reg"), std::string("sec\0nd", 6)));
    EXPECT_EQ(modeOf(file), 0600u);
    EXPECT_TRUE(std::filesystem::is_symlink(environment.path("link.reg")));
    EXPECT_EQ(tk73::readWholeFile(file), std::string("sec\0nd", 6));
    int entries = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator(environment.root())) {
        ++entries;
    }
    // The prepared folders of the environment, the file and the link.
    EXPECT_EQ(entries, 7);
}

TEST(WholeFile, CompleteReplacementRemovesTemporaryFilesOfDeadWritersOnly) {
    tk73test::TempEnvironment environment;
    const pid_t dead = tk73test::endedProcessId();
    ASSERT_GT(dead, 0);
    const std::string deadMark = ".tmp" + std::to_string(dead) + "-";
    const std::string file = environment.path("STORE.edb");
    const std::string leftovers[] = {file + deadMark + "0", file + deadMark + "17"};
    // Another live writer's file, other targets' files and names that only look alike stay.
    const std::string kept[] = {file + ".tmp" + std::to_string(getppid()) + "-3",
                                environment.path("OTHER.edb") + deadMark + "0",
                                file + deadMark + "x", file + ".tmp-1", file + deadMark};
    for (const auto& name : leftovers) {
        tk73test::TempEnvironment::writeFile(name, "half");
    }
    for (const auto& name : kept) {
        tk73test::TempEnvironment::writeFile(name, "other");
    }
    ASSERT_TRUE(tk73::replaceWholeFile(file, "new"));
    for (const auto& name : leftovers) {
        EXPECT_FALSE(std::filesystem::exists(name)) << name;
    }
    for (const auto& name : kept) {
        EXPECT_TRUE(std::filesystem::exists(name)) << name;
    }
    EXPECT_EQ(tk73::readWholeFile(file), "new");
}

TEST(WholeFile, FailuresAreReportedAndFoldersAreNoFiles) {
    tk73test::TempEnvironment environment;
    EXPECT_FALSE(tk73::replaceWholeFile(environment.path("missing/hive.reg"), "x"));
    EXPECT_FALSE(tk73::readWholeFile(environment.path("missing/hive.reg")));
    EXPECT_FALSE(tk73::readWholeFile(environment.path("temp")));
}
