#include "storedb/table_snapshot.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "storedb/edb_model.h"
#include "storedb/machine_list.h"
#include "storedb/testing/store_test_environment.h"

namespace {

class TableSnapshotTest : public ::testing::Test {
  protected:
    void SetUp() override { CTK73edbModel first; }  // makes the database folder

    storetest::StoreTestEnvironment environment;
};

TEST_F(TableSnapshotTest, RestorePutsBackTheFileAsItWasReadableOrNot) {
    // Columns in another order than this system writes them: a rewrite from the records would
    // not give these bytes back.
    const std::string readable = "StoreName,StoreNo\r\n\"Shop\",\"001\"\r\n\"Kiosk\",\"002\"\r\n";
    // An empty table file, one cut short in its header line, and a readable one.
    for (const std::string& before : {std::string(), std::string("StoreNo,Sto"), readable}) {
        environment.writeTable("STORE", before);
        const tk73store::TableSnapshot snapshot("STORE");
        environment.writeTable("STORE", "StoreNo\r\n\"009\"\r\n");
        snapshot.Restore();
        EXPECT_EQ(environment.table("STORE"), before);
    }

    // A table that was not there is taken away again.
    const std::string vek = environment.dataBaseFolder() + "/VEK.edb";
    std::filesystem::remove(vek);
    const tk73store::TableSnapshot missing("VEK");
    ASSERT_EQ(tk73store::EmptyMachineList(1, 1), 1);
    ASSERT_TRUE(std::filesystem::exists(vek));
    missing.Restore();
    EXPECT_FALSE(std::filesystem::exists(vek));
}

}  // namespace
