// The simulator answers the PC's search on its UDP port and serves loopback addresses only.

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "tests/support/temp_environment.h"
#include "tools/regsim/register_simulator.h"

namespace {

// Sends the datagram to the simulator and returns what comes back within half a second.
std::string ask(const std::string& address, uint16_t port, const std::string& datagram) {
    const int s = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_port = htons(port);
    inet_pton(AF_INET, address.c_str(), &where.sin_addr);
    ::sendto(s, datagram.data(), datagram.size(), 0, reinterpret_cast<sockaddr*>(&where),
             sizeof where);
    pollfd entry{s, POLLIN, 0};
    std::string answer;
    if (::poll(&entry, 1, 500) > 0) {
        char buffer[128] = {};
        const ssize_t got = ::recv(s, buffer, sizeof buffer, 0);
        answer.assign(buffer, got > 0 ? static_cast<size_t>(got) : 0);
    }
    ::close(s);
    return answer;
}

TEST(RegisterSimulator, AnswersTheRegisterSearchAndServesLoopbackOnly) {
    tk73test::TempEnvironment env;
    tk73regsim::Options options;
    options.address = "127.18.5.1";
    options.port = 61620;
    options.discoveryPort = 61621;
    options.folder = env.path("register");
    tk73regsim::RegisterSimulator simulator(options);
    std::string error;
    ASSERT_TRUE(simulator.start(&error)) << error;

    std::string search(36, '\0');
    search[0] = 4;
    search[2] = 'Z';
    search[4] = static_cast<char>(0x81);
    search[5] = 1;
    const std::string answer = ask("127.18.5.1", 61621, search);
    ASSERT_EQ(answer.size(), 36u);
    EXPECT_EQ(answer[2], '[');
    EXPECT_EQ(ask("127.18.5.1", 61621, search.substr(0, 35)), "") << "too short";
    search[2] = 'Y';
    EXPECT_EQ(ask("127.18.5.1", 61621, search), "") << "not a register search";

    options.address = "192.0.2.1";
    tk73regsim::RegisterSimulator outside(options);
    EXPECT_FALSE(outside.start(&error));
    EXPECT_NE(error.find("loopback"), std::string::npos);
}

}  // namespace
