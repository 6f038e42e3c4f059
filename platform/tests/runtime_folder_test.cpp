#include "platform/runtime_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/testing/scoped_variable.h"
#include "tests/support/temp_environment.h"

TEST(RuntimeFolder, NamesBecomeFilesOfTheSessionFolder) {
    tk73test::TempEnvironment environment;
    EXPECT_EQ(tk73::runtimeFolder(), environment.path("run"));
    EXPECT_EQ(tk73::runtimeObjectPath("TK73HUB_LAUNCHREGTK73ITEM", ".lock"),
              environment.path("run/TK73HUB_LAUNCHREGTK73ITEM.lock"));
    // Nothing in a name reaches outside the folder or into another name's file.
    EXPECT_EQ(tk73::runtimeObjectPath("../x y\\z/", ".sock"),
              environment.path("run/.._x_y_z_.sock"));
    EXPECT_EQ(tk73::runtimeObjectPath("", ".lock"), "");
    EXPECT_EQ(tk73::runtimeObjectPath(std::string(200, 'A'), ".lock"),
              environment.path("run/" + std::string(200, 'A') + ".lock"));
    EXPECT_EQ(tk73::runtimeObjectPath(std::string(201, 'A'), ".lock"), "");
}

TEST(RuntimeFolder, WithoutASessionFolderAPrivateFolderInTheTemporaryFolder) {
    tk73test::TempEnvironment environment;
    tk73test::ScopedVariable session("XDG_RUNTIME_DIR", nullptr);
    const std::string expected = environment.path("temp/tk73-" + std::to_string(::getuid()));
    ASSERT_EQ(tk73::runtimeFolder(), expected);
    struct stat status = {};
    ASSERT_EQ(::stat(expected.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u);
    EXPECT_EQ(tk73::runtimeFolder(), expected);

    // A folder that others may write to, or a link planted in its place, is not used.
    ::chmod(expected.c_str(), 0777);
    EXPECT_EQ(tk73::runtimeFolder(), "");
    EXPECT_EQ(tk73::runtimeObjectPath("TK73HUB_LAUNCHREG", ".lock"), "");
    std::filesystem::remove(expected);
    std::filesystem::create_directory(environment.path("elsewhere"));
    std::filesystem::create_directory_symlink(environment.path("elsewhere"), expected);
    EXPECT_EQ(tk73::runtimeFolder(), "");
}
