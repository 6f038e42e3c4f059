#include <gtest/gtest.h>

#include <string>

#include "base/tests/csv_records.h"
#include "tests/support/temp_environment.h"

namespace {

using Records = std::vector<CsvRecord>;

class CsvReaderTest : public ::testing::Test {
  protected:
    std::vector<CsvRecord> read(const std::string& bytes, int count = 3) {
        tk73test::TempEnvironment::writeFile(file_, bytes);
        return readCsvRecords(file_, count);
    }

    tk73test::TempEnvironment env_;
    std::string file_ = env_.path("STORE.edb");
};

CsvRecord fields(std::initializer_list<const char*> texts) {
    CsvRecord record;
    for (const char* text : texts) {
        record.push_back(text ? CsvField(text) : std::nullopt);
    }
    return record;
}

}  // namespace

TEST_F(CsvReaderTest, QuotedFieldKeepsCommas) {
    EXPECT_EQ(read("a,\"b,c\",d\r\n"), Records{fields({"a", "b,c", "d"})});
}

TEST_F(CsvReaderTest, QuotesInsideAndAfterFields) {
    EXPECT_EQ(read("\"a\"\"b\"\n", 1), Records{fields({"a\"b"})});
    EXPECT_EQ(read("ab\"c\n", 1), Records{fields({"ab\"c"})});
    EXPECT_EQ(read("\"ab\"cd\n", 1), Records{fields({"abcd"})});
    EXPECT_EQ(read("\"\"\n", 1), Records{fields({""})});
    EXPECT_EQ(read("\"ab\"\"\"\n", 1), Records{fields({"ab\""})});
}

TEST_F(CsvReaderTest, QuotedLineEndIsOneLineFeed) {
    EXPECT_EQ(read("\"a\r\nb\",c\r\nnext\r\n", 2),
              (Records{fields({"a\nb", "c"}), fields({"next", nullptr})}));
}

TEST_F(CsvReaderTest, EmptyLinesAndEmptyFields) {
    EXPECT_EQ(read("\r\na,\r\n,,\r\n"),
              (Records{fields({"", nullptr, nullptr}), fields({"a", "", nullptr}),
                       fields({"", "", ""})}));
}

TEST_F(CsvReaderTest, LastLineWithoutLineEndIsNotDelivered) {
    EXPECT_EQ(read("1,2\r\n3,4", 2), Records{fields({"1", "2"})});
    EXPECT_EQ(read("only", 2), Records{});
    EXPECT_EQ(read("", 2), Records{});
    // A quoted field still open at the end of the file gives the fields completed before it.
    EXPECT_EQ(read("1,\"open\r\nrest", 2), Records{fields({"1", nullptr})});
}

TEST_F(CsvReaderTest, FieldCountsOfRecordAndCallerDiffer) {
    EXPECT_EQ(read("1,2,3,4,5\r\n6,7,8\r\n"),
              (Records{fields({"1", "2", "3"}), fields({"6", "7", "8"})}));
    EXPECT_EQ(read("1,2,3\r\n4\r\n", 5),
              (Records{fields({"1", "2", "3", nullptr, nullptr}),
                       fields({"4", nullptr, nullptr, nullptr, nullptr})}));
}

TEST_F(CsvReaderTest, CarriageReturnAloneEndsARecordOutsideQuotes) {
    EXPECT_EQ(read("a\rb\n\"c\rd\"\n", 1),
              (Records{fields({"a"}), fields({"b"}), fields({"c\rd"})}));
}

TEST_F(CsvReaderTest, FieldsKeep2047BytesAndLongLinesAreScannedWhole) {
    const std::string huge(100 * 1024, 'x');
    const auto records = read(huge + ",\"" + huge + ",\"\"" + huge + "\",tail\r\nnext\r\n");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0],
              fields({std::string(2047, 'x').c_str(), std::string(2047, 'x').c_str(), "tail"}));
    EXPECT_EQ(records[1], fields({"next", nullptr, nullptr}));
}

TEST_F(CsvReaderTest, LineEndSplitAcrossLinePiecesIsOneLineEnd) {
    // The line's CR is its 8191st byte: cutting the raw bytes into pieces before turning CR LF
    // into LF would leave a lone CR and then read the LF as an extra empty record.
    const std::string first(8190, 'a');
    const auto records = read(first + "\r\nb\r\n", 1);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0][0]->size(), 2047u);
    EXPECT_EQ(records[1], fields({"b"}));
}

TEST_F(CsvReaderTest, EndOfDataIsReportedAgainWithEveryEntryNull) {
    tk73test::TempEnvironment::writeFile(file_, "a\r\n");
    CSVR* reader = AecrbsCreateCSVR(nullptr, file_.c_str());
    ASSERT_NE(reader, nullptr);
    char* record[2] = {nullptr, nullptr};
    ASSERT_EQ(AecrbsReadCsvRecord(reader, record, 2), 1);
    AecrbsFree(record[0]);
    for (int i = 0; i < 2; ++i) {
        record[0] = record[1] = reinterpret_cast<char*>(1);
        EXPECT_EQ(AecrbsReadCsvRecord(reader, record, 2), 0);
        EXPECT_EQ(record[0], nullptr);
        EXPECT_EQ(record[1], nullptr);
    }
    EXPECT_EQ(AecrbsDeleteCSVR(reader), 1);
    EXPECT_EQ(AecrbsDeleteCSVR(nullptr), 0);
    EXPECT_EQ(AecrbsReadCsvRecord(nullptr, record, 2), 0);
    EXPECT_EQ(AecrbsCreateCSVR(nullptr, env_.path("missing.edb").c_str()), nullptr);
}
