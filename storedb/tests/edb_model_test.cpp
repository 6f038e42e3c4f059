#include "storedb/edb_model.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/registry_settings.h"
#include "storedb/testing/store_test_environment.h"

namespace {

std::string desktopStore() {
    char branch[4096] = {};
    char store[4096] = {};
    char reg[4096] = {};
    AecrbsGetDesktopRegister(branch, store, reg);
    return std::string(branch) + "/" + store + "/" + reg;
}

TEST(ModelTables, ModelsComeFromTheModelListsOfTheInstallation) {
    storetest::StoreTestEnvironment environment;
    const CTK73edbModel registers;
    EXPECT_EQ(registers.IsCurrModeECR(), 1);
    ASSERT_EQ(registers.GetModelCnt(), 2);
    MODEL_EDB model;
    ASSERT_EQ(registers.GetModelFromIndex(1, &model), 1);
    EXPECT_EQ(model.modelNo, 420);
    EXPECT_EQ(model.indentName, "KR420");
    EXPECT_EQ(model.viewName, "KR-420 Shop Register");
    EXPECT_EQ(model.modelStatus, '2');
    EXPECT_EQ(registers.IsExistModelNo(301), 1);
    EXPECT_EQ(registers.IsExistModelNo(501), 0);

    const CTK73edbVekModel veks;
    EXPECT_EQ(veks.IsCurrModeECR(), 0);
    ASSERT_EQ(veks.GetModelFromModelNo(501, &model), 1);
    EXPECT_EQ(model.indentName, "VK500");
    EXPECT_EQ(veks.GetModelFromModelNo(301, &model), 0);
    EXPECT_EQ(model.modelNo, 0);
    EXPECT_EQ(model.modelStatus, '0');
    EXPECT_TRUE(model.indentName.empty());
    EXPECT_EQ(veks.GetModelFromIndex(1, &model), 0);
}

TEST(ModelTables, AtMostTenModelsAreKeptAndNamesAreCut) {
    storetest::StoreTestEnvironment environment;
    std::string list = "[ECR_LIST]\r\nTOTALCOUNT=12\r\n";
    for (int n = 1; n <= 12; ++n) {
        char line[160];
        std::snprintf(line, sizeof line, "%02d=%d,IDENT%s,%s,0,%s\r\n", n, 100 + n,
                      std::string(20, 'X').c_str(), std::string(45, 'V').c_str(), "UPDATETEXT0123");
        list += line;
    }
    tk73test::TempEnvironment::writeFile(environment.temp().path("install/TK73TOOL.ini"), list);
    const CTK73edbModel registers;
    ASSERT_EQ(registers.GetModelCnt(), EDB_MAX_MODEL);
    MODEL_EDB model;
    ASSERT_EQ(registers.GetModelFromIndex(9, &model), 1);
    EXPECT_EQ(model.modelNo, 110);
    EXPECT_EQ(model.indentName.size(), 20u);
    EXPECT_EQ(model.viewName, std::string(40, 'V'));
    EXPECT_EQ(model.update, "UPDATETEXT01");
    EXPECT_EQ(registers.IsExistModelNo(111), 0);
}

TEST(ModelTables, FirstUseMakesTheDatabaseAndClearsTheDesktopSelection) {
    storetest::StoreTestEnvironment environment;
    EXPECT_NE(AecrbsSetDesktopRegister("001", "002", "003"), 0);
    ASSERT_FALSE(std::filesystem::exists(environment.dataBaseFolder()));
    { const CTK73edbModel first; }
    EXPECT_EQ(desktopStore(), "999/999/999");
    EXPECT_TRUE(std::filesystem::exists(environment.dataBaseFolder() + "/STORE.edb"));

    // Later uses find the database and leave the selection alone.
    EXPECT_NE(AecrbsSetDesktopRegister("001", "002", "003"), 0);
    { const CTK73edbModel later; }
    { const CTK73edbVekModel veks; }
    EXPECT_EQ(desktopStore(), "001/002/003");
}

}  // namespace
