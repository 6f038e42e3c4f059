#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <thread>

#include "base/tests/database_test.h"
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

class CrashConsistency : public tk73test::DatabaseTest {
  protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        AecrdbDeleteDBC(openDatabase());
        std::string program = "\"C\",\"n:P0004:\"\r\n";
        for (int record = 1; record <= tk73crash::kProgramRecords; ++record) {
            char number[8];
            std::snprintf(number, sizeof number, "%06d", record);
            program += std::string(number) + "," + std::string(tk73crash::kItemWidth, '-') + "\r\n";
        }
        tk73test::TempEnvironment::writeFile(inFolder(tk73crash::kProgramFile), program);
        for (int generation = 0; generation < 2; ++generation) {
            tk73test::TempEnvironment::writeFile(tk73crash::archiveSource(folder(), generation),
                                                 tk73crash::generationText(generation, 300000));
        }
        files_ = {{(databaseFolder() / "STORE.edb").generic_string(), {}},
                  {tk73::registryHiveFile(tk73::Hive::User), {}},
                  {inFolder(tk73crash::kDefinitionFile), {}},
                  {inFolder(tk73crash::kProgramFile), {}},
                  {inFolder(tk73crash::kArchive), {}}};
        for (int generation = 0; generation < 2; ++generation) {
            ASSERT_EQ(runWriter(std::to_string(generation), 0), 0);
            for (WrittenFile& file : files_) {
                file.contents[generation] = tk73test::TempEnvironment::readFile(file.path);
                ASSERT_NE(file.contents[generation], "") << file.path;
            }
        }
    }

    std::string folder() const { return environment.path("crash"); }
    std::string inFolder(const char* name) const { return folder() + "/" + name; }

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
        const int hive = found.at(tk73::registryHiveFile(tk73::Hive::User));
        const std::optional<tk73::RegistryValue> value =
            tk73::registryReadValue(tk73::Hive::User, tk73crash::kHiveKey, "Text");
        char text[8];
        tk73_GetPrivateProfileStringA("Model", "Text", "", text, sizeof text,
                                      inFolder(tk73crash::kDefinitionFile).c_str());
        CTK73pgmPgmFileRW program(inFolder(tk73crash::kProgramFile).c_str());
        return value && value->text == tk73crash::generationText(hive, 20000) &&
               text[0] == (found.at(inFolder(tk73crash::kDefinitionFile)) == 0 ? 'a' : 'b') &&
               program.ReadPgmFile() == 1 && program.m_nRecordCount == tk73crash::kProgramRecords;
    }

    // Names of temporary files that writers left beside the targets.
    std::vector<std::string> leftovers() const {
        std::vector<std::string> found;
        for (const std::string& where :
             {folder(), databaseFolder().generic_string(),
              std::filesystem::path(files_[1].path).parent_path().generic_string()}) {
            for (const auto& entry : std::filesystem::directory_iterator(where)) {
                const std::string name = entry.path().filename().string();
                if (name.find(".tmp") != std::string::npos ||
                    name.find(".part") != std::string::npos) {
                    found.push_back(name);
                }
            }
        }
        return found;
    }

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
    // on the way (a real small file system needs a mount, which tests may not do).
    ASSERT_EQ(runWriter("0", 0, 1024), 0b11111);
    for (const auto& [path, generation] : generations()) {
        EXPECT_EQ(generation, 1) << path;
    }
    EXPECT_TRUE(readersLoad(generations()));
    EXPECT_EQ(leftovers(), std::vector<std::string>());
}

}  // namespace
