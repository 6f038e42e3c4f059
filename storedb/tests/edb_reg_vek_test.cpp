#include "storedb/edb_reg_vek.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "storedb/edb_model.h"
#include "storedb/machine_list.h"
#include "storedb/testing/store_test_environment.h"

namespace {

class MachineTables : public ::testing::Test {
  protected:
    void SetUp() override { CTK73edbModel first; }

    int lineCount(const std::string& table) const {
        std::istringstream text(environment.table(table));
        int lines = 0;
        for (std::string line; std::getline(text, line);) {
            ++lines;
        }
        return lines;
    }

    storetest::StoreTestEnvironment environment;
};

constexpr uint32_t address(int a, int b, int c, int d) {
    return static_cast<uint32_t>(a) << 24 | static_cast<uint32_t>(b) << 16 |
           static_cast<uint32_t>(c) << 8 | static_cast<uint32_t>(d);
}

TEST_F(MachineTables, AStoreBlockOfThirtyTwoIsWrittenAndReadBack) {
    const std::vector<uint32_t> addresses = {address(192, 168, 0, 10), address(10, 0, 0, 255)};
    ASSERT_EQ(tk73store::WriteMachineList(7, 0, addresses), 1);
    EXPECT_EQ(lineCount("REGISTER"), 1 + 32);
    EXPECT_EQ(lineCount("VEK"), 1);

    STORE_MANAGE block;
    ASSERT_EQ(CTK73edbRegister(7).GetRegister(&block), 1);
    for (int index = 0; index < EDB_MACHINES_PER_STORE; ++index) {
        const STORE_MANAGE_ENTRY& entry = block.entries[static_cast<size_t>(index)];
        EXPECT_EQ(entry.storeNo, 7);
        EXPECT_EQ(entry.machineNo, index + 1);
        EXPECT_EQ(entry.update.size(), 12u);
        EXPECT_EQ(entry.operateStatus, index < 2 ? '1' : '0');
    }
    EXPECT_EQ(block.entries[0].ipAddr, "192.168.0.10");
    EXPECT_EQ(block.entries[0].machineName, "192.168.0.10");
    EXPECT_EQ(block.entries[1].ipAddr, "10.0.0.255");
    EXPECT_TRUE(block.entries[2].ipAddr.empty());
    EXPECT_NE(environment.table("REGISTER")
                  .find("\"007\",\"001\",\"192.168.0.10\",\"1\","
                        "\"192.168.0.10\","),
              std::string::npos);
    EXPECT_EQ(CTK73edbVek(7).GetRegister(&block), 0);
    EXPECT_EQ(block.entries[0].storeNo, 0);
}

TEST_F(MachineTables, EachStoreKeepsItsOwnBlockAndTheControllerTableUsesItsColumns) {
    ASSERT_EQ(tk73store::WriteMachineList(1, 1, {address(1, 1, 1, 1)}), 1);
    ASSERT_EQ(tk73store::WriteMachineList(2, 1, {address(2, 2, 2, 2)}), 1);
    ASSERT_EQ(tk73store::WriteMachineList(1, 1, {address(3, 3, 3, 3), address(4, 4, 4, 4)}), 1);
    EXPECT_EQ(lineCount("VEK"), 1 + 64);
    EXPECT_EQ(
        environment.table("VEK").rfind("StoreNo,VekNo,VekName,OperateStatus,IPAddr,Update\r\n", 0),
        0u);

    STORE_MANAGE block;
    ASSERT_EQ(CTK73edbVek(1).GetRegister(&block), 1);
    EXPECT_EQ(block.entries[0].ipAddr, "3.3.3.3");
    EXPECT_EQ(block.entries[1].ipAddr, "4.4.4.4");
    ASSERT_EQ(CTK73edbVek(2).GetRegister(&block), 1);
    EXPECT_EQ(block.entries[0].ipAddr, "2.2.2.2");

    // Emptying keeps the block with every machine free.
    ASSERT_EQ(tk73store::EmptyMachineList(1, 1), 1);
    ASSERT_EQ(CTK73edbVek(1).GetRegister(&block), 1);
    for (const STORE_MANAGE_ENTRY& entry : block.entries) {
        EXPECT_EQ(entry.storeNo, 1);
        EXPECT_EQ(entry.operateStatus, '0');
    }
    EXPECT_EQ(lineCount("VEK"), 1 + 64);
}

TEST_F(MachineTables, SixtyFourBlocksFillTheTableAndAForeignBlockIsRefused) {
    for (int storeNo = 1; storeNo <= EDB_MAX_MACHINE_BLOCK; ++storeNo) {
        ASSERT_EQ(tk73store::EmptyMachineList(storeNo, 0), 1);
    }
    EXPECT_EQ(tk73store::EmptyMachineList(65, 0), 0);
    EXPECT_EQ(lineCount("REGISTER"), 1 + 64 * 32);

    // A block made for another store, or an empty one, would end the table early.
    CTK73edbRegister table(3);
    STORE_MANAGE empty;
    ASSERT_EQ(table.InitRegisterEdb(&empty), 1);
    EXPECT_EQ(empty.entries[31].operateStatus, '0');
    EXPECT_EQ(table.SetRegister(empty), 0);
    EXPECT_EQ(tk73store::WriteMachineList(3, 0, std::vector<uint32_t>(33, 1)), 0);
    EXPECT_EQ(lineCount("REGISTER"), 1 + 64 * 32);
}

TEST_F(MachineTables, ATableThatCannotBeReadIsNeverWrittenAndAMissingOneIsMade) {
    for (const char* damaged : {"", "StoreNo,RegNo,Re"}) {
        for (const char* name : {"REGISTER", "VEK"}) {
            environment.writeTable(name, damaged);
        }
        EXPECT_EQ(tk73store::WriteMachineList(1, 0, {address(1, 1, 1, 1)}), 0);
        EXPECT_EQ(tk73store::EmptyMachineList(1, 1), 0);
        CTK73edbVek table(2);
        STORE_MANAGE block;
        ASSERT_EQ(table.InitRegisterEdb(&block), 1);
        block.entries[0].storeNo = 2;
        EXPECT_EQ(table.SetRegister(block), 0);
        EXPECT_EQ(table.GetRegister(&block), 0);
        EXPECT_EQ(environment.table("REGISTER"), damaged);
        EXPECT_EQ(environment.table("VEK"), damaged);
    }

    std::filesystem::remove(environment.dataBaseFolder() + "/VEK.edb");
    ASSERT_EQ(tk73store::WriteMachineList(1, 1, {address(1, 1, 1, 1)}), 1);
    EXPECT_EQ(lineCount("VEK"), 1 + 32);
}

TEST_F(MachineTables, ReadingStopsBeforeTheFirstFreeBlockWhenWriting) {
    // A table whose second block is free: the third is dropped at the next write.
    std::string table = "StoreNo,RegNo,RegName,OperateStatus,IPAddr,Update\r\n";
    for (const int storeNo : {1, 0, 3}) {
        for (int machine = 1; machine <= 32; ++machine) {
            char line[96];
            std::snprintf(line, sizeof line, "\"%03d\",\"%03d\",\"\",\"0\",\"\",\"\"\r\n", storeNo,
                          machine);
            table += line;
        }
    }
    environment.writeTable("REGISTER", table);
    STORE_MANAGE block;
    EXPECT_EQ(CTK73edbRegister(3).GetRegister(&block), 1);
    ASSERT_EQ(tk73store::WriteMachineList(1, 0, {address(9, 9, 9, 9)}), 1);
    EXPECT_EQ(lineCount("REGISTER"), 1 + 32);
    EXPECT_EQ(CTK73edbRegister(3).GetRegister(&block), 0);
    // The free place is the next store's.
    ASSERT_EQ(tk73store::EmptyMachineList(5, 0), 1);
    EXPECT_EQ(lineCount("REGISTER"), 1 + 64);
}

}  // namespace
