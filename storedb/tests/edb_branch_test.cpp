#include "storedb/edb_branch.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "storedb/edb_model.h"
#include "storedb/testing/store_test_environment.h"

namespace {

class BranchTable : public ::testing::Test {
  protected:
    void SetUp() override { CTK73edbModel first; }

    storetest::StoreTestEnvironment environment;
};

BRANCH_EDB branch(int number, const std::string& name) {
    BRANCH_EDB record;
    record.branchNo = number;
    record.branchName = name;
    record.update = "20240101120000";
    return record;
}

TEST_F(BranchTable, BranchZeroIsNoUseWithoutTouchingTheTable) {
    // Even a table that cannot be read answers the pseudo-branch.
    environment.writeTable("BRANCH", "");
    BRANCH_EDB read;
    read.clerk = "left over";
    ASSERT_EQ(CTK73edbBranch().GetBranchFromBranchNo(0, &read), 1);
    EXPECT_EQ(read.branchNo, 0);
    EXPECT_EQ(read.branchName, "NO USE");
    EXPECT_TRUE(read.clerk.empty());
}

TEST_F(BranchTable, BranchesAreAddedUpdatedAndReadBack) {
    CTK73edbBranch branches;
    EXPECT_EQ(branches.GetNewBranchNo(), 1);
    ASSERT_EQ(branches.AddBranch(branch(1, "East")), 1);
    ASSERT_EQ(branches.AddBranch(branch(2, "West")), 1);
    EXPECT_EQ(environment.table("BRANCH"),
              "BranchNo,BranchName,Clerk,Comment,Update\r\n"
              "\"001\",\"East\",\"\",\"\",\"20240101120000\"\r\n"
              "\"002\",\"West\",\"\",\"\",\"20240101120000\"\r\n");
    ASSERT_EQ(branches.UpdateBranch(branch(2, "West side")), 1);
    EXPECT_EQ(branches.UpdateBranch(branch(3, "Nowhere")), 0);
    EXPECT_EQ(branches.UpdateBranch(branch(0, "Nowhere")), 0);

    const CTK73edbBranch reloaded;
    EXPECT_EQ(reloaded.GetBranchCnt(), 2);
    EXPECT_EQ(reloaded.GetNewBranchNo(), 3);
    BRANCH_EDB read;
    ASSERT_EQ(reloaded.GetBranchFromBranchNo(2, &read), 1);
    EXPECT_EQ(read.branchName, "West side");
    ASSERT_EQ(reloaded.GetBranchFromIndex(0, &read), 1);
    EXPECT_EQ(read.branchName, "East");
    EXPECT_EQ(reloaded.GetBranchFromIndex(2, &read), 0);
    EXPECT_EQ(reloaded.GetBranchFromBranchNo(7, &read), 0);
    EXPECT_TRUE(read.branchName.empty());
}

TEST_F(BranchTable, ATableThatCannotBeReadIsNeverWrittenAndAMissingOneIsMade) {
    for (const char* damaged : {"", "BranchNo,Bra"}) {
        environment.writeTable("BRANCH", damaged);
        CTK73edbBranch branches;
        EXPECT_EQ(branches.GetBranchCnt(), 0);
        EXPECT_EQ(branches.AddBranch(branch(1, "East")), 0);
        EXPECT_EQ(branches.GetBranchCnt(), 0);
        EXPECT_EQ(environment.table("BRANCH"), damaged);
    }

    std::filesystem::remove(environment.dataBaseFolder() + "/BRANCH.edb");
    CTK73edbBranch branches;
    ASSERT_EQ(branches.AddBranch(branch(1, "East")), 1);
    EXPECT_EQ(environment.table("BRANCH"),
              "BranchNo,BranchName,Clerk,Comment,Update\r\n"
              "\"001\",\"East\",\"\",\"\",\"20240101120000\"\r\n");
}

TEST_F(BranchTable, ASixtyFifthBranchIsRefused) {
    CTK73edbBranch branches;
    for (int number = 1; number <= EDB_MAX_BRANCH; ++number) {
        ASSERT_EQ(branches.AddBranch(branch(number, "B")), 1);
    }
    const std::string full = environment.table("BRANCH");
    EXPECT_EQ(branches.AddBranch(branch(65, "B")), 0);
    EXPECT_EQ(environment.table("BRANCH"), full);
    EXPECT_EQ(CTK73edbBranch().GetBranchCnt(), EDB_MAX_BRANCH);
}

}  // namespace
