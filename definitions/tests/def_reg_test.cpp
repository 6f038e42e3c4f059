#include "definitions/def_reg.h"

#include <gtest/gtest.h>

#include <string>

#include "definitions/tests/definition_environment.h"
#include "platform/api.h"

using deftest::crlf;
using deftest::DefinitionEnvironment;

namespace {

struct Paths {
    std::string defaults, easy, store, install, name;
    int defaultExists, easyExists, storeExists, installFound;
};

Paths pathsOf(const CTK73defReg& reg) {
    char buffer[TK73_MAX_PATH + 1];
    Paths paths;
    paths.defaultExists = reg.GetDefaultIniFilePath(buffer, 0);
    paths.defaults = buffer;
    paths.easyExists = reg.GetDefaultIniFilePath(buffer, 1);
    paths.easy = buffer;
    paths.storeExists = reg.GetDbIniFilePath(buffer);
    paths.store = buffer;
    paths.installFound = reg.GetModelInstallPath(buffer);
    paths.install = buffer;
    reg.GetModelIndentName(buffer);
    paths.name = buffer;
    return paths;
}

}  // namespace

TEST(DefReg, RegisterAndVekModelsHaveTheirOwnFolders) {
    DefinitionEnvironment env;
    env.writeDefault("ER900", crlf("[SYSTEM]\nINIFILEVER=1\n"));
    env.writeStore("VK10", 3, crlf("[SYSTEM]\nINIFILEVER=1\n"), 1);

    const Paths reg = pathsOf(CTK73defReg("ER900", 3, 0));
    EXPECT_EQ(reg.defaults, env.defaultFile("ER900"));
    EXPECT_EQ(reg.easy, env.temp().path("install/REG/ER900/ER900_EZ.INI"));
    EXPECT_EQ(reg.store, env.storeFile("ER900", 3));
    EXPECT_EQ(reg.install, env.temp().path("install/REG/ER900"));
    EXPECT_EQ(reg.name, "ER900");
    EXPECT_EQ(reg.defaultExists, 1);
    EXPECT_EQ(reg.easyExists, 0);
    EXPECT_EQ(reg.storeExists, 0);
    EXPECT_EQ(reg.installFound, 1);

    const Paths vek = pathsOf(CTK73defReg("VK10", 3, 1));
    EXPECT_EQ(vek.defaults, env.defaultFile("VK10", 1));
    EXPECT_EQ(vek.store, env.storeFile("VK10", 3, 1));
    EXPECT_NE(vek.store.find("/S003/O001/VK10.INI"), std::string::npos);
    EXPECT_EQ(vek.storeExists, 1);
    // Configured folders hold forward slashes, so every built path does too.
    EXPECT_EQ((reg.store + reg.defaults + vek.store).find('\\'), std::string::npos);
}

TEST(DefReg, StoreZeroWorksOnTheShippedDefault) {
    DefinitionEnvironment env;
    env.writeDefault("ER900", crlf("[SYSTEM]\nMACHINE_TYPE=7\n"));
    const CTK73defReg reg("ER900", 0, 0);
    const Paths paths = pathsOf(reg);
    EXPECT_EQ(paths.store, paths.defaults);
    EXPECT_EQ(paths.storeExists, 1);
    EXPECT_EQ(reg.GetMachineID(), 7);
}

TEST(DefReg, BuiltFromAPathReadsAndWritesThatFile) {
    DefinitionEnvironment env;
    const std::string file = env.writeFile("x/ANY.INI", crlf("[A]\nB=text\nN=12\n"));
    const CTK73defReg reg(file.c_str(), 1);
    const Paths paths = pathsOf(reg);
    EXPECT_EQ(paths.defaults, file);
    EXPECT_EQ(paths.store, file);
    EXPECT_EQ(reg.GetStoreNo(), 0);
    EXPECT_EQ(reg.GetKind(), 1);
    EXPECT_EQ(reg.GetKeyValueString("A", "B"), "text");
    EXPECT_EQ(reg.GetKeyValueInt("A", "N"), 12);
}

TEST(DefReg, UnusableNamesAndPathsReadNothing) {
    DefinitionEnvironment env;
    env.writeFile("install/REG/secret.INI", crlf("[SYSTEM]\nMACHINE_TYPE=9\n"));
    for (const char* name : {"..", "../REG", "a/b", "a\\b", "", "ABCDEFGHIJKLMNOPQRSTU"}) {
        const CTK73defReg reg(name, 1, 0);
        const Paths paths = pathsOf(reg);
        EXPECT_EQ(paths.store, "") << name;
        EXPECT_EQ(paths.storeExists, 0) << name;
        EXPECT_EQ(reg.CopyDefaultIniFileToDbIniFile(0), 0) << name;
    }
    EXPECT_EQ(pathsOf(CTK73defReg(nullptr, 1, 0)).store, "");
    const std::string tooLong(300, 'a');
    EXPECT_EQ(pathsOf(CTK73defReg(tooLong.c_str(), 0)).store, "");
    // Twenty characters is still a name.
    EXPECT_NE(pathsOf(CTK73defReg("ABCDEFGHIJKLMNOPQRST", 1, 0)).store, "");
}

TEST(DefReg, CopyingTheDefaultCreatesTheStoreFolders) {
    DefinitionEnvironment env;
    const CTK73defReg missing("NONE", 2, 0);
    EXPECT_EQ(missing.CopyDefaultIniFileToDbIniFile(0), 0);

    const std::string shipped = crlf("[SYSTEM]\nINIFILEVER=3\n");
    env.writeDefault("ER900", shipped);
    const CTK73defReg reg("ER900", 2, 0);
    EXPECT_EQ(reg.CopyDefaultIniFileToDbIniFile(1), 1);
    EXPECT_EQ(env.read(env.storeFile("ER900", 2)), shipped);

    env.writeStore("ER900", 2, "changed");
    EXPECT_EQ(reg.CopyDefaultIniFileToDbIniFile(1), 0);
    EXPECT_EQ(env.read(env.storeFile("ER900", 2)), "changed");
    EXPECT_EQ(reg.CopyDefaultIniFileToDbIniFile(0), 1);
    EXPECT_EQ(env.read(env.storeFile("ER900", 2)), shipped);

    // With store 0 both names are the default itself, which must not be emptied.
    EXPECT_EQ(CTK73defReg("ER900", 0, 0).CopyDefaultIniFileToDbIniFile(0), 1);
    EXPECT_EQ(env.read(env.defaultFile("ER900")), shipped);
}

TEST(DefReg, KeyValuesComeFromStoreAndDefaultFiles) {
    DefinitionEnvironment env;
    env.writeDefault("ER900", crlf("[SYSTEM]\nMACHINE_TYPE=1\nINIFILEVER=4\n[X]\nN=5\n"));
    env.writeStore("ER900", 1,
                   crlf("[SYSTEM]\nMACHINE_TYPE=321\nINIFILEVER=4\n[X]\nN=6\nT=" +
                        std::string(5000, 't') + "\n"));
    const CTK73defReg reg("ER900", 1, 0);
    EXPECT_EQ(reg.GetMachineID(), 0x41);
    EXPECT_EQ(reg.GetKeyValueString("x", "n"), "6");
    EXPECT_EQ(reg.GetKeyValueString("X", "T").size(), 4095u);
    EXPECT_EQ(reg.GetKeyValueString("X", "NONE"), "");
    EXPECT_EQ(reg.GetKeyValueInt("X", "N"), 5);
    EXPECT_EQ(reg.GetKeyValueInt("X", "NONE"), 0);
    EXPECT_EQ(CTK73defReg("NONE", 1, 0).GetMachineID(), 0);
}

TEST(DefReg, KeyNamesAndNumericTexts) {
    char key[16];
    CTK73defReg::CreateFileNoKeyName(5, key);
    EXPECT_STREQ(key, "005");
    CTK73defReg::CreateFieldNoKeyName(1234, key);
    EXPECT_STREQ(key, "1234");
    EXPECT_EQ(CTK73defReg::IsNumeric("0?9"), 1);
    EXPECT_EQ(CTK73defReg::IsNumeric(""), 0);
    EXPECT_EQ(CTK73defReg::IsNumeric("1a"), 0);
    EXPECT_EQ(CTK73defReg::IsNumeric(nullptr), 0);
}
