// The base services find every folder of a staged installation through its hive alone.

#include <gtest/gtest.h>

#include <filesystem>

#include "base/install_folders.h"
#include "base/registry_settings.h"
#include "tests/support/temp_environment.h"
#include "tools/stager/stage_installation.h"

namespace {

std::string folder(int (*get)(char*)) {
    char out[TK73_MAX_PATH] = {};
    return get(out) ? out : "(failed)";
}

}  // namespace

TEST(StagedInstallation, GivesTheBaseServicesEveryFolderUnderEitherRoot) {
    tk73test::TempEnvironment env;
    const std::string target = env.path("stage");
    std::vector<std::string> log;
    std::string error;
    ASSERT_TRUE(tk73tools::stageInstallation({tk73tools::shippedInstallation(), target, 4, false},
                                             log, error))
        << error;
    setenv("TK73_MACHINE_HIVE", tk73tools::stagedHive(target).c_str(), 1);
    for (int launchVek : {0, 1}) {
        AecrbsSetLaunchVekTool(launchVek);
        EXPECT_EQ(folder(AecrbsGetTK73InstallPath), target + "/install");
        EXPECT_EQ(folder(AecrbsGetTK73RegisterPath), target + "/install/register");
        EXPECT_EQ(folder(AecrbsGetTK73VekPath), target + "/install/vek");
        EXPECT_EQ(folder(AecrbsGetTK73SystemPath), target + "/install/system");
        EXPECT_EQ(folder(AecrbsGetTK73TemplatePath), target + "/install/template");
        EXPECT_EQ(folder(AecrbsGetTK73DataBasePath), env.path("local") + "/TK73DB/");
        EXPECT_TRUE(
            std::filesystem::is_regular_file(folder(AecrbsGetTK73TemplatePath) + "/STORE.edb"));
        uint32_t mode = 99;
        EXPECT_EQ(AecrbsGetTK73UserMode(&mode), 1);
        EXPECT_EQ(mode, launchVek ? 4u : 0u);
    }
    AecrbsSetLaunchVekTool(0);
}
