#include <fcntl.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>

#include "archive/testing/staged_store.h"
#include "base/install_folders.h"
#include "base/registry_settings.h"
#include "base/table_reader.h"
#include "network/file_conversion.h"
#include "platform/ini_profile.h"
#include "platform/registry_hive.h"
#include "platform/running_program.h"
#include "programfiles/pgm_file_rw.h"
#include "tests/crash/crash_files.h"

namespace {

// The files the writer replaces, each with its contents after a complete write of generation
// 0 and of generation 1.
struct WrittenFile {
    std::string path;
    std::string contents[2];
};

// A bit for each kind of write the writer makes.
constexpr int kEveryKind = 0b111111;

std::string folderOf(int (*get)(char*)) {
    char folder[TK73_MAX_PATH] = {};
    return get(folder) == 1 ? std::string(folder) : std::string();
}

class CrashConsistency : public ::testing::Test {
  protected:
    void SetUp() override {
        // A store with a controller, whose part the archive save appends to the register's
        // beside the target: the half-made archive lives there long enough for kills to find it.
        char store[16];
        std::snprintf(store, sizeof store, "%03d",
                      install_.createStore(archivetest::kKR301, archivetest::kVK500));
        ASSERT_EQ(AecrbsSetDesktopRegister("001", store, "001"), 1);
        const std::string mainte =
            archivetest::StagedInstallation::mainteFolder(std::atoi(store), 0);
        const std::string received = mainte + "/FILE005P.TXT";
        std::string program = "\"C\",\"n:P0004:\"\r\n";
        for (int record = 1; record <= tk73crash::kProgramRecords; ++record) {
            char number[8];
            std::snprintf(number, sizeof number, "%06d", record);
            program += std::string(number) + "," + std::string(tk73crash::kItemWidth, '-') + "\r\n";
        }
        tk73test::TempEnvironment::writeFile(inFolder(tk73crash::kProgramFile), program);
        // The register's department files as the LAN service receives them: the store's file of
        // each generation packed as the service sends it.
        for (int generation = 0; generation < 2; ++generation) {
            tk73test::TempEnvironment::writeFile(received, tk73crash::receivedText(generation));
            ASSERT_EQ(TK73ssl_PackBinFile(tk73crash::receivedSource(folder(), generation).c_str(),
                                          tk73crash::kReceivedFileNo),
                      1);
        }
        files_ = {{databaseFolder() + "/BRANCH.edb", {}},
                  {tk73::registryHiveFile(tk73::Hive::User), {}},
                  {inFolder(tk73crash::kDefinitionFile), {}},
                  {inFolder(tk73crash::kProgramFile), {}},
                  {inFolder(tk73crash::kArchive), {}},
                  {received, {}}};
        for (int generation = 0; generation < 2; ++generation) {
            ASSERT_EQ(runWriter(std::to_string(generation), 0), 0);
            for (WrittenFile& file : files_) {
                file.contents[generation] = tk73test::TempEnvironment::readFile(file.path);
                ASSERT_NE(file.contents[generation], "") << file.path;
            }
            ASSERT_EQ(files_.back().contents[generation], tk73crash::receivedText(generation));
        }
    }

    std::string folder() const { return install_.path("crash"); }
    std::string inFolder(const char* name) const { return folder() + "/" + name; }
    static std::string databaseFolder() { return folderOf(AecrbsGetTK73DataBasePath); }
    const std::string& receivedFile() const { return files_.back().path; }

    // Runs the writer; with a delay it is killed with SIGKILL after that many microseconds, and
    // with a size limit no file it writes grows past that many bytes, as on a full disk. Its exit
    // status, or -SIGKILL when it was killed.
    int runWriter(const std::string& mode, int killAfterMicroseconds, rlim_t sizeLimit = 0) {
        const std::string program = tk73::runningProgramFolder() + "/crash_writer";
        const std::string target = folder();
        const pid_t child = fork();
        if (child == 0) {
            const rlimit limit{sizeLimit, sizeLimit};
            if (sizeLimit > 0 &&
                (signal(SIGXFSZ, SIG_IGN) == SIG_ERR || setrlimit(RLIMIT_FSIZE, &limit) != 0)) {
                _exit(126);
            }
            execl(program.c_str(), program.c_str(), target.c_str(), mode.c_str(), nullptr);
            _exit(127);
        }
        if (killAfterMicroseconds > 0) {
            std::this_thread::sleep_for(std::chrono::microseconds(killAfterMicroseconds));
            kill(child, SIGKILL);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return WIFSIGNALED(status) ? -WTERMSIG(status) : WEXITSTATUS(status);
    }

    // The generation each file holds, -1 for one that is neither; the readers must load it.
    std::map<std::string, int> generations() const {
        std::map<std::string, int> found;
        for (const WrittenFile& file : files_) {
            const std::string now = tk73test::TempEnvironment::readFile(file.path);
            found[file.path] = now == file.contents[0] ? 0 : now == file.contents[1] ? 1 : -1;
        }
        return found;
    }

    // Whether the suite's readers load the files as of their generations.
    bool readersLoad(const std::map<std::string, int>& found) const {
        DBC* frame = AecrdbCreateDBC(nullptr);
        SFR* table = AecrdbCreateSFR(frame, "BRANCH");
        const int branches = AecrdbReadRecordSFR(table);
        AecrdbDeleteSFR(table);
        AecrdbDeleteDBC(frame);
        const int hive = found.at(tk73::registryHiveFile(tk73::Hive::User));
        const std::optional<tk73::RegistryValue> value =
            tk73::registryReadValue(tk73::Hive::User, tk73crash::kHiveKey, "Text");
        char text[8];
        tk73_GetPrivateProfileStringA("Model", "Text", "", text, sizeof text,
                                      inFolder(tk73crash::kDefinitionFile).c_str());
        CTK73pgmPgmFileRW program(inFolder(tk73crash::kProgramFile).c_str());
        CTK73pgmPgmFileRW received(receivedFile().c_str());
        return branches == tk73crash::kBranches + found.at(files_[0].path) * 50 && value &&
               value->text == tk73crash::generationText(hive, 20000) &&
               text[0] == (found.at(inFolder(tk73crash::kDefinitionFile)) == 0 ? 'a' : 'b') &&
               program.ReadPgmFile() == 1 && program.m_nRecordCount == tk73crash::kProgramRecords &&
               received.ReadPgmFile() == 1 &&
               received.m_nRecordCount == tk73crash::receivedRecords(found.at(receivedFile()));
    }

    // Names of temporary files and staging folders that writers left beside the targets, and
    // whatever is left in the suite's temporary folders (the table writer collects a table there,
    // the packer its pack text and the LAN service a received file).
    std::vector<std::string> leftovers() const {
        std::vector<std::string> found;
        const std::set<std::string> beside = {
            folder(), databaseFolder(),
            std::filesystem::path(files_[1].path).parent_path().generic_string(),
            std::filesystem::path(receivedFile()).parent_path().generic_string()};
        for (const std::string& where : beside) {
            for (const auto& entry : std::filesystem::directory_iterator(where)) {
                const std::string name = entry.path().filename().string();
                if (name.find(".tmp") != std::string::npos ||
                    name.find(".part") != std::string::npos ||
                    name.find(".new") != std::string::npos ||
                    name.find("$Unpack_") != std::string::npos) {
                    found.push_back(name);
                }
            }
        }
        const std::set<std::string> temporary = {folderOf(AecrbsGetTempPath),
                                                 folderOf(AecrbsGetTK73TempPath)};
        for (const std::string& where : temporary) {
            for (const auto& entry : std::filesystem::directory_iterator(where)) {
                found.push_back(entry.path().filename().string());
            }
        }
        return found;
    }

    // What is wrong after a writer of generation 0 failed on files of generation 1 ("" when
    // nothing is): each kind of write must report its failure, keep the old contents and leave
    // no temporary file.
    std::string afterFailedWrites(int failed) const {
        std::string wrong;
        if (failed != kEveryKind) {
            wrong += "writer result " + std::to_string(failed) + "; ";
        }
        const std::map<std::string, int> found = generations();
        for (const auto& [path, generation] : found) {
            if (generation != 1) {
                wrong += path + " changed; ";
            }
        }
        if (!readersLoad(found)) {
            wrong += "a reader failed; ";
        }
        for (const std::string& name : leftovers()) {
            wrong += "left " + name + "; ";
        }
        return wrong;
    }

    // Runs in a child process with a mount namespace of its own: the test's folder is moved onto
    // a small file system that is then filled up, and the writer runs on it. "skip: <reason>"
    // when the process may not mount, else what afterFailedWrites found.
    std::string writeOnAFullFileSystem() {
        const std::string reason = "a small file system needs a mount namespace of its own: ";
        // Mounts made from here on are seen by this process and its children alone.
        if (unshare(CLONE_NEWNS) != 0) {
            return "skip: " + reason + "unshare: " + std::strerror(errno);
        }
        if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
            return "skip: " + reason + "private mounts: " + std::strerror(errno);
        }
        const std::filesystem::path root = std::filesystem::path(folder()).parent_path();
        const std::filesystem::path disk = root / "full";
        std::filesystem::create_directory(disk);
        uintmax_t used = 0;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
            used += entry.is_regular_file() ? entry.file_size() / 4096 * 4096 + 4096 : 4096;
        }
        const std::string size = "size=" + std::to_string(used + (1 << 20));
        if (mount("tk73full", disk.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, size.c_str()) != 0) {
            return "skip: " + reason + "tmpfs: " + std::strerror(errno);
        }
        for (const auto& entry : std::filesystem::directory_iterator(root)) {
            if (entry.path() != disk) {
                std::filesystem::copy(entry.path(), disk / entry.path().filename(),
                                      std::filesystem::copy_options::recursive |
                                          std::filesystem::copy_options::copy_symlinks);
            }
        }
        if (mount(disk.c_str(), root.c_str(), nullptr, MS_BIND, nullptr) != 0) {
            return std::string("the small file system could not take the folder's place: ") +
                   std::strerror(errno);
        }
        const int filler = open((root / "filler").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        const std::string chunk(65536, 'f');
        while (filler >= 0 && write(filler, chunk.data(), chunk.size()) > 0) {
        }
        const int filled = errno;
        close(filler);
        if (filler < 0 || filled != ENOSPC) {
            return std::string("the file system did not fill up: ") + std::strerror(filled);
        }
        return afterFailedWrites(runWriter("0", 0));
    }

    archivetest::StagedInstallation install_;
    std::vector<WrittenFile> files_;
};

TEST_F(CrashConsistency,
       KilledWritersLeaveOldOrNewContentsAndTheNextWriteClearsTheirTemporaryFiles) {
    const char* kills = std::getenv("TK73_CRASH_KILLS");
    const int runs = kills != nullptr ? std::atoi(kills) : 40;
    const char* seedText = std::getenv("TK73_CRASH_SEED");
    const unsigned seed =
        seedText != nullptr ? static_cast<unsigned>(std::atoll(seedText)) : std::random_device{}();
    std::mt19937 random(seed);
    // One complete pass of the writer, so that the kills spread over two passes.
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(runWriter("0", 0), 0);
    const int pass = static_cast<int>(std::chrono::duration_cast<std::chrono::microseconds>(
                                          std::chrono::steady_clock::now() - start)
                                          .count());
    std::uniform_int_distribution<int> delay(1, 2 * pass + 1000);
    std::map<std::string, int> seen[2];
    // A loaded machine starts the writer late and lands many kills before its first write: the
    // kills go on past the count until each file was found in both generations, up to ten times
    // the count.
    const auto bothSeen = [&] {
        for (const WrittenFile& file : files_) {
            if (seen[0][file.path] == 0 || seen[1][file.path] == 0) {
                return false;
            }
        }
        return true;
    };
    int run = 0;
    for (; run < runs || (runs >= 20 && !bothSeen() && run < 10 * runs); ++run) {
        ASSERT_EQ(runWriter("loop", delay(random)), -SIGKILL) << "seed " << seed;
        const std::map<std::string, int> found = generations();
        for (const auto& [path, generation] : found) {
            ASSERT_NE(generation, -1)
                << path << " is neither old nor new, run " << run << ", seed " << seed;
            ++seen[generation][path];
        }
        ASSERT_TRUE(readersLoad(found)) << "run " << run << ", seed " << seed;
    }
    std::printf("%d kills, seed %u, pass %d us\n", run, seed, pass);
    // A write that would store what the file already holds is skipped, and only a write that
    // replaces the file clears its temporary files: writing both generations replaces every one.
    ASSERT_EQ(runWriter("0", 0), 0);
    ASSERT_EQ(runWriter("1", 0), 0);
    EXPECT_EQ(leftovers(), std::vector<std::string>());
    // The kills struck at different points: each file was found in both generations.
    if (runs >= 20) {
        for (const WrittenFile& file : files_) {
            EXPECT_GT(seen[0][file.path], 0) << file.path;
            EXPECT_GT(seen[1][file.path], 0) << file.path;
        }
    }
}

TEST_F(CrashConsistency, EveryKindOfWriteThatRunsOutOfSpaceFailsAndKeepsTheOldContents) {
    // Every file the writer makes stops growing at 1 KiB, so each kind of write runs out of space
    // on the way.
    EXPECT_EQ(afterFailedWrites(runWriter("0", 0, 1024)), "");
}

TEST_F(CrashConsistency, EveryKindOfWriteOnAFullFileSystemFailsAndKeepsTheOldContents) {
    int channel[2];
    ASSERT_EQ(pipe(channel), 0);
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        std::string report;
        try {
            report = writeOnAFullFileSystem();
        } catch (const std::exception& error) {
            report = error.what();
        }
        const bool sent =
            write(channel[1], report.data(), report.size()) == static_cast<ssize_t>(report.size());
        _exit(sent ? 0 : 1);
    }
    close(channel[1]);
    std::string report;
    char part[4096];
    for (ssize_t got; (got = read(channel[0], part, sizeof part)) > 0;) {
        report.append(part, static_cast<size_t>(got));
    }
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << report;
    if (report.rfind("skip: ", 0) == 0) {
        GTEST_SKIP() << report.substr(6);
    }
    EXPECT_EQ(report, "");
}

}  // namespace
