#include "platform/window_activation.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <filesystem>

#include "platform/tests/helper_process.h"
#include "tests/support/temp_environment.h"

namespace {

std::string ownEndpoint(const tk73test::TempEnvironment& environment) {
    return environment.path("run/tk73-window-" + std::to_string(::getpid()) + ".sock");
}

// A socket connected to this process's endpoint that has sent the bytes, or -1.
int connectAndSend(const std::string& path, const std::string& bytes) {
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
        ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL) !=
            static_cast<ssize_t>(bytes.size())) {
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

TEST(WindowActivation, TheEndpointRaisesOnRequestAndTellsAHiddenWindow) {
    tk73test::TempEnvironment environment;
    std::atomic<int> requests = 0;
    std::atomic<bool> visible = true;
    {
        tk73::ActivationEndpoint endpoint([&] {
            ++requests;
            return visible.load();
        });
        ASSERT_TRUE(endpoint.listening());
        EXPECT_TRUE(std::filesystem::exists(ownEndpoint(environment)));
        EXPECT_TRUE(tk73::raiseWindow(tk73::ownWindowHandle()));
        visible = false;
        EXPECT_FALSE(tk73::raiseWindow(tk73::ownWindowHandle()));
        EXPECT_EQ(requests, 2);

        // One endpoint per process: a second one does not take over the socket.
        tk73::ActivationEndpoint second([] { return true; });
        EXPECT_FALSE(second.listening());
    }
    EXPECT_FALSE(std::filesystem::exists(ownEndpoint(environment)));
    EXPECT_FALSE(tk73::raiseWindow(tk73::ownWindowHandle()));
    EXPECT_FALSE(tk73::raiseWindow(0));
    EXPECT_EQ(requests, 2);
}

TEST(WindowActivation, StrayAndSilentPeersDoNotBlockTheNextRequest) {
    tk73test::TempEnvironment environment;
    std::atomic<int> requests = 0;
    tk73::ActivationEndpoint endpoint([&] {
        ++requests;
        return true;
    });
    ASSERT_TRUE(endpoint.listening());
    const int silent = connectAndSend(ownEndpoint(environment), "");
    const int wrong = connectAndSend(ownEndpoint(environment), "raise everything\n");
    const int endless = connectAndSend(ownEndpoint(environment), std::string(100, 'a'));
    ASSERT_GE(silent, 0);
    ASSERT_GE(wrong, 0);
    ASSERT_GE(endless, 0);
    EXPECT_TRUE(tk73::raiseWindow(tk73::ownWindowHandle()));
    EXPECT_EQ(requests, 1);
    for (const int fd : {silent, wrong, endless}) {
        ::close(fd);
    }
}

TEST(WindowActivation, ASocketLeftByAnEndedProcessIsTakenOver) {
    tk73test::TempEnvironment environment;
    // Bound but never listening: what a process that crashed leaves behind.
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, ownEndpoint(environment).c_str(), sizeof(address.sun_path) - 1);
    const int stale = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::bind(stale, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(stale);
    EXPECT_FALSE(tk73::raiseWindow(tk73::ownWindowHandle()));

    tk73::ActivationEndpoint endpoint([] { return true; });
    ASSERT_TRUE(endpoint.listening());
    EXPECT_TRUE(tk73::raiseWindow(tk73::ownWindowHandle()));
}

TEST(WindowActivation, RaisesTheWindowOfAnotherProcess) {
    tk73test::TempEnvironment environment;
    tk73test::HoldingHelper helper(environment, "TK73HUB_LAUNCHREGTK73HUB");
    ASSERT_EQ(helper.result(), "owned\n");
    EXPECT_TRUE(tk73::raiseWindow(helper.pid()));
    EXPECT_TRUE(tk73::raiseWindow(helper.pid()));
    EXPECT_EQ(helper.raises(), "raise\nraise\n");

    const uint32_t ended = helper.pid();
    helper.kill();
    EXPECT_FALSE(tk73::raiseWindow(ended));
}
