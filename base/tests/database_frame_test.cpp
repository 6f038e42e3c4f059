#include "base/database_frame.h"

#include <gtest/gtest.h>

#include <string>

#include "base/testing/scripted_user_interaction.h"
#include "base/tests/database_test.h"
#include "platform/ini_profile.h"

namespace {

using tk73test::FolderImage;
using tk73test::imageOf;
using tk73test::TempEnvironment;

class DatabaseFrame : public tk73test::DatabaseTest {
  protected:
    void TearDown() override { AecrdbDeleteDBC(frame_); }

    // Runs one operation as the store database does: a job with the backup folder argument.
    int run(int operation, const std::string& backup = "", bool dialog = false) {
        if (AecrdbStartDatabase(frame_, operation) == 0) {
            return -1;
        }
        EXPECT_NE(AecrdbSetDatabaseDialog(frame_, dialog ? 1 : 0), 0);
        if (!backup.empty()) {
            EXPECT_NE(AecrdbSetArgByString(frame_, "Backup", backup.c_str()), 0);
        }
        const int result = AecrdbExecuteDatabase(frame_);
        EXPECT_EQ(AecrdbEndDatabase(frame_), 1);
        return result;
    }

    std::string description(const char* key) const {
        char value[64];
        const std::string file = (backupFolder() / "ecrsbkup.ini").generic_string();
        tk73_GetPrivateProfileStringA("ECRSBACKUP", key, "", value, sizeof value, file.c_str());
        return value;
    }

    // Changes of every kind: a table rewritten, a table and a store folder added, a program file
    // changed and one removed.
    void changeTheDatabase() {
        TempEnvironment::writeFile(databaseFolder() / "STORE.edb", "StoreNo\r\n\"009\"\r\n");
        TempEnvironment::writeFile(databaseFolder() / "REGISTER.edb", "StoreNo\r\n");
        TempEnvironment::writeFile(databaseFolder() / "BRANCH.edb", "BranchNo\r\n\"005\"\r\n");
        TempEnvironment::writeFile(databaseFolder() / "S002/M001/FILE001P.TXT", "new");
        TempEnvironment::writeFile(databaseFolder() / "S001/M001/FILE004P.TXT", "changed");
        std::filesystem::remove(databaseFolder() / "S001/M001/FILE005P.TXT");
    }

    DBC* frame_ = nullptr;
};

TEST_F(DatabaseFrame, CreationNeedsADatabaseFolderAndFillsAnEmptyOneFromTheTemplate) {
    installString("DataBasePath", "");
    EXPECT_EQ(AecrdbCreateDBC(nullptr), nullptr);
    installString("DataBasePath", "DB");

    std::filesystem::create_directories(databaseFolder());
    TempEnvironment::writeFile(databaseFolder() / "VEK.edb", "old");
    frame_ = AecrdbCreateDBC(nullptr);
    ASSERT_NE(frame_, nullptr);
    EXPECT_EQ(table("STORE.edb"), kStoreTable);
    EXPECT_EQ(table("VEK.edb"), kVekTable);  // copied over what was there
    EXPECT_FALSE(std::filesystem::exists(databaseFolder() / "S001"));
    EXPECT_TRUE(std::filesystem::is_directory(tempFolder()));

    // A database with its store table is left alone.
    TempEnvironment::writeFile(databaseFolder() / "BRANCH.edb", "BranchNo\r\n");
    DBC* second = AecrdbCreateDBC(nullptr);
    EXPECT_EQ(table("BRANCH.edb"), "BranchNo\r\n");
    EXPECT_EQ(AecrdbCheckDatabaseDirectory(second), 0);  // the folder was there
    AecrdbDeleteDBC(second);
    EXPECT_EQ(AecrdbDeleteDBC(nullptr), 0);
}

TEST_F(DatabaseFrame, AMissingDatabaseFolderIsMadeFromTheWholeTemplate) {
    frame_ = AecrdbCreateDBC(nullptr);
    ASSERT_NE(frame_, nullptr);
    EXPECT_EQ(AecrdbCheckDatabaseDirectory(frame_), 1);
    EXPECT_EQ(imageOf(databaseFolder()), imageOf(templateFolder()));
    EXPECT_EQ(AecrdbCheckDatabaseDirectory(frame_), 0);
}

TEST_F(DatabaseFrame, AJobNeedsEveryJobTableAndAKnownOperation) {
    frame_ = openDatabase();
    std::filesystem::remove(databaseFolder() / "VEK.edb");
    EXPECT_EQ(AecrdbStartDatabase(frame_, AECRDB_SYSTEM_BACKUP), 0);
    // The frame stayed idle: the job-only operations do nothing.
    EXPECT_EQ(AecrdbSetArgByString(frame_, "Backup", "x"), 0);
    EXPECT_EQ(AecrdbSetDatabaseDialog(frame_, 1), 0);
    EXPECT_EQ(AecrdbSetOutFile(frame_, "out.txt"), 0);
    EXPECT_EQ(AecrdbExecuteDatabase(frame_), 0);
    EXPECT_EQ(AecrdbEndDatabase(frame_), 0);

    writeTables(databaseFolder());
    for (int code : {0, 7000100, 7000102, 7000701, 8000101}) {
        EXPECT_EQ(AecrdbStartDatabase(frame_, code), 0) << code;
    }
    EXPECT_EQ(AecrdbStartDatabase(nullptr, AECRDB_SYSTEM_BACKUP), 0);
    ASSERT_EQ(AecrdbStartDatabase(frame_, AECRDB_SYSTEM_BACKUP), 1);
    EXPECT_EQ(AecrdbStartDatabase(frame_, AECRDB_SYSTEM_RESTORE), 0);  // one job at a time
    EXPECT_EQ(AecrdbSetOutFile(frame_, "out.txt"), 1);
    EXPECT_EQ(AecrdbSetOutFile(frame_, nullptr), 1);
    EXPECT_EQ(AecrdbSetArgByInteger(frame_, "Count", 3), 1);
    EXPECT_EQ(AecrdbSetArgNull(frame_, "Count"), 1);
    EXPECT_EQ(AecrdbResetArgs(frame_), 1);
    EXPECT_EQ(AecrdbEndDatabase(frame_), 1);
    EXPECT_EQ(AecrdbEndDatabase(frame_), 0);
    // A job left running is ended with its frame.
    ASSERT_EQ(AecrdbStartDatabase(frame_, AECRDB_SYSTEM_BACKUP), 1);
}

TEST_F(DatabaseFrame, DataDeleteReportsFailureAfterShowingItsMessage) {
    frame_ = openDatabase();
    tk73test::ScriptedUserInteraction scripted;
    const FolderImage before = imageOf(databaseFolder());
    EXPECT_EQ(run(AECRDB_DATA_DELETE), 0);
    EXPECT_TRUE(scripted.calls().empty());
    EXPECT_EQ(run(AECRDB_DATA_DELETE, "", true), 0);
    const auto calls = scripted.calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].kind, tk73test::InteractionKind::Progress);
    EXPECT_EQ(calls[0].caption, "Database");
    EXPECT_EQ(calls[0].text, "Data Delete ...");
    EXPECT_EQ(imageOf(databaseFolder()), before);
}

TEST_F(DatabaseFrame, SystemRestoreBringsBackTheBackedUpDatabaseByteForByte) {
    frame_ = openDatabase();
    TempEnvironment::writeFile(databaseFolder() / "S001/M001/FILE005P.TXT", "tax\r\n");
    TempEnvironment::writeFile(databaseFolder() / "S003/O001/FILE001P.TXT", "vek\r\n");
    const FolderImage backedUp = imageOf(databaseFolder());

    tk73test::ScriptedUserInteraction scripted;
    // The command numbers as other programs pass them.
    EXPECT_EQ(run(7000201, backupFolder().generic_string(), true), 1);
    EXPECT_EQ(imageOf(backupFolder() / "ecrsbkup"), backedUp);
    EXPECT_EQ(description("BACKUPTYPE"), "SYSTEMBACKUP");
    EXPECT_EQ(description("BACKUPCODE"), "0200");
    EXPECT_EQ(description("BACKUPDATE").size(), 14u);

    changeTheDatabase();
    EXPECT_EQ(run(7000301, backupFolder().generic_string(), true), 1);
    EXPECT_EQ(imageOf(databaseFolder()), backedUp);
    EXPECT_EQ(scripted.textsOf(tk73test::InteractionKind::Progress),
              (std::vector<std::string>{"System Backup ...", "System Restore ..."}));

    // A second backup replaces the first one whole.
    TempEnvironment::writeFile(databaseFolder() / "S003/O001/FILE001P.TXT", "second\r\n");
    std::filesystem::remove_all(databaseFolder() / "S001");
    EXPECT_EQ(run(AECRDB_SYSTEM_BACKUP, backupFolder().generic_string()), 1);
    EXPECT_EQ(imageOf(backupFolder() / "ecrsbkup"), imageOf(databaseFolder()));
}

TEST_F(DatabaseFrame, ConnectRestoreTouchesOnlyTheRegisterAndStoreTables) {
    frame_ = openDatabase();
    tk73test::ScriptedUserInteraction scripted;
    // The command numbers as other programs pass them.
    EXPECT_EQ(run(7000501, backupFolder().generic_string(), true), 1);
    EXPECT_EQ(imageOf(backupFolder() / "ecrsbkup"),
              (FolderImage{{"REGISTER.edb", kRegisterTable}, {"STORE.edb", kStoreTable}}));
    EXPECT_EQ(description("BACKUPTYPE"), "CONNECTBACKUP");

    TempEnvironment::writeFile(databaseFolder() / "S001/M001/FILE005P.TXT", "kept");
    changeTheDatabase();
    FolderImage expected = imageOf(databaseFolder());
    expected["REGISTER.edb"] = kRegisterTable;
    expected["STORE.edb"] = kStoreTable;
    EXPECT_EQ(run(7000601, backupFolder().generic_string(), true), 1);
    EXPECT_EQ(imageOf(databaseFolder()), expected);
    EXPECT_EQ(scripted.textsOf(tk73test::InteractionKind::Progress),
              (std::vector<std::string>{"Connect Information Backup ...",
                                        "Connect Information Restore ..."}));
}

TEST_F(DatabaseFrame, ARestoreFromTheOtherBackupTypeChangesNothing) {
    frame_ = openDatabase();
    const std::string backup = backupFolder().generic_string();
    ASSERT_EQ(run(AECRDB_CONNECT_BACKUP, backup), 1);
    changeTheDatabase();
    const FolderImage changed = imageOf(databaseFolder());
    EXPECT_EQ(run(AECRDB_SYSTEM_RESTORE, backup), 0);
    EXPECT_EQ(imageOf(databaseFolder()), changed);

    ASSERT_EQ(run(AECRDB_SYSTEM_BACKUP, backup), 1);
    TempEnvironment::writeFile(databaseFolder() / "STORE.edb", "StoreNo\r\n\"010\"\r\n");
    const FolderImage changedAgain = imageOf(databaseFolder());
    EXPECT_EQ(run(AECRDB_CONNECT_RESTORE, backup), 0);
    EXPECT_EQ(imageOf(databaseFolder()), changedAgain);

    // A description of another layout is refused as well.
    EXPECT_NE(tk73_WritePrivateProfileStringA("ECRSBACKUP", "BACKUPCODE", "0100",
                                              (backupFolder() / "ecrsbkup.ini").c_str()),
              0);
    EXPECT_EQ(run(AECRDB_SYSTEM_RESTORE, backup), 0);
    EXPECT_EQ(imageOf(databaseFolder()), changedAgain);
}

TEST_F(DatabaseFrame, BackupsNeedABackupFolderApartFromTheDatabase) {
    frame_ = openDatabase();
    EXPECT_EQ(run(AECRDB_SYSTEM_BACKUP), 0);
    EXPECT_EQ(run(AECRDB_CONNECT_BACKUP), 0);
    EXPECT_EQ(run(AECRDB_SYSTEM_RESTORE, backupFolder().generic_string()), 0);  // no backup yet

    // A backup inside the database would be deleted by the restore that needs it.
    const FolderImage before = imageOf(databaseFolder());
    EXPECT_EQ(run(AECRDB_SYSTEM_BACKUP, databaseFolder().generic_string()), 0);
    EXPECT_EQ(run(AECRDB_SYSTEM_BACKUP, (databaseFolder() / "S001").generic_string()), 0);
    EXPECT_EQ(imageOf(databaseFolder()), before);
}

TEST_F(DatabaseFrame, TheBackupFolderMayComeFromTheCallersOwnList) {
    frame_ = openDatabase();
    ARGR* args = AecrbsCreateARGR(nullptr);
    EXPECT_NE(AecrbsSetArgByString(args, "Backup", backupFolder().generic_string().c_str()), 0);
    ASSERT_EQ(AecrdbStartDatabase(frame_, AECRDB_CONNECT_BACKUP), 1);
    EXPECT_EQ(AecrdbShareArgs(frame_, nullptr), 0);
    EXPECT_EQ(AecrdbShareArgs(frame_, args), 1);
    EXPECT_EQ(AecrdbExecuteDatabase(frame_), 1);
    EXPECT_EQ(AecrdbEndDatabase(frame_), 1);
    // The list is still the caller's.
    const char* value = nullptr;
    EXPECT_EQ(AecrbsGetArgByString(args, "Backup", &value), 1);
    EXPECT_EQ(std::string(value), backupFolder().generic_string());
    AecrbsDeleteARGR(args);
    EXPECT_TRUE(std::filesystem::exists(backupFolder() / "ecrsbkup/STORE.edb"));
}

TEST_F(DatabaseFrame, InitialiseReplacesTheDatabaseWithTheTemplate) {
    frame_ = openDatabase();
    changeTheDatabase();
    EXPECT_EQ(run(AECRDB_SYSTEM_INITIALIZE), 1);
    EXPECT_EQ(imageOf(databaseFolder()), imageOf(templateFolder()));
    EXPECT_TRUE(std::filesystem::is_directory(tempFolder()));

    // Without its template the database is not deleted in the first place.
    changeTheDatabase();
    const FolderImage changed = imageOf(databaseFolder());
    std::filesystem::remove_all(templateFolder());
    EXPECT_EQ(run(AECRDB_SYSTEM_INITIALIZE), 0);
    EXPECT_EQ(imageOf(databaseFolder()), changed);
}

}  // namespace
