#include "platform/file_copy.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "tests/support/temp_environment.h"

using tk73test::TempEnvironment;

namespace {

mode_t modeOf(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

}  // namespace

// A copy of the read-only installation's file gets the rights a new file of its folder gets
// (here the umask's), not the source's; a read-only source gives a read-only copy.
TEST(FileCopy, TheCopyTakesItsRightsFromItsFolderAndKeepsReadOnly) {
    TempEnvironment environment;
    const mode_t oldMask = umask(002);
    const std::string shipped = environment.path("shipped.TXT");
    const std::string locked = environment.path("locked.TXT");
    TempEnvironment::writeFile(shipped, "record\r\n");
    TempEnvironment::writeFile(locked, "locked\r\n");
    chmod(shipped.c_str(), 0644);
    chmod(locked.c_str(), 0444);
    const std::string copy = environment.path("copy.TXT");
    EXPECT_TRUE(tk73::copyFileAsNew(shipped, copy, false));
    EXPECT_EQ(TempEnvironment::readFile(copy), "record\r\n");
    EXPECT_EQ(modeOf(copy), 0664u);
    const std::string lockedCopy = environment.path("locked-copy.TXT");
    EXPECT_TRUE(tk73::copyFileAsNew(locked, lockedCopy, false));
    EXPECT_EQ(modeOf(lockedCopy), 0444u);
    umask(oldMask);

    // An existing target is kept unless overwritten, and keeps its own rights when it is.
    TempEnvironment::writeFile(copy, "mine\r\n");
    chmod(copy.c_str(), 0600);
    EXPECT_FALSE(tk73::copyFileAsNew(shipped, copy, false));
    EXPECT_EQ(TempEnvironment::readFile(copy), "mine\r\n");
    EXPECT_TRUE(tk73::copyFileAsNew(shipped, copy, true));
    EXPECT_EQ(TempEnvironment::readFile(copy), "record\r\n");
    EXPECT_EQ(modeOf(copy), 0600u);

    // A file copied onto itself is not emptied; nothing is left by a failed copy.
    EXPECT_FALSE(tk73::copyFileAsNew(shipped, shipped, true));
    EXPECT_EQ(TempEnvironment::readFile(shipped), "record\r\n");
    EXPECT_FALSE(tk73::copyFileAsNew(environment.path("missing"), environment.path("m"), true));
    EXPECT_FALSE(tk73::copyFileAsNew(environment.path("temp"), environment.path("f"), true));
    EXPECT_FALSE(tk73::copyFileAsNew(shipped, environment.path("no/such/folder/x"), true));
    EXPECT_FALSE(std::filesystem::exists(environment.path("m")));
    EXPECT_FALSE(std::filesystem::exists(environment.path("f")));
}
