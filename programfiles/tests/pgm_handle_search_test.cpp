#include <gtest/gtest.h>

#include <cstdint>

#include "programfiles/tests/pgm_handle_fixture.h"

namespace {

class PgmHandleSearchTest : public pgmtest::PluHandleTest {
  protected:
    void SetUp() override {
        PluHandleTest::SetUp();
        std::string changed = original_;
        changed.replace(offsetOf(5, kName), 12, "Green Tea   ");
        changed.replace(offsetOf(20, kName), 12, "Black tea   ");
        changed.replace(offsetOf(30, kName), 12, "TEA\"CUP     ");
        changed.replace(offsetOf(35, kName), 12, "AB@[CDEFGHIJ");
        changed.replace(offsetOf(36, kName), 12, "ab`{cdefghij");
        changed.replace(offsetOf(8, kFlags), 4, "08c0");
        changed.replace(offsetOf(25, kFlags), 4, "0C00");
        store_.writeMainte(4, changed);
    }

    int search(tagPGMITEMDEF def, int start, const std::string& text, bool forward,
               bool caseSensitive) {
        return handle_.SearchItem(&def, start, text.c_str(), static_cast<int>(text.size()), forward,
                                  caseSensitive, 0);
    }
    int search(tagPGMITEMDEF def, int start, uint64_t number, bool forward) {
        return handle_.SearchItem(&def, start, &number, 8, forward, 1, 0);
    }
};

TEST_F(PgmHandleSearchTest, TextIsFoundAnywhereInTheItemWithOrWithoutLetterCase) {
    const tagPGMITEMDEF name = item(2);
    EXPECT_EQ(search(name, 1, "Tea", true, true), 5);
    EXPECT_EQ(search(name, 6, "Tea", true, true), -1);
    EXPECT_EQ(search(name, 6, "tea", true, false), 20);
    EXPECT_EQ(search(name, 21, "tea", true, false), 30);
    EXPECT_EQ(search(name, 40, "tea", false, false), 30);
    EXPECT_EQ(search(name, 29, "TEA", false, false), 20);
    EXPECT_EQ(search(name, 19, "tea", false, true), -1);
    // A quote inside a field compares as a blank.
    EXPECT_EQ(search(name, 1, "TEA CUP", true, true), 30);
    EXPECT_EQ(search(name, 1, "Item 33 ", true, true), 33);
    EXPECT_EQ(search(name, 1, "Item 33 too long", true, true), -1);
    // Letter case is ignored for the letters A to Z only, across the whole text: "@" and "[" lie
    // as far from "`" and "{" as "A" from "a".
    EXPECT_EQ(search(name, 1, "ab@[cdefghij", true, false), 35);
    EXPECT_EQ(search(name, 1, "b@[cdefghIJ", true, false), 35);
    EXPECT_EQ(search(name, 1, "AB`{CDEFGHIJ", true, false), 36);
    EXPECT_EQ(search(name, 1, "ab`[cdefghij", true, false), -1);
    EXPECT_EQ(search(name, 1, "ab@{cdefghij", true, false), -1);
    EXPECT_EQ(search(name, 36, "AB@[CDEFGHIJ", true, false), -1);
    EXPECT_EQ(search(name, 1, "AB@[CDEFGHIj", true, true), -1);
}

TEST_F(PgmHandleSearchTest, SearchesEndAtTheItemsRange) {
    tagPGMITEMDEF name = item(2);
    name.nFirstRecord = 5;
    name.nRecordCount = 10;
    // From record 5 nothing further matches before the range ends at 14.
    EXPECT_EQ(search(name, 6, "tea", true, false), -1);
    EXPECT_EQ(search(name, 14, "Green", false, true), 5);
    name.nFirstRecord = 6;
    EXPECT_EQ(search(name, 14, "Green", false, true), -1);
    EXPECT_EQ(search(name, 3, "Green", true, true), -1);
    // Backward from record 1 stops below it.
    const tagPGMITEMDEF whole = item(2);
    EXPECT_EQ(search(whole, 1, "Black", false, true), -1);
    // A range beyond the file ends at the file's end.
    name = item(2);
    name.nRecordCount = 60;
    EXPECT_EQ(search(name, 10, "nothing", true, true), -1);
}

TEST_F(PgmHandleSearchTest, NumbersBitsAndHexadecimalItems) {
    EXPECT_EQ(search(item(3), 1, 150, true), 15);
    EXPECT_EQ(search(item(3), 16, 150, true), -1);
    EXPECT_EQ(search(item(3), 40, 150, false), 15);
    // The bit item looks at the second digit: 8 (bit 3 clear) in every record but 25, which
    // holds C (bit 3 set).
    EXPECT_EQ(search(item(4), 1, 1, true), 25);
    EXPECT_EQ(search(item(4), 25, 0, true), 26);
    // Hexadecimal items compare as text: lower-case digits match only when case is ignored.
    tagPGMITEMDEF status = item(5);
    const uint64_t wanted = 0x8C0;
    EXPECT_EQ(handle_.SearchItem(&status, 1, &wanted, 8, 1, 1, 0), -1);
    EXPECT_EQ(handle_.SearchItem(&status, 1, &wanted, 8, 1, 0, 0), 8);
    const uint64_t tooWide = 0x12345;
    EXPECT_EQ(handle_.SearchItem(&status, 1, &tooWide, 8, 1, 0, 0), -1);
}

TEST_F(PgmHandleSearchTest, ForwardFromTheFirstRecordFindsTheLastOne) {
    EXPECT_EQ(search(item(1), 1, "00000004900040", true, true), 40);
    EXPECT_EQ(search(item(1), 40, "00000004900001", false, true), 1);
}

class PgmHandleFunctionItemTest : public pgmtest::PluHandleTest {
  protected:
    std::string extraDefinition() const override {
        // Item 0 finds records by their price field; items 1 and 2 are function items.
        return "[PGM_MENU_030]\r\n"
               "ITEM_000_FILE=4\r\n"
               "ITEM_000_MEMORY=COUNT,40\r\n"
               "ITEM_000=DIGIT,D1,8\r\n"
               "ITEM_000_FIELD=5\r\n"
               "ITEM_001_FILE=4\r\n"
               "ITEM_001_MEMORY=FUNC,230\r\n"
               "ITEM_001=CHAR,D1,12\r\n"
               "ITEM_001_FIELD=2\r\n"
               "ITEM_002_FILE=4\r\n"
               "ITEM_002_MEMORY=FUNC,235\r\n"
               "ITEM_002=CHAR,D1,12\r\n"
               "ITEM_002_FIELD=2\r\n"
               "[PGM_MENU_031]\r\n"
               "ITEM_000_FILE=4\r\n"
               "ITEM_000_MEMORY=FUNC,1\r\n"
               "ITEM_000=DIGIT,D1,8\r\n"
               "ITEM_000_FIELD=5\r\n"
               "ITEM_001_FILE=4\r\n"
               "ITEM_001_MEMORY=FUNC,230\r\n"
               "ITEM_001=CHAR,D1,12\r\n"
               "ITEM_001_FIELD=2\r\n";
    }
};

TEST_F(PgmHandleFunctionItemTest, FunctionItemsAreFoundThroughItemZero) {
    tagPGMITEMDEF function = item(1, 30);
    int record = 0;
    ASSERT_EQ(handle_.ResolveFuncItem(&function, &record), 1);
    EXPECT_EQ(record, 23);
    EXPECT_EQ(function.nMemoryType, PGM_MEMORY_INDEX);
    EXPECT_EQ(function.nFirstRecord, 23);
    EXPECT_EQ(function.nRecordCount, 1);
    EXPECT_EQ(handle_.ResolveFuncItem(&function, &record), 0);
}

TEST_F(PgmHandleFunctionItemTest, AccessesResolveFunctionItemsFirst) {
    tagPGMITEMDEF function = item(1, 30);
    char text[16];
    ASSERT_EQ(handle_.ReadItem(&function, 23, text, sizeof text), 1);
    EXPECT_STREQ(text, "Item 23     ");
    EXPECT_EQ(function.nMemoryType, PGM_MEMORY_INDEX);
    tagPGMITEMDEF other = item(1, 30);
    EXPECT_EQ(handle_.ReadItem(&other, 24, text, sizeof text), 0);
}

TEST_F(PgmHandleFunctionItemTest, UnknownFunctionsAndFunctionTypeItemZeroFail) {
    tagPGMITEMDEF missing = item(2, 30);
    int record = 0;
    EXPECT_EQ(handle_.ResolveFuncItem(&missing, &record), 0);
    char text[16];
    EXPECT_EQ(handle_.ReadItem(&missing, 235, text, sizeof text), 0);
    EXPECT_EQ(missing.nMemoryType, PGM_MEMORY_FUNC);

    tagPGMITEMDEF circular = item(1, 31);
    EXPECT_EQ(handle_.ResolveFuncItem(&circular, &record), 0);
    tagPGMITEMDEF index = item(3);
    EXPECT_EQ(handle_.ResolveFuncItem(&index, &record), 0);
}

}  // namespace
