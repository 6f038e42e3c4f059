// The socket operations against loopback peers.

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "network/net_errors.h"
#include "network/sockets.h"

namespace {

using Clock = std::chrono::steady_clock;

class NetSockets : public ::testing::Test {
  protected:
    void SetUp() override { context_ = TK73bslCreateAPC(nullptr); }
    void TearDown() override { TK73bslDeleteAPC(context_); }

    // A listening socket on address:port.
    static int listenOn(const char* address, uint16_t port) {
        const int s = ::socket(AF_INET, SOCK_STREAM, 0);
        const int on = 1;
        setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        sockaddr_in where{};
        where.sin_family = AF_INET;
        where.sin_port = htons(port);
        inet_pton(AF_INET, address, &where.sin_addr);
        EXPECT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&where), sizeof where), 0);
        EXPECT_EQ(::listen(s, 2), 0);
        return s;
    }

    TK73APC* context_ = nullptr;
};

TEST_F(NetSockets, ConnectsToDottedAddressesAndReportsWhatCannotBeReached) {
    const int listener = listenOn("127.18.5.1", 61601);
    const int client = TK73sklOpenConnClient(context_, "127.18.5.1", 61601);
    ASSERT_GE(client, 0);
    sockaddr_in peer{};
    const int served = TK73sklAccept(context_, listener, &peer);
    ASSERT_GE(served, 0);
    char text[INET_ADDRSTRLEN] = {};
    EXPECT_STREQ(inet_ntop(AF_INET, &peer.sin_addr, text, sizeof text), "127.0.0.1");
    ::close(served);
    ::close(client);
    ::close(listener);

    EXPECT_EQ(TK73sklOpenConnClient(context_, "127.18.5.1", 61601), -1);
    EXPECT_EQ(context_->detail, tk73net::kDetailConnectOpenConn);
    EXPECT_EQ(context_->systemError, ECONNREFUSED);
    EXPECT_EQ(TK73sklOpenConnClient(context_, "no-such-register.invalid", 61601), -1);
    EXPECT_EQ(context_->detail, tk73net::kDetailResolveOpenConn);
    EXPECT_NE(context_->systemError, 0);
    EXPECT_EQ(TK73sklOpenConnClient(context_, "127.18.5.1", 0), -1);
    EXPECT_EQ(context_->code, tk73net::kErrParameter);
    EXPECT_EQ(TK73sklOpenConnClient(nullptr, "127.18.5.1", 61601), -1);

    sockaddr_in address{};
    const int unconnected = TK73sklOpenClient(context_, &address, "127.18.5.2", "61602");
    ASSERT_GE(unconnected, 0);
    EXPECT_EQ(ntohs(address.sin_port), 61602);
    EXPECT_EQ(TK73sklConnect(context_, unconnected, &address), 0);
    EXPECT_EQ(context_->detail, tk73net::kDetailConnect);
    ::close(unconnected);
    EXPECT_EQ(TK73sklOpenClient(context_, &address, "nowhere.invalid", "61602"), -1);
    EXPECT_EQ(context_->detail, tk73net::kDetailResolveOpen);
}

TEST_F(NetSockets, TimedReceiveAndGracefulCloseWaitForThePeer) {
    const int listener = listenOn("127.18.5.3", 61603);
    const int client = TK73sklOpenConnClient(context_, "127.18.5.3", 61603);
    sockaddr_in peer{};
    const int served = TK73sklAccept(context_, listener, &peer);
    ASSERT_GE(served, 0);
    char buffer[64] = {};
    const auto start = Clock::now();
    EXPECT_EQ(TK73sklRecvIO(context_, client, buffer, sizeof buffer, 1), 0);
    EXPECT_EQ(context_->detail, tk73net::kDetailRecvTimeOut);
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(950));
    EXPECT_EQ(TK73sklRecvIO(context_, client, nullptr, 10, 1), 0);
    EXPECT_EQ(context_->code, tk73net::kErrParameter);

    EXPECT_EQ(TK73sklSendIO(context_, served, "telegram", 8, 1), 8);
    EXPECT_EQ(TK73sklRecvIO(context_, client, buffer, sizeof buffer, 1), 8);
    EXPECT_EQ(TK73sklSend(context_, served, "ab", 2, 0), 2);
    EXPECT_EQ(TK73sklRecv(context_, client, buffer, sizeof buffer, 0), 2);

    // The peer still sends for a while after our shutdown, then closes: all of it is read.
    std::thread peerSide([served] {
        char piece[16] = {};
        // Our end of sending shows as an orderly close on the peer's side.
        while (::recv(served, piece, sizeof piece, 0) > 0) {
        }
        for (int i = 0; i < 5; ++i) {
            ::send(served, "late data", 9, MSG_NOSIGNAL);
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        ::close(served);
    });
    const auto closing = Clock::now();
    EXPECT_EQ(TK73sklClose(context_, client, 1), 1);
    EXPECT_GE(Clock::now() - closing, std::chrono::milliseconds(450));
    peerSide.join();
    EXPECT_EQ(TK73sklClose(context_, -1, 0), 0);
    ::close(listener);
}

TEST_F(NetSockets, SelectReportsReadableDataAndTheClose) {
    const int listener = listenOn("127.18.5.4", 61604);
    const int client = TK73sklOpenConnClient(context_, "127.18.5.4", 61604);
    sockaddr_in peer{};
    const int served = TK73sklAccept(context_, listener, &peer);
    struct Seen {
        std::atomic<int> reads{0};
        std::atomic<int> closes{0};
    } seen;
    auto notify = [](void* target, unsigned message, int, long event) {
        auto* s = static_cast<Seen*>(target);
        EXPECT_EQ(message, 0x8400u);
        (event == TK73_FD_READ ? s->reads : s->closes)++;
    };
    ASSERT_EQ(TK73sklSelect(context_, client, notify, &seen, 0x8400, TK73_FD_READ | TK73_FD_CLOSE),
              1);
    ::send(served, "x", 1, MSG_NOSIGNAL);
    for (int i = 0; i < 40 && seen.reads == 0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    EXPECT_GT(seen.reads, 0);
    char byte = 0;
    EXPECT_EQ(::recv(client, &byte, 1, 0), 1);
    ::close(served);
    for (int i = 0; i < 40 && seen.closes == 0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    EXPECT_EQ(seen.closes, 1);
    EXPECT_EQ(TK73sklClose(context_, client, 0), 1);
    ::close(listener);
}

}  // namespace
