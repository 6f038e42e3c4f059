#include "base/temp_files.h"

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <regex>

#include "base/tests/base_test.h"
#include "base/unique_file.h"

namespace {

using TempFiles = tk73test::BaseTest;
using tk73test::TempEnvironment;

std::string stampNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%m%d%H%M%S", &local);
    return stamp;
}

}  // namespace

TEST_F(TempFiles, NamesHoldPrefixStampCounterAndExtension) {
    char out[TK73_MAX_PATH];
    ASSERT_EQ(AecrbsMakeTempFile(out, "Aecrdb", ".edb"), 1);
    const std::regex name(environment.path("temp/") + R"(Aecrdb\d{10}0000\.edb)");
    EXPECT_TRUE(std::regex_match(std::string(out), name)) << out;
    EXPECT_TRUE(std::filesystem::is_regular_file(out));
    EXPECT_EQ(std::filesystem::file_size(out), 0u);

    ASSERT_EQ(AecrbsMakeTempFile(out, nullptr, nullptr), 1);
    EXPECT_TRUE(
        std::regex_match(std::string(out), std::regex(environment.path("temp/") + R"(Aecr\d{14})")))
        << out;
}

TEST_F(TempFiles, TheSuitesTempFolderUnlessTheSystemFolderIsAskedFor) {
    installString("TempPath", "KELVO/TEMP");
    char out[TK73_MAX_PATH];
    ASSERT_EQ(AecrbsMakeTempFileEx(out, "Aecrbs", ".csv", 0), 1);
    EXPECT_EQ(std::string(out).rfind(environment.path("local/KELVO/TEMP/Aecrbs"), 0), 0u) << out;
    ASSERT_EQ(AecrbsMakeTempFileEx(out, "Aecrbs", ".csv", 1), 1);
    EXPECT_EQ(std::string(out).rfind(environment.path("temp/Aecrbs"), 0), 0u) << out;
}

TEST_F(TempFiles, TakenNamesMoveTheCounterOn) {
    // The stamp changes every second; try again when it moved while the names were prepared.
    for (int attempt = 0; attempt < 5; ++attempt) {
        const std::string stamp = stampNow();
        const std::string stem = environment.path("temp/T") + stamp;
        for (const char* counter : {"0000", "0001", "0002", "0004"}) {
            TempEnvironment::writeFile(stem + counter + ".TXT", "taken");
        }
        char out[TK73_MAX_PATH];
        ASSERT_EQ(AecrbsMakeTempFile(out, "T", ".TXT"), 1);
        if (stampNow() != stamp) {
            continue;
        }
        EXPECT_EQ(std::string(out), stem + "0003.TXT");
        EXPECT_EQ(TempEnvironment::readFile(stem + "0000.TXT"), "taken");
        ASSERT_EQ(AecrbsMakeTempFile(out, "T", ".TXT"), 1);
        if (stampNow() == stamp) {
            EXPECT_EQ(std::string(out), stem + "0005.TXT");
        }
        return;
    }
    FAIL() << "the clock never stood still long enough";
}

TEST_F(TempFiles, AllNamesTakenOrNoFolderFails) {
    const std::string folder = environment.path("temp/");
    for (int counter = 0; counter <= 9998; ++counter) {
        char number[8];
        std::snprintf(number, sizeof number, "%04d", counter);
        TempEnvironment::writeFile(folder + "P0101000000" + number, "");
    }
    EXPECT_EQ(tk73::createUniqueFile(folder, "P", "0101000000", ""), "");
    std::filesystem::remove(folder + "P01010000009998");
    EXPECT_EQ(tk73::createUniqueFile(folder, "P", "0101000000", ""), folder + "P01010000009998");
    EXPECT_EQ(tk73::createUniqueFile(environment.path("missing/"), "P", "0101000000", ""), "");
}

TEST_F(TempFiles, ANameThatWouldNotFitIsRefusedBeforeAnythingIsCreated) {
    char out[TK73_MAX_PATH] = "not touched";
    const std::string prefix(TK73_MAX_PATH - environment.path("temp/").size() - 14, 'p');
    EXPECT_EQ(AecrbsMakeTempFileEx(out, prefix.c_str(), "", 1), 0);
    EXPECT_STREQ(out, "");
    EXPECT_TRUE(std::filesystem::is_empty(environment.path("temp")));
}
