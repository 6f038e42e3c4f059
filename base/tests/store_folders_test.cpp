#include "base/store_folders.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>

#include "base/tests/database_test.h"

namespace {

using tk73test::imageOf;
using tk73test::TempEnvironment;
namespace fs = std::filesystem;

class StoreFolders : public tk73test::DatabaseTest {
  protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        frame_ = openDatabase();
        TempEnvironment::writeFile(store(5) / "M001/FILE004P.TXT", "PLU");
        TempEnvironment::writeFile(store(5) / "M001/SUB/FILE001I.TXT", "index");
        TempEnvironment::writeFile(store(5) / "O001/FILE001P.TXT", "vek");
    }
    void TearDown() override { AecrdbDeleteDBC(frame_); }

    fs::path store(int number) const {
        char name[8];
        std::snprintf(name, sizeof name, "S%03d", number);
        return databaseFolder() / name;
    }

    // The entries of the store folder's parent whose names start with the prefix.
    std::vector<std::string> entriesStartingWith(const fs::path& folder,
                                                 const std::string& prefix) const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            const std::string name = entry.path().filename().string();
            if (name.rfind(prefix, 0) == 0) {
                names.push_back(name);
            }
        }
        return names;
    }

    DBC* frame_ = nullptr;
};

TEST_F(StoreFolders, CopyMakesTheTargetAWritableCopyOfTheSource) {
    fs::permissions(store(5) / "M001/FILE004P.TXT", fs::perms::owner_write,
                    fs::perm_options::remove);
    EXPECT_EQ(AecrdbCopyStoreFolder(frame_, 5, 12), 1);
    EXPECT_EQ(imageOf(store(12)), imageOf(store(5)));
    const fs::perms copied = fs::status(store(12) / "M001/FILE004P.TXT").permissions();
    EXPECT_NE(copied & fs::perms::owner_write, fs::perms::none);
}

TEST_F(StoreFolders, CopyRefusesAMissingSourceItselfAndNumbersOutOfRange) {
    EXPECT_EQ(AecrdbCopyStoreFolder(frame_, 7, 8), 0);
    EXPECT_FALSE(fs::exists(store(8)));
    const auto before = imageOf(store(5));
    EXPECT_EQ(AecrdbCopyStoreFolder(frame_, 5, 5), 0);
    EXPECT_EQ(imageOf(store(5)), before);
    EXPECT_EQ(AecrdbCopyStoreFolder(frame_, 5, 1000), 0);
    EXPECT_EQ(AecrdbCopyStoreFolder(frame_, -1, 6), 0);
    EXPECT_EQ(AecrdbCopyStoreFolder(nullptr, 5, 6), 0);
}

TEST_F(StoreFolders, DeleteRemovesTheRegisterPartTheVekPartOrTheWholeStore) {
    EXPECT_EQ(AecrdbDeleteStoreFolder(frame_, 5, 1), 1);
    EXPECT_FALSE(fs::exists(store(5) / "M001"));
    EXPECT_TRUE(fs::exists(store(5) / "O001/FILE001P.TXT"));
    EXPECT_EQ(entriesStartingWith(store(5), "M001"), std::vector<std::string>{});

    EXPECT_EQ(AecrdbDeleteStoreFolder(frame_, 5, 2), 1);
    EXPECT_FALSE(fs::exists(store(5) / "O001"));
    EXPECT_TRUE(fs::is_directory(store(5)));

    EXPECT_EQ(AecrdbDeleteStoreFolder(frame_, 5, 0), 1);
    EXPECT_FALSE(fs::exists(store(5)));
    EXPECT_EQ(entriesStartingWith(databaseFolder(), "S005"), std::vector<std::string>{});
    EXPECT_TRUE(fs::exists(store(1) / "M001/FILE004P.TXT"));

    // Folders that are not there are gone already.
    EXPECT_EQ(AecrdbDeleteStoreFolder(frame_, 5, 1), 1);
    EXPECT_EQ(AecrdbDeleteStoreFolder(frame_, 77, 3), 1);
    EXPECT_EQ(AecrdbDeleteStoreFolder(nullptr, 5, 1), 0);
}

// When the folder cannot be renamed out of the way it is still there, and the caller hears so.
TEST_F(StoreFolders, DeleteReportsAFolderThatCouldNotBeRenamed) {
    // Names the rename could take in the next seconds, each already a folder with contents.
    const auto now = std::chrono::system_clock::now();
    for (int second = 0; second < 5; ++second) {
        const std::time_t when =
            std::chrono::system_clock::to_time_t(now + std::chrono::seconds(second));
        std::tm local{};
        localtime_r(&when, &local);
        char stamp[16];
        std::strftime(stamp, sizeof stamp, "%Y%m%d%H%M%S", &local);
        TempEnvironment::writeFile(store(5) / ("M001_" + std::string(stamp)) / "x", "x");
    }
    EXPECT_EQ(AecrdbDeleteStoreFolder(frame_, 5, 1), 0);
    EXPECT_TRUE(fs::exists(store(5) / "M001/SUB/FILE001I.TXT"));
}

}  // namespace
