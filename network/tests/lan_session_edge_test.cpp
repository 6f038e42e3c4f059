// The telegram rules that catch real faults, each against the real session over a socket.

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "network/tests/lan_session_fixture.h"
#include "platform/whole_file.h"

namespace nettest {
namespace {

using tk73regsim::Fault;

TEST_F(LanSession, AHeaderWithItsCheckByteOffByOneIsDroppedAndTheSessionGoesOn) {
    auto simulator = startSimulator("127.18.3.1", Fault::BadCheckByte);
    select(a_);
    const Outcome outcome = runSession("127.18.3.1", 1, {4});
    EXPECT_EQ(outcome.result, 1) << outcome.message;
    const tk73regsim::Report report = reportOf(*simulator);
    EXPECT_TRUE(report.violations.empty()) << report.violations.front();
    EXPECT_EQ(report.files, std::vector<int>{4});
}

TEST_F(LanSession, DataAndPaddingOverATelegramAreAnsweredAsAHeaderErrorAndEndTheSession) {
    auto simulator = startSimulator("127.18.3.2", Fault::Oversized);
    select(a_);
    const Outcome outcome = runSession("127.18.3.2", 1, {4});
    EXPECT_EQ(outcome.result, 0);
    EXPECT_EQ(outcome.failed, "");
    const tk73regsim::Report report = reportOf(*simulator);
    ASSERT_FALSE(report.results.empty());
    EXPECT_EQ(report.results.back(), 0x10);
}

// The register asks for block 3 of a file of two full blocks that it already took whole: a data
// error, and the session goes on to the next file and ends well, as every file went whole.
TEST_F(LanSession, AFileOfTwoFullBlocksHasNoThirdBlock) {
    write(a_.mainte + "/FILE090P.TXT", std::string(2344, 'D'));
    auto simulator = startSimulator("127.18.3.3", Fault::PastLastBlock);
    select(a_);
    const Outcome outcome = runSession("127.18.3.3", 1, {90, 4});
    EXPECT_EQ(outcome.result, 1) << outcome.message;
    EXPECT_EQ(outcome.failed, "");
    const tk73regsim::Report report = reportOf(*simulator);
    // Three authentication steps and the work list, blocks 1 and 2, block 3 refused, file 4.
    ASSERT_GE(report.results.size(), 8u);
    EXPECT_EQ(std::vector<uint8_t>(report.results.begin() + 4, report.results.begin() + 8),
              (std::vector<uint8_t>{0xFF, 0xFF, 0x11, 0xFF}));
    EXPECT_TRUE(report.violations.empty()) << report.violations.front();
    EXPECT_EQ(read(tk73regsim::storedFile(simulatorFolder(), 90)), std::string(2344, 'D'));
    EXPECT_TRUE(tk73::readWholeFile(tk73regsim::storedFile(simulatorFolder(), 4)).has_value());
}

TEST_F(LanSession, ARepeatedBlockIsAnsweredTwiceAndStoredOnce) {
    std::string data;
    // Three blocks, so that block 2 carries the continuation flag both times.
    for (int i = 0; i < 3000; ++i) {
        data += static_cast<char>('A' + i % 26);
    }
    write(tk73regsim::storedFile(simulatorFolder(), 90), data);
    auto simulator = startSimulator("127.18.3.4", Fault::RepeatBlock);
    select(b_);
    const Outcome outcome = runSession("127.18.3.4", 0, {90});
    EXPECT_EQ(outcome.result, 1) << outcome.message;
    EXPECT_EQ(read(b_.mainte + "/FILE090P.TXT"), data);
    const tk73regsim::Report report = reportOf(*simulator);
    // Three authentication steps, the work list, blocks 1, 2, 2, 3.
    EXPECT_EQ(report.results, std::vector<uint8_t>(8, 0xFF));
    EXPECT_TRUE(report.violations.empty()) << report.violations.front();
}

// A large file is written as it comes, in pieces of a megabyte: every piece lands in its place, the
// store's file (here a symbolic link to a file with its own permissions) is replaced only at the
// end, and nothing is left beside it.
TEST_F(LanSession, ALargeDataFileComesWholeThroughALinkAndKeepsThePermissions) {
    std::string data;
    for (size_t i = 0; data.size() < (5u << 19) + 777; ++i) {
        data += std::to_string(i) + ',';
    }
    write(tk73regsim::storedFile(simulatorFolder(), 90), data);
    const std::string real = install_.path("elsewhere/FILE090P.TXT");
    const std::string link = b_.mainte + "/FILE090P.TXT";
    std::filesystem::create_directories(install_.path("elsewhere"));
    write(real, "old");
    ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
    std::filesystem::remove(link);
    std::filesystem::create_symlink(real, link);
    const auto names = [](const std::string& folder) {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            found.push_back(entry.path().filename().string());
        }
        std::sort(found.begin(), found.end());
        return found;
    };
    const std::vector<std::string> before = names(b_.mainte);
    auto simulator = startSimulator("127.18.3.7");
    select(b_);
    const Outcome outcome = runSession("127.18.3.7", 0, {90});
    EXPECT_EQ(outcome.result, 1) << outcome.message;
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_TRUE(read(real) == data);
    struct stat info {};
    ASSERT_EQ(::stat(real.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(names(b_.mainte), before);
    EXPECT_EQ(names(install_.path("elsewhere")), std::vector<std::string>{"FILE090P.TXT"});
}

TEST_F(LanSession, PasswordsOfTheWrongLengthOrValueOpenNoFileService) {
    {
        auto simulator = startSimulator("127.18.3.5", Fault::ShortPassword);
        select(a_);
        runSession("127.18.3.5", 1, {4});
        const tk73regsim::Report report = reportOf(*simulator);
        ASSERT_EQ(report.results.size(), 3u);
        EXPECT_EQ(report.results[2], 0x11);
    }
    auto simulator = startSimulator("127.18.3.6", Fault::WrongPassword);
    const Outcome outcome = runSession("127.18.3.6", 1, {4, 5});
    EXPECT_EQ(outcome.result, 0);
    EXPECT_EQ(outcome.failed, "000004000005");
    const tk73regsim::Report report = reportOf(*simulator);
    EXPECT_FALSE(report.passwordAccepted);
    // Step 6 answered normally, then every file request refused.
    EXPECT_EQ(report.results, (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 0x41, 0x41}));
    EXPECT_FALSE(tk73::readWholeFile(tk73regsim::storedFile(simulatorFolder(), 4)).has_value());
}

}  // namespace
}  // namespace nettest
