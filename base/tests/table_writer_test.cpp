#include "base/table_writer.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdlib>
#include <iterator>
#include <regex>
#include <string>

#include "base/table_reader.h"
#include "base/tests/database_test.h"
#include "tests/support/ended_process.h"

namespace {

class TableWriter : public tk73test::DatabaseTest {
  protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        frame_ = openDatabase();
    }
    void TearDown() override { AecrdbDeleteDBC(frame_); }

    // The files the writers left in the suite's temporary folder.
    int tempFiles() const {
        int count = 0;
        for ([[maybe_unused]] const auto& entry :
             std::filesystem::directory_iterator(tempFolder())) {
            ++count;
        }
        return count;
    }

    // Run in a child process: 0 when rewriting the store table failed and left it as it was.
    int rewriteStoresOnAFullDisk(const std::string& before) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{16384, 16384};
        setrlimit(RLIMIT_FSIZE, &limit);
        SFW* writer = AecrdbCreateSFW(frame_, "STORE");
        if (writer == nullptr) {
            return 1;
        }
        for (int store = 1; store <= 500; ++store) {
            // The disk fills part way; the parent checks what the table became.
            (void)AecrdbSetDataSFW(writer, "StoreNo", std::to_string(store).c_str());
            (void)AecrdbSetDataSFW(writer, "StoreName", std::string(100, 'n').c_str());
            (void)AecrdbWriteRecordSFW(writer);
        }
        if (AecrdbDeleteSFW(writer) != 0) {
            return 2;
        }
        return table("STORE.edb") == before ? 0 : 3;
    }

    DBC* frame_ = nullptr;
};

TEST_F(TableWriter, WritesEveryColumnQuotedInDefinitionOrder) {
    SFW* writer = AecrdbCreateSFW(frame_, "BRANCH");
    ASSERT_NE(writer, nullptr);
    EXPECT_EQ(AecrdbSetDataSFW(writer, "Update", "20240102"), 1);
    EXPECT_EQ(AecrdbSetDataSFW(writer, "BranchNo", "002"), 1);
    EXPECT_EQ(AecrdbSetDataSFW(writer, "BranchName", "South \"A\", old"), 1);
    EXPECT_EQ(AecrdbSetDataSFW(writer, "Clerk", ""), 1);
    EXPECT_EQ(AecrdbSetDataSFW(writer, "NoSuchColumn", "x"), 1);  // ignored
    EXPECT_EQ(AecrdbSetDataSFW(writer, "", "x"), 0);
    EXPECT_EQ(AecrdbWriteRecordSFW(writer), 1);
    // The record starts empty again: every column null.
    EXPECT_EQ(AecrdbSetNullSFW(writer, "Comment"), 1);
    EXPECT_EQ(AecrdbWriteRecordSFW(writer), 1);
    // Nothing reaches the table before the writer is deleted.
    EXPECT_EQ(table("BRANCH.edb"), kBranchTable);
    EXPECT_EQ(AecrdbDeleteSFW(writer), 1);
    EXPECT_EQ(table("BRANCH.edb"),
              "BranchNo,BranchName,Clerk,Comment,Update\r\n"
              "\"002\",\"South \"\"A\"\", old\",\"\",,\"20240102\"\r\n"
              ",,,,\r\n");
    EXPECT_EQ(tempFiles(), 0);
}

// A writer killed while it collects a table leaves its collecting file in the temporary folder.
// The file's name carries the writer's process id, and the next complete write removes those of
// processes that no longer run; files of live writers and other names stay.
TEST_F(TableWriter, ACompleteWriteRemovesTheCollectingFilesOfDeadWritersOnly) {
    const pid_t dead = tk73test::endedProcessId();
    ASSERT_GT(dead, 0);
    const std::filesystem::path folder = tempFolder();
    const std::string deadStem = "Aecrdb" + std::to_string(dead) + "-";
    const std::string leftovers[] = {deadStem + "12071741360000.edb", deadStem + "0.edb"};
    const std::string kept[] = {"Aecrdb" + std::to_string(getppid()) + "-12071741360000.edb",
                                "Aecrdb12071741360000.edb", deadStem + "12071741360000.csv",
                                deadStem + "1207174136x000.edb",
                                "Aecrbs" + deadStem.substr(6) + "12071741360000.edb"};
    for (const auto& name : leftovers) {
        tk73test::TempEnvironment::writeFile(folder / name, "half a table");
    }
    for (const auto& name : kept) {
        tk73test::TempEnvironment::writeFile(folder / name, "other");
    }
    // A write that fails removes nothing.
    SFW* failing = AecrdbCreateSFW(frame_, "BRANCH");
    EXPECT_NE(AecrdbSetDataSFW(failing, "Comment", std::string(5000, 'c').c_str()), 0);
    EXPECT_EQ(AecrdbWriteRecordSFW(failing), 0);
    EXPECT_EQ(AecrdbDeleteSFW(failing), 0);
    EXPECT_TRUE(std::filesystem::exists(folder / leftovers[0]));

    SFW* writer = AecrdbCreateSFW(frame_, "BRANCH");
    ASSERT_NE(writer, nullptr);
    // This writer's own collecting file is named after it.
    const std::regex own("Aecrdb" + std::to_string(getpid()) + R"(-\d{14}\.edb)");
    int owned = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        owned += std::regex_match(entry.path().filename().string(), own) ? 1 : 0;
    }
    EXPECT_EQ(owned, 1);
    EXPECT_EQ(AecrdbDeleteSFW(writer), 1);
    for (const auto& name : leftovers) {
        EXPECT_FALSE(std::filesystem::exists(folder / name)) << name;
    }
    for (const auto& name : kept) {
        EXPECT_TRUE(std::filesystem::exists(folder / name)) << name;
    }
    EXPECT_EQ(tempFiles(), static_cast<int>(std::size(kept)));
}

TEST_F(TableWriter, RewritingAReorderedTablePutsTheColumnsBackInOrder) {
    tk73test::TempEnvironment::writeFile(
        databaseFolder() / "REGISTER.edb",
        "IPAddr,RegNo,StoreNo\r\n\"10.0.0.5\",\"003\",\"001\"\r\n\"10.0.0.6\",\"004\",\"001\"\r\n");
    SFR* reader = AecrdbCreateSFR(frame_, "REGISTER");
    const int records = AecrdbReadRecordSFR(reader);
    ASSERT_EQ(records, 2);
    SFW* writer = AecrdbCreateSFW(frame_, "REGISTER");
    for (int record = 1; record <= records; ++record) {
        for (const char* column : {"StoreNo", "RegNo", "RegName", "OperateStatus", "IPAddr"}) {
            char value[TK73_TABLE_FIELD_SIZE];
            int isNull = 1;
            EXPECT_NE(AecrdbGetDataSFR(reader, column, record, value), 0);
            EXPECT_NE(AecrdbGetNullSFR(reader, column, record, &isNull), 0);
            EXPECT_NE(AecrdbSetDataSFW(writer, column, isNull ? nullptr : value), 0);
        }
        EXPECT_NE(AecrdbWriteRecordSFW(writer), 0);
    }
    AecrdbDeleteSFR(reader);
    EXPECT_EQ(AecrdbDeleteSFW(writer), 1);
    EXPECT_EQ(table("REGISTER.edb"),
              "StoreNo,RegNo,RegName,OperateStatus,IPAddr,Update\r\n"
              "\"001\",\"003\",,,\"10.0.0.5\",\r\n"
              "\"001\",\"004\",,,\"10.0.0.6\",\r\n");
}

TEST_F(TableWriter, UnknownTablesAndMissingFramesAreRefused) {
    EXPECT_EQ(AecrdbCreateSFW(frame_, "CLERK"), nullptr);
    EXPECT_EQ(AecrdbCreateSFW(nullptr, "STORE"), nullptr);
    EXPECT_EQ(AecrdbWriteRecordSFW(nullptr), 0);
    EXPECT_EQ(AecrdbDeleteSFW(nullptr), 0);
    EXPECT_EQ(tempFiles(), 0);
}

// A record that cannot be written would silently drop a store or a register from the table: the
// writer keeps the old table instead.
TEST_F(TableWriter, ARecordThatCannotBeWrittenKeepsTheOldTable) {
    SFW* writer = AecrdbCreateSFW(frame_, "STORE");
    EXPECT_NE(AecrdbSetDataSFW(writer, "StoreNo", "002"), 0);
    EXPECT_EQ(AecrdbWriteRecordSFW(writer), 1);
    EXPECT_NE(AecrdbSetDataSFW(writer, "StoreNo", "003"), 0);
    EXPECT_NE(AecrdbSetDataSFW(writer, "Comment", std::string(5000, 'c').c_str()), 0);
    EXPECT_EQ(AecrdbWriteRecordSFW(writer), 0);
    EXPECT_NE(AecrdbSetDataSFW(writer, "StoreNo", "004"), 0);
    EXPECT_EQ(AecrdbWriteRecordSFW(writer), 1);
    EXPECT_EQ(AecrdbDeleteSFW(writer), 0);
    EXPECT_EQ(table("STORE.edb"), kStoreTable);
    EXPECT_EQ(tempFiles(), 0);
}

TEST_F(TableWriter, AMissingDatabaseFolderFailsTheReplacement) {
    SFW* writer = AecrdbCreateSFW(frame_, "VEK");
    ASSERT_NE(writer, nullptr);
    std::filesystem::remove_all(databaseFolder());
    EXPECT_EQ(AecrdbDeleteSFW(writer), 0);
    EXPECT_FALSE(std::filesystem::exists(databaseFolder()));
    EXPECT_EQ(tempFiles(), 0);
}

// A full disk, played by a file size limit in a child process: the table file is the old one,
// whole, and the failure is reported.
TEST_F(TableWriter, AFullDiskKeepsTheOldTable) {
    const std::string before = table("STORE.edb");
    EXPECT_EXIT(std::exit(rewriteStoresOnAFullDisk(before)), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(table("STORE.edb"), before);
}

}  // namespace
