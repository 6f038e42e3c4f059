#include <gtest/gtest.h>

#include "programfiles/pgm_handle.h"
#include "programfiles/tests/pgm_test_files.h"

namespace {

class PgmHandleItemDefTest : public ::testing::Test {
  protected:
    void SetUp() override {
        store_.writeDefinition(pgmtest::pluDefinition() + extraDefinition());
        store_.writeMainte(4, pgmtest::pluFile(40));
        ASSERT_EQ(handle_.Open(store_.definitionFile().c_str(), store_.mainteFolder().c_str(),
                               store_.defaultFolder().c_str()),
                  1);
    }

    static std::string extraDefinition() {
        return "[PGM_MENU_020]\r\n"
               "ITEM_001_FILE=4\r\n"
               "ITEM_001_MEMORY=COUNT,10\r\n"
               "ITEM_001=CHAR,D1,4\r\n"
               "ITEM_001_FIELD=12\r\n"
               "ITEM_002_FILE=4\r\n"
               "ITEM_002_MEMORY=FUNC,9\r\n"
               "ITEM_002=Hex,d2,2\r\n"
               "ITEM_002_FIELD=7\r\n"
               // Broken items, one key wrong each.
               "ITEM_010_MEMORY=INDEX,1\r\n"
               "ITEM_010=CHAR,D1,4\r\n"
               "ITEM_010_FIELD=1\r\n"
               "ITEM_011_FILE=4\r\n"
               "ITEM_011=CHAR,D1,4\r\n"
               "ITEM_011_FIELD=1\r\n"
               "ITEM_012_FILE=4\r\n"
               "ITEM_012_MEMORY=INDEX,1\r\n"
               "ITEM_012=CHAR,D1,4\r\n"
               "ITEM_012_FIELD=3\r\n"
               "ITEM_013_FILE=4\r\n"
               "ITEM_013_MEMORY=INDEX,1\r\n"
               "ITEM_013=CHAR,D1,0\r\n"
               "ITEM_013_FIELD=1\r\n"
               "ITEM_014_FILE=4\r\n"
               "ITEM_014_MEMORY=INDEX,1\r\n"
               "ITEM_014_FIELD=1\r\n"
               "ITEM_015_FILE=5\r\n"
               "ITEM_015_MEMORY=INDEX,1\r\n"
               "ITEM_015=CHAR,D1,4\r\n"
               "ITEM_015_FIELD=1\r\n"
               "ITEM_016_FILE=4\r\n"
               "ITEM_016_MEMORY=PAGE,1\r\n"
               "ITEM_016=CHAR,D1,4\r\n"
               "ITEM_016_FIELD=1\r\n"
               // Fields of damaged file sections.
               "ITEM_017_FILE=6\r\n"
               "ITEM_017_MEMORY=INDEX,1\r\n"
               "ITEM_017=CHAR,D1,4\r\n"
               "ITEM_017_FIELD=7\r\n"
               "ITEM_018_FILE=8\r\n"
               "ITEM_018_MEMORY=INDEX,1\r\n"
               "ITEM_018=CHAR,D1,4\r\n"
               "ITEM_018_FIELD=9\r\n"
               "ITEM_019_FILE=8\r\n"
               "ITEM_019_MEMORY=INDEX,1\r\n"
               "ITEM_019=CHAR,D1,4\r\n"
               "ITEM_019_FIELD=2\r\n"
               "[FILE0006]\r\n"
               "ALL_FIELD_NUM=3\r\n"
               "F01N=1,P\r\n"
               "F03N=7,P\r\n"
               "[FILE0008]\r\n"
               "ALL_FIELD_NUM=2000000000\r\n"
               "F01N=1,P\r\n"
               "F02N=2,P\r\n";
    }

    pgmtest::Store store_;
    CPgmHandle handle_;
};

TEST_F(PgmHandleItemDefTest, ResolvesFileRangeFieldIndexTypeAndMeaning) {
    tagPGMITEMDEF def;
    ASSERT_EQ(handle_.GetItemDef(&def, 14, 3, 0), 1);
    EXPECT_EQ(def.nFileNo, 4);
    EXPECT_EQ(def.nMemoryType, PGM_MEMORY_INDEX);
    EXPECT_EQ(def.nFirstRecord, 1);
    EXPECT_EQ(def.nRecordCount, 40);
    // Field number 5 is the third "F%02dN" key of the file.
    EXPECT_EQ(def.nFieldIndex, 3);
    EXPECT_EQ(def.nDataType, PGM_DATA_DIGIT);
    EXPECT_EQ(def.nPosition, 3);
    EXPECT_EQ(def.nWidth, 6);
    EXPECT_EQ(def.nMean, 12);
    EXPECT_EQ(def.nMenuNo, 14);

    ASSERT_EQ(handle_.GetItemDef(&def, 14, 4, 0), 1);
    EXPECT_EQ(def.nDataType, PGM_DATA_BIT);
    EXPECT_EQ(def.nWidth, 3);
    EXPECT_EQ(def.nFieldIndex, 4);
    EXPECT_EQ(def.nMean, 0);

    ASSERT_EQ(handle_.GetItemDef(&def, 20, 2, 0), 1);
    EXPECT_EQ(def.nMemoryType, PGM_MEMORY_FUNC);
    EXPECT_EQ(def.nDataType, PGM_DATA_HEX);
    EXPECT_EQ(def.nFirstRecord, 9);
    EXPECT_EQ(def.nRecordCount, 1);
    EXPECT_EQ(def.nMenuNo, 20);
}

TEST_F(PgmHandleItemDefTest, AnyMissingOrInvalidKeyFailsAndLeavesTheItemAlone) {
    tagPGMITEMDEF def;
    def.nFileNo = 77;
    // No file, no memory, unknown field 3, zero width, no layout, file without a section,
    // unknown keyword, missing item, missing menu.
    for (const auto& [menu, item] : {std::pair{20, 10},
                                     {20, 11},
                                     {20, 12},
                                     {20, 13},
                                     {20, 14},
                                     {20, 15},
                                     {20, 16},
                                     {20, 30},
                                     {99, 1}}) {
        EXPECT_EQ(handle_.GetItemDef(&def, menu, item, 0), 0) << item;
    }
    EXPECT_EQ(def.nFileNo, 77);
    EXPECT_EQ(handle_.GetItemDef(nullptr, 14, 1, 0), 0);
}

// The field list of a file ends at its first missing "F%02dN" key, whatever "ALL_FIELD_NUM"
// claims: a field listed after a gap is not found, and a count of two thousand million ends
// after the two keys there are.
TEST_F(PgmHandleItemDefTest, FieldListEndsAtItsFirstMissingKey) {
    tagPGMITEMDEF def;
    EXPECT_EQ(handle_.GetItemDef(&def, 20, 17, 0), 0);
    ASSERT_EQ(handle_.GetItemDef(&def, 20, 19, 0), 1);
    EXPECT_EQ(def.nFieldIndex, 2);
    EXPECT_EQ(handle_.GetItemDef(&def, 20, 18, 0), 0);
}

TEST_F(PgmHandleItemDefTest, CountTypeItemsAreCappedByTheRecordsOfTheFile) {
    tagPGMITEMDEF def;
    ASSERT_EQ(handle_.GetItemDef(&def, 14, 6, 0), 1);
    EXPECT_EQ(def.nMemoryType, PGM_MEMORY_COUNT);
    EXPECT_EQ(def.nFirstRecord, 1);
    EXPECT_EQ(def.nRecordCount, 40);
    ASSERT_EQ(handle_.GetItemDef(&def, 20, 1, 0), 1);
    EXPECT_EQ(def.nRecordCount, 10);

    // The same through a loaded copy.
    ASSERT_EQ(handle_.GetItemDef(&def, 14, 1, 1), 1);
    ASSERT_EQ(handle_.GetItemDef(&def, 14, 6, 0), 1);
    EXPECT_EQ(def.nRecordCount, 40);
    ASSERT_EQ(handle_.GetItemDef(&def, 20, 1, 0), 1);
    EXPECT_EQ(def.nRecordCount, 10);
}

TEST_F(PgmHandleItemDefTest, LoadingOrCountingNeedsTheMaintenanceFile) {
    std::filesystem::remove(store_.mainteFile(4));
    tagPGMITEMDEF def;
    EXPECT_EQ(handle_.GetItemDef(&def, 14, 1, 0), 1);
    EXPECT_EQ(handle_.GetItemDef(&def, 14, 1, 1), 0);
    EXPECT_EQ(handle_.GetItemDef(&def, 14, 6, 0), 0);
}

TEST_F(PgmHandleItemDefTest, ALoadedFileServesLaterReads) {
    tagPGMITEMDEF name;
    ASSERT_EQ(handle_.GetItemDef(&name, 14, 2, 1), 1);
    // The file changes behind the handle's back; the handle reads its loaded copy.
    std::string changed = pgmtest::pluFile(40);
    changed.replace(changed.find("Item 3 "), 7, "Other 3");
    store_.writeMainte(4, changed);
    char text[32];
    ASSERT_EQ(handle_.ReadItem(&name, 3, text, sizeof text), 1);
    EXPECT_STREQ(text, "Item 3      ");

    CPgmHandle fresh;
    ASSERT_EQ(fresh.Open(store_.definitionFile().c_str(), store_.mainteFolder().c_str(), ""), 1);
    ASSERT_EQ(fresh.ReadItem(&name, 3, text, sizeof text), 1);
    EXPECT_STREQ(text, "Other 3     ");
}

TEST_F(PgmHandleItemDefTest, OpenNeedsADefinitionFile) {
    CPgmHandle handle;
    EXPECT_EQ(handle.Open(store_.env().path("none.ini").c_str(), "", ""), 0);
    EXPECT_EQ(handle.Open(store_.mainteFolder().c_str(), "", ""), 0);
    EXPECT_EQ(handle.Open(nullptr, nullptr, nullptr), 0);
    tagPGMITEMDEF def;
    EXPECT_EQ(handle.GetItemDef(&def, 14, 1, 0), 0);
}

}  // namespace
