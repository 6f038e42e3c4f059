#include "base/table_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "base/tests/database_test.h"

namespace {

class TableReader : public tk73test::DatabaseTest {
  protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        frame_ = openDatabase();
    }
    void TearDown() override { AecrdbDeleteDBC(frame_); }

    // A loaded reader of the table after the file was replaced by the bytes; the record count
    // in records.
    SFR* load(const char* name, const std::string& bytes, int& records) {
        tk73test::TempEnvironment::writeFile(databaseFolder() / (std::string(name) + ".edb"),
                                             bytes);
        SFR* reader = AecrdbCreateSFR(frame_, name);
        EXPECT_NE(reader, nullptr);
        records = AecrdbReadRecordSFR(reader);
        return reader;
    }

    static std::string field(SFR* reader, const char* column, int record, int expectedResult = 1) {
        char out[TK73_TABLE_FIELD_SIZE] = "not touched";
        EXPECT_EQ(AecrdbGetDataSFR(reader, column, record, out), expectedResult);
        return out;
    }

    static int isNull(SFR* reader, const char* column, int record) {
        int flag = -1;
        EXPECT_NE(AecrdbGetNullSFR(reader, column, record, &flag), 0);
        return flag;
    }

    DBC* frame_ = nullptr;
};

TEST_F(TableReader, FindsColumnsByNameInAnyOrder) {
    int records = 0;
    SFR* reader = load("BRANCH",
                       "Update,BranchName,BranchNo\r\n"
                       "\"20240101\",\"North, old town\",\"001\"\r\n"
                       "\"\",\"South \"\"A\"\"\",\"002\"\r\n",
                       records);
    EXPECT_EQ(records, 2);
    EXPECT_EQ(field(reader, "BranchNo", 1), "001");
    EXPECT_EQ(field(reader, "BranchName", 1), "North, old town");
    EXPECT_EQ(field(reader, "BranchName", 2), "South \"A\"");
    EXPECT_EQ(field(reader, "Update", 2), "");
    EXPECT_EQ(isNull(reader, "Update", 2), 0);  // empty, but present
    AecrdbDeleteSFR(reader);
}

TEST_F(TableReader, AnswersEmptyTextOrFailureAtTheEdges) {
    int records = 0;
    SFR* reader = load("REGISTER", "StoreNo,RegNo,RegName\r\n\"001\",\"002\"\r\n", records);
    ASSERT_EQ(records, 1);
    EXPECT_EQ(field(reader, "RegName", 1), "");  // the record ended before this column
    EXPECT_EQ(isNull(reader, "RegName", 1), 1);
    EXPECT_EQ(field(reader, "IPAddr", 1), "");  // a column the file does not have
    EXPECT_EQ(isNull(reader, "IPAddr", 1), 1);
    EXPECT_EQ(field(reader, "RegNo", 2), "");  // beyond the last record
    EXPECT_EQ(isNull(reader, "RegNo", 2), 1);
    EXPECT_EQ(field(reader, "RegNo", 0, 0), "");
    EXPECT_EQ(field(reader, "", 1, 0), "");
    EXPECT_EQ(field(reader, nullptr, 1, 0), "");
    AecrdbDeleteSFR(reader);

    SFR* notLoaded = AecrdbCreateSFR(frame_, "REGISTER");
    EXPECT_EQ(field(notLoaded, "RegNo", 1, 0), "");
    AecrdbDeleteSFR(notLoaded);
    EXPECT_EQ(AecrdbDeleteSFR(nullptr), 0);
}

TEST_F(TableReader, HeaderOnlyHasNoRecordsAndAnEmptyOrMissingFileFails) {
    int records = 0;
    AecrdbDeleteSFR(load("VEK", "StoreNo,VekNo\r\n", records));
    EXPECT_EQ(records, 0);
    AecrdbDeleteSFR(load("VEK", "", records));
    EXPECT_EQ(records, -1);
    std::filesystem::remove(databaseFolder() / "VEK.edb");
    SFR* reader = AecrdbCreateSFR(frame_, "VEK");
    EXPECT_EQ(AecrdbReadRecordSFR(reader), -1);
    EXPECT_EQ(field(reader, "StoreNo", 1, 0), "");
    AecrdbDeleteSFR(reader);
}

TEST_F(TableReader, ModelListsComeFromTheSystemFolderAndUnknownTablesAreRefused) {
    SFR* reader = AecrdbCreateSFR(frame_, "REGMODEL");
    EXPECT_EQ(AecrdbReadRecordSFR(reader), 1);
    EXPECT_EQ(field(reader, "ModelIndentName", 1), "XE-A");
    AecrdbDeleteSFR(reader);
    EXPECT_EQ(AecrdbCreateSFR(frame_, "store"), nullptr);  // names match exactly
    EXPECT_EQ(AecrdbCreateSFR(frame_, "CLERK"), nullptr);
    EXPECT_EQ(AecrdbCreateSFR(nullptr, "STORE"), nullptr);
}

TEST_F(TableReader, ReloadingReadsTheFileAgain) {
    int records = 0;
    SFR* reader = load("BRANCH", "BranchNo\r\n\"001\"\r\n", records);
    tk73test::TempEnvironment::writeFile(databaseFolder() / "BRANCH.edb",
                                         "BranchNo\r\n\"007\"\r\n\"008\"\r\n");
    EXPECT_EQ(AecrdbReadRecordSFR(reader), 2);
    EXPECT_EQ(field(reader, "BranchNo", 1), "007");
    AecrdbDeleteSFR(reader);
}

// Damaged and hostile files load without a crash and without a write past the caller's buffer.
TEST_F(TableReader, SurvivesCutShortAndOversizedFiles) {
    int records = 0;
    // Cut in the middle of a quoted field: the complete records are there.
    SFR* reader =
        load("BRANCH", "BranchNo,BranchName\r\n\"001\",\"North\"\r\n\"002\",\"Sou", records);
    EXPECT_EQ(records, 1);
    EXPECT_EQ(field(reader, "BranchName", 1), "North");
    AecrdbDeleteSFR(reader);

    // Cut in a quoted field that swallows the line ends after it: the record keeps the fields
    // completed before the cut.
    reader = load("BRANCH", "BranchNo,BranchName\r\n\"001\",\"Nor\r\n\r\n", records);
    EXPECT_EQ(records, 1);
    EXPECT_EQ(field(reader, "BranchNo", 1), "001");
    EXPECT_EQ(isNull(reader, "BranchName", 1), 1);
    AecrdbDeleteSFR(reader);

    // A 100 KB field is cut to the 2047 bytes a field holds.
    const std::string huge(100 * 1024, 'x');
    reader = load("BRANCH", "BranchNo,BranchName\r\n\"001\",\"" + huge + "\"\r\n\"002\",\"S\"\r\n",
                  records);
    EXPECT_EQ(records, 2);
    EXPECT_EQ(field(reader, "BranchName", 1), std::string(2047, 'x'));
    EXPECT_EQ(field(reader, "BranchNo", 2), "002");
    AecrdbDeleteSFR(reader);

    // An oversized header name and more than 64 columns.
    std::string header = std::string(5000, 'H');
    std::string record = "\"first\"";
    for (int i = 1; i < 100; ++i) {
        header += ",C" + std::to_string(i);
        record += ",\"v" + std::to_string(i) + "\"";
    }
    reader = load("BRANCH", header + "\r\n" + record + "\r\n", records);
    EXPECT_EQ(records, 1);
    EXPECT_EQ(field(reader, "C63", 1), "v63");
    EXPECT_EQ(field(reader, "C64", 1), "");  // the 65th column is not read
    EXPECT_EQ(field(reader, std::string(2047, 'H').c_str(), 1), "first");
    AecrdbDeleteSFR(reader);

    // Binary rubbish after a good record: the load goes on, the record before it reads as
    // written, and the rubbish gives at most one record a line end (CR or LF).
    std::string rubbish;
    for (int i = 0; i < 20000; ++i) {
        rubbish += static_cast<char>((i * 7919) % 256);
    }
    const auto lineEnds = std::count_if(rubbish.begin(), rubbish.end(),
                                        [](char c) { return c == '\r' || c == '\n'; });
    reader = load("BRANCH", "BranchNo,BranchName\r\n\"001\",\"North\"\r\n" + rubbish, records);
    EXPECT_GE(records, 1);
    EXPECT_LE(records, 1 + lineEnds);
    EXPECT_EQ(field(reader, "BranchNo", 1), "001");
    EXPECT_EQ(field(reader, "BranchName", 1), "North");
    AecrdbDeleteSFR(reader);
}

}  // namespace
