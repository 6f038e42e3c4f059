#include "base/folder_tree.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/tests/base_test.h"

namespace {

namespace fs = std::filesystem;
using FolderTree = tk73test::BaseTest;
using tk73test::TempEnvironment;

mode_t modeOf(const std::string& path) {
    struct stat info {};
    lstat(path.c_str(), &info);
    return info.st_mode & 07777;
}

// A small store folder: program files, a sub-folder with its own sub-folder, and the kinds of
// folders a listing skips.
void makeStoreTree(const std::string& root) {
    TempEnvironment::writeFile(root + "/FILE001P.TXT", "dept");
    TempEnvironment::writeFile(root + "/FILE004P.TXT", "plu");
    TempEnvironment::writeFile(root + "/M001/FILE002P.TXT", "group");
    TempEnvironment::writeFile(root + "/M001/LOGO/LOGO01.BMP", "BM");
    TempEnvironment::writeFile(root + "/.svn/entries", "x");
    TempEnvironment::writeFile(root + "/M001/.cache/data", "x");
    TempEnvironment::writeFile(root + "/.hidden.ini", "kept");
    fs::create_directories(root + "/EMPTY");
}

}  // namespace

TEST_F(FolderTree, MakeDirectoryCreatesEveryMissingParent) {
    const std::string deep = environment.path("a/b/c");
    fs::create_directory(environment.path("a"));
    EXPECT_EQ(AecrbsMakeDirectory(deep.c_str()), 1);
    EXPECT_TRUE(fs::is_directory(deep));
    EXPECT_EQ(AecrbsMakeDirectory(deep.c_str()), 1);
    EXPECT_EQ(AecrbsMakeDirectory((deep + "/d/e/").c_str()), 1);
    EXPECT_TRUE(fs::is_directory(deep + "/d/e"));
    EXPECT_EQ(AecrbsMakeDirectoryEx(environment.path("x/y").c_str()), 1);
    EXPECT_TRUE(fs::is_directory(environment.path("x/y")));
    EXPECT_EQ(AecrbsMakeDirectory(""), 1);
    EXPECT_EQ(AecrbsMakeDirectory(nullptr), 1);
    EXPECT_EQ(AecrbsMakeDirectoryEx(nullptr), 1);
    // Nothing the suite creates is writable for every user.
    EXPECT_EQ(modeOf(deep) & S_IWOTH, 0u);
}

TEST_F(FolderTree, MakeDirectoryFailsWhenAParentIsAFile) {
    TempEnvironment::writeFile(environment.path("file"), "x");
    EXPECT_EQ(AecrbsMakeDirectory(environment.path("file/sub/more").c_str()), 0);
    EXPECT_FALSE(fs::exists(environment.path("file/sub")));
}

TEST_F(FolderTree, ListingsSkipDotFoldersAndPutDeeperFoldersFirst) {
    const std::string store = environment.path("S001");
    makeStoreTree(store);
    const std::string listing = environment.path("listing.csv");
    ASSERT_EQ(AecrbsFindFile(listing.c_str(), store.c_str()), 1);
    EXPECT_EQ(TempEnvironment::readFile(listing),
              ".hidden.ini\n"
              "FILE001P.TXT\n"
              "FILE004P.TXT\n"
              "M001/FILE002P.TXT\n"
              "M001/LOGO/LOGO01.BMP\n");
    ASSERT_EQ(AecrbsFindDirectory(listing.c_str(), store.c_str()), 1);
    EXPECT_EQ(TempEnvironment::readFile(listing), "EMPTY\nM001/LOGO\nM001\n");
    EXPECT_EQ(AecrbsFindFile(listing.c_str(), environment.path("missing").c_str()), 0);
    EXPECT_EQ(TempEnvironment::readFile(listing), "");
    EXPECT_EQ(AecrbsFindFile(environment.path("no/folder/listing.csv").c_str(), store.c_str()), 0);
}

TEST_F(FolderTree, CopyDirectoryCopiesTheTreeWithoutDotFolders) {
    const std::string source = environment.path("S001");
    const std::string target = environment.path("backup/S001");
    makeStoreTree(source);
    TempEnvironment::writeFile(target + "/FILE004P.TXT", "stale");
    TempEnvironment::writeFile(target + "/EXTRA.TXT", "kept");
    ASSERT_EQ(AecrbsCopyDirectory(source.c_str(), target.c_str()), 1);
    EXPECT_EQ(TempEnvironment::readFile(target + "/FILE004P.TXT"), "plu");
    EXPECT_EQ(TempEnvironment::readFile(target + "/M001/LOGO/LOGO01.BMP"), "BM");
    EXPECT_EQ(TempEnvironment::readFile(target + "/EXTRA.TXT"), "kept");
    EXPECT_TRUE(fs::is_directory(target + "/EMPTY"));
    EXPECT_FALSE(fs::exists(target + "/.svn"));
    EXPECT_FALSE(fs::exists(target + "/M001/.cache"));
    EXPECT_EQ(AecrbsCopyDirectory(environment.path("missing").c_str(), target.c_str()), 0);
}

TEST_F(FolderTree, CopyDirectoryIntoItselfCopiesWhatWasThere) {
    const std::string source = environment.path("S001");
    makeStoreTree(source);
    ASSERT_EQ(AecrbsCopyDirectory(source.c_str(), (source + "/COPY").c_str()), 1);
    EXPECT_EQ(TempEnvironment::readFile(source + "/COPY/M001/FILE002P.TXT"), "group");
    EXPECT_FALSE(fs::exists(source + "/COPY/COPY"));
}

TEST_F(FolderTree, DeleteDirectoryRemovesTheTreeButNotWhatLinksPointTo) {
    const std::string store = environment.path("S001");
    makeStoreTree(store);
    TempEnvironment::writeFile(environment.path("outside/keep.txt"), "keep");
    fs::create_directory_symlink(environment.path("outside"), store + "/M001/LINK");
    EXPECT_EQ(AecrbsDeleteDirectory(store.c_str()), 0);  // the dot folders stay behind
    EXPECT_FALSE(fs::exists(store + "/FILE001P.TXT"));
    EXPECT_FALSE(fs::exists(store + "/M001/LINK"));
    EXPECT_TRUE(fs::exists(store + "/.svn/entries"));
    EXPECT_EQ(TempEnvironment::readFile(environment.path("outside/keep.txt")), "keep");

    const std::string plain = environment.path("S002");
    TempEnvironment::writeFile(plain + "/M001/FILE002P.TXT", "group");
    EXPECT_EQ(AecrbsDeleteDirectory(plain.c_str()), 1);
    EXPECT_FALSE(fs::exists(plain));
    EXPECT_EQ(AecrbsDeleteDirectory(plain.c_str()), 1);
}

TEST_F(FolderTree, DeleteDirectoryStopsAtAFolderThatCannotBeRemoved) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind the superuser";
    }
    const std::string store = environment.path("S001");
    TempEnvironment::writeFile(store + "/LOCKED/FILE.TXT", "x");
    TempEnvironment::writeFile(store + "/FILE001P.TXT", "x");
    chmod((store + "/LOCKED").c_str(), 0555);
    EXPECT_EQ(AecrbsDeleteDirectory(store.c_str()), 0);
    EXPECT_TRUE(fs::exists(store + "/LOCKED/FILE.TXT"));
    EXPECT_FALSE(fs::exists(store + "/FILE001P.TXT"));
    chmod((store + "/LOCKED").c_str(), 0755);
}

TEST_F(FolderTree, ResetAttributeGivesTheOwnerWriteAccessBackBelowTheFolder) {
    const std::string store = environment.path("S001");
    makeStoreTree(store);
    const std::string file = store + "/M001/FILE002P.TXT";
    const std::string folder = store + "/M001/LOGO";
    const std::string outside = environment.path("outside.txt");
    TempEnvironment::writeFile(outside, "x");
    fs::create_symlink(outside, store + "/LINK.TXT");
    chmod(file.c_str(), 0444);
    chmod(folder.c_str(), 0555);
    chmod(outside.c_str(), 0444);
    EXPECT_EQ(AecrbsResetAttribute(store.c_str()), 1);
    EXPECT_EQ(modeOf(file), 0644u);
    EXPECT_EQ(modeOf(folder), 0755u);
    EXPECT_EQ(modeOf(outside), 0444u);
    EXPECT_EQ(AecrbsResetAttribute(environment.path("missing").c_str()), 1);
    EXPECT_EQ(AecrbsDeleteDirectory(folder.c_str()), 1);
}
