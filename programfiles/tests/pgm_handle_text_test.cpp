#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "programfiles/pgm_handle.h"
#include "programfiles/tests/pgm_test_files.h"

namespace {

// Double-byte characters ("\x83\x41" has the trail byte A) and 20-digit numbers in file 7.
class PgmHandleTextTest : public ::testing::Test {
  protected:
    void SetUp() override {
        store_.writeDefinition(
            "[FILE0007]\r\nALL_FIELD_NUM=2\r\nF01N=1,P\r\nF02N=2,P\r\n"
            "[PGM_MENU_040]\r\n"
            "ITEM_001_FILE=7\r\nITEM_001_MEMORY=INDEX,1,3\r\nITEM_001=CHAR,D1,6\r\n"
            "ITEM_001_FIELD=1\r\n"
            "ITEM_002_FILE=7\r\nITEM_002_MEMORY=INDEX,1,3\r\nITEM_002=DIGIT,D1,20\r\n"
            "ITEM_002_FIELD=2\r\n");
        original_ = pgmtest::recordLine(1, 5, {"\"X\x83\x41yz \"", "\"18446744073709551615\""}) +
                    pgmtest::recordLine(
                        2, 5, {"\"\x83\x41\x83\x41\x83\x41\"", "\"18446744073709551616\""}) +
                    pgmtest::recordLine(3, 5, {"\"XAYZ  \"", "\"00000000000000000042\""});
        store_.writeMainte(7, original_);
        ASSERT_EQ(handle_.Open(store_.definitionFile().c_str(), store_.mainteFolder().c_str(), ""),
                  1);
        ASSERT_EQ(handle_.GetItemDef(&text_, 40, 1, 0), 1);
        ASSERT_EQ(handle_.GetItemDef(&number_, 40, 2, 0), 1);
    }

    int search(int start, const std::string& wanted, bool caseSensitive) {
        return handle_.SearchItem(&text_, start, wanted.c_str(), static_cast<int>(wanted.size()), 1,
                                  caseSensitive, 0);
    }

    pgmtest::Store store_;
    CPgmHandle handle_;
    tagPGMITEMDEF text_;
    tagPGMITEMDEF number_;
    std::string original_;
};

TEST_F(PgmHandleTextTest, SearchesNeverMatchInsideADoubleByteCharacter) {
    // The A of record 1 is the trail byte of a double-byte character.
    EXPECT_EQ(search(1, "A", true), 3);
    EXPECT_EQ(search(1, "a", false), 3);
    EXPECT_EQ(search(1, "\x83\x41y", true), 1);
    EXPECT_EQ(search(1, "\x83\x41Y", false), 1);
    EXPECT_EQ(search(2, "\x41\x83", true), -1);
}

TEST_F(PgmHandleTextTest, TextIsCutBeforeADoubleByteCharacterThatDoesNotFit) {
    char text[4];
    ASSERT_EQ(handle_.ReadItem(&text_, 2, text, sizeof text), 1);
    EXPECT_STREQ(text, "\x83\x41");

    const char value[] = "AB\x83\x41\x83\x41\x83\x41";
    ASSERT_EQ(handle_.WriteItem(&text_, 3, value, sizeof value - 1), 1);
    std::string expected = original_;
    expected.replace(expected.find("XAYZ  "), 6, "AB\x83\x41\x83\x41");
    EXPECT_EQ(store_.readMainte(7), expected);
    tagPGMITEMDEF narrow = text_;
    narrow.nWidth = 5;
    ASSERT_EQ(handle_.WriteItem(&narrow, 3, value, sizeof value - 1), 1);
    expected.replace(expected.find("AB\x83\x41\x83\x41"), 6, "AB\x83\x41 \x41");
    EXPECT_EQ(store_.readMainte(7), expected);
}

TEST_F(PgmHandleTextTest, TwentyDigitNumbersUpToTheLargest64BitValue) {
    uint64_t number = 0;
    ASSERT_EQ(handle_.ReadItem(&number_, 1, &number, 8), 1);
    EXPECT_EQ(number, UINT64_MAX);
    EXPECT_EQ(handle_.ReadItem(&number_, 2, &number, 8), 0);
    ASSERT_EQ(handle_.ReadItem(&number_, 3, &number, 8), 1);
    EXPECT_EQ(number, 42u);

    const uint64_t value = 12345678901234567890ULL;
    ASSERT_EQ(handle_.WriteItem(&number_, 3, &value, 8), 1);
    ASSERT_EQ(handle_.ReadItem(&number_, 3, &number, 8), 1);
    EXPECT_EQ(number, value);
    // Record 2's number is beyond 64 bits: the search passes over it.
    EXPECT_EQ(handle_.SearchItem(&number_, 1, &value, 8, 1, 1, 0), 3);
    EXPECT_EQ(handle_.SearchItem(&number_, 3, &value, 8, 1, 1, 0), 3);
}

// Narrower items over the same characters read their leading digits, at every width that always
// fits 64 bits.
TEST_F(PgmHandleTextTest, NarrowerNumbersReadTheirLeadingDigits) {
    const std::string digits[] = {"18446744073709551615", "18446744073709551616",
                                  "00000000000000000042"};
    for (size_t width = 1; width <= 19; ++width) {
        tagPGMITEMDEF narrow = number_;
        narrow.nWidth = static_cast<int32_t>(width);
        for (int record = 1; record <= 3; ++record) {
            uint64_t number = 0;
            ASSERT_EQ(handle_.ReadItem(&narrow, record, &number, 8), 1);
            EXPECT_EQ(number, std::stoull(digits[record - 1].substr(0, width))) << width;
        }
    }
}

}  // namespace
