#include "operations/working_store.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "archive/testing/staged_store.h"
#include "base/registry_settings.h"
#include "definitions/def_reg.h"
#include "platform/api.h"
#include "storedb/connection_setting.h"
#include "storedb/connection_type.h"
#include "storedb/edb_model.h"
#include "storedb/edb_store.h"

namespace tk73ops {
namespace {

namespace fs = std::filesystem;

MODEL_EDB registerModel(int modelNo) {
    MODEL_EDB model;
    CTK73edbModel().GetModelFromModelNo(modelNo, &model);
    return model;
}

MODEL_EDB vekModel(int modelNo) {
    MODEL_EDB model;
    CTK73edbVekModel().GetModelFromModelNo(modelNo, &model);
    return model;
}

using archivetest::StagedInstallation;

std::string fileText(const std::string& path) {
    return tk73test::TempEnvironment::readFile(path);
}

std::string installFile(const StagedInstallation& env, const std::string& relative) {
    return fileText(env.path("stage/install/" + relative));
}

std::string mainteFolder(bool vek) {
    return StagedInstallation::mainteFolder(kWorkingStore, vek ? 1 : 0);
}

std::vector<std::string> desktop() {
    std::vector<char> branch(4096), store(4096), reg(4096);
    AecrbsGetDesktopRegister(branch.data(), store.data(), reg.data());
    return {branch.data(), store.data(), reg.data()};
}

TEST(WorkingStore, MadeForARegisterWithAController) {
    StagedInstallation env(0);
    ASSERT_EQ(ResetWorkingStore(0, registerModel(301), vekModel(501)), 1);

    CTK73edbStore stores;
    ASSERT_EQ(stores.GetStoreCnt(), 1);
    STORE_EDB store;
    ASSERT_EQ(stores.GetStoreFromStoreNo(1, &store), 1);
    EXPECT_EQ(store.storeName, "NET REG mode");
    EXPECT_EQ(store.regModelNo, 301);
    EXPECT_EQ(store.vekModelNo, 501);
    EXPECT_EQ(store.vekLinkage, '0');
    EXPECT_EQ(store.changeBusinessDay, "0000");
    EXPECT_EQ(store.update.size(), 12u);
    EXPECT_EQ(store.branchNo, 0);
    int with = 0;
    int linked = 0;
    EXPECT_EQ(stores.GetWithVek(1, &with, &linked), 1);
    EXPECT_EQ(with, 1);
    EXPECT_EQ(linked, 1);

    // Both definitions and every default program file, the register's from its controller set.
    char ini[TK73_MAX_PATH] = {};
    CTK73defReg("KR301", 1, 0).GetDbIniFilePath(ini);
    EXPECT_EQ(fileText(ini), installFile(env, "register/KR301/KR301.INI"));
    CTK73defReg("VK500", 1, 1).GetDbIniFilePath(ini);
    EXPECT_EQ(fileText(ini), installFile(env, "vek/VK500/VK500.INI"));
    EXPECT_EQ(fileText(mainteFolder(false) + "/FILE004P.TXT"),
              installFile(env, "register/KR301/DEFAULTVEK/FILE004P.TXT"));
    EXPECT_EQ(fileText(mainteFolder(true) + "/FILE004P.TXT"),
              installFile(env, "vek/VK500/DEFAULT/FILE004P.TXT"));

    EXPECT_EQ(desktop(), (std::vector<std::string>{"000", "001", "999"}));
}

TEST(WorkingStore, ANewResetForgetsTheEarlierStoreButNotHowItsMachinesAreReached) {
    StagedInstallation env(1);
    ASSERT_EQ(ResetWorkingStore(1, registerModel(301), vekModel(501)), 1);
    const std::string earlierVekFolder = mainteFolder(true);
    // An edit in the earlier data must not survive.
    tk73test::TempEnvironment::writeFile(mainteFolder(false) + "/FILE004P.TXT", "edited");
    // The registers listed by hand are the user's network: they stay.
    tk73store::ConnectionType registers{tk73store::kConnectManual, {0x0A000001, 0x0A000002}};
    tk73store::ConnectionType controllers{tk73store::kConnectManual, {0x0A000009}};
    {
        const std::unique_ptr<tk73store::ConnectionSetting> setting =
            tk73store::ConnectionSetting::ForStore(kWorkingStore);
        ASSERT_NE(setting, nullptr);
        setting->setConnection(0, registers);
        setting->setConnection(1, controllers);
        ASSERT_TRUE(setting->apply());
    }

    ASSERT_EQ(ResetWorkingStore(1, registerModel(420), MODEL_EDB()), 1);
    STORE_EDB store;
    ASSERT_EQ(CTK73edbStore().GetStoreFromStoreNo(1, &store), 1);
    EXPECT_EQ(tk73store::readConnectionType(store, 0), registers);
    EXPECT_EQ(tk73store::readConnectionType(store, 1), controllers);
    EXPECT_EQ(store.storeName, "Stand alone ECR mode");
    EXPECT_EQ(store.regModelNo, 420);
    EXPECT_EQ(store.vekModelNo, 0);
    EXPECT_EQ(store.vekLinkage, '1');
    EXPECT_FALSE(fs::exists(earlierVekFolder));
    EXPECT_EQ(fileText(mainteFolder(false) + "/FILE004P.TXT"),
              installFile(env, "register/KR420/DEFAULT/FILE004P.TXT"));
}

TEST(WorkingStore, AModelWithoutDefinitionFails) {
    StagedInstallation env(0);
    MODEL_EDB unknown;
    unknown.modelNo = 999;
    unknown.indentName = "KR999";
    EXPECT_EQ(ResetWorkingStore(0, unknown, MODEL_EDB()), 0);
    EXPECT_NE(desktop()[1], "001");
}

TEST(WorkingStore, NamedAfterTheUserMode) {
    EXPECT_STREQ(WorkingStoreName(0), "NET REG mode");
    EXPECT_STREQ(WorkingStoreName(1), "Stand alone ECR mode");
    EXPECT_STREQ(WorkingStoreName(2), "Pro mode");
    EXPECT_STREQ(WorkingStoreName(3), "VEK Setting");
    EXPECT_STREQ(WorkingStoreName(4), "VEK Setting");
}

}  // namespace
}  // namespace tk73ops
