// What bounds a session however the register behaves: the cancel from another thread, the
// session's deadline, and the connect of each of the six attempts.

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "network/lan_file_service.h"
#include "network/tests/lan_session_fixture.h"

namespace nettest {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;
using tk73regsim::Fault;

// A register that sends a header with a wrong check byte every second and never a file: a
// cancel ends its session at once, a session started while the cancel holds does not connect,
// and once the cancel is cleared the session ends at its deadline, TINIT + TEX1 for each file,
// and the close waits at most five seconds for the register to stop sending.
TEST_F(LanSession, ACancelOrTheDeadlineEndsASessionThatWouldNeverEnd) {
    auto simulator = startSimulator("127.18.4.1", Fault::BadHeaders);
    select(a_);
    std::thread canceller([] {
        std::this_thread::sleep_for(milliseconds(1500));
        TK73sslDUCancel(1);
    });
    auto start = Clock::now();
    const Outcome cancelled = runSession("127.18.4.1", 1, {4, 5});
    canceller.join();
    EXPECT_LT(Clock::now() - start, milliseconds(3000));
    EXPECT_EQ(cancelled.result, 0);
    EXPECT_EQ(cancelled.message, "Cancelled by the user.");
    EXPECT_EQ(cancelled.failed, "000004000005");
    EXPECT_GE(reportOf(*simulator).unanswered, 1);

    start = Clock::now();
    const Outcome refused = runSession("127.18.4.1", 1, {4, 5});
    EXPECT_LT(Clock::now() - start, milliseconds(500));
    EXPECT_EQ(refused.message, "Cancelled by the user.");
    EXPECT_EQ(refused.failed, "");
    EXPECT_FALSE(simulator->nextReport(1).has_value()) << "no connection was made";

    TK73sslDUCancel(0);
    setServiceValue("TINIT", 1);
    setServiceValue("TEX1", 1);
    start = Clock::now();
    const Outcome late = runSession("127.18.4.1", 1, {4, 5});
    const auto spent = Clock::now() - start;
    EXPECT_GE(spent, milliseconds(2900));
    EXPECT_LT(spent, milliseconds(10000));
    EXPECT_EQ(late.message, "Time Out.");
    EXPECT_EQ(late.failed, "000004000005");
    EXPECT_GE(reportOf(*simulator).unanswered, 2);
}

// A register whose accept queue is full lets no connect through and refuses none either: each
// attempt waits two seconds at most, so that the six cost about ten seconds.
TEST_F(LanSession, ConnectsThatHangCostAboutTenSecondsForSixAttempts) {
    const auto socketTo = [](bool listen) {
        const int s =
            ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | (listen ? 0 : SOCK_NONBLOCK), 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(61554);
        inet_pton(AF_INET, "127.18.4.2", &address.sin_addr);
        const int on = 1;
        setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        if (listen) {
            EXPECT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
            EXPECT_EQ(::listen(s, 0), 0);
        } else {
            ::connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
        }
        return s;
    };
    const int listener = socketTo(true);
    std::vector<int> queued;
    for (int i = 0; i < 3; ++i) {
        queued.push_back(socketTo(false));
    }
    select(a_);
    const auto start = Clock::now();
    const Outcome outcome = runSession("127.18.4.2", 1, {4});
    const auto spent = Clock::now() - start;
    EXPECT_EQ(outcome.message, "Failed to communicate with the register");
    EXPECT_GE(spent, milliseconds(9900));
    EXPECT_LT(spent, milliseconds(14000));
    for (int s : queued) {
        ::close(s);
    }
    ::close(listener);
}

}  // namespace
}  // namespace nettest
