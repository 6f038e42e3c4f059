#include <gtest/gtest.h>

#include <string>

#include "base/registry_settings.h"
#include "definitions/ctrl_cmn.h"
#include "definitions/def_reg.h"
#include "definitions/tests/definition_environment.h"

using deftest::crlf;
using deftest::DefinitionEnvironment;

namespace {

const std::string kNewDefault = crlf(
    "[SYSTEM]\nINIFILEVER=5\n"
    "[FILE_INF]\nPGMICONS=1,2,3\nDATAFILES=9\n"
    "[FILE_EXPORT]\nFILES=1,2\n"
    "[PGMFILES]\n001=\"Department\"\n002=\"PLU\"\n003=\"New file\"\n"
    "[PGMICONTITLE]\n001=\"Dept\"\n"
    "[FIELD_TITLES]\n001=\"Name\"\n"
    "[FILE0001]\nALL_FIELD_NUM=2\nF01N=1,P\nF01L=12\nF01D=ON\nF02N=2,P\nF02L=4\n"
    "[MODELFUNCTION]\nTOUCHKEY=ON\n");

const std::string kUserStore = crlf(
    "[SYSTEM]\nINIFILEVER=4\n"
    "[FILE_INF]\nPGMICONS=2\nDATAFILES=8\n"
    "[FILE_EXPORT]\nINIPATH=/home/user/export\n"
    "[FILE_IMPORT]\nINIPATH=/home/user/import\n"
    "[PGMFILES]\n001=\"My departments\"\n002=\" spaced \"\n"
    "[PGMICONTITLE]\n001=\"Icon one\"\n"
    "[FIELD_TITLES]\n001=\"  Own name\"\n077=\"Extra\"\n"
    "[FILE0001]\nALL_FIELD_NUM=1\nF01N=1\nF01L=10\nF01D=OFF\nF01E=OFF\nF02M=FF99\n");

std::string value(const std::string& file, const char* section, const char* key) {
    std::string out;
    // A key that is missing reads as empty, which the tests compare.
    (void)CCtrlCmn::GetIniFileString(file.c_str(), section, key, out);
    return out;
}

}  // namespace

TEST(StoreCopyRebuild, NewerDefaultIsTakenWithTheUsersSettingsKept) {
    DefinitionEnvironment env(2);
    env.writeDefault("ER900", kNewDefault);
    const std::string store = env.writeStore("ER900", 1, kUserStore);

    const CTK73defReg reg("ER900", 1, 0);

    EXPECT_EQ(env.read(store + ".BAK"), kUserStore);
    EXPECT_FALSE(env.exists(store + ".TMP"));
    // The default's own content.
    EXPECT_EQ(value(store, "SYSTEM", "INIFILEVER"), "5");
    EXPECT_EQ(value(store, "FILE_INF", "DATAFILES"), "9");
    EXPECT_EQ(value(store, "PGMFILES", "003"), "New file");
    EXPECT_EQ(value(store, "FILE0001", "ALL_FIELD_NUM"), "2");
    EXPECT_EQ(value(store, "FILE0001", "F01L"), "12");
    EXPECT_EQ(value(store, "MODELFUNCTION", "TOUCHKEY"), "ON");
    // The user's icons, folders, titles and field settings.
    EXPECT_EQ(value(store, "FILE_INF", "PGMICONS"), "2");
    EXPECT_EQ(value(store, "FILE_EXPORT", "INIPATH"), "/home/user/export");
    EXPECT_EQ(value(store, "FILE_EXPORT", "FILES"), "1,2");
    EXPECT_EQ(value(store, "FILE_IMPORT", "INIPATH"), "/home/user/import");
    EXPECT_EQ(value(store, "PGMFILES", "001"), "My departments");
    EXPECT_EQ(value(store, "PGMFILES", "002"), " spaced ");
    EXPECT_EQ(value(store, "PGMICONTITLE", "001"), "Icon one");
    EXPECT_EQ(value(store, "FIELD_TITLES", "001"), "  Own name");
    EXPECT_EQ(value(store, "FIELD_TITLES", "077"), "Extra");
    EXPECT_EQ(value(store, "FILE0001", "F01D"), "OFF");
    EXPECT_EQ(value(store, "FILE0001", "F01E"), "OFF");
    EXPECT_EQ(value(store, "FILE0001", "F02M"), "FF99");
}

TEST(StoreCopyRebuild, SettingsOfFilesAbove99AreKeptToo) {
    DefinitionEnvironment env(2);
    env.writeDefault("ER900", kNewDefault + crlf("[FILE0422]\nF01N=1,P\nF01L=8\n"));
    const std::string store =
        env.writeStore("ER900", 1,
                       crlf("[SYSTEM]\nINIFILEVER=4\n[PGMFILES]\n001=\"Mine\"\n422=\"Shop items\"\n"
                            "[FILE0422]\nF01D=OFF\nF01M=F0\n"));

    const CTK73defReg reg("ER900", 1, 0);

    EXPECT_EQ(value(store, "PGMFILES", "422"), "Shop items");
    EXPECT_EQ(value(store, "FILE0422", "F01L"), "8");
    EXPECT_EQ(value(store, "FILE0422", "F01D"), "OFF");
    EXPECT_EQ(value(store, "FILE0422", "F01M"), "F0");
}

// Field settings of files 1 to 99 are kept whether or not the copy's PGMFILES names the file;
// above 99 only those of the files it names. A title the copy holds empty leaves the default's.
TEST(StoreCopyRebuild, FieldSettingsOfTheFirst99FilesAndEmptyTitles) {
    DefinitionEnvironment env(2);
    env.writeDefault("ER900", kNewDefault + crlf("[FILE0422]\nF01N=1,P\nF01D=ON\n"));
    const std::string store =
        env.writeStore("ER900", 1,
                       crlf("[SYSTEM]\nINIFILEVER=4\n[FILE_INF]\nPGMICONS=\n"
                            "[PGMFILES]\n001=\"Mine\"\n003=\n"
                            "[PGMICONTITLE]\n001=\"\"\n"
                            "[FIELD_TITLES]\n001=\n"
                            "[FILE0002]\nF02D=OFF\n[FILE0099]\nF01E=OFF\n[FILE0422]\nF01D=OFF\n"));

    const CTK73defReg reg("ER900", 1, 0);

    EXPECT_EQ(value(store, "PGMFILES", "001"), "Mine");
    EXPECT_EQ(value(store, "FILE0002", "F02D"), "OFF");
    EXPECT_EQ(value(store, "FILE0099", "F01E"), "OFF");
    EXPECT_EQ(value(store, "FILE0422", "F01D"), "ON");
    EXPECT_EQ(value(store, "PGMFILES", "003"), "New file");
    EXPECT_EQ(value(store, "PGMICONTITLE", "001"), "Dept");
    EXPECT_EQ(value(store, "FIELD_TITLES", "001"), "Name");
    // No icons shown is a setting of its own, not a missing one.
    EXPECT_EQ(value(store, "FILE_INF", "PGMICONS"), "");
}

TEST(StoreCopyRebuild, RebuildingAgainReplacesTheBackup) {
    DefinitionEnvironment env(2);
    env.writeDefault("ER900", kNewDefault);
    const std::string store = env.writeStore("ER900", 1, kUserStore);
    CTK73defReg("ER900", 1, 0);
    const std::string rebuilt = env.read(store);
    // Same versions now: nothing changes.
    CTK73defReg("ER900", 1, 0);
    EXPECT_EQ(env.read(store), rebuilt);
    EXPECT_EQ(env.read(store + ".BAK"), kUserStore);

    env.writeDefault("ER900", crlf("[SYSTEM]\nINIFILEVER=6\n"));
    CTK73defReg("ER900", 1, 0);
    EXPECT_EQ(env.read(store + ".BAK"), rebuilt);
    EXPECT_EQ(value(store, "FILE_INF", "PGMICONS"), "2");
}

TEST(StoreCopyRebuild, NothingHappensWhenVersionsMatchOrOutsideProfessionalMode) {
    const std::string sameVersion = crlf("[SYSTEM]\nINIFILEVER=5\n[FILE_INF]\nPGMICONS=2\n");
    for (uint32_t mode : {0u, 1u, 2u, 3u, 4u, 7u}) {
        DefinitionEnvironment env(mode);
        env.writeDefault("ER900", kNewDefault);
        const std::string store = env.writeStore("ER900", 1, mode == 2 ? sameVersion : kUserStore);
        const std::string before = env.read(store);
        CTK73defReg("ER900", 1, 0);
        EXPECT_EQ(env.read(store), before) << "mode " << mode;
        EXPECT_FALSE(env.exists(store + ".BAK")) << "mode " << mode;
    }
}

TEST(StoreCopyRebuild, TheVekToolNeverRebuilds) {
    DefinitionEnvironment env(2);
    AecrbsSetLaunchVekTool(1);
    env.writeDefault("VK10", kNewDefault, 1);
    const std::string store = env.writeStore("VK10", 1, kUserStore, 1);
    const CTK73defReg reg("VK10", 1, 1);
    char path[TK73_MAX_PATH];
    EXPECT_EQ(reg.GetDbIniFilePath(path), 1);
    AecrbsSetLaunchVekTool(0);
    EXPECT_EQ(env.read(store), kUserStore);
}

TEST(StoreCopyRebuild, MissingDefaultLeavesTheStoreCopyAlone) {
    DefinitionEnvironment env(2);
    const std::string store = env.writeStore("ER900", 1, kUserStore);
    CTK73defReg("ER900", 1, 0);
    EXPECT_EQ(env.read(store), kUserStore);
    EXPECT_FALSE(env.exists(store + ".BAK"));
    EXPECT_FALSE(env.exists(store + ".TMP"));
}
