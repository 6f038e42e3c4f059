// The telegram rules that catch real faults, each against the real session over a socket.

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

TEST_F(LanSession, AFileOfTwoFullBlocksHasNoThirdBlock) {
    write(a_.mainte + "/FILE090P.TXT", std::string(2344, 'D'));
    auto simulator = startSimulator("127.18.3.3", Fault::PastLastBlock);
    select(a_);
    const Outcome outcome = runSession("127.18.3.3", 1, {90, 4});
    EXPECT_EQ(outcome.result, 0);
    EXPECT_EQ(outcome.failed, "000090");
    const tk73regsim::Report report = reportOf(*simulator);
    // Block 1 went out with more to follow; block 3 is a data error; file 4 still went.
    ASSERT_GE(report.results.size(), 6u);
    EXPECT_EQ(report.results[4], 0xFF);
    EXPECT_EQ(report.results[5], 0x11);
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
