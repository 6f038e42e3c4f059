#include "platform/whole_file.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/temp_environment.h"

namespace {

mode_t modeOf(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

}  // namespace

TEST(WholeFile, ReplacementKeepsTheModeAndLeavesNoTemporaryFiles) {
    tk73test::TempEnvironment environment;
    const std::string file = environment.path("hive.reg");
    ASSERT_TRUE(tk73::replaceFileAtomically(file, "first"));
    EXPECT_EQ(modeOf(file), 0644u);
    chmod(file.c_str(), 0600);
    ASSERT_TRUE(tk73::replaceFileAtomically(file, std::string("sec\0nd", 6)));
    EXPECT_EQ(modeOf(file), 0600u);
    EXPECT_EQ(tk73::readWholeFile(file), std::string("sec\0nd", 6));
    int entries = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator(environment.root())) {
        ++entries;
    }
    // The prepared folders of the environment and the one file.
    EXPECT_EQ(entries, 6);
}

TEST(WholeFile, AFailedReplacementReportsFalse) {
    tk73test::TempEnvironment environment;
    EXPECT_FALSE(tk73::replaceFileAtomically(environment.path("missing/hive.reg"), "x"));
    EXPECT_FALSE(tk73::readWholeFile(environment.path("missing/hive.reg")));
    EXPECT_FALSE(tk73::readWholeFile(environment.path("temp")));
}
