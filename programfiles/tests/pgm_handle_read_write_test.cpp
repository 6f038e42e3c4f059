#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "programfiles/merge_item_pair.h"
#include "programfiles/tests/pgm_handle_fixture.h"

namespace {

using pgmtest::PluHandleTest;

using PgmHandleReadTest = PluHandleTest;
using PgmHandleWriteTest = PluHandleTest;

TEST_F(PgmHandleReadTest, EveryDataTypeReadsItsValue) {
    tagPGMITEMDEF defs[] = {item(1), item(2), item(3), item(4), item(5)};
    char text[32];
    ASSERT_EQ(handle_.ReadItem(&defs[0], 12, text, sizeof text), 1);
    EXPECT_STREQ(text, "00000004900012");
    ASSERT_EQ(handle_.ReadItem(&defs[1], 12, text, sizeof text), 1);
    EXPECT_STREQ(text, "Item 12     ");
    uint64_t number = 0;
    ASSERT_EQ(handle_.ReadItem(&defs[2], 12, &number, 8), 1);
    EXPECT_EQ(number, 120u);
    uint32_t flags = 99;
    ASSERT_EQ(handle_.ReadItem(&defs[3], 12, &flags, 4), 1);
    EXPECT_EQ(flags, 0u);
    ASSERT_EQ(handle_.ReadItem(&defs[4], 12, &flags, 4), 1);
    EXPECT_EQ(flags, 0x0800u);
}

TEST_F(PgmHandleReadTest, ReadItemsFillsValuesPerRecordFromTheFirstValueIndex) {
    // Given out of field order, and with an entry to pass over.
    tagPGMITEMDEF defs[] = {item(3), item(2), tagPGMITEMDEF{}, item(1)};
    PGMITEMDATAARRAY values[4];
    ASSERT_EQ(handle_.ReadItems(defs, 4, 10, 5, values, 2), 1);
    for (const PGMITEMDATAARRAY& array : values) {
        EXPECT_EQ(array.size(), 7u);
    }
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(values[0][2 + i].value, static_cast<uint64_t>((10 + i) * 10));
        EXPECT_EQ(values[0][2 + i].length, 4);
        EXPECT_EQ(values[0][2 + i].record, 10 + i);
        EXPECT_EQ(values[1][2 + i].text, "Item " + std::to_string(10 + i) + "     ");
        EXPECT_EQ(values[2][2 + i].record, 0);
    }
    EXPECT_EQ(values[0][0].record, 0);
}

TEST_F(PgmHandleReadTest, DigitsStopAtTheFirstNonDigitAndQuotesReadAsBlanks) {
    std::string changed = original_;
    changed.replace(offsetOf(5, kPrice), 8, "0012a456");
    changed.replace(offsetOf(5, kName), 12, "Tea \"A\" Cup ");
    changed.replace(offsetOf(6, kFlags), 4, "00ff");
    store_.writeMainte(4, changed);
    tagPGMITEMDEF price = item(3);
    tagPGMITEMDEF name = item(2);
    tagPGMITEMDEF status = item(5);
    uint64_t number = 0;
    ASSERT_EQ(handle_.ReadItem(&price, 5, &number, 8), 1);
    EXPECT_EQ(number, 12u);
    char text[32];
    ASSERT_EQ(handle_.ReadItem(&name, 5, text, sizeof text), 1);
    EXPECT_STREQ(text, "Tea  A  Cup ");
    // Hexadecimal items read upper-case digits only.
    ASSERT_EQ(handle_.ReadItem(&status, 6, &number, 8), 1);
    EXPECT_EQ(number, 0u);
}

TEST_F(PgmHandleReadTest, TextIsCutToTheRoomAndNumbersNeedRoomForTheirBytes) {
    tagPGMITEMDEF name = item(2);
    char text[6];
    std::memset(text, 'x', sizeof text);
    ASSERT_EQ(handle_.ReadItem(&name, 3, text, sizeof text), 1);
    EXPECT_STREQ(text, "Item ");

    tagPGMITEMDEF price = item(3);
    uint8_t small = 0;
    EXPECT_EQ(handle_.ReadItem(&price, 3, &small, 1), 1);
    EXPECT_EQ(small, 30);
    EXPECT_EQ(handle_.ReadItem(&price, 30, &small, 1), 0);
    EXPECT_EQ(handle_.ReadItem(&price, 3, &small, 0), 0);
    EXPECT_EQ(handle_.ReadItem(&price, 3, nullptr, 1), 0);
}

TEST_F(PgmHandleReadTest, RecordsOutsideTheRangeOrTheFileAreRefused) {
    tagPGMITEMDEF price = item(3);
    uint64_t number = 0;
    EXPECT_EQ(handle_.ReadItem(&price, 0, &number, 8), 0);
    EXPECT_EQ(handle_.ReadItem(&price, 41, &number, 8), 0);
    price.nRecordCount = 60;
    EXPECT_EQ(handle_.ReadItem(&price, 50, &number, 8), 0);
    // A field too short for the item, and a record without the field.
    tagPGMITEMDEF wide = item(3);
    wide.nWidth = 7;
    EXPECT_EQ(handle_.ReadItem(&wide, 1, &number, 8), 0);
    tagPGMITEMDEF missing = item(3);
    missing.nFieldIndex = 7;
    EXPECT_EQ(handle_.ReadItem(&missing, 1, &number, 8), 0);
}

// A number too wide for 64 bits makes only its own record's value unreadable (length 0): the
// range gives every other value, and a search passes over that record.
TEST(PgmHandleWideNumberTest, OnlyTheRecordWithTheWideNumberIsUnreadable) {
    pgmtest::Store store;
    store.writeDefinition(
        "[FILE0009]\r\nALL_FIELD_NUM=2\r\nF01N=1,P\r\nF02N=2,P\r\n"
        "[PGM_MENU_030]\r\n"
        "ITEM_001_FILE=9\r\nITEM_001_MEMORY=INDEX,1,5\r\nITEM_001=DIGIT,D1,24\r\n"
        "ITEM_001_FIELD=1\r\n"
        "ITEM_002_FILE=9\r\nITEM_002_MEMORY=INDEX,1,5\r\nITEM_002=HEX,D1,24\r\n"
        "ITEM_002_FIELD=1\r\n"
        "ITEM_003_FILE=9\r\nITEM_003_MEMORY=INDEX,1,5\r\nITEM_003=CHAR,D1,6\r\n"
        "ITEM_003_FIELD=2\r\n");
    std::string file;
    for (int record = 1; record <= 5; ++record) {
        const std::string number =
            record == 3 ? std::string(24, '9') : std::string(22, '0') + std::to_string(record * 11);
        file += pgmtest::recordLine(
            record, 6, {"\"" + number + "\"", "\"Name " + std::to_string(record) + "\""});
    }
    store.writeMainte(9, file);
    CPgmHandle handle;
    ASSERT_EQ(handle.Open(store.definitionFile().c_str(), store.mainteFolder().c_str(), ""), 1);
    tagPGMITEMDEF defs[3];
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(handle.GetItemDef(&defs[i], 30, i + 1, 0), 1);
    }

    PGMITEMDATAARRAY values[3];
    ASSERT_EQ(handle.ReadItems(defs, 3, 1, 5, values, 0), 1);
    for (int record = 1; record <= 5; ++record) {
        const size_t i = static_cast<size_t>(record - 1);
        EXPECT_EQ(values[2][i].text, "Name " + std::to_string(record));
        if (record == 3) {
            EXPECT_EQ(values[0][i].length, 0);
            EXPECT_EQ(values[0][i].value, 0u);
            EXPECT_EQ(values[1][i].length, 0);
        } else {
            EXPECT_EQ(values[0][i].value, static_cast<uint64_t>(record * 11));
            EXPECT_EQ(values[0][i].length, 4);
            EXPECT_EQ(values[1][i].value, static_cast<uint64_t>(record * 0x11));
        }
    }
    uint64_t number = 0;
    EXPECT_EQ(handle.ReadItem(&defs[0], 3, &number, 8), 0);
    EXPECT_EQ(handle.ReadItem(&defs[1], 3, &number, 8), 0);
    ASSERT_EQ(handle.ReadItem(&defs[0], 4, &number, 8), 1);
    EXPECT_EQ(number, 44u);

    const uint64_t forty4 = 44;
    const uint64_t twenty2 = 22;
    const uint64_t sixty6 = 66;
    EXPECT_EQ(handle.SearchItem(&defs[0], 1, &forty4, 8, 1, 1, 0), 4);
    EXPECT_EQ(handle.SearchItem(&defs[0], 5, &twenty2, 8, 0, 1, 0), 2);
    EXPECT_EQ(handle.SearchItem(&defs[0], 1, &sixty6, 8, 1, 1, 0), -1);

    // Values copied on by the merge leave the record whose value could not be read as it was.
    values[0][0].value = 12;
    EXPECT_FALSE(tk73pgm::writeItemValues(handle, defs[0], {1, 5}, values[0]));
    std::string expected = file;
    expected.replace(expected.find("11\""), 2, "12");
    EXPECT_EQ(store.readMainte(9), expected);
}

TEST_F(PgmHandleReadTest, AccessRefusesBadRequests) {
    tagPGMITEMDEF price = item(3);
    PGMITEMDATAARRAY values[1];
    EXPECT_EQ(handle_.AccessItems(1, nullptr, 1, 1, 1, values, 0), -1);
    EXPECT_EQ(handle_.AccessItems(1, &price, 0, 1, 1, values, 0), -1);
    EXPECT_EQ(handle_.AccessItems(1, &price, 1, 1, 0, values, 0), -1);
    EXPECT_EQ(handle_.AccessItems(1, &price, 1, 1, 1, nullptr, 0), -1);
    EXPECT_EQ(handle_.AccessItems(1, &price, 1, 1, 1, values, -1), -1);
    EXPECT_EQ(handle_.AccessItems(11, &price, 1, 1, 1, values, 0), -1);
    EXPECT_EQ(handle_.AccessItems(-1, &price, 1, 1, 1, values, 0), -1);
    EXPECT_EQ(handle_.AccessItems(1, &price, 1, 1, 1, values, 2000000000), -1);
    EXPECT_TRUE(values[0].empty());
}

// An item whose field index names no field fails the access, also beside an item whose field
// lines are read through their learned layout, and a write of it leaves the file as it was.
TEST_F(PgmHandleReadTest, ItemsWithoutAFieldFailBesideOthers) {
    tagPGMITEMDEF items[] = {item(3), item(2)};
    items[1].nFieldIndex = -1;
    PGMITEMDATAARRAY values[2];
    EXPECT_EQ(handle_.ReadItems(items, 2, 1, 5, values, 0), 0);
    values[0].assign(5, {});
    values[1].assign(5, {});
    EXPECT_EQ(handle_.WriteItems(items, 2, 1, 5, values, 0), 0);
    EXPECT_EQ(handle_.SearchItem(&items[1], 1, "ITEM", 4, 1, 1, 0), -1);
    EXPECT_EQ(store_.readMainte(4), original_);
}

TEST_F(PgmHandleWriteTest, DigitsGetLeadingZerosToTheWidth) {
    tagPGMITEMDEF price = item(3);
    price.nWidth = 3;
    price.nPosition = 6;
    const uint64_t seven = 7;
    ASSERT_EQ(handle_.WriteItem(&price, 2, &seven, 8), 1);
    expectOnlyChanged(offsetOf(2, kPrice) + 5, "007");
    uint64_t number = 0;
    ASSERT_EQ(handle_.ReadItem(&price, 2, &number, 8), 1);
    EXPECT_EQ(number, 7u);
}

TEST_F(PgmHandleWriteTest, TextIsPaddedWithBlanks) {
    tagPGMITEMDEF name = item(2);
    name.nWidth = 5;
    ASSERT_EQ(handle_.WriteItem(&name, 4, "AB", 2), 1);
    expectOnlyChanged(offsetOf(4, kName), "AB   ");
}

TEST_F(PgmHandleWriteTest, LongTextIsCutAndLayoutCharactersBecomeBlanks) {
    tagPGMITEMDEF name = item(2);
    const char text[] = "A\"B,C\r\nDEFGHIJKLMNOP";
    ASSERT_EQ(handle_.WriteItem(&name, 4, text, sizeof text - 1), 1);
    expectOnlyChanged(offsetOf(4, kName), "A B,C  DEFGH");
    // In a field without quotes a comma would start another field.
    tagPGMITEMDEF plain = item(7);
    ASSERT_EQ(handle_.WriteItem(&plain, 4, ",X", 2), 1);
    std::string expected = original_;
    expected.replace(offsetOf(4, kName), 12, "A B,C  DEFGH");
    expected.replace(offsetOf(4, kPlain), 2, " X");
    EXPECT_EQ(store_.readMainte(4), expected);
}

TEST_F(PgmHandleWriteTest, BitThreeTurnsEightIntoC) {
    tagPGMITEMDEF flag = item(4);
    const uint8_t one = 1;
    ASSERT_EQ(handle_.WriteItem(&flag, 9, &one, 1), 1);
    expectOnlyChanged(offsetOf(9, kFlags) + 1, "C");
    uint8_t bit = 0;
    ASSERT_EQ(handle_.ReadItem(&flag, 9, &bit, 1), 1);
    EXPECT_EQ(bit, 1);
    const uint8_t zero = 2;  // only the lowest bit counts
    ASSERT_EQ(handle_.WriteItem(&flag, 9, &zero, 1), 1);
    EXPECT_EQ(store_.readMainte(4), original_);
}

TEST_F(PgmHandleWriteTest, BitOfACharacterThatIsNoHexadecimalDigitIsRefused) {
    std::string changed = original_;
    changed.replace(offsetOf(9, kFlags) + 1, 1, "x");
    store_.writeMainte(4, changed);
    tagPGMITEMDEF flag = item(4);
    const uint8_t one = 1;
    EXPECT_EQ(handle_.WriteItem(&flag, 9, &one, 1), 0);
    uint8_t bit = 0;
    EXPECT_EQ(handle_.ReadItem(&flag, 9, &bit, 1), 0);
    EXPECT_EQ(store_.readMainte(4), changed);
}

TEST_F(PgmHandleWriteTest, HexadecimalIsUpperCaseWithLeadingZeros) {
    tagPGMITEMDEF status = item(5);
    const uint32_t value = 0xAB;
    ASSERT_EQ(handle_.WriteItem(&status, 3, &value, 4), 1);
    expectOnlyChanged(offsetOf(3, kFlags), "00AB");
}

TEST_F(PgmHandleWriteTest, ValuesWiderThanTheItemAreRefusedAndNothingIsWritten) {
    tagPGMITEMDEF price = item(3);
    const uint64_t tooMany = 1234567;
    EXPECT_EQ(handle_.WriteItem(&price, 2, &tooMany, 8), 0);
    tagPGMITEMDEF status = item(5);
    const uint64_t tooWide = 0x12345;
    EXPECT_EQ(handle_.WriteItem(&status, 2, &tooWide, 8), 0);
    EXPECT_EQ(handle_.WriteItem(&status, 2, &tooWide, 9), 0);
    EXPECT_EQ(store_.readMainte(4), original_);
}

TEST_F(PgmHandleWriteTest, MissingRecordsAndFieldsWriteNothing) {
    tagPGMITEMDEF price = item(3);
    const uint64_t one = 1;
    EXPECT_EQ(handle_.WriteItem(&price, 41, &one, 8), 0);
    price.nRecordCount = 50;
    EXPECT_EQ(handle_.WriteItem(&price, 45, &one, 8), 0);
    price.nFieldIndex = 9;
    EXPECT_EQ(handle_.WriteItem(&price, 3, &one, 8), 0);
    EXPECT_EQ(store_.readMainte(4), original_);
}

TEST_F(PgmHandleWriteTest, WritesOverARangeStopAtTheFirstFailureAndKeepWhatWasWritten) {
    tagPGMITEMDEF price = item(3);
    price.nRecordCount = 50;
    PGMITEMDATAARRAY values[1];
    values[0].resize(3);
    for (auto& value : values[0]) {
        value.value = 999999;
    }
    EXPECT_EQ(handle_.WriteItems(&price, 1, 39, 3, values, 0), 0);
    std::string expected = original_;
    expected.replace(offsetOf(39, kPrice) + 2, 6, "999999");
    expected.replace(offsetOf(40, kPrice) + 2, 6, "999999");
    EXPECT_EQ(store_.readMainte(4), expected);
}

TEST_F(PgmHandleWriteTest, WritesOfSeveralItemsKeepTheFileLength) {
    tagPGMITEMDEF defs[] = {item(2), item(3), item(5)};
    PGMITEMDATAARRAY values[3];
    for (int i = 0; i < 40; ++i) {
        tagPGMITEMDATA name;
        name.text = "N" + std::to_string(i);
        values[0].push_back(name);
        tagPGMITEMDATA number;
        number.value = static_cast<uint64_t>(i);
        values[1].push_back(number);
        values[2].push_back(number);
    }
    ASSERT_EQ(handle_.WriteItems(defs, 3, 1, 40, values, 0), 1);
    const std::string written = store_.readMainte(4);
    ASSERT_EQ(written.size(), original_.size());
    PGMITEMDATAARRAY read[3];
    ASSERT_EQ(handle_.ReadItems(defs, 3, 1, 40, read, 0), 1);
    for (int i = 0; i < 40; ++i) {
        EXPECT_EQ(read[0][i].text,
                  values[0][i].text + std::string(12 - values[0][i].text.size(), ' '));
        EXPECT_EQ(read[1][i].value, static_cast<uint64_t>(i));
        EXPECT_EQ(read[2][i].value, static_cast<uint64_t>(i));
    }
}

TEST_F(PgmHandleWriteTest, WritesReachBothTheLoadedCopyAndTheFile) {
    tagPGMITEMDEF name = item(2, 14, 1);
    ASSERT_EQ(handle_.WriteItem(&name, 6, "Loaded", 6), 1);
    expectOnlyChanged(offsetOf(6, kName), "Loaded      ");
    char text[16];
    ASSERT_EQ(handle_.ReadItem(&name, 6, text, sizeof text), 1);
    EXPECT_STREQ(text, "Loaded      ");

    // A file that no longer has the loaded copy's size is not written at the copy's offsets.
    store_.writeMainte(4, original_ + "x");
    EXPECT_EQ(handle_.WriteItem(&name, 7, "Other", 5), 0);
    EXPECT_EQ(store_.readMainte(4), original_ + "x");
}

// A write puts only its items' own bytes in the file. What another handle changed after this
// one loaded the file stays, also where it lies between items that one request writes: between
// the names of records 1 and 3, and between the name and the flags of one record.
TEST_F(PgmHandleWriteTest, AStaleHandleKeepsWhatAnotherHandleWroteBetweenItsItems) {
    tagPGMITEMDEF name = item(2, 14, 1);
    tagPGMITEMDEF flags = item(5);
    CPgmHandle other;
    ASSERT_EQ(other.Open(store_.definitionFile().c_str(), store_.mainteFolder().c_str(), ""), 1);
    tagPGMITEMDEF otherPrice;
    ASSERT_EQ(other.GetItemDef(&otherPrice, 14, 3, 0), 1);
    const uint64_t price = 4321;
    ASSERT_EQ(other.WriteItem(&otherPrice, 2, &price, 8), 1);
    ASSERT_EQ(other.WriteItem(&otherPrice, 5, &price, 8), 1);

    PGMITEMDATAARRAY names(3);
    names[0].text = "First";
    names[1].text = "Second";
    names[2].text = "Third";
    ASSERT_EQ(handle_.WriteItems(&name, 1, 1, 3, &names, 0), 1);
    tagPGMITEMDEF both[] = {name, flags};
    PGMITEMDATAARRAY values[2];
    values[0].resize(1);
    values[0][0].text = "Fifth";
    values[1].resize(1);
    values[1][0].value = 0x0A0B;
    ASSERT_EQ(handle_.WriteItems(both, 2, 5, 1, values, 0), 1);

    std::string expected = original_;
    expected.replace(offsetOf(1, kName), 12, "First       ");
    expected.replace(offsetOf(2, kName), 12, "Second      ");
    expected.replace(offsetOf(2, kPrice) + 2, 6, "004321");
    expected.replace(offsetOf(3, kName), 12, "Third       ");
    expected.replace(offsetOf(5, kName), 12, "Fifth       ");
    expected.replace(offsetOf(5, kPrice) + 2, 6, "004321");
    expected.replace(offsetOf(5, kFlags), 4, "0A0B");
    EXPECT_EQ(store_.readMainte(4), expected);

    // The same over a file whose changes take many writes.
    const int records = 5000;
    expected = pgmtest::pluFile(records);
    store_.writeMainte(4, expected);
    CPgmHandle stale;
    ASSERT_EQ(stale.Open(store_.definitionFile().c_str(), store_.mainteFolder().c_str(), ""), 1);
    tagPGMITEMDEF stalePrice;
    ASSERT_EQ(stale.GetItemDef(&stalePrice, 14, 3, 1), 1);
    stalePrice.nRecordCount = records;
    tagPGMITEMDEF otherName;
    ASSERT_EQ(other.GetItemDef(&otherName, 14, 2, 0), 1);
    otherName.nRecordCount = records;
    for (const int record : {2, 2500, 4999}) {
        ASSERT_EQ(other.WriteItem(&otherName, record, "Other", 5), 1);
        expected.replace(offsetOf(record, kName), 12, "Other       ");
    }
    PGMITEMDATAARRAY prices(records);
    for (int record = 1; record <= records; ++record) {
        prices[static_cast<size_t>(record - 1)].value = static_cast<uint64_t>(record);
        char digits[8];
        std::snprintf(digits, sizeof digits, "%06d", record);
        expected.replace(offsetOf(record, kPrice) + 2, 6, digits);
    }
    ASSERT_EQ(stale.WriteItems(&stalePrice, 1, 1, records, &prices, 0), 1);
    EXPECT_EQ(store_.readMainte(4), expected);
}

TEST_F(PgmHandleWriteTest, TruncatedBinaryAndOversizedFilesAreRefused) {
    tagPGMITEMDEF price = item(3);
    const uint64_t one = 1;
    uint64_t number = 0;
    const std::string truncated = original_.substr(0, offsetOf(40, kPrice) + 3);
    store_.writeMainte(4, truncated);
    EXPECT_EQ(handle_.ReadItem(&price, 39, &number, 8), 1);
    EXPECT_EQ(handle_.ReadItem(&price, 40, &number, 8), 0);
    EXPECT_EQ(handle_.WriteItem(&price, 40, &one, 8), 0);
    EXPECT_EQ(store_.readMainte(4), truncated);

    std::string binary(4096, '\0');
    for (size_t i = 0; i < binary.size(); ++i) {
        binary[i] = static_cast<char>((i * 7919) >> 3);
    }
    store_.writeMainte(4, binary);
    EXPECT_EQ(handle_.ReadItem(&price, 1, &number, 8), 0);
    EXPECT_EQ(handle_.WriteItem(&price, 1, &one, 8), 0);
    EXPECT_EQ(handle_.SearchItem(&price, 1, &one, 8, 1, 1, 0), -1);
    EXPECT_EQ(store_.readMainte(4), binary);

    store_.writeMainte(4, original_);
    std::filesystem::resize_file(store_.mainteFile(4), 3ULL << 30);
    EXPECT_EQ(handle_.ReadItem(&price, 1, &number, 8), 0);
    EXPECT_EQ(handle_.WriteItem(&price, 1, &one, 8), 0);
    tagPGMITEMDEF def;
    EXPECT_EQ(handle_.GetItemDef(&def, 14, 3, 1), 0);
}

// Lines that differ from their neighbours (a longer field, a comma or quote inside a text)
// read the same as when every line is walked field by field.
TEST_F(PgmHandleReadTest, LinesOfAnotherLayoutAmongUniformOnesReadTheirOwnFields) {
    std::string changed = original_;
    // From the last record backwards, so that earlier offsets stay valid.
    changed.replace(offsetOf(11, kName), 12, "Tea \"A\" Cup ");
    changed.replace(offsetOf(9, kPlain), 2, "777");
    changed.replace(offsetOf(7, kPrice), 8, "000000070");
    changed.replace(offsetOf(5, kName), 12, "Tea, green  ");
    store_.writeMainte(4, changed);
    tagPGMITEMDEF defs[] = {item(2), item(3), item(5), item(7)};
    PGMITEMDATAARRAY values[4];
    ASSERT_EQ(handle_.ReadItems(defs, 4, 1, 40, values, 0), 1);
    for (int record = 1; record <= 40; ++record) {
        const size_t i = static_cast<size_t>(record - 1);
        std::string name = "Item " + std::to_string(record);
        name.resize(12, ' ');
        uint64_t price = static_cast<uint64_t>(record) * 10;
        std::string plain = "00";
        if (record == 5) {
            name = "Tea, green  ";
        } else if (record == 7) {
            price = 7;
        } else if (record == 9) {
            plain = "77";
        } else if (record == 11) {
            name = "Tea  A  Cup ";
        }
        EXPECT_EQ(values[0][i].text, name) << record;
        EXPECT_EQ(values[1][i].value, price) << record;
        EXPECT_EQ(values[2][i].value, 0x800u) << record;
        EXPECT_EQ(values[3][i].text, plain) << record;
    }
}

}  // namespace
