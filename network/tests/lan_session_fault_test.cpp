// Registers that misbehave: each session ends with its message and failed-file list (every
// file of the work list that did not come or go whole), and a failed receive leaves the store's
// files as they were.

#include <chrono>
#include <vector>

#include "base/scope_exit.h"
#include "network/connect_pause.h"
#include "network/file_conversion.h"
#include "network/lan_file_service.h"
#include "network/tests/lan_session_fixture.h"

namespace nettest {
namespace {

using tk73regsim::Fault;

class LanSessionFault : public LanSession {
  protected:
    // The register's folder holds the files of store A as they travel; store B's files are
    // what a failed receive must leave alone.
    void stageRegisterFiles(const std::vector<int>& files) {
        write(a_.mainte + "/FILE090P.TXT", std::string(2344, 'D'));
        select(a_);
        for (int file : files) {
            ASSERT_EQ(
                TK73ssl_PackBinFile(tk73regsim::storedFile(simulatorFolder(), file).c_str(), file),
                1);
        }
        select(b_);
        before_ = archivetest::StagedInstallation::folderFiles(b_.mainte);
    }
    void expectStoreBUnchanged() const {
        EXPECT_EQ(archivetest::StagedInstallation::folderFiles(b_.mainte), before_);
    }

    std::map<std::string, std::string> before_;
};

TEST_F(LanSessionFault, BusyRegisterAndCancelMarksEndWithTheirMessages) {
    {
        auto simulator = startSimulator("127.18.2.1", Fault::Busy);
        select(a_);
        const Outcome busy = runSession("127.18.2.1", 1, {4, 5});
        EXPECT_EQ(busy.result, 0);
        EXPECT_EQ(busy.message, "The register is busy.");
        EXPECT_EQ(busy.failed, "");
        EXPECT_EQ(reportOf(*simulator).workKind, 0xFF);
    }
    stageRegisterFiles({4, 5});
    auto simulator = startSimulator("127.18.2.2", Fault::Cancel);
    const Outcome cancelledIn = runSession("127.18.2.2", 0, {4, 5});
    EXPECT_EQ(cancelledIn.result, 0);
    EXPECT_EQ(cancelledIn.message, "Unknown data came from register.");
    EXPECT_EQ(cancelledIn.failed, "000004");
    expectStoreBUnchanged();
    EXPECT_TRUE(reportOf(*simulator).violations.empty());

    select(a_);
    const Outcome cancelledOut = runSession("127.18.2.2", 1, {4, 5});
    EXPECT_EQ(cancelledOut.message, "Unknown data came from register.");
    EXPECT_EQ(cancelledOut.failed, "000004");
}

TEST_F(LanSessionFault, SilenceAndAClosedConnectionMidFileFailTheFileAndKeepTheStore) {
    stageRegisterFiles({90, 4});
    setServiceValue("THEAD", 1);
    {
        auto simulator = startSimulator("127.18.2.3", Fault::Silence);
        const auto start = std::chrono::steady_clock::now();
        const Outcome silent = runSession("127.18.2.3", 0, {90, 4});
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
        EXPECT_EQ(silent.result, 0);
        EXPECT_EQ(silent.message, "Time Out.");
        EXPECT_EQ(silent.failed, "000090000004");
        expectStoreBUnchanged();
    }
    auto simulator = startSimulator("127.18.2.4", Fault::CloseMidFile);
    const Outcome closed = runSession("127.18.2.4", 0, {90, 4});
    EXPECT_EQ(closed.result, 0);
    EXPECT_EQ(closed.message, "Connection reset by peer");
    EXPECT_EQ(closed.failed, "000090000004");
    expectStoreBUnchanged();

    select(a_);
    const Outcome closedOut = runSession("127.18.2.4", 1, {90, 4});
    EXPECT_EQ(closedOut.result, 0);
    EXPECT_EQ(closedOut.failed, "000090000004");
}

TEST_F(LanSessionFault, AnUnreachableRegisterCostsSixAttemptsTwoSecondsApart) {
    using std::chrono::steady_clock;
    std::vector<steady_clock::time_point> pauses;
    tk73net::setConnectPause([&pauses](steady_clock::time_point until) {
        pauses.push_back(until);
        return true;
    });
    const tk73::ScopeExit realPause([] { tk73net::setConnectPause({}); });
    const auto start = steady_clock::now();
    const Outcome outcome = runSession("127.18.2.5", 1, {4});
    EXPECT_EQ(outcome.result, 0);
    EXPECT_EQ(outcome.message, "Failed to communicate with the register");
    // Five pauses between the six attempts, each ending two seconds after the one before.
    ASSERT_EQ(pauses.size(), 5u);
    EXPECT_GE(pauses[0] - start, std::chrono::milliseconds(2000));
    EXPECT_LT(pauses[0] - start, std::chrono::milliseconds(3000));
    for (size_t i = 1; i < pauses.size(); ++i) {
        EXPECT_EQ(pauses[i] - pauses[i - 1], std::chrono::milliseconds(2000));
    }
}

TEST_F(LanSessionFault, BadRequestsAreRefusedBeforeAnythingIsChanged) {
    char message[4096] = "old";
    char failed[768] = "old";
    EXPECT_EQ(TK73sslDULoadECRPFile("127.18.2.6", 1, 2, "000004", message, failed), 0);
    EXPECT_STREQ(message, "An unexpected error has occurred.");
    EXPECT_EQ(TK73sslDULoadECRPFile("127.18.2.6", 1, 1, "00004A", message, failed), 0);
    EXPECT_EQ(TK73sslDULoadECRPFile("127.18.2.6", 2, 1, "000004", message, failed), 0);
    EXPECT_EQ(TK73sslDULoadECRPFile(nullptr, 1, 1, "000004", message, failed), 0);
    EXPECT_STREQ(failed, "");
}

}  // namespace
}  // namespace nettest
