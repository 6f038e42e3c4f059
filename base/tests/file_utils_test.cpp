#include "base/file_utils.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "base/memory.h"
#include "base/tests/base_test.h"
#include "platform/testing/scoped_variable.h"

namespace {

using FileUtils = tk73test::BaseTest;
using tk73test::TempEnvironment;

}  // namespace

TEST_F(FileUtils, CheckGivesSizesAndExistence) {
    const std::string file = environment.path("FILE004P.TXT");
    EXPECT_EQ(AecrbsCheckFile(file.c_str()), -1);
    EXPECT_EQ(AecrbsCheckDirectory(file.c_str()), 0);
    TempEnvironment::writeFile(file, "");
    EXPECT_EQ(AecrbsCheckFile(file.c_str()), 0);
    TempEnvironment::writeFile(file, "0001,PLU\r\n");
    EXPECT_EQ(AecrbsCheckFile(file.c_str()), 10);
    EXPECT_EQ(AecrbsCheckDirectory(file.c_str()), 1);
    EXPECT_EQ(AecrbsCheckFile(environment.path("temp").c_str()), 0);
    EXPECT_EQ(AecrbsCheckDirectory(environment.path("temp").c_str()), 1);
    EXPECT_EQ(AecrbsCheckFile(nullptr), -1);
}

TEST_F(FileUtils, CopyOverwritesUnlessAskedNotTo) {
    const std::string source = environment.path("a.txt");
    const std::string target = environment.path("b.txt");
    TempEnvironment::writeFile(source, "new");
    TempEnvironment::writeFile(target, "old");
    EXPECT_EQ(AecrbsCopyFile(source.c_str(), target.c_str(), 1), 0);
    EXPECT_EQ(TempEnvironment::readFile(target), "old");
    EXPECT_EQ(AecrbsCopyFile(source.c_str(), target.c_str(), 0), 1);
    EXPECT_EQ(TempEnvironment::readFile(target), "new");
    EXPECT_EQ(AecrbsCopyFile(source.c_str(), source.c_str(), 0), 0);
    EXPECT_EQ(TempEnvironment::readFile(source), "new");
    EXPECT_EQ(AecrbsCopyFile(environment.path("missing").c_str(), target.c_str(), 0), 0);
    EXPECT_EQ(AecrbsCopyFile(source.c_str(), environment.path("no/such/folder").c_str(), 0), 0);
}

TEST_F(FileUtils, DeleteSucceedsForGoneFilesAndRetriesFailures) {
    const std::string file = environment.path("old.txt");
    TempEnvironment::writeFile(file, "x");
    EXPECT_EQ(AecrbsDeleteFile(file.c_str()), 1);
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(AecrbsDeleteFile(file.c_str()), 1);
    // A folder never goes with a file delete: three tries, 500 ms apart.
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(AecrbsDeleteFile(environment.path("temp").c_str()), 0);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1000));
    EXPECT_TRUE(std::filesystem::is_directory(environment.path("temp")));
}

TEST_F(FileUtils, DeleteTakesAFileThatComesFreeBetweenTries) {
    // A folder in the way for the first try becomes a file the second try can delete.
    const std::string path = environment.path("busy");
    std::filesystem::create_directory(path);
    std::thread release([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        std::filesystem::remove(path);
        TempEnvironment::writeFile(path, "x");
    });
    EXPECT_EQ(AecrbsDeleteFile(path.c_str()), 1);
    release.join();
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(FileUtils, LoadFileAddsANulAndFailsForWhatIsNoFile) {
    const std::string file = environment.path("FILE001P.TXT");
    TempEnvironment::writeFile(file, std::string("a\0b", 3));
    long size = -1;
    char* block = AecrbsLoadFile(file.c_str(), &size);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(size, 3);
    EXPECT_EQ(std::string(block, 4), std::string("a\0b\0", 4));
    AecrbsFree(block);

    TempEnvironment::writeFile(file, "");
    block = AecrbsLoadFile(file.c_str(), nullptr);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block[0], '\0');
    AecrbsFree(block);

    size = 5;
    EXPECT_EQ(AecrbsLoadFile(environment.path("missing").c_str(), &size), nullptr);
    EXPECT_EQ(size, 0);
    EXPECT_EQ(AecrbsLoadFile(environment.path("temp").c_str(), &size), nullptr);
    EXPECT_EQ(AecrbsLoadFile(nullptr, &size), nullptr);
}

TEST_F(FileUtils, ExecuteOpensExistingFilesWithTheOpener) {
    const std::string opener = environment.path("opener.sh");
    const std::string record = environment.path("opened.txt");
    TempEnvironment::writeFile(opener, "#!/bin/sh\nprintf '%s' \"$1\" > '" + record +
                                           ".part'\nmv '" + record + ".part' '" + record + "'\n");
    chmod(opener.c_str(), 0755);
    tk73test::ScopedVariable openerVariable("TK73_OPENER", opener.c_str());
    const std::string manual = environment.path("MANUAL.PDF");
    EXPECT_EQ(AecrbsExecuteFile(manual.c_str()), 0);
    EXPECT_EQ(AecrbsExecuteFile(nullptr), 0);
    TempEnvironment::writeFile(manual, "%PDF");
    ASSERT_EQ(AecrbsExecuteFile(manual.c_str()), 1);
    for (int tries = 0; tries < 100 && !std::filesystem::exists(record); ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    EXPECT_EQ(TempEnvironment::readFile(record), manual);
    tk73test::ScopedVariable noOpener("TK73_OPENER", environment.path("missing-opener").c_str());
    EXPECT_EQ(AecrbsExecuteFile(manual.c_str()), 0);
}

TEST_F(FileUtils, LibrariesLoadByTheirWindowsNames) {
    void* module = AecrbsLoadLibrary("tk73sample.dll");
    ASSERT_NE(module, nullptr);
    auto* answer = reinterpret_cast<int (*)()>(AecrbsGetProcAddress(module, "tk73SampleAnswer"));
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer(), 42);
    EXPECT_EQ(AecrbsFreeLibrary(module), 1);
    EXPECT_EQ(AecrbsLoadLibrary("GLCONV_MISSING.DLL"), nullptr);
    EXPECT_EQ(AecrbsLoadLibrary(nullptr), nullptr);
    EXPECT_EQ(AecrbsGetProcAddress(nullptr, "tk73SampleAnswer"), nullptr);
    EXPECT_EQ(AecrbsFreeLibrary(nullptr), 1);
}
