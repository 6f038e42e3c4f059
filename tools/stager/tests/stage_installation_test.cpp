#include "tools/stager/stage_installation.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/ini_profile.h"
#include "platform/registry_hive.h"
#include "tests/support/command_output.h"
#include "tests/support/temp_environment.h"

namespace fs = std::filesystem;
using tk73tools::StageRequest;

namespace {

const char* const kRegisterRoot = "SOFTWARE\\KELVO\\TK73TOOL\\SYSTEM";
const char* const kControllerRoot = "SOFTWARE\\KELVO\\VEKSTTL\\SYSTEM";

bool stage(const std::string& target, uint32_t mode, std::string& error, bool replace = false) {
    std::vector<std::string> log;
    StageRequest request{tk73tools::shippedInstallation(), target, mode, replace};
    return tk73tools::stageInstallation(request, log, error);
}

// Reads a value of the staged hive the way the suite does: through TK73_MACHINE_HIVE.
std::optional<tk73::RegistryValue> staged(const std::string& target, const char* root,
                                          const char* name) {
    setenv("TK73_MACHINE_HIVE", tk73tools::stagedHive(target).c_str(), 1);
    return tk73::registryReadValue(tk73::Hive::Machine, root, name);
}

std::string run(const std::string& arguments, int& status) {
    tk73test::CommandOutput stage =
        tk73test::runCommand(std::string(TK73STAGE_PROGRAM) + " " + arguments + " 2>&1");
    status = stage.status;
    return stage.text;
}

}  // namespace

TEST(StageInstallation, LaysTheInstallationIntoAnEmptyFolder) {
    tk73test::TempEnvironment env;
    const std::string target = env.path("stage");
    std::string error;
    ASSERT_TRUE(stage(target, 0, error)) << error;
    // The guide's HTML edition comes from the build (every configuration makes it), the rest from
    // the repository's install folder.
    for (const char* file :
         {"install/TK73TOOL.ini", "install/DOCUMENT/TK73TOOL.htm", "install/DOCUMENT/DT_HB/ECR.htm",
          "install/register/KR301/KR301.INI", "install/register/KR301/DEFAULTVEK/FILE002I.TXT",
          "install/register/KR150/OLDVERSION/KR150Ver00.INI", "install/vek/VK500/VK500.INI",
          "install/vek/VK500/DEFAULT/FILE422I.TXT", "install/system/REGMODEL.edb",
          "install/system/VEKMODEL.edb", "install/template/STORE.edb", "machine.reg"}) {
        EXPECT_TRUE(fs::is_regular_file(env.root() / "stage" / file)) << file;
    }
    EXPECT_FALSE(fs::exists(env.root() / "stage/install/README.md"));
    // The definitions read from the staged copy alone.
    const std::string settings = target + "/install/TK73TOOL.ini";
    EXPECT_EQ(tk73_GetPrivateProfileIntA("ECR_LIST", "TOTALCOUNT", 0, settings.c_str()), 3u);
    EXPECT_EQ(tk73_GetPrivateProfileIntA("DEFAULTACTION", "ECRID", 0, settings.c_str()), 301u);
}

TEST(StageInstallation, WritesTheFolderValuesUnderBothRoots) {
    tk73test::TempEnvironment env;
    const std::string target = env.path("stage");
    const std::string own = env.path("machine.reg");
    std::string error;
    ASSERT_TRUE(stage(target, 2, error)) << error;
    EXPECT_EQ(std::getenv("TK73_MACHINE_HIVE"), own) << "the caller's hive stays as it was";
    for (const char* root : {kRegisterRoot, kControllerRoot}) {
        const std::pair<const char*, std::string> expected[] = {
            {"InstallPath", target + "/install"},
            {"RegisterPath", target + "/install/register"},
            {"VekPath", target + "/install/vek"},
            {"SystemPath", target + "/install/system"},
            {"TemplatePath", target + "/install/template"},
            {"DataBasePath", "TK73DB"},
            {"TempPath", "TK73TEMP"},
            {"CodePage", "WINDOWS-1252"},
        };
        for (const auto& [name, text] : expected) {
            std::optional<tk73::RegistryValue> value = staged(target, root, name);
            ASSERT_TRUE(value) << root << " " << name;
            EXPECT_EQ(value->type, tk73::RegistryValue::Type::String) << name;
            EXPECT_EQ(value->text, text) << root << " " << name;
            EXPECT_TRUE(fs::is_directory(value->text) || !text.starts_with("/")) << name;
        }
    }
}

TEST(StageInstallation, GivesEachToolTheModeItRuns) {
    // mode asked: register tool's UserMode, controller tool's UserMode
    const uint32_t modes[][3] = {{0, 0, 3}, {1, 1, 3}, {2, 2, 3}, {3, 0, 3}, {4, 0, 4}};
    for (const auto& [mode, registerMode, controllerMode] : modes) {
        tk73test::TempEnvironment env;
        const std::string target = env.path("stage");
        std::string error;
        ASSERT_TRUE(stage(target, mode, error)) << error;
        std::optional<tk73::RegistryValue> reg = staged(target, kRegisterRoot, "UserMode");
        std::optional<tk73::RegistryValue> vek = staged(target, kControllerRoot, "UserMode");
        ASSERT_TRUE(reg && vek) << "mode " << mode;
        EXPECT_EQ(reg->type, tk73::RegistryValue::Type::Dword);
        EXPECT_EQ(reg->dword, registerMode) << "mode " << mode;
        EXPECT_EQ(vek->dword, controllerMode) << "mode " << mode;
    }
}

TEST(StageInstallation, KeepsAnExistingInstallationUnlessAskedToReplaceIt) {
    tk73test::TempEnvironment env;
    const std::string target = env.path("stage");
    std::string error;
    ASSERT_TRUE(stage(target, 0, error)) << error;
    tk73test::TempEnvironment::writeFile(env.root() / "stage/install/left-over.txt", "x");
    EXPECT_FALSE(stage(target, 1, error));
    EXPECT_NE(error.find("already holds an installation"), std::string::npos) << error;
    EXPECT_TRUE(fs::exists(env.root() / "stage/install/left-over.txt"));

    ASSERT_TRUE(stage(target, 1, error, true)) << error;
    EXPECT_FALSE(fs::exists(env.root() / "stage/install/left-over.txt"));
    EXPECT_EQ(staged(target, kRegisterRoot, "UserMode")->dword, 1u);
}

TEST(StageInstallation, RefusesAnUnknownModeAndAFolderWithoutInstallation) {
    tk73test::TempEnvironment env;
    std::vector<std::string> log;
    std::string error;
    EXPECT_FALSE(tk73tools::stageInstallation(
        {tk73tools::shippedInstallation(), env.path("a"), 5, false}, log, error));
    EXPECT_NE(error.find("user mode 5"), std::string::npos) << error;
    EXPECT_FALSE(
        tk73tools::stageInstallation({env.path("documents"), env.path("b"), 0, false}, log, error));
    EXPECT_NE(error.find("no TK73TOOL.ini"), std::string::npos) << error;
    EXPECT_FALSE(fs::exists(env.root() / "a"));
    EXPECT_FALSE(fs::exists(env.root() / "b"));
}

TEST(StageCommand, StagesPrintsAndFailsClearly) {
    tk73test::TempEnvironment env;
    int status = -1;
    std::string output = run(env.path("stage") + " --mode 4", status);
    EXPECT_EQ(status, 0) << output;
    EXPECT_NE(output.find("UserMode 4"), std::string::npos) << output;
    EXPECT_NE(output.find("TK73_MACHINE_HIVE=" + env.path("stage/machine.reg")), std::string::npos)
        << output;

    output = run(env.path("stage"), status);
    EXPECT_EQ(status, 1);
    EXPECT_NE(output.find("tk73stage: "), std::string::npos) << output;

    run(env.path("other") + " --mode", status);
    EXPECT_EQ(status, 2);
    output = run(env.path("other") + " --mode 9", status);
    EXPECT_EQ(status, 1);
    EXPECT_NE(output.find("user mode 9"), std::string::npos) << output;
}

TEST(StageCommand, WritesOnlyTheHiveOfAnInstallationInPlace) {
    tk73test::TempEnvironment env;
    const std::string hive = env.path("etc/machine.reg");
    const std::string installation = tk73tools::shippedInstallation();
    int status = -1;
    std::string output =
        run("--hive " + hive + " --from " + installation + " --mode 2 --data-folder tk73", status);
    ASSERT_EQ(status, 0) << output;
    setenv("TK73_MACHINE_HIVE", hive.c_str(), 1);
    for (const char* root : {kRegisterRoot, kControllerRoot}) {
        EXPECT_EQ(tk73::registryReadValue(tk73::Hive::Machine, root, "InstallPath")->text,
                  fs::path(installation).lexically_normal().generic_string());
        EXPECT_EQ(tk73::registryReadValue(tk73::Hive::Machine, root, "SystemPath")->text,
                  fs::path(installation + "/system").lexically_normal().generic_string());
        EXPECT_EQ(tk73::registryReadValue(tk73::Hive::Machine, root, "DataBasePath")->text,
                  "tk73/TK73DB");
        EXPECT_EQ(tk73::registryReadValue(tk73::Hive::Machine, root, "TempPath")->text,
                  "tk73/TK73TEMP");
    }
    EXPECT_EQ(tk73::registryReadValue(tk73::Hive::Machine, kRegisterRoot, "UserMode")->dword, 2u);
    EXPECT_FALSE(fs::exists(env.root() / "install")) << "nothing is copied";

    // A hive that is there is kept unless replaced, and then written afresh.
    const std::string before = tk73test::TempEnvironment::readFile(hive);
    output = run("--hive " + hive + " --from " + installation, status);
    EXPECT_EQ(status, 1);
    EXPECT_NE(output.find("is there already"), std::string::npos) << output;
    EXPECT_EQ(tk73test::TempEnvironment::readFile(hive), before);
    output = run("--hive " + hive + " --from " + installation + " --replace", status);
    ASSERT_EQ(status, 0) << output;
    EXPECT_EQ(tk73::registryReadValue(tk73::Hive::Machine, kRegisterRoot, "UserMode")->dword, 0u);
    EXPECT_EQ(tk73::registryReadValue(tk73::Hive::Machine, kRegisterRoot, "DataBasePath")->text,
              "TK73DB");

    // Staging and hive writing do not mix, and a folder without installation gets no hive.
    run(env.path("stage") + " --hive " + hive, status);
    EXPECT_EQ(status, 2);
    run(env.path("stage") + " --data-folder tk73", status);
    EXPECT_EQ(status, 2);
    output = run("--hive " + env.path("other.reg") + " --from " + env.path("documents"), status);
    EXPECT_EQ(status, 1);
    EXPECT_NE(output.find("no TK73TOOL.ini"), std::string::npos) << output;
    EXPECT_FALSE(fs::exists(env.root() / "other.reg"));
}
