#include "base/install_folders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/tests/base_test.h"
#include "platform/testing/scoped_variable.h"

namespace {

using InstallFolders = tk73test::BaseTest;
using DataFolders = tk73test::BaseTest;
using tk73test::ScopedVariable;

using Getter = int(TK73_API*)(char*);

std::string result(Getter getter, int expected) {
    char out[TK73_MAX_PATH] = "not touched";
    EXPECT_EQ(getter(out), expected);
    return out;
}

}  // namespace

TEST_F(InstallFolders, ValuesComeAsStoredAndMissingOnesFail) {
    const std::pair<const char*, Getter> values[] = {
        {"InstallPath", AecrbsGetTK73InstallPath},   {"RegisterPath", AecrbsGetTK73RegisterPath},
        {"VekPath", AecrbsGetTK73VekPath},           {"SystemPath", AecrbsGetTK73SystemPath},
        {"TemplatePath", AecrbsGetTK73TemplatePath},
    };
    for (const auto& [name, getter] : values) {
        EXPECT_EQ(result(getter, 0), "") << name;
        installString(name, std::string("/opt/tk73/") + name + "/");
        EXPECT_EQ(result(getter, 1), std::string("/opt/tk73/") + name + "/");
    }
    installString("InstallPath", "");
    EXPECT_EQ(result(AecrbsGetTK73InstallPath, 0), "");
    // The installation's values are read into 256 bytes.
    installString("InstallPath", "/" + std::string(254, 'i'));
    EXPECT_EQ(result(AecrbsGetTK73InstallPath, 1).size(), 255u);
    installString("InstallPath", "/" + std::string(255, 'i'));
    EXPECT_EQ(result(AecrbsGetTK73InstallPath, 0), "");
}

TEST_F(InstallFolders, UserModeIsZeroWhenMissing) {
    uint32_t mode = 7;
    EXPECT_EQ(AecrbsGetTK73UserMode(&mode), 1);
    EXPECT_EQ(mode, 0u);
    installDword("UserMode", 2);
    EXPECT_EQ(AecrbsGetTK73UserMode(&mode), 1);
    EXPECT_EQ(mode, 2u);
}

TEST_F(DataFolders, UserModeTwoPutsTheRegisterToolsDataInTheCommonFolder) {
    EXPECT_EQ(result(AecrbsGetTK73AppDataFolder, 1), environment.path("local"));
    installDword("UserMode", 2);
    EXPECT_EQ(result(AecrbsGetTK73AppDataFolder, 1), environment.path("common"));
    AecrbsSetLaunchVekTool(1);
    installDword("UserMode", 2, tk73test::kVekRoot);
    EXPECT_EQ(result(AecrbsGetTK73AppDataFolder, 1), environment.path("local"));
}

TEST_F(DataFolders, BackupFolderFollowsTheLaunchVekToolFlag) {
    EXPECT_EQ(result(AecrbsGetTK73UserDataFolder, 1), environment.path("documents"));
    EXPECT_EQ(result(AecrbsGetTK73BackUpDefaultFolder, 1),
              environment.path("documents/KELVO/TK73TOOL/BACKUPDB"));
    AecrbsSetLaunchVekTool(1);
    EXPECT_EQ(result(AecrbsGetTK73BackUpDefaultFolder, 1),
              environment.path("documents/KELVO/VEKSTTL/BACKUPDB"));
    ScopedVariable documents("TK73_DOCUMENTS", "C:\\Users\\shop\\Documents");
    EXPECT_EQ(result(AecrbsGetTK73BackUpDefaultFolder, 1),
              "C:\\Users\\shop\\Documents\\KELVO\\VEKSTTL\\BACKUPDB");
    ScopedVariable noDocuments("TK73_DOCUMENTS", nullptr);
    ScopedVariable noHome("HOME", nullptr);
    EXPECT_EQ(result(AecrbsGetTK73UserDataFolder, 0), "");
    EXPECT_EQ(result(AecrbsGetTK73BackUpDefaultFolder, 0), "");
}

TEST_F(DataFolders, DatabaseAndTempFoldersEndWithTheSeparatorOfTheirPath) {
    EXPECT_EQ(result(AecrbsGetTK73DataBasePath, 0), "");
    installString("DataBasePath", "DB");
    installString("TempPath", "KELVO\\TK73TOOL\\TEMP");
    EXPECT_EQ(result(AecrbsGetTK73DataBasePath, 1), environment.path("local/DB/"));
    EXPECT_EQ(result(AecrbsGetTK73TempPath, 1), environment.path("local/KELVO/TK73TOOL/TEMP/"));
    {
        ScopedVariable local("TK73_LOCAL_APPDATA", "C:\\AppData");
        EXPECT_EQ(result(AecrbsGetTK73DataBasePath, 1), "C:\\AppData\\DB\\");
    }
    ScopedVariable noLocal("TK73_LOCAL_APPDATA", nullptr);
    ScopedVariable noData("XDG_DATA_HOME", nullptr);
    ScopedVariable noHome("HOME", nullptr);
    EXPECT_EQ(result(AecrbsGetTK73DataBasePath, 0), "");
}

TEST_F(DataFolders, TheSuitesTempFolderIsCreatedElseTheSystemsIsUsed) {
    EXPECT_EQ(result(AecrbsGetTempPath, 1), environment.path("temp/"));
    installString("TempPath", "KELVO/TK73TOOL/TEMP");
    EXPECT_EQ(result(AecrbsGetTempPath, 1), environment.path("local/KELVO/TK73TOOL/TEMP/"));
    EXPECT_TRUE(std::filesystem::is_directory(environment.path("local/KELVO/TK73TOOL/TEMP")));
    // A file where the folder should be.
    tk73test::TempEnvironment::writeFile(environment.path("local/BLOCKED"), "x");
    installString("TempPath", "BLOCKED/TEMP");
    EXPECT_EQ(result(AecrbsGetTempPath, 0), "");
}
