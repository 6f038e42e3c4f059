#include "platform/shared_folder.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "tests/support/temp_environment.h"

namespace {

mode_t modeOf(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

// Sets the process's umask for the life of the object.
class ScopedUmask {
  public:
    explicit ScopedUmask(mode_t mask) : old_(umask(mask)) {}
    ~ScopedUmask() { umask(old_); }

  private:
    mode_t old_;
};

}  // namespace

TEST(SharedFolder, GroupMayShareButOthersNeverWrite) {
    tk73test::TempEnvironment environment;
    {
        ScopedUmask open(0);
        ASSERT_TRUE(tk73::createSharedFolder(environment.path("open")));
        EXPECT_EQ(modeOf(environment.path("open")), 0775u);
    }
    {
        ScopedUmask strict(022);
        ASSERT_TRUE(tk73::createSharedFolder(environment.path("strict")));
        EXPECT_EQ(modeOf(environment.path("strict")), 0755u);
    }
}

TEST(SharedFolder, AnExistingFolderIsFineAndAFileOrMissingParentIsNot) {
    tk73test::TempEnvironment environment;
    EXPECT_TRUE(tk73::createSharedFolder(environment.path("temp")));
    tk73test::TempEnvironment::writeFile(environment.path("file"), "x");
    EXPECT_FALSE(tk73::createSharedFolder(environment.path("file")));
    EXPECT_FALSE(tk73::createSharedFolder(environment.path("missing/child")));
}
