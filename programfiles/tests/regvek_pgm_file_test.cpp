#include <gtest/gtest.h>

#include <filesystem>

#include "base/testing/scripted_user_interaction.h"
#include "platform/api.h"
#include "programfiles/pgm_file.h"
#include "programfiles/vek_pgm_file.h"
#include "storedb/edb_model.h"
#include "storedb/edb_store.h"
#include "storedb/testing/store_test_environment.h"

namespace {

using storetest::kKR301;
using storetest::kVK500;
using storetest::storeRecord;
using tk73test::TempEnvironment;

class ProgramFileLocations : public ::testing::Test {
  protected:
    void SetUp() override {
        CTK73edbModel first;
        CTK73edbStore stores;
        ASSERT_EQ(stores.AddStore(storeRecord(7, "Seven", kKR301, kVK500)), 1);
        ASSERT_EQ(stores.AddStore(storeRecord(8, "Eight", kKR301)), 1);
        // The store copies of the definitions, as a created store has them.
        for (const int storeNo : {7, 8}) {
            std::filesystem::create_directories(environment.storeFolder(storeNo) + "/M001");
            std::filesystem::copy_file(environment.modelFolder("KR301", 0) + "/KR301.INI",
                                       environment.storeFolder(storeNo) + "/M001/KR301.INI");
        }
    }

    std::string mainte(int storeNo, const char* part) const {
        return environment.storeFolder(storeNo) + "/" + part + "/MAINTE";
    }

    storetest::StoreTestEnvironment environment;
};

TEST_F(ProgramFileLocations, FoldersFollowTheStoreTheKindAndTheController) {
    char path[TK73_MAX_PATH] = {};
    const CTK73pgmPgmFile registers(7);
    ASSERT_EQ(registers.GetMaintePath(path, 0), 1);
    EXPECT_EQ(std::string(path), mainte(7, "M001"));
    EXPECT_FALSE(std::filesystem::exists(path));
    ASSERT_EQ(registers.GetDefaultPath(path), 1);
    EXPECT_EQ(std::string(path), environment.modelFolder("KR301", 0) + "/DEFAULTVEK");

    const CTK73pgmVekPgmFile veks(7);
    ASSERT_EQ(veks.GetMaintePath(path, 1), 1);
    EXPECT_EQ(std::string(path), mainte(7, "O001"));
    EXPECT_TRUE(std::filesystem::is_directory(path));
    ASSERT_EQ(veks.GetDefaultPath(path), 1);
    EXPECT_EQ(std::string(path), environment.modelFolder("VK500", 1) + "/DEFAULT");

    ASSERT_EQ(CTK73pgmPgmFile(8).GetDefaultPath(path), 1);
    EXPECT_EQ(std::string(path), environment.modelFolder("KR301", 0) + "/DEFAULT");
    // A store without a controller has no controller defaults.
    EXPECT_EQ(CTK73pgmVekPgmFile(8).GetDefaultPath(path), 0);
    EXPECT_STREQ(path, "");

    const CTK73pgmPgmFile none;
    EXPECT_EQ(none.GetStoreNo(), -1);
    EXPECT_EQ(none.GetMaintePath(path, 1), 0);
    EXPECT_EQ(none.GetDefaultPath(path), 0);
    EXPECT_EQ(CTK73pgmPgmFile(0).GetMaintePath(path, 0), 0);
}

TEST_F(ProgramFileLocations, NamesAndNumbers) {
    const CTK73pgmPgmFile files(7);
    char name[TK73_MAX_PATH] = {};
    ASSERT_EQ(files.CreatePgmFileName(12, name, 1), 1);
    EXPECT_STREQ(name, "FILE012P.TXT");
    ASSERT_EQ(files.CreatePgmFileName(4, name, 0), 1);
    EXPECT_STREQ(name, "FILE004P");
    ASSERT_EQ(files.CreatePgmFileName(4, name, 1, 1, 0), 1);
    EXPECT_STREQ(name, "FILE004P.DAT");
    ASSERT_EQ(files.CreatePgmFileName(4, name, 1, 0, 1), 1);
    EXPECT_EQ(std::string(name), mainte(7, "M001") + "/FILE004P.TXT");
    ASSERT_EQ(files.CreatePgmFileName(4, name, "/some/where", 1), 1);
    EXPECT_STREQ(name, "/some/where/FILE004P.TXT");
    // Without a store only the form with a folder of its own works.
    const CTK73pgmPgmFile none;
    EXPECT_EQ(none.CreatePgmFileName(4, name, nullptr, 0), 1);
    EXPECT_STREQ(name, "FILE004P");
    EXPECT_EQ(none.CreatePgmFileName(4, name, 1), 0);
    EXPECT_EQ(none.CreatePgmFileName(4, name, 1, 0, 1), 0);

    char text[12] = {};
    CTK73pgmRegVekPgmFile::ConvFileNoToString(12, text, 4);
    EXPECT_STREQ(text, "0012");
    CTK73pgmRegVekPgmFile::ConvFileNoToString(12, text, 40);
    EXPECT_STREQ(text, "00000000012");
    CTK73pgmRegVekPgmFile::ConvFieldNoToString(5, text);
    EXPECT_STREQ(text, "005");
    EXPECT_EQ(CTK73pgmRegVekPgmFile::ConvFileNoToInt("0012"), 12);
    EXPECT_EQ(CTK73pgmRegVekPgmFile::ConvFieldNoToInt("7x"), 7);
    EXPECT_EQ(CTK73pgmRegVekPgmFile::GetFileNoFromFileName("/db/S007/M001/MAINTE/FILE012P.TXT"),
              12);
    EXPECT_EQ(CTK73pgmRegVekPgmFile::GetFileNoFromFileName("C:\\DB\\FILE401P.DAT"), 401);
    EXPECT_EQ(CTK73pgmRegVekPgmFile::GetFileNoFromFileName("FILE"), 0);
    EXPECT_EQ(CTK73pgmRegVekPgmFile::GetFileNoFromFileName(nullptr), 0);
}

TEST_F(ProgramFileLocations, FullPathsAnswerWhetherTheFileExists) {
    const CTK73pgmPgmFile files(8);
    char path[TK73_MAX_PATH] = {};
    EXPECT_EQ(files.CreateDefaultFullPath(2, path), 1);
    EXPECT_EQ(std::string(path), environment.modelFolder("KR301", 0) + "/DEFAULT/FILE002P.TXT");
    EXPECT_EQ(files.CreateDefaultFullPath(9, path), 0);
    EXPECT_EQ(files.CreateMainteFullPath(2, path), 0);
    EXPECT_EQ(std::string(path), mainte(8, "M001") + "/FILE002P.TXT");
    TempEnvironment::writeFile(path, "x");
    EXPECT_EQ(files.CreateMainteFullPath(2, path), 1);
}

TEST_F(ProgramFileLocations, DefaultsAreCopiedWithoutOverwritingUnlessAsked) {
    const CTK73pgmPgmFile files(8);
    TempEnvironment::writeFile(mainte(8, "M001") + "/FILE002P.TXT", "mine\r\n");
    ASSERT_EQ(files.CopyPgmFileDefaultToMainte(-1, 0), 1);
    EXPECT_EQ(TempEnvironment::readFile(mainte(8, "M001") + "/FILE001P.TXT"),
              "DEFAULT FILE001\r\n0001,0000\r\n");
    EXPECT_EQ(TempEnvironment::readFile(mainte(8, "M001") + "/FILE002P.TXT"), "mine\r\n");
    EXPECT_TRUE(std::filesystem::exists(mainte(8, "M001") + "/FILE003P.TXT"));

    ASSERT_EQ(files.CopyPgmFileDefaultToMainte(2, 1), 1);
    EXPECT_EQ(TempEnvironment::readFile(mainte(8, "M001") + "/FILE002P.TXT"),
              "DEFAULT FILE002\r\n0001,0000\r\n");
    // A file without a default is passed over.
    EXPECT_EQ(files.CopyPgmFileDefaultToMainte(9, 1), 1);
    EXPECT_FALSE(std::filesystem::exists(mainte(8, "M001") + "/FILE009P.TXT"));

    // The register of a store with a controller gets the defaults made for it.
    ASSERT_EQ(CTK73pgmPgmFile(7).CopyPgmFileDefaultToMainte(1, 0), 1);
    EXPECT_EQ(TempEnvironment::readFile(mainte(7, "M001") + "/FILE001P.TXT"),
              "DEFAULTVEK FILE001\r\n0001,0000\r\n");
    EXPECT_EQ(CTK73pgmPgmFile().CopyPgmFileDefaultToMainte(-1, 1), 0);
}

TEST_F(ProgramFileLocations, TheControllerCopiesTheFilesOfItsOwnDefinition) {
    std::filesystem::create_directories(environment.storeFolder(7) + "/O001");
    std::filesystem::copy_file(environment.modelFolder("VK500", 1) + "/VK500.INI",
                               environment.storeFolder(7) + "/O001/VK500.INI");
    ASSERT_EQ(CTK73pgmVekPgmFile(7).CopyPgmFileDefaultToMainte(-1, 0), 1);
    EXPECT_EQ(environment.listing(mainte(7, "O001")),
              (std::vector<std::string>{"FILE401P.TXT", "FILE402P.TXT"}));
}

TEST_F(ProgramFileLocations, AMaintenanceFolderThatCannotBeMadeFailsTheCopy) {
    // A file where the store's register folder should be.
    std::filesystem::remove_all(environment.storeFolder(8) + "/M001");
    TempEnvironment::writeFile(environment.storeFolder(8) + "/M001", "not a folder");
    EXPECT_EQ(CTK73pgmPgmFile(8).CopyPgmFileDefaultToMainte(1, 0), 0);

    // A file under the maintenance folder's own name is no folder either.
    TempEnvironment::writeFile(mainte(7, "M001"), "not a folder");
    char path[TK73_MAX_PATH] = {};
    EXPECT_EQ(CTK73pgmPgmFile(7).GetMaintePath(path, 1), 0);
    EXPECT_EQ(CTK73pgmPgmFile(7).GetMaintePath(path, 0), 1);
}

TEST_F(ProgramFileLocations, IncomingFilesAreCheckedAgainstTheWorkingCopy) {
    tk73test::ScriptedUserInteraction ui;
    const CTK73pgmPgmFile files(8);
    const std::string current = environment.temp().path("current.txt");
    const std::string incoming = environment.temp().path("incoming.txt");
    TempEnvironment::writeFile(current, "Header A\r\n0001\r\n");

    TempEnvironment::writeFile(incoming, "HEADER a\n0002\n");
    EXPECT_EQ(files.DiffPgmFile(1, current.c_str(), incoming.c_str(), "Load"), 1);
    EXPECT_TRUE(ui.calls().empty());

    // A data file of the same size is taken after the warning about its first line.
    TempEnvironment::writeFile(incoming, "Other   \r\n0002\r\n");
    EXPECT_EQ(files.DiffPgmFile(3, current.c_str(), incoming.c_str(), "Load"), 1);
    ASSERT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(ui.calls()[0].text, "Read data is invaid data type.");
    EXPECT_EQ(ui.calls()[0].caption, "Load");
    EXPECT_EQ(ui.calls()[0].icon, tk73::MessageIcon::Exclamation);

    // A data file that grows is refused; another file that grows is taken.
    TempEnvironment::writeFile(incoming, "Header A\r\n0001\r\n0002\r\n");
    EXPECT_EQ(files.DiffPgmFile(3, current.c_str(), incoming.c_str(), "Load"), 0);
    EXPECT_EQ(ui.calls().back().text, "Read data is too large to read.");
    EXPECT_EQ(files.DiffPgmFile(2, current.c_str(), incoming.c_str(), "Load"), 1);
    EXPECT_EQ(ui.calls().size(), 2u);

    // Missing, empty or unreadable files and a missing store give 0 without a word.
    const std::string empty = environment.temp().path("empty.txt");
    TempEnvironment::writeFile(empty, "");
    EXPECT_EQ(files.DiffPgmFile(2, current.c_str(), empty.c_str(), "Load"), 0);
    EXPECT_EQ(files.DiffPgmFile(2, current.c_str(), "/no/such/file", "Load"), 0);
    EXPECT_EQ(
        files.DiffPgmFile(2, current.c_str(), environment.temp().path("temp").c_str(), "Load"), 0);
    EXPECT_EQ(CTK73pgmPgmFile().DiffPgmFile(2, current.c_str(), incoming.c_str(), "Load"), 0);
    EXPECT_EQ(ui.calls().size(), 2u);
}

TEST_F(ProgramFileLocations, CaseIsIgnoredOnlyInSingleByteCharacters) {
    tk73test::ScriptedUserInteraction ui;
    const CTK73pgmPgmFile files(8);
    const std::string current = environment.temp().path("current.txt");
    const std::string incoming = environment.temp().path("incoming.txt");
    // 0x82 0x61 and 0x82 0x41 are two different double-byte characters.
    TempEnvironment::writeFile(current, "\x82\x61\r\n");
    TempEnvironment::writeFile(incoming, "\x82\x41\r\n");
    EXPECT_EQ(files.DiffPgmFile(1, current.c_str(), incoming.c_str(), "Load"), 1);
    EXPECT_EQ(ui.textsOf(tk73test::InteractionKind::Message),
              std::vector<std::string>{"Read data is invaid data type."});
}

}  // namespace
