// Archives written from the active store and opened as a fresh working store, in the default
// layout of a staged installation with the converter.

#include "operations/ops_crp.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <map>

#include "archive/pack_archive.h"
#include "archive/testing/staged_store.h"
#include "base/install_folders.h"
#include "base/testing/scripted_user_interaction.h"
#include "definitions/def_reg.h"
#include "operations/ops_crz.h"
#include "operations/working_store.h"
#include "platform/api.h"
#include "platform/ini_profile.h"
#include "storedb/edb_model.h"
#include "storedb/edb_store.h"

namespace {

namespace fs = std::filesystem;
using archivetest::StagedInstallation;
using Files = std::map<std::string, std::string>;

constexpr int kKR301 = archivetest::kKR301;  // the installation's default register model
constexpr int kKR420 = archivetest::kKR420;
constexpr int kVK500 = archivetest::kVK500;

std::string read(const std::string& file) {
    return tk73test::TempEnvironment::readFile(file);
}

void write(const std::string& file, const std::string& bytes) {
    tk73test::TempEnvironment::writeFile(file, bytes);
}

void replaceIn(const std::string& file, const std::string& from, const std::string& to) {
    std::string text = read(file);
    const size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
    write(file, text);
}

std::string dataBaseFolder() {
    char folder[TK73_MAX_PATH] = {};
    EXPECT_EQ(AecrbsGetTK73DataBasePath(folder), 1);
    return folder;
}

// Every file below the folder with its bytes, by relative path; but the converter's log, which a
// refused conversion leaves in the database folder for the user to read.
Files tree(const std::string& folder) {
    Files files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.path().filename() == "ECR.LOG") {
            continue;
        }
        files[fs::relative(entry.path(), folder).string()] =
            entry.is_regular_file() ? read(entry.path().string()) : "<dir>";
    }
    return files;
}

bool writeAll(const std::string& path, const std::string& text) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    const bool written =
        fd >= 0 && ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    return ::close(fd) == 0 && written;
}

// Runs work in a child process in which the folder is a file system of its own, holding the
// folder's files and room for about `room` bytes more: a disk that fills part-way. The child's
// exit code (work's result); 77 when this machine lets no test mount a file system.
int onNearlyFullDisk(const std::string& folder, size_t room, const std::function<int()>& work) {
    const pid_t child = ::fork();
    if (child == 0) {
        const uid_t uid = ::getuid();
        const gid_t gid = ::getgid();
        if (::unshare(CLONE_NEWNS) != 0) {
            // Without the right to mount, a user namespace of its own gives it.
            if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0 ||
                !writeAll("/proc/self/setgroups", "deny") ||
                !writeAll("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
                !writeAll("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1")) {
                ::_exit(77);
            }
        }
        const Files files = StagedInstallation::folderFiles(folder);
        size_t used = 0;
        for (const auto& [name, bytes] : files) {
            used += (bytes.size() + 4095) / 4096 * 4096;
        }
        const std::string size = "size=" + std::to_string(used + room);
        if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tk73", folder.c_str(), "tmpfs", 0, size.c_str()) != 0) {
            ::_exit(77);
        }
        for (const auto& [name, bytes] : files) {
            write(folder + "/" + name, bytes);
        }
        ::_exit(work());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

class ArchiveFiles : public ::testing::Test {
  protected:
    ArchiveFiles() : install_(0) {}

    // The working store afresh for the models, as New makes it.
    static void resetStore(int regModelNo, int vekModelNo) {
        MODEL_EDB reg;
        MODEL_EDB vek;
        ASSERT_EQ(CTK73edbModel().GetModelFromModelNo(regModelNo, &reg), 1);
        CTK73edbVekModel().GetModelFromModelNo(vekModelNo, &vek);
        ASSERT_EQ(tk73ops::ResetWorkingStore(0, reg, vek), 1);
    }
    static std::string mainte(int kind) {
        return StagedInstallation::mainteFolder(tk73ops::kWorkingStore, kind);
    }
    static STORE_EDB workingStore() {
        STORE_EDB store;
        EXPECT_EQ(CTK73edbStore().GetStoreFromStoreNo(tk73ops::kWorkingStore, &store), 1);
        return store;
    }
    static int open(const std::string& crp, int mode = 0) {
        char path[TK73_MAX_PATH] = {};
        crp.copy(path, crp.size());
        return CTK73opsCrp(mode).OpenCrpFile(path, 0, 0);
    }
    std::vector<std::string> messages() const {
        return ui_.textsOf(tk73test::InteractionKind::Message);
    }

    StagedInstallation install_;
    tk73test::ScriptedUserInteraction ui_;
};

TEST_F(ArchiveFiles, SavedStoreOpensAsAFreshStoreWithByteIdenticalProgramFiles) {
    for (const bool withVek : {false, true}) {
        SCOPED_TRACE(withVek ? "with a controller" : "without a controller");
        resetStore(kKR301, withVek ? kVK500 : 0);
        replaceIn(mainte(0) + "/FILE004P.TXT", "Sourdough loaf  ", "Country loaf    ");
        if (withVek) {
            replaceIn(mainte(1) + "/FILE004P.TXT", "Sourdough loaf  ", "Rye roll        ");
        }
        const Files savedRegister = StagedInstallation::programFiles(mainte(0));
        const Files savedVek = withVek ? StagedInstallation::programFiles(mainte(1)) : Files();
        const std::string crp = install_.path("card/shop.crp");
        ASSERT_EQ(CTK73opsCrp(0).SaveCrpFile(crp.c_str()), 1);
        // The register's part alone, or the controller's part directly behind it.
        CTK73packArchive archive;
        const unsigned long registerPart = archive.GetPartLength(crp.c_str());
        EXPECT_EQ(registerPart < fs::file_size(crp), withVek);
        if (withVek) {
            const std::string part = install_.path("part.bin");
            write(part, read(crp).substr(registerPart));
            uint8_t machineId = 0;
            ASSERT_EQ(archive.GetNextMacID(part.c_str(), &machineId), 1);
            EXPECT_EQ(machineId, 80) << "the controller's own binary file";
        }

        // Another store in its place: opening brings back the archive's models and files.
        resetStore(kKR420, 0);
        ASSERT_EQ(open(crp), 1);
        const STORE_EDB store = workingStore();
        EXPECT_EQ(store.regModelNo, kKR301);
        EXPECT_EQ(store.vekModelNo, withVek ? kVK500 : 0);
        EXPECT_EQ(CTK73edbStore().GetStoreCnt(), 1);
        EXPECT_EQ(StagedInstallation::programFiles(mainte(0)), savedRegister);
        if (withVek) {
            EXPECT_EQ(StagedInstallation::programFiles(mainte(1)), savedVek);
        }
    }
    char temp[TK73_MAX_PATH] = {};
    ASSERT_EQ(AecrbsGetTempPath(temp), 1);
    EXPECT_TRUE(tree(temp).empty()) << "nothing of the staging is left";
    EXPECT_FALSE(fs::exists(install_.path("card/shop.crp.new")));
    EXPECT_TRUE(messages().empty());
}

TEST_F(ArchiveFiles, DamagedOrForeignArchivesLeaveTheStoreByteIdentical) {
    resetStore(kKR301, kVK500);
    // A small archive of the clerk file alone, so that every cut length can be tried.
    char ini[TK73_MAX_PATH] = {};
    ASSERT_EQ(CTK73defReg("KR301", tk73ops::kWorkingStore, 0).GetDbIniFilePath(ini), 1);
    char vekIni[TK73_MAX_PATH] = {};
    ASSERT_EQ(CTK73defReg("VK500", tk73ops::kWorkingStore, 1).GetDbIniFilePath(vekIni), 1);
    const std::string vekFiles = read(vekIni);
    ASSERT_EQ(tk73_WritePrivateProfileStringA("CRP_FILES", "FILES", "7", ini), 1);
    ASSERT_EQ(tk73_WritePrivateProfileStringA("CRP_FILES", "FILES", "7", vekIni), 1);
    const std::string small = install_.path("card/small.crp");
    ASSERT_EQ(CTK73opsCrp(0).SaveCrpFile(small.c_str()), 1);
    write(vekIni, vekFiles);
    ASSERT_EQ(tk73_WritePrivateProfileStringA("CRP_FILES", "FILES", "1,4,7", ini), 1);
    const std::string full = install_.path("card/full.crp");
    ASSERT_EQ(CTK73opsCrp(0).SaveCrpFile(full.c_str()), 1);
    replaceIn(mainte(0) + "/FILE007P.TXT", "Manager     ", "Owner       ");

    const Files before = tree(dataBaseFolder());
    const std::string damaged = install_.path("card/damaged.crp");
    const auto refused = [&](const std::string& bytes, const std::string& what) {
        write(damaged, bytes);
        EXPECT_EQ(open(damaged), 0) << what;
        EXPECT_TRUE(tree(dataBaseFolder()) == before) << what;
    };
    // The small archive carries the controller's part too. Its register's part, cut at every
    // length, is refused; so is the whole cut anywhere in the controller's part.
    const std::string smallBytes = read(small);
    const unsigned long registerPart = CTK73packArchive().GetPartLength(small.c_str());
    ASSERT_LT(registerPart, smallBytes.size());
    for (size_t length = 0; length < smallBytes.size(); length += length < registerPart ? 1 : 7) {
        if (length != registerPart) {
            refused(smallBytes.substr(0, length), "cut at " + std::to_string(length));
        }
    }
    refused(smallBytes.substr(0, smallBytes.size() - 1), "the last byte cut");
    const std::string fullBytes = read(full);
    for (size_t at = 0; at < fullBytes.size(); at += 1 + at / 8) {
        std::string flipped = fullBytes;
        flipped[at] = static_cast<char>(flipped[at] ^ 0x20);
        refused(flipped, "flip at " + std::to_string(at));
    }
    refused(read(mainte(0) + "/FILE007P.TXT"), "a program text file");
    refused(std::string(2000, '\0'), "zeros");
    // An archive of another model, as the working store and loaded into the store (KR420) as the
    // professional layout loads it.
    resetStore(kKR420, 0);
    const std::string other = install_.path("card/other.crp");
    ASSERT_EQ(CTK73opsCrp(0).SaveCrpFile(other.c_str()), 1);
    const Files otherStore = tree(dataBaseFolder());
    EXPECT_EQ(open(other), 0);
    EXPECT_EQ(open(small, 2), 0);
    EXPECT_TRUE(tree(dataBaseFolder()) == otherStore);
    // Whatever was refused, the valid archive still opens.
    ASSERT_EQ(open(full), 1);
    EXPECT_EQ(read(mainte(0) + "/FILE007P.TXT").find("Owner"), std::string::npos);
    EXPECT_EQ(workingStore().vekModelNo, kVK500);
}

// The professional Open on a disk that fills part-way: the archive's files, larger than the
// store's, are refused whole and the store's files stay byte for byte; with room enough they all
// come in.
TEST_F(ArchiveFiles, AnOpenIntoTheStoreOnAFillingDiskPlacesEveryFileOrNone) {
    resetStore(kKR301, 0);
    const std::string plu = mainte(0) + "/FILE004P.TXT";
    const std::string names = mainte(0) + "/FILE001P.TXT";
    const std::string storePlu = read(plu);
    const std::string storeNames = read(names);
    std::string changedNames = storeNames;
    changedNames[changedNames.rfind('"') - 1] ^= 0x01;
    write(names, changedNames);
    const std::string crp = install_.path("card/shop.crp");
    ASSERT_EQ(CTK73opsCrp(0).SaveCrpFile(crp.c_str()), 1);
    const Files archived = StagedInstallation::folderFiles(mainte(0));
    // The store keeps ten PLU records only and its old names.
    size_t cut = 0;
    for (int line = 0; line < 13; ++line) {
        cut = storePlu.find('\n', cut) + 1;
    }
    write(plu, storePlu.substr(0, cut));
    write(names, storeNames);
    const Files before = StagedInstallation::folderFiles(mainte(0));

    // Nothing but the program files, not even a file of the placement, is left in the folder.
    const auto openAndCompare = [&](const Files& expected, int result) {
        return [&, expected, result] {
            return open(crp, 2) == result && StagedInstallation::folderFiles(mainte(0)) == expected
                       ? 0
                       : 1;
        };
    };
    const int refused = onNearlyFullDisk(mainte(0), 4096, openAndCompare(before, 0));
    if (refused == 77) {
        GTEST_SKIP() << "no file system can be mounted here";
    }
    EXPECT_EQ(refused, 0) << "a refused open leaves the store's files as they were";
    EXPECT_EQ(onNearlyFullDisk(mainte(0), 4 << 20, openAndCompare(archived, 1)), 0);
    EXPECT_TRUE(StagedInstallation::folderFiles(mainte(0)) == before) << "the disk was the child's";
}

TEST_F(ArchiveFiles, SaveAsksForANameAddsCrpAndOverwritesOnlyWhenTheUserAgrees) {
    resetStore(kKR301, 0);
    const std::string folder = install_.path("card");
    fs::create_directories(folder);
    ui_.choosePath(folder + "/shop");
    ASSERT_EQ(CTK73opsCrp(0).SaveCrpFile(""), 1);
    ASSERT_TRUE(fs::exists(folder + "/shop.crp"));
    const std::string first = read(folder + "/shop.crp");
    EXPECT_EQ(ui_.calls().at(0).types.at(0).patterns, "*.092");

    // The name exists: No shows the dialog again, where the user cancels.
    replaceIn(mainte(0) + "/FILE007P.TXT", "Manager     ", "Owner       ");
    ui_.choosePath(folder + "/shop");
    ui_.pressButton(tk73::Button::No);
    ui_.choosePath(std::nullopt);
    EXPECT_EQ(CTK73opsCrp(0).SaveCrpFile(""), 0);
    EXPECT_EQ(read(folder + "/shop.crp"), first);
    const std::vector<std::string> questions = ui_.textsOf(tk73test::InteractionKind::Question);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0], "shop.crp has already exist. Do you want to overwrite the file?\n");
    EXPECT_EQ(ui_.calls().back().kind, tk73test::InteractionKind::SaveFile);

    // Yes overwrites; a name with its own extension keeps it.
    ui_.choosePath(folder + "/shop.crp");
    ui_.pressButton(tk73::Button::Yes);
    ASSERT_EQ(CTK73opsCrp(0).SaveCrpFile(""), 1);
    EXPECT_NE(read(folder + "/shop.crp"), first);
    ui_.choosePath(folder + "/shop.092");
    ASSERT_EQ(CTK73opsCrp(0).SaveCrpFile(""), 1);
    EXPECT_EQ(read(folder + "/shop.092"), read(folder + "/shop.crp"));
    EXPECT_FALSE(fs::exists(folder + "/shop.092.crp"));

    // A save that cannot be written leaves the old archive whole.
    fs::create_directories(folder + "/blocked.crp.new");
    write(folder + "/blocked.crp", "old");
    EXPECT_EQ(CTK73opsCrp(0).SaveCrpFile((folder + "/blocked.crp").c_str()), 0);
    EXPECT_EQ(read(folder + "/blocked.crp"), "old");
}

TEST_F(ArchiveFiles, OpenWithoutAPathAsksForTheArchiveAndTellsACancelFromAFailure) {
    resetStore(kKR301, 0);
    const std::string crp = install_.path("card/shop.crp");
    ASSERT_EQ(CTK73opsCrp(0).SaveCrpFile(crp.c_str()), 1);
    replaceIn(mainte(0) + "/FILE007P.TXT", "Manager     ", "Owner       ");
    const Files before = tree(dataBaseFolder());
    char path[TK73_MAX_PATH] = {};
    ui_.choosePath(std::nullopt);
    EXPECT_EQ(CTK73opsCrp(0).OpenCrpFile(path, 0, 0), -1);
    EXPECT_TRUE(tree(dataBaseFolder()) == before);
    EXPECT_EQ(ui_.calls().back().types.at(0).patterns, "*.092");

    ui_.choosePath(install_.path("card/missing.crp"));
    EXPECT_EQ(CTK73opsCrp(0).OpenCrpFile(path, 0, 0), 0);
    EXPECT_TRUE(tree(dataBaseFolder()) == before);

    path[0] = '\0';
    ui_.choosePath(crp);
    ASSERT_EQ(CTK73opsCrp(0).OpenCrpFile(path, 0, 0), 1);
    EXPECT_EQ(std::string(path), crp);
    EXPECT_NE(read(mainte(0) + "/FILE007P.TXT").find("Manager     "), std::string::npos);
}

TEST_F(ArchiveFiles, PartialPluArchiveOfTheActiveStoreHoldsTheChosenRecords) {
    resetStore(kKR301, 0);
    replaceIn(mainte(0) + "/FILE004P.TXT", "Sourdough loaf  ", "Country loaf    ");
    const std::string plu = read(mainte(0) + "/FILE004P.TXT");
    const std::string crz = install_.path("card/part.crz");
    ASSERT_EQ(CTK73opsCrz().SaveCrzFile(crz.c_str(), 1, 3), 1);

    const std::string opened = install_.path("opened");
    fs::create_directories(opened);
    char ini[TK73_MAX_PATH] = {};
    ASSERT_EQ(CTK73defReg("KR301", tk73ops::kWorkingStore, 0).GetDbIniFilePath(ini), 1);
    ASSERT_EQ(CTK73packArchive(ini, opened.c_str(), 0).UnPackCrpFile(crz.c_str()), 1);
    size_t sixthLine = 0;
    for (int line = 0; line < 6; ++line) {
        sixthLine = plu.find('\n', sixthLine) + 1;
    }
    EXPECT_EQ(read(opened + "/FILE004P.TXT"), plu.substr(0, sixthLine));
    EXPECT_NE(plu.substr(0, sixthLine).find("Country loaf"), std::string::npos);
}

TEST_F(ArchiveFiles, RegisterModelsAreFoundByTheirRmCode) {
    CRPMODELDATA model{};
    ASSERT_EQ(CTK73opsCrp(0).GetCrpModelDataFromRmCode("KR4200", &model), 1);
    EXPECT_EQ(model.modelNo, kKR420);
    EXPECT_EQ(std::string(model.indentName), "KR420");
    EXPECT_EQ(model.idCode, 321);
    EXPECT_EQ(CTK73opsCrp(0).GetCrpModelDataFromRmCode("VK5000", &model), 0) << "a controller";
}

}  // namespace
