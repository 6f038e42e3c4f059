#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <set>

#include "base/registry_settings.h"
#include "programfiles/pgm_handle.h"
#include "programfiles/tests/pgm_test_files.h"

namespace {

class PgmHandleNamesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        store_.writeDefinition("[SYSTEM]\r\nINIFILEVER=1\r\n");
        ASSERT_EQ(handle_.Open(store_.definitionFile().c_str(), store_.mainteFolder().c_str(),
                               store_.defaultFolder().c_str()),
                  1);
    }
    void TearDown() override { AecrbsSetCurrentVekSetting(0, 0); }

    pgmtest::Store store_;
    CPgmHandle handle_;
};

TEST_F(PgmHandleNamesTest, MaintenanceNamesInTextAndBinaryForm) {
    char name[TK73_MAX_PATH] = {};
    EXPECT_EQ(handle_.GetMainteFileName(name, 4, 1), name);
    EXPECT_EQ(std::string(name), store_.mainteFolder() + "/FILE004P.TXT");
    handle_.GetMainteFileName(name, 422, 0);
    EXPECT_EQ(std::string(name), store_.mainteFolder() + "/FILE422P.DAT");
    // The item file has no item form in the maintenance folder.
    handle_.GetMainteFileName(name, 2, 1);
    EXPECT_EQ(std::string(name), store_.mainteFolder() + "/FILE002P.TXT");

    const char* own = handle_.GetMainteFileName(nullptr, 12, 1);
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(std::string(own), store_.mainteFolder() + "/FILE012P.TXT");
}

TEST_F(PgmHandleNamesTest, DefaultItemFileDependsOnTheSettingTarget) {
    char name[TK73_MAX_PATH] = {};
    AecrbsSetCurrentVekSetting(0, 0);
    handle_.GetDefaultFileName(name, 2, 1);
    EXPECT_EQ(std::string(name), store_.defaultFolder() + "/FILE002I.TXT");
    handle_.GetDefaultFileName(name, 422, 1);
    EXPECT_EQ(std::string(name), store_.defaultFolder() + "/FILE422P.TXT");
    handle_.GetDefaultFileName(name, 2, 0);
    EXPECT_EQ(std::string(name), store_.defaultFolder() + "/FILE002P.DAT");

    AecrbsSetCurrentVekSetting(1, 0);
    handle_.GetDefaultFileName(name, 422, 1);
    EXPECT_EQ(std::string(name), store_.defaultFolder() + "/FILE422I.TXT");
    handle_.GetDefaultFileName(name, 2, 1);
    EXPECT_EQ(std::string(name), store_.defaultFolder() + "/FILE002P.TXT");
}

TEST_F(PgmHandleNamesTest, EmptyFolderOrOverlongNameLeavesTheNameUnchanged) {
    CPgmHandle handle;
    // A default folder too long for a path: the test asks what the names become.
    (void)handle.Open(store_.definitionFile().c_str(), "", std::string(258, 'd').c_str());
    char name[TK73_MAX_PATH] = "unchanged";
    handle.GetMainteFileName(name, 4, 1);
    EXPECT_STREQ(name, "unchanged");
    handle.GetDefaultFileName(name, 4, 1);
    EXPECT_STREQ(name, "unchanged");
}

TEST_F(PgmHandleNamesTest, DefaultFolderReadsAndSearches) {
    store_.writeDefinition(pgmtest::pluDefinition());
    store_.writeMainte(4, pgmtest::pluFile(40));
    std::string defaults = pgmtest::pluFile(40);
    defaults.replace(defaults.find("Item 7 "), 7, "Default");
    store_.writeDefault(4, defaults);
    ASSERT_EQ(handle_.Open(store_.definitionFile().c_str(), store_.mainteFolder().c_str(),
                           store_.defaultFolder().c_str()),
              1);
    tagPGMITEMDEF name;
    ASSERT_EQ(handle_.GetItemDef(&name, 14, 2, 1), 1);

    PGMITEMDATAARRAY values[1];
    ASSERT_EQ(handle_.AccessItems(PGM_ACCESS_READ_DEFAULT, &name, 1, 7, 1, values, 0), 0);
    EXPECT_EQ(values[0][0].text, "Default     ");
    ASSERT_EQ(handle_.AccessItems(PGM_ACCESS_READ, &name, 1, 7, 1, values, 0), 0);
    EXPECT_EQ(values[0][0].text, "Item 7      ");

    EXPECT_EQ(handle_.SearchItem(&name, 1, "Default", 7, 1, 1, 1), 7);
    EXPECT_EQ(handle_.SearchItem(&name, 1, "Default", 7, 1, 1, 0), -1);
    EXPECT_EQ(handle_.SearchItem(&name, 40, "DEFAULT", 7, 0, 0, 1), 7);
}

TEST_F(PgmHandleNamesTest, DefaultItemFileIsReadFromItsItemForm) {
    store_.writeDefinition(
        "[FILE0002]\r\nALL_FIELD_NUM=1\r\nF01N=1,P\r\n"
        "[PGM_MENU_003]\r\nITEM_001_FILE=2\r\nITEM_001_MEMORY=INDEX,1,2\r\n"
        "ITEM_001=CHAR,D1,3\r\nITEM_001_FIELD=1\r\n");
    store_.writeDefault(2, pgmtest::recordLine(1, 6, {"\"ITM\""}), 'I');
    store_.writeDefault(2, pgmtest::recordLine(1, 6, {"\"PGM\""}), 'P');
    ASSERT_EQ(handle_.Open(store_.definitionFile().c_str(), store_.mainteFolder().c_str(),
                           store_.defaultFolder().c_str()),
              1);
    tagPGMITEMDEF item;
    ASSERT_EQ(handle_.GetItemDef(&item, 3, 1, 0), 1);
    PGMITEMDATAARRAY values[1];
    ASSERT_EQ(handle_.AccessItems(PGM_ACCESS_READ_DEFAULT, &item, 1, 1, 1, values, 0), 0);
    EXPECT_EQ(values[0][0].text, "ITM");
}

TEST_F(PgmHandleNamesTest, WorkFolderNamesAreNewEachTimeAndSkipExistingOnes) {
    const std::string folder = store_.env().path("work");
    std::filesystem::create_directories(folder);
    // Take the names of the next milliseconds, so the handle has to go past them.
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    const auto tick =
        static_cast<unsigned>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
    std::set<std::string> taken;
    for (unsigned i = 0; i < 20; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "/$PgmHdl_%.8x$", tick + i);
        std::filesystem::create_directories(folder + name);
        taken.insert(folder + name);
    }
    char first[TK73_MAX_PATH];
    char second[TK73_MAX_PATH];
    ASSERT_EQ(CPgmHandle::CreateWorkFolderName(folder.c_str(), first), 1);
    ASSERT_EQ(CPgmHandle::CreateWorkFolderName(folder.c_str(), second), 1);
    EXPECT_STRNE(first, second);
    for (const char* name : {first, second}) {
        EXPECT_EQ(taken.count(name), 0u) << name;
        EXPECT_FALSE(std::filesystem::exists(name));
        const std::string text = name;
        ASSERT_EQ(text.size(), folder.size() + 18);
        EXPECT_EQ(text.substr(0, folder.size() + 9), folder + "/$PgmHdl_");
        EXPECT_EQ(text.back(), '$');
    }
    EXPECT_EQ(CPgmHandle::CreateWorkFolderName(std::string(250, 'w').c_str(), first), 0);
}

}  // namespace
