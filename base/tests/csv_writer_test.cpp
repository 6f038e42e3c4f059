#include "base/csv_writer.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "base/tests/csv_records.h"
#include "tests/support/temp_environment.h"

namespace {

class CsvWriterTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_NE(writer_, nullptr); }

    std::string close() {
        EXPECT_EQ(AecrbsDeleteCSVW(writer_), 1);
        writer_ = nullptr;
        return tk73test::TempEnvironment::readFile(file_);
    }

    void TearDown() override {
        if (writer_ != nullptr) {
            // Only gives the writer back; the tests check what it wrote.
            (void)AecrbsDeleteCSVW(writer_);
        }
    }

    tk73test::TempEnvironment env_;
    std::string file_ = env_.path("REGISTER.edb");
    CSVW* writer_ = AecrbsCreateCSVW(nullptr, file_.c_str());
};

// Every byte from 0x01 to 0xFF, without the bytes in skip.
std::string everyByte(const std::string& skip = "") {
    std::string bytes;
    for (int c = 1; c <= 0xFF; ++c) {
        if (skip.find(static_cast<char>(c)) == std::string::npos) {
            bytes += static_cast<char>(c);
        }
    }
    return bytes;
}

}  // namespace

TEST_F(CsvWriterTest, ItemsQuotingAndSeparators) {
    EXPECT_EQ(AecrbsSetCsvReitem(writer_, "x", 0), 1);
    EXPECT_EQ(AecrbsSetCsvReitem(writer_, nullptr, 1), 1);
    EXPECT_EQ(AecrbsSetCsvReitem(writer_, "a\"b", 1), 1);
    EXPECT_EQ(AecrbsWriteCsvRecord(writer_), 1);
    EXPECT_NE(AecrbsSetCsvReitem(writer_, "", 0), 0);
    EXPECT_NE(AecrbsSetCsvReitem(writer_, "y", 0), 0);
    EXPECT_NE(AecrbsWriteCsvRecord(writer_), 0);
    EXPECT_NE(AecrbsSetCsvReitem(writer_, nullptr, 0), 0);
    EXPECT_NE(AecrbsSetCsvReitem(writer_, "", 1), 0);
    EXPECT_NE(AecrbsWriteCsvRecord(writer_), 0);
    EXPECT_EQ(AecrbsWriteCsvRecord(writer_), 1);
    EXPECT_EQ(close(), "x,,\"a\"\"b\"\r\n,y\r\n,\"\"\r\n\r\n");
}

TEST_F(CsvWriterTest, CancelAndDeleteDropTheRecordBeingBuilt) {
    EXPECT_NE(AecrbsSetCsvReitem(writer_, "dropped", 0), 0);
    EXPECT_EQ(AecrbsCancelCsvRecord(writer_), 1);
    EXPECT_NE(AecrbsSetCsvReitem(writer_, "kept", 0), 0);
    EXPECT_NE(AecrbsWriteCsvRecord(writer_), 0);
    EXPECT_NE(AecrbsSetCsvReitem(writer_, "unfinished", 0), 0);
    EXPECT_EQ(close(), "kept\r\n");
    EXPECT_EQ(AecrbsDeleteCSVW(nullptr), 0);
    EXPECT_EQ(AecrbsSetCsvReitem(nullptr, "x", 0), 0);
    EXPECT_EQ(AecrbsWriteCsvRecord(nullptr), 0);
    EXPECT_EQ(AecrbsCancelCsvRecord(nullptr), 0);
}

TEST_F(CsvWriterTest, RecordOfExactly8191BytesIsWrittenAndLongerIsRefused) {
    const std::string half(4095, 'h');
    EXPECT_EQ(AecrbsSetCsvReitem(writer_, half.c_str(), 0), 1);
    EXPECT_EQ(AecrbsSetCsvReitem(writer_, half.c_str(), 0), 1);
    EXPECT_EQ(AecrbsWriteCsvRecord(writer_), 1);

    EXPECT_EQ(AecrbsSetCsvReitem(writer_, "1", 0), 1);
    EXPECT_EQ(AecrbsSetCsvReitem(writer_, std::string(8190, 'x').c_str(), 0), 0);
    // The record lacks an item now: it is not written, and takes no further items.
    EXPECT_EQ(AecrbsSetCsvReitem(writer_, "3", 0), 0);
    EXPECT_EQ(AecrbsWriteCsvRecord(writer_), 0);
    EXPECT_EQ(AecrbsCancelCsvRecord(writer_), 1);

    EXPECT_EQ(AecrbsSetCsvReitem(writer_, "after", 1), 1);
    EXPECT_EQ(AecrbsWriteCsvRecord(writer_), 1);
    EXPECT_EQ(close(), half + "," + half + "\r\n\"after\"\r\n");
}

TEST_F(CsvWriterTest, QuotedItemsKeep4095BytesWithTheirQuotes) {
    EXPECT_EQ(AecrbsSetCsvReitem(writer_, std::string(4093, 'q').c_str(), 1), 1);
    EXPECT_EQ(AecrbsWriteCsvRecord(writer_), 1);
    EXPECT_EQ(AecrbsSetCsvReitem(writer_, std::string(4094, 'q').c_str(), 1), 0);
    EXPECT_EQ(AecrbsCancelCsvRecord(writer_), 1);
    // Doubled quotes count: 2046 quotes become 4092 bytes, 2047 would make 4096.
    EXPECT_EQ(AecrbsSetCsvReitem(writer_, std::string(2046, '"').c_str(), 1), 1);
    EXPECT_EQ(AecrbsWriteCsvRecord(writer_), 1);
    EXPECT_EQ(AecrbsSetCsvReitem(writer_, std::string(2047, '"').c_str(), 1), 0);
    EXPECT_EQ(AecrbsCancelCsvRecord(writer_), 1);
    const std::string written = close();
    EXPECT_EQ(written,
              "\"" + std::string(4093, 'q') + "\"\r\n\"" + std::string(4092, '"') + "\"\r\n");
}

TEST_F(CsvWriterTest, FailedWriteIsReportedAndTheRecordKept) {
    CSVW* full = AecrbsCreateCSVW(nullptr, "/dev/full");
    ASSERT_NE(full, nullptr);
    EXPECT_NE(AecrbsSetCsvReitem(full, "lost", 0), 0);
    EXPECT_EQ(AecrbsWriteCsvRecord(full), 0);
    EXPECT_EQ(AecrbsSetCsvReitem(full, "more", 0), 1);
    EXPECT_EQ(AecrbsCancelCsvRecord(full), 1);
    // Only gives the writer back.
    (void)AecrbsDeleteCSVW(full);
    EXPECT_EQ(AecrbsCreateCSVW(nullptr, env_.path("missing/x.edb").c_str()), nullptr);
}

TEST_F(CsvWriterTest, EveryNameByteRoundTrips) {
    const std::string plain = everyByte(",\"\r\n");
    const std::string all = everyByte();
    const std::vector<std::string> names = {
        "\x83\x76\x83\x8A\x83\x93\x83\x5C",  // double-byte characters, one ending in 0x5C
        "\xC7\xE1\xDE\xC7\xE5\xD1\xC9",      // Windows-1256 letters
        "\"quoted\", \"twice\"",
        "line\nbreak",
        "A\r\r\n",  // a CR right before a line end
        "\r\n\r\r\n\n\r",
    };
    EXPECT_NE(AecrbsSetCsvReitem(writer_, plain.c_str(), 0), 0);
    EXPECT_NE(AecrbsSetCsvReitem(writer_, all.c_str(), 1), 0);
    EXPECT_NE(AecrbsSetCsvReitem(writer_, plain.c_str(), 1), 0);
    EXPECT_NE(AecrbsWriteCsvRecord(writer_), 0);
    for (const auto& name : names) {
        EXPECT_NE(AecrbsSetCsvReitem(writer_, "001", 0), 0);
        EXPECT_NE(AecrbsSetCsvReitem(writer_, name.c_str(), 1), 0);
        EXPECT_NE(AecrbsSetCsvReitem(writer_, nullptr, 0), 0);
        EXPECT_NE(AecrbsWriteCsvRecord(writer_), 0);
    }
    close();

    const auto records = readCsvRecords(file_, 3);
    ASSERT_EQ(records.size(), 1 + names.size());
    EXPECT_EQ(records[0], (CsvRecord{plain, all, plain}));
    for (size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(records[i + 1], (CsvRecord{"001", names[i], ""}));
    }
}

TEST_F(CsvWriterTest, RandomNamesRoundTrip) {
    std::mt19937 random(1273);
    std::vector<std::string> names;
    for (int i = 0; i < 500; ++i) {
        std::string name;
        const size_t length = random() % 40;
        while (name.size() < length) {
            name += static_cast<char>(1 + random() % 0xFF);
        }
        names.push_back(name);
        EXPECT_NE(AecrbsSetCsvReitem(writer_, std::to_string(i).c_str(), 0), 0);
        EXPECT_NE(AecrbsSetCsvReitem(writer_, name.c_str(), 1), 0);
        ASSERT_EQ(AecrbsWriteCsvRecord(writer_), 1);
    }
    close();
    const auto records = readCsvRecords(file_, 2);
    ASSERT_EQ(records.size(), names.size());
    for (size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(records[i], (CsvRecord{std::to_string(i), names[i]}));
    }
}
