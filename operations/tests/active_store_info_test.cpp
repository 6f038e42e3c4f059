#include "operations/active_store_info.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/registry_settings.h"
#include "platform/api.h"
#include "storedb/edb_model.h"
#include "storedb/store_life_cycle.h"
#include "storedb/testing/store_test_environment.h"

namespace {

using storetest::kKR301;
using storetest::kVK500;

struct Paths {
    int result = 0;
    std::string ini;
    std::string mainte;
    std::string defaults;
};

Paths pathsOf(int vek) {
    char ini[TK73_MAX_PATH] = {};
    char mainte[TK73_MAX_PATH] = {};
    char defaults[TK73_MAX_PATH] = {};
    Paths paths;
    paths.result = CTK73opsActiveStoreInfo().GetPathInfo(ini, mainte, defaults, vek);
    paths.ini = ini;
    paths.mainte = mainte;
    paths.defaults = defaults;
    return paths;
}

class ActiveStore : public ::testing::Test {
  protected:
    void SetUp() override {
        CTK73edbModel first;
        STORE_EDB one = storetest::storeRecord(0, "One", kKR301, kVK500);
        ASSERT_EQ(tk73store::CreateStore(one), 1);
        STORE_EDB two = storetest::storeRecord(0, "Two", storetest::kKR420);
        ASSERT_EQ(tk73store::CreateStore(two), 1);
    }
    void TearDown() override { AecrbsSetLaunchVekTool(0); }

    storetest::StoreTestEnvironment environment{2};
};

TEST_F(ActiveStore, TheProfessionalModeFollowsTheDesktopSelection) {
    ASSERT_NE(AecrbsSetDesktopRegister("000", "002", "999"), 0);
    const Paths paths = pathsOf(0);
    ASSERT_EQ(paths.result, 1);
    EXPECT_EQ(paths.ini, environment.storeFolder(2) + "/M001/KR420.INI");
    EXPECT_EQ(paths.mainte, environment.storeFolder(2) + "/M001/MAINTE");
    EXPECT_EQ(paths.defaults, environment.modelFolder("KR420", 0) + "/DEFAULT");
    // The maintenance folder is named, not made.
    EXPECT_FALSE(std::filesystem::exists(paths.mainte));
    // Store 2 has no controller and so no controller definition.
    EXPECT_EQ(pathsOf(1).result, 0);

    ASSERT_NE(AecrbsSetDesktopRegister("000", "001", "999"), 0);
    const Paths vek = pathsOf(1);
    ASSERT_EQ(vek.result, 1);
    EXPECT_EQ(vek.ini, environment.storeFolder(1) + "/O001/VK500.INI");
    EXPECT_EQ(vek.mainte, environment.storeFolder(1) + "/O001/MAINTE");
    EXPECT_EQ(vek.defaults, environment.modelFolder("VK500", 1) + "/DEFAULT");
    // The register of a store with a controller takes the defaults made for it.
    EXPECT_EQ(pathsOf(0).defaults, environment.modelFolder("KR301", 0) + "/DEFAULTVEK");
}

TEST_F(ActiveStore, NoSelectionOrNoDefinitionCopyAnswersZero) {
    ASSERT_NE(AecrbsSetDesktopRegister("999", "999", "999"), 0);
    EXPECT_EQ(pathsOf(0).result, 0);
    EXPECT_EQ(CTK73opsActiveStoreInfo().GetStore().storeNo, 0);

    // In the professional mode a missing store copy is made again from the shipped default;
    // without the default there is nothing to make it from.
    ASSERT_NE(AecrbsSetDesktopRegister("000", "002", "999"), 0);
    std::filesystem::remove(environment.storeFolder(2) + "/M001/KR420.INI");
    std::filesystem::remove(environment.modelFolder("KR420", 0) + "/KR420.INI");
    EXPECT_EQ(pathsOf(0).result, 0);

    // Outside it the copy is not made again.
    environment.setUserMode(1);
    STORE_EDB working = storetest::storeRecord(0, "Working", kKR301);
    ASSERT_EQ(tk73store::CreateStore(working), 1);
    ASSERT_EQ(pathsOf(0).result, 1);
    std::filesystem::remove(environment.storeFolder(1) + "/M001/KR301.INI");
    EXPECT_EQ(pathsOf(0).result, 0);
}

TEST_F(ActiveStore, OutsideTheProfessionalModeTheRegisterToolWorksOnStoreOne) {
    // Outside mode 2 the register tool keeps its database per user: its own two stores, apart
    // from the two made above. Store 2 is selected, so following the selection, or the other
    // database, gives another store than the working store 1.
    environment.setUserMode(1);
    STORE_EDB working = storetest::storeRecord(0, "Working", kKR301);
    ASSERT_EQ(tk73store::CreateStore(working), 1);
    ASSERT_EQ(working.storeNo, 1);
    STORE_EDB other = storetest::storeRecord(0, "Other", storetest::kKR420);
    ASSERT_EQ(tk73store::CreateStore(other), 1);
    ASSERT_EQ(other.storeNo, 2);
    ASSERT_NE(AecrbsSetDesktopRegister("000", "002", "999"), 0);
    // Modes 3 and 4 are the controller tool's; the register tool takes them, and any unknown
    // mode, as the default layout.
    for (const uint32_t mode : {0u, 1u, 3u, 4u, 7u}) {
        environment.setUserMode(mode);
        const CTK73opsActiveStoreInfo info;
        EXPECT_EQ(info.GetStore().storeNo, 1) << mode;
        EXPECT_EQ(info.GetStore().storeName, "Working") << mode;
        EXPECT_EQ(info.GetRegModel().indentName, "KR301") << mode;
        const Paths paths = pathsOf(0);
        EXPECT_EQ(paths.result, 1) << mode;
        EXPECT_EQ(paths.ini, environment.storeFolder(1) + "/M001/KR301.INI") << mode;
    }
}

TEST_F(ActiveStore, TheVekToolAlwaysFollowsTheDesktopSelection) {
    environment.setUserMode(1);
    AecrbsSetLaunchVekTool(1);
    STORE_EDB one = storetest::storeRecord(0, "Vek one", kKR301, kVK500);
    ASSERT_EQ(tk73store::CreateStore(one), 1);
    STORE_EDB two = storetest::storeRecord(0, "Vek two", kKR301, kVK500);
    ASSERT_EQ(tk73store::CreateStore(two), 1);
    ASSERT_EQ(two.storeNo, 2);
    // Set after the first use of the Vek tool's own database, which clears the selection.
    ASSERT_NE(AecrbsSetDesktopRegister("000", "002", "999"), 0);
    const CTK73opsActiveStoreInfo info;
    EXPECT_EQ(info.GetStore().storeName, "Vek two");
    EXPECT_EQ(info.GetVekModel().indentName, "VK500");
    EXPECT_EQ(pathsOf(1).result, 1);
}

}  // namespace
