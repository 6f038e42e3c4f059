#include "storedb/edb_store.h"

#include <gtest/gtest.h>

#include <string>

#include "storedb/edb_model.h"
#include "storedb/testing/store_test_environment.h"

namespace {

using storetest::storeRecord;

// The store table with one record a line after the header, each field quoted.
std::string storeTable(const std::string& records) {
    return "StoreNo,StoreName,Clerk,Comment,BranchNo,VekModelNo,VekSelType,RegModelNo,RegSelType,"
           "ScanStartNo,ChangeBusinessDay,Update,VekLinkage\r\n" +
           records;
}

std::string storeLine(int storeNo, const std::string& name, int branchNo, int vekModelNo,
                      int regModelNo, char linkage = '1') {
    char line[256];
    std::snprintf(line, sizeof line,
                  "\"%03d\",\"%s\",\"\",\"\",\"%03d\",\"%03d\",\"0\",\"%03d\",\"0\",\"1\",\"0000\","
                  "\"202401011200\",\"%c\"\r\n",
                  storeNo, name.c_str(), branchNo, vekModelNo, regModelNo, linkage);
    return line;
}

class StoreTable : public ::testing::Test {
  protected:
    void SetUp() override { CTK73edbModel first; }  // makes the database folder

    storetest::StoreTestEnvironment environment;
};

TEST_F(StoreTable, NewStoreNumbersComeFromTheStoreFoldersNotFromTheRecords) {
    environment.writeTable("STORE", storeTable(storeLine(3, "Third", 0, 0, 301)));
    environment.makeStoreFolder(1);
    environment.makeStoreFolder(3);
    const CTK73edbStore stores;
    EXPECT_EQ(stores.IsExistStoreNo(1), 1);
    EXPECT_EQ(stores.IsExistStoreNo(2), 0);
    EXPECT_EQ(stores.IsExistStoreNo(3), 1);
    EXPECT_EQ(stores.GetNewStoreNo(), 2);

    for (int storeNo = 1; storeNo <= EDB_MAX_STORE; ++storeNo) {
        environment.makeStoreFolder(storeNo);
    }
    EXPECT_EQ(CTK73edbStore().GetNewStoreNo(), 0);
}

TEST_F(StoreTable, RecordsAreWrittenAsQuotedTextAndReadBackInFileOrder) {
    CTK73edbStore stores;
    STORE_EDB shop = storeRecord(5, "Shop \"North\"", 301, 501, 2);
    shop.scanStartNo = 20;
    shop.update = "202401011200";
    ASSERT_EQ(stores.AddStore(shop), 1);
    ASSERT_EQ(stores.AddStore(storeRecord(2, "Kiosk", 420)), 1);
    EXPECT_EQ(environment.table("STORE"),
              storeTable("\"005\",\"Shop \"\"North\"\"\",\"\",\"\",\"002\",\"501\",\"0\",\"301\","
                         "\"0\",\"20\",\"0000\",\"202401011200\",\"0\"\r\n"
                         "\"002\",\"Kiosk\",\"\",\"\",\"000\",\"000\",\"0\",\"420\",\"0\",\"0\","
                         "\"0000\",\"\",\"1\"\r\n"));

    const CTK73edbStore reloaded;
    ASSERT_EQ(reloaded.GetStoreCnt(), 2);
    STORE_EDB read;
    ASSERT_EQ(reloaded.GetStoreFromIndex(0, &read), 1);
    EXPECT_EQ(read.storeNo, 5);
    EXPECT_EQ(read.storeName, "Shop \"North\"");
    EXPECT_EQ(read.scanStartNo, 20);
    EXPECT_EQ(read.vekLinkage, '0');
    EXPECT_EQ(reloaded.ConvStoreNoToIndexNo(2), 1);
    EXPECT_EQ(reloaded.GetStoreFromIndex(2, &read), 0);
    EXPECT_EQ(read.storeNo, 0);
}

TEST_F(StoreTable, LongTextsAreCutToTheirFieldsWithoutSplittingADoubleByteCharacter) {
    CTK73edbStore stores;
    // 39 single bytes and a double-byte character do not fit 40 bytes together.
    const std::string name = std::string(39, 'N') + "\x82\xA0";
    ASSERT_EQ(stores.AddStore(storeRecord(1, name, 301)), 1);
    STORE_EDB read;
    ASSERT_EQ(CTK73edbStore().GetStoreFromStoreNo(1, &read), 1);
    EXPECT_EQ(read.storeName, std::string(39, 'N'));
}

TEST_F(StoreTable, ASixtyFifthStoreAndBadNumbersAreRefusedAndChangeNothing) {
    CTK73edbStore stores;
    for (int storeNo = 1; storeNo <= EDB_MAX_STORE; ++storeNo) {
        ASSERT_EQ(stores.AddStore(storeRecord(storeNo, "S" + std::to_string(storeNo), 301)), 1);
    }
    const std::string full = environment.table("STORE");
    EXPECT_EQ(stores.AddStore(storeRecord(65, "One more", 301)), 0);
    EXPECT_EQ(stores.GetStoreCnt(), EDB_MAX_STORE);
    EXPECT_EQ(environment.table("STORE"), full);

    CTK73edbStore few;
    STORE_EDB gone = storeRecord(64, "", 301);
    ASSERT_EQ(few.DeleteStore(gone), 1);
    EXPECT_EQ(few.AddStore(storeRecord(3, "Twice", 301)), 0);
    EXPECT_EQ(few.AddStore(storeRecord(0, "Zero", 301)), 0);
    EXPECT_EQ(few.AddStore(storeRecord(999, "None", 301)), 0);
    EXPECT_EQ(few.UpdateStore(storeRecord(64, "Gone", 301)), 0);
    EXPECT_EQ(few.DeleteStore(gone), 0);
}

TEST_F(StoreTable, DeletingTheFirstStoreMovesTheOthersUp) {
    CTK73edbStore stores;
    ASSERT_EQ(stores.AddStore(storeRecord(1, "One", 301)), 1);
    ASSERT_EQ(stores.AddStore(storeRecord(2, "Two", 301)), 1);
    ASSERT_EQ(stores.AddStore(storeRecord(3, "Three", 420)), 1);
    ASSERT_EQ(stores.DeleteStore(storeRecord(1, "", 0)), 1);

    const CTK73edbStore reloaded;
    ASSERT_EQ(reloaded.GetStoreCnt(), 2);
    STORE_EDB read;
    EXPECT_EQ(reloaded.GetStoreFromIndex(0, &read), 1);
    EXPECT_EQ(read.storeName, "Two");
    EXPECT_EQ(reloaded.GetStoreFromIndex(1, &read), 1);
    EXPECT_EQ(read.storeName, "Three");
    ASSERT_EQ(reloaded.GetStoreFromStoreNo(3, &read), 1);
    EXPECT_EQ(read.regModelNo, 420);
    EXPECT_EQ(reloaded.GetStoreFromStoreNo(1, &read), 0);
    EXPECT_TRUE(read.storeName.empty());
}

TEST_F(StoreTable, UpdateReplacesTheRecordInItsPlace) {
    CTK73edbStore stores;
    ASSERT_EQ(stores.AddStore(storeRecord(4, "Four", 301)), 1);
    ASSERT_EQ(stores.AddStore(storeRecord(9, "Nine", 301)), 1);
    ASSERT_EQ(stores.UpdateStore(storeRecord(4, "Four renamed", 420)), 1);
    STORE_EDB read;
    EXPECT_EQ(CTK73edbStore().GetStoreFromIndex(0, &read), 1);
    EXPECT_EQ(read.storeName, "Four renamed");
    EXPECT_EQ(read.regModelNo, 420);
}

TEST_F(StoreTable, StoresAreCountedAndFoundByBranchAndModel) {
    environment.writeTable("STORE",
                           storeTable(storeLine(1, "A", 1, 0, 301) + storeLine(2, "B", 2, 0, 301) +
                                      storeLine(3, "C", 1, 0, 420) + storeLine(4, "D", 1, 0, 301)));
    const CTK73edbStore stores;
    EXPECT_EQ(stores.GetStoreCntFromBranchNo(1), 3);
    EXPECT_EQ(stores.GetStoreCntFromBranchNo(1, 301), 2);
    EXPECT_EQ(stores.GetStoreCntFromBranchNo(3), 0);
    STORE_EDB read;
    ASSERT_EQ(stores.GetStoreFromIndex(1, 2, &read), 1);
    EXPECT_EQ(read.storeName, "D");
    // No such store in the branch: still 1, with an empty record.
    ASSERT_EQ(stores.GetStoreFromIndex(2, 1, &read), 1);
    EXPECT_EQ(read.storeNo, 0);
}

TEST_F(StoreTable, NamesCompareByteForByteAndSkipTheStoreItself) {
    environment.writeTable("STORE", storeTable(storeLine(1, "Shop", 0, 0, 301)));
    const CTK73edbStore stores;
    EXPECT_EQ(stores.IsExistStoreName("Shop", -1), 1);
    EXPECT_EQ(stores.IsExistStoreName("Shop", 1), 0);
    EXPECT_EQ(stores.IsExistStoreName("Shop", 2), 1);
    EXPECT_EQ(stores.IsExistStoreName("shop", -1), 0);
    EXPECT_EQ(stores.IsExistStoreName(nullptr, -1), 0);
}

TEST_F(StoreTable, CopyNamesStackThePrefixUntilTheFortyByteNamesCollide) {
    CTK73edbStore stores;
    ASSERT_EQ(stores.AddStore(storeRecord(1, "Shop", 301)), 1);
    std::string name = "Shop";
    ASSERT_EQ(stores.MakeCopyStoreName(name), 1);
    EXPECT_EQ(name, "Copy_Shop");
    ASSERT_EQ(stores.AddStore(storeRecord(2, name, 301)), 1);
    name = "Shop";
    ASSERT_EQ(stores.MakeCopyStoreName(name), 1);
    EXPECT_EQ(name, "Copy_Copy_Shop");

    // Every candidate of a 40-byte name is cut back to 40 bytes; once the eight prefixes fill
    // them, the ninth try gives the same name again and the copy fails.
    CTK73edbStore full;
    const std::string longName(40, 'L');
    std::string candidate = longName;
    for (int storeNo = 3; storeNo <= 10; ++storeNo) {
        candidate = ("Copy_" + candidate).substr(0, 40);
        ASSERT_EQ(full.AddStore(storeRecord(storeNo, candidate, 301)), 1);
    }
    name = longName;
    EXPECT_EQ(full.MakeCopyStoreName(name), 0);
    EXPECT_EQ(name, longName);

    // With one of them free, that one is taken.
    ASSERT_EQ(full.DeleteStore(storeRecord(10, "", 0)), 1);
    ASSERT_EQ(full.MakeCopyStoreName(name), 1);
    EXPECT_EQ(name, std::string("Copy_Copy_Copy_Copy_Copy_Copy_Copy_Copy_"));
}

TEST_F(StoreTable, WithVekNeedsAKnownControllerModelAndLinkedNeedsTheLinkage) {
    environment.writeTable("STORE", storeTable(storeLine(1, "Plain", 0, 0, 301) +
                                               storeLine(2, "Linked", 0, 501, 301, '0') +
                                               storeLine(3, "Apart", 0, 501, 301, '1') +
                                               storeLine(4, "Unknown", 0, 777, 301, '0')));
    const CTK73edbStore stores;
    int with = -1;
    int linked = -1;
    EXPECT_EQ(stores.GetWithVek(&with, &linked), 1);
    EXPECT_EQ(with, 0);
    EXPECT_EQ(linked, 0);
    EXPECT_EQ(stores.GetWithVek(2, &with, &linked), 1);
    EXPECT_EQ(with, 1);
    EXPECT_EQ(linked, 1);
    EXPECT_EQ(stores.GetWithVek(3, &with, &linked), 1);
    EXPECT_EQ(with, 1);
    EXPECT_EQ(linked, 0);
    EXPECT_EQ(stores.GetWithVek(4, &with, &linked), 1);
    EXPECT_EQ(with, 0);
    EXPECT_EQ(linked, 0);
    EXPECT_EQ(stores.GetWithVek(9, &with, &linked), 0);
}

TEST_F(StoreTable, ATableThatCannotBeReadLeavesTheObjectEmptyAndTheFileAlone) {
    // An empty file, and one cut short before the end of its header line.
    for (const char* damaged : {"", "StoreNo,StoreName,Cl"}) {
        environment.writeTable("STORE", damaged);
        CTK73edbStore stores;
        EXPECT_EQ(stores.GetStoreCnt(), 0);
        STORE_EDB read;
        EXPECT_EQ(stores.GetStoreFromIndex(0, &read), 0);
        EXPECT_EQ(stores.GetStoreFromStoreNo(1, &read), 0);
        // The object holds none of the stores the file may still hold; a rewrite from it would
        // leave only the new one.
        EXPECT_EQ(stores.AddStore(storeRecord(1, "New", 301)), 0);
        EXPECT_EQ(stores.GetStoreCnt(), 0);
        EXPECT_EQ(environment.table("STORE"), damaged);
    }
}

}  // namespace
