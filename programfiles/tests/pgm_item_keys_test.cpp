#include "programfiles/pgm_item_keys.h"

#include <gtest/gtest.h>

namespace {

using tk73pgm::parseItemLayout;
using tk73pgm::parseItemMemory;

TEST(PgmItemKeysTest, MemoryKeywordsGiveTypeRangeAndCount) {
    tagPGMITEMDEF def;
    ASSERT_EQ(parseItemMemory("INDEX,5,20", def), 1);
    EXPECT_EQ(def.nMemoryType, PGM_MEMORY_INDEX);
    EXPECT_EQ(def.nFirstRecord, 5);
    EXPECT_EQ(def.nRecordCount, 20);
    for (const char* text : {"INDEX,7", "INDEX,7,", "INDEX, 7 , "}) {
        ASSERT_EQ(parseItemMemory(text, def), 1) << text;
        EXPECT_EQ(def.nFirstRecord, 7);
        EXPECT_EQ(def.nRecordCount, 1) << text;
    }
    ASSERT_EQ(parseItemMemory("COUNT,100", def), 1);
    EXPECT_EQ(def.nMemoryType, PGM_MEMORY_COUNT);
    EXPECT_EQ(def.nFirstRecord, 1);
    EXPECT_EQ(def.nRecordCount, 100);
    ASSERT_EQ(parseItemMemory("FUNC,23", def), 1);
    EXPECT_EQ(def.nMemoryType, PGM_MEMORY_FUNC);
    EXPECT_EQ(def.nFirstRecord, 23);
    EXPECT_EQ(def.nRecordCount, 1);
}

TEST(PgmItemKeysTest, MemoryWithoutAUsableKeywordOrNumberIsInvalid) {
    tagPGMITEMDEF def;
    for (const char* text : {"0", "", "INDEX", "INDEX,0", "INDEX,3,0", "COUNT", "COUNT,0", "FUNC",
                             "FUNC,-2", "RANGE,1,2", "index,1"}) {
        EXPECT_EQ(parseItemMemory(text, def), 0) << text;
    }
}

// Record numbers have at most six digits: a range starts at one of them and ends at record
// 999999 at the latest, so that its end (first + count) is always a plain int.
TEST(PgmItemKeysTest, MemoryRangesStayWithinSixDigitRecordNumbers) {
    tagPGMITEMDEF def;
    const struct {
        const char* text;
        int first;
        int count;
    } bounded[] = {{"INDEX,999999", 999999, 1},       {"INDEX,999999,2147483647", 999999, 1},
                   {"INDEX,1,2147483647", 1, 999999}, {"INDEX,999990,100", 999990, 10},
                   {"COUNT,2147483647", 1, 999999},   {"FUNC,999999", 999999, 1}};
    for (const auto& [text, first, count] : bounded) {
        ASSERT_EQ(parseItemMemory(text, def), 1) << text;
        EXPECT_EQ(def.nFirstRecord, first) << text;
        EXPECT_EQ(def.nRecordCount, count) << text;
    }
    for (const char* text :
         {"INDEX,1000000", "INDEX,2147483647,5", "INDEX,99999999999,1", "FUNC,2147483647"}) {
        EXPECT_EQ(parseItemMemory(text, def), 0) << text;
    }
}

TEST(PgmItemKeysTest, LayoutTypesInAnyCaseWithPositionAfterD) {
    tagPGMITEMDEF def;
    ASSERT_EQ(parseItemLayout("char,D3,12", def), 1);
    EXPECT_EQ(def.nDataType, PGM_DATA_CHAR);
    EXPECT_EQ(def.nPosition, 3);
    EXPECT_EQ(def.nWidth, 12);
    ASSERT_EQ(parseItemLayout("Digit,d10,6", def), 1);
    EXPECT_EQ(def.nDataType, PGM_DATA_DIGIT);
    EXPECT_EQ(def.nPosition, 10);
    ASSERT_EQ(parseItemLayout("HEX,D1,4", def), 1);
    EXPECT_EQ(def.nDataType, PGM_DATA_HEX);
}

TEST(PgmItemKeysTest, BitMaskBecomesTheNumberOfItsLowestBit) {
    tagPGMITEMDEF def;
    const int expected[][2] = {{1, 1}, {2, 2}, {4, 3}, {8, 4}, {12, 3}};
    for (const auto& [mask, bit] : expected) {
        ASSERT_EQ(parseItemLayout("BIT,D2," + std::to_string(mask), def), 1);
        EXPECT_EQ(def.nDataType, PGM_DATA_BIT);
        EXPECT_EQ(def.nWidth, bit) << mask;
    }
}

TEST(PgmItemKeysTest, LayoutWithBadTokensIsInvalid) {
    tagPGMITEMDEF def;
    for (const char* text :
         {"CHAR,D3", "TEXT,D3,4", "CHAR,D,4", "CHAR,3,4", "CHAR,X3,4", "CHAR,D0,4", "DIGIT,D3,0",
          "DIGIT,D3,-2", "BIT,D1,16", "BIT,D1,0", "0"}) {
        EXPECT_EQ(parseItemLayout(text, def), 0) << text;
    }
}

}  // namespace
