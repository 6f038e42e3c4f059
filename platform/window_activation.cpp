#include "platform/window_activation.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <string_view>
#include <system_error>

#include "platform/runtime_folder.h"

namespace tk73 {

namespace {

constexpr std::string_view kRequest = "activate";
constexpr std::string_view kRaised = "raised";
constexpr std::string_view kHidden = "hidden";
// Longer lines are no request of the suite.
constexpr size_t kLongestLine = 32;
// How long a caller waits for the reply, and how long the endpoint waits for a request: a peer
// that connects and stays silent must not keep the endpoint from the next request for long.
constexpr int kReplyWaitMs = 2000;
constexpr int kRequestWaitMs = 1000;

std::string endpointPath(uint32_t processId) {
    return runtimeObjectPath("tk73-window-" + std::to_string(processId), ".sock");
}

bool socketAddress(const std::string& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof(address));
    if (path.empty() || path.size() >= sizeof(address.sun_path)) {
        return false;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.data(), path.size());
    return true;
}

void setTimeouts(int fd, int milliseconds) {
    timeval wait = {};
    wait.tv_sec = milliseconds / 1000;
    wait.tv_usec = (milliseconds % 1000) * 1000;
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof(wait));
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &wait, sizeof(wait));
}

// A socket connected to the endpoint at path, or -1 when nothing listens there.
int connectTo(const std::string& path) {
    sockaddr_un address;
    if (!socketAddress(path, address)) {
        return -1;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return -1;
    }
    int result = 0;
    do {
        result = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address));
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool writeLine(int fd, std::string_view text) {
    const std::string line = std::string(text) + "\n";
    size_t done = 0;
    while (done < line.size()) {
        const ssize_t sent = ::send(fd, line.data() + done, line.size() - done, MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR) {
            continue;
        }
        if (sent <= 0) {
            return false;
        }
        done += static_cast<size_t>(sent);
    }
    return true;
}

// One line without its line feed; false when the peer closes, goes silent or sends too much.
bool readLine(int fd, std::string& line) {
    line.clear();
    char c = 0;
    while (line.size() <= kLongestLine) {
        const ssize_t received = ::recv(fd, &c, 1, 0);
        if (received < 0 && errno == EINTR) {
            continue;
        }
        if (received <= 0) {
            return false;
        }
        if (c == '\n') {
            return true;
        }
        line += c;
    }
    return false;
}

bool fromThisUser(int connection) {
    ucred peer = {};
    socklen_t size = sizeof(peer);
    return ::getsockopt(connection, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           peer.uid == ::getuid();
}

}  // namespace

uint32_t ownWindowHandle() {
    return static_cast<uint32_t>(::getpid());
}

bool raiseWindow(uint32_t handle) {
    if (handle == 0) {
        return false;
    }
    const int fd = connectTo(endpointPath(handle));
    if (fd < 0) {
        return false;
    }
    setTimeouts(fd, kReplyWaitMs);
    std::string reply;
    const bool raised = writeLine(fd, kRequest) && readLine(fd, reply) && reply == kRaised;
    ::close(fd);
    return raised;
}

ActivationEndpoint::ActivationEndpoint(Raise raise) : raise_(std::move(raise)) {
    const std::string path = endpointPath(ownWindowHandle());
    sockaddr_un address;
    if (!raise_ || !socketAddress(path, address)) {
        return;
    }
    // A socket that answers belongs to another endpoint of this process; one that does not was
    // left by an ended process that had the same id.
    if (const int other = connectTo(path); other >= 0) {
        ::close(other);
        return;
    }
    ::unlink(path.c_str());
    listener_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listener_ < 0 ||
        ::bind(listener_, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        closeAll();
        return;
    }
    path_ = path;
    if (::listen(listener_, 8) != 0 || ::pipe2(wake_, O_CLOEXEC) != 0) {
        closeAll();
        return;
    }
    try {
        thread_ = std::thread(&ActivationEndpoint::serve, this);
    } catch (const std::system_error&) {
        closeAll();
    }
}

ActivationEndpoint::~ActivationEndpoint() {
    if (thread_.joinable()) {
        const char stop = 0;
        [[maybe_unused]] const ssize_t written = ::write(wake_[1], &stop, 1);
        thread_.join();
    }
    closeAll();
}

void ActivationEndpoint::closeAll() {
    for (int* fd : {&listener_, &wake_[0], &wake_[1]}) {
        if (*fd >= 0) {
            ::close(*fd);
            *fd = -1;
        }
    }
    if (!path_.empty()) {
        ::unlink(path_.c_str());
        path_.clear();
    }
}

void ActivationEndpoint::serve() {
    for (;;) {
        pollfd watched[2] = {{listener_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
        if (::poll(watched, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        if (watched[1].revents != 0) {
            return;
        }
        const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection >= 0) {
            answer(connection);
            ::close(connection);
        } else if (errno != EINTR && errno != ECONNABORTED) {
            // Out of descriptors or memory: the waiting connection stays, so pause instead of
            // spinning on it.
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }
}

void ActivationEndpoint::answer(int connection) {
    if (!fromThisUser(connection)) {
        return;
    }
    setTimeouts(connection, kRequestWaitMs);
    std::string request;
    if (readLine(connection, request) && request == kRequest) {
        writeLine(connection, raise_() ? kRaised : kHidden);
    }
}

}  // namespace tk73
