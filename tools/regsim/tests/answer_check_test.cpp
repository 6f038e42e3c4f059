// The simulator checks each answer of the PC before it takes it in: an answer header that
// announces nearly 4 GiB (whose length and padding would wrap round to nothing in 32 bits) is a
// violation, not a reason to set 4 GiB aside.

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>

#include "tests/support/temp_environment.h"
#include "tools/regsim/register_simulator.h"

namespace {

TEST(RegisterSimulator, AnAnswerThatAnnouncesNearlyFourGigabytesIsAViolation) {
    tk73test::TempEnvironment env;
    tk73regsim::Options options;
    options.address = "127.18.5.2";
    options.folder = env.path("register");
    options.encryption = 0xC0;
    options.answerSeconds = 2;
    tk73regsim::RegisterSimulator simulator(options);
    std::string error;
    ASSERT_TRUE(simulator.start(&error)) << error;

    // The PC's end: it takes step 1 and answers with a header alone.
    const int s = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(options.port);
    inet_pton(AF_INET, options.address.c_str(), &to.sin_addr);
    ASSERT_EQ(::connect(s, reinterpret_cast<sockaddr*>(&to), sizeof to), 0);
    uint8_t request[16 + 32] = {};
    ASSERT_EQ(::recv(s, request, sizeof request, MSG_WAITALL),
              static_cast<ssize_t>(sizeof request));
    uint8_t answer[16] = {};
    std::copy(request, request + 16, answer);
    answer[3] &= 0x0F;  // the answer's type: the request bit cleared
    answer[4] = 0xC0;   // DES: 0xFFFFFFFF data bytes take one byte of padding
    answer[7] = 1;
    answer[8] = answer[9] = answer[10] = answer[11] = 0xFF;
    unsigned sum = 0;
    for (int i = 0; i < 15; ++i) {
        sum += answer[i];
    }
    answer[15] = static_cast<uint8_t>(sum);
    ASSERT_EQ(::send(s, answer, sizeof answer, MSG_NOSIGNAL), static_cast<ssize_t>(sizeof answer));

    const auto report = simulator.nextReport(10);
    ::close(s);
    ASSERT_TRUE(report.has_value());
    ASSERT_FALSE(report->violations.empty());
    EXPECT_EQ(report->violations.front(), "answer header does not match its request");
}

}  // namespace
