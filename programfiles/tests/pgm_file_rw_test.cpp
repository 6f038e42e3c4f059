#include "programfiles/pgm_file_rw.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "programfiles/tests/pgm_test_files.h"
#include "tests/support/temp_environment.h"

namespace {

using pgmtest::recordLine;

class PgmFileRWTest : public ::testing::Test {
  protected:
    std::string write(const std::string& bytes) {
        const std::string path = env_.path("FILE004P.TXT");
        tk73test::TempEnvironment::writeFile(path, bytes);
        return path;
    }

    tk73test::TempEnvironment env_;
};

TEST_F(PgmFileRWTest, FileWithoutHeaderHasSixDigitRecordNumbers) {
    const std::string line = recordLine(1, 6, {"\"ABC\"", "12"});
    CTK73pgmPgmFileRW file(write(line + recordLine(2, 6, {"\"DEF\"", "34"})).c_str());
    ASSERT_EQ(file.ReadPgmFile(), 1);
    EXPECT_EQ(file.m_nHeaderLines, 0);
    EXPECT_EQ(file.m_nHeaderLength, 0);
    EXPECT_EQ(file.m_nNumberWidth, 6);
    EXPECT_EQ(file.m_nRecordLength, static_cast<int>(line.size()));
    EXPECT_EQ(file.m_nRecordCount, 2);
    EXPECT_EQ(file.m_nFieldCount, 3);
    EXPECT_EQ(file.m_nFileSize, static_cast<int>(2 * line.size()));
    EXPECT_EQ(file.m_pContents[file.m_nFileSize], '\0');
}

TEST_F(PgmFileRWTest, HeaderLinesAndFiveOrFourDigitRecordNumbers) {
    const std::string header = "\"C\",\"n:P0004:\"\r\n\"H\",\"some header\"\r\n";
    CTK73pgmPgmFileRW five(
        write(header + recordLine(1, 5, {"\"A\""}) + recordLine(2, 5, {"\"B\""})).c_str());
    ASSERT_EQ(five.ReadPgmFile(), 1);
    EXPECT_EQ(five.m_nHeaderLines, 2);
    EXPECT_EQ(five.m_nHeaderLength, static_cast<int>(header.size()));
    EXPECT_EQ(five.m_nNumberWidth, 5);
    EXPECT_EQ(five.m_nRecordCount, 2);

    CTK73pgmPgmFileRW four(write("title\r\n" + recordLine(1, 4, {"1"}) + recordLine(2, 4, {"2"}) +
                                 recordLine(3, 4, {"3"}))
                               .c_str());
    ASSERT_EQ(four.ReadPgmFile(), 1);
    EXPECT_EQ(four.m_nHeaderLines, 1);
    EXPECT_EQ(four.m_nNumberWidth, 4);
    EXPECT_EQ(four.m_nRecordLength, 8);
    EXPECT_EQ(four.m_nRecordCount, 3);
}

TEST_F(PgmFileRWTest, CountsOnlyWholeRecordLinesThatCarryTheirNumber) {
    const std::string records = recordLine(1, 6, {"\"AA\""}) + recordLine(2, 6, {"\"BB\""});
    // A cut last line: the count is the whole lines.
    CTK73pgmPgmFileRW cut(write(records + "000003,\"C").c_str());
    ASSERT_EQ(cut.ReadPgmFile(), 1);
    EXPECT_EQ(cut.m_nRecordCount, 2);

    // A trailer line of record length that is no record: one less.
    CTK73pgmPgmFileRW trailer(write(records + "END OF FILE\r\n").c_str());
    ASSERT_EQ(trailer.ReadPgmFile(), 1);
    EXPECT_EQ(trailer.m_nRecordCount, 2);

    // The only record line lacks its line end.
    CTK73pgmPgmFileRW single(write("000001,\"AA\"").c_str());
    ASSERT_EQ(single.ReadPgmFile(), 1);
    EXPECT_EQ(single.m_nRecordCount, 0);
}

TEST_F(PgmFileRWTest, QuotedFieldsCountAsOneTokenEachWithCommasAndQuotesInside) {
    CTK73pgmPgmFileRW file(
        write(recordLine(1, 6, {"\"a,b\"", "\"say \"hi\"\"", "plain", "\"\""})).c_str());
    ASSERT_EQ(file.ReadPgmFile(), 1);
    EXPECT_EQ(file.m_nFieldCount, 5);
}

TEST_F(PgmFileRWTest, RefusesFilesWithoutARecordLine) {
    for (const std::string& bytes :
         {std::string(), std::string("\"C\",\"title\"\r\n\"H\",\"x\"\r\n"),
          std::string("\"C\",\"title\""), std::string("1,2,3\r\n"),
          std::string("\x7f\x45\x4c\x46\x02\x01\x01\0\0\0\xff\xfe\r\n\x01", 15)}) {
        CTK73pgmPgmFileRW file(write(bytes).c_str());
        EXPECT_EQ(file.ReadPgmFile(), 0) << bytes;
        EXPECT_EQ(file.m_pContents, nullptr);
        EXPECT_EQ(file.m_nRecordCount, 0);
    }
}

TEST_F(PgmFileRWTest, RefusesMissingFoldersOversizedFilesAndOverlongPaths) {
    CTK73pgmPgmFileRW missing(env_.path("none.txt").c_str());
    EXPECT_EQ(missing.ReadPgmFile(), 0);
    CTK73pgmPgmFileRW folder(env_.path("").c_str());
    EXPECT_EQ(folder.ReadPgmFile(), 0);

    // A sparse file beyond the sizes that a program file's counts can hold.
    const std::string huge = env_.path("huge.txt");
    tk73test::TempEnvironment::writeFile(huge, recordLine(1, 6, {"1"}));
    std::filesystem::resize_file(huge, 3ULL << 30);
    CTK73pgmPgmFileRW oversized(huge.c_str());
    EXPECT_EQ(oversized.ReadPgmFile(), 0);

    const std::string longPath = env_.path(std::string(300, 'x'));
    CTK73pgmPgmFileRW tooLong(longPath.c_str());
    EXPECT_EQ(tooLong.ReadPgmFile(), 0);
    EXPECT_EQ(tooLong.WritePgmFile(), 0);
}

TEST_F(PgmFileRWTest, ReadsOnceAndWritesChangedBytesBack) {
    const std::string original = recordLine(1, 6, {"\"AA\""}) + recordLine(2, 6, {"\"BB\""});
    const std::string path = write(original);
    CTK73pgmPgmFileRW file(path.c_str());
    EXPECT_EQ(file.WritePgmFile(), 0);
    ASSERT_EQ(file.ReadPgmFile(), 1);
    EXPECT_EQ(file.ReadPgmFile(), 0);

    file.m_pContents[file.m_nHeaderLength + file.m_nRecordLength + 8] = 'X';
    ASSERT_EQ(file.WritePgmFile(), 1);
    std::string expected = original;
    expected[static_cast<size_t>(file.m_nRecordLength) + 8] = 'X';
    EXPECT_EQ(tk73test::TempEnvironment::readFile(path), expected);
}

TEST_F(PgmFileRWTest, FailedWriteLeavesNothingBehind) {
    const std::string path = write(recordLine(1, 6, {"\"AA\""}));
    CTK73pgmPgmFileRW file(path.c_str());
    ASSERT_EQ(file.ReadPgmFile(), 1);
    // The file became a folder with contents, which no file can replace.
    std::filesystem::remove(path);
    tk73test::TempEnvironment::writeFile(path + "/inner.txt", "x");
    EXPECT_EQ(file.WritePgmFile(), 0);
    EXPECT_EQ(tk73test::TempEnvironment::readFile(path + "/inner.txt"), "x");
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(env_.root())) {
        ++entries;
    }
    // The test environment's own folders and the folder that took the file's place.
    EXPECT_EQ(entries, 6);
}

}  // namespace
