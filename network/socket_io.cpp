#include <poll.h>
#include <sys/socket.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "network/net_errors.h"
#include "network/sockets.h"

namespace {

using Clock = std::chrono::steady_clock;
using tk73net::setError;

// Waits until the socket is ready for events or the deadline has passed; false on time-out or
// a failed poll (errno then tells which: 0 for the time-out).
bool waitReady(int socket, short events, Clock::time_point deadline) {
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            errno = 0;
            return false;
        }
        pollfd entry{socket, events, 0};
        const int ready = ::poll(&entry, 1, static_cast<int>(left.count()));
        if (ready > 0) {
            return true;
        }
        if (ready < 0 && errno != EINTR) {
            return false;
        }
    }
}

Clock::time_point deadlineIn(int seconds) {
    return Clock::now() + std::chrono::seconds(seconds);
}

}  // namespace

int TK73_API TK73sklSend(TK73APC* context, int socket, const void* data, int length, int flags) {
    if (context == nullptr) {
        return 0;
    }
    if (data == nullptr || length <= 0) {
        setError(context, tk73net::kErrParameter, 0x021F8374, 0);
        return 0;
    }
    ssize_t sent = ::send(socket, data, static_cast<size_t>(length), flags | MSG_NOSIGNAL);
    if (sent < 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        sent = ::send(socket, data, static_cast<size_t>(length), flags | MSG_NOSIGNAL);
    }
    if (sent < 0) {
        setError(context, tk73net::kErrSystem, 0x021F8375, errno);
        return 0;
    }
    return static_cast<int>(sent);
}

int TK73_API TK73sklRecv(TK73APC* context, int socket, void* buffer, int size, int flags) {
    if (context == nullptr) {
        return 0;
    }
    if (buffer == nullptr || size <= 0) {
        setError(context, tk73net::kErrParameter, 0x021F8376, 0);
        return 0;
    }
    const ssize_t received = ::recv(socket, buffer, static_cast<size_t>(size), flags);
    if (received < 0) {
        setError(context, tk73net::kErrSystem, 0x021F8377, errno);
        return 0;
    }
    return static_cast<int>(received);
}

int TK73_API TK73sklSendIO(TK73APC* context, int socket, const void* data, int length,
                           int timeoutSeconds) {
    if (context == nullptr) {
        return 0;
    }
    if (data == nullptr || length <= 0) {
        setError(context, tk73net::kErrParameter, 0x021F8378, 0);
        return 0;
    }
    const auto deadline = deadlineIn(timeoutSeconds);
    const char* bytes = static_cast<const char*>(data);
    int sent = 0;
    // Sending first and waiting only when the socket is full saves a wait per telegram.
    while (sent < length) {
        const ssize_t part = ::send(socket, bytes + sent, static_cast<size_t>(length - sent),
                                    MSG_NOSIGNAL | MSG_DONTWAIT);
        if (part > 0) {
            sent += static_cast<int>(part);
            continue;
        }
        if (errno != EAGAIN && errno != EINTR) {
            setError(context, tk73net::kErrSystem, 0x021F837B, errno);
            return 0;
        }
        if (!waitReady(socket, POLLOUT, deadline)) {
            const int cause = errno;
            setError(context, tk73net::kErrSystem,
                     cause == 0 ? tk73net::kDetailSendTimeOut : 0x021F8379, cause);
            return 0;
        }
    }
    return sent;
}

int TK73_API TK73sklRecvIO(TK73APC* context, int socket, void* buffer, int size,
                           int timeoutSeconds) {
    if (context == nullptr) {
        return 0;
    }
    if (buffer == nullptr || size <= 0) {
        setError(context, tk73net::kErrParameter, 0x021F8380, 0);
        return 0;
    }
    const auto deadline = deadlineIn(timeoutSeconds);
    // Data that is there already is taken without a wait.
    for (;;) {
        const ssize_t received = ::recv(socket, buffer, static_cast<size_t>(size), MSG_DONTWAIT);
        if (received >= 0) {
            return static_cast<int>(received);
        }
        if (errno != EAGAIN && errno != EINTR) {
            setError(context, tk73net::kErrSystem, 0x021F8382, errno);
            return 0;
        }
        if (!waitReady(socket, POLLIN, deadline)) {
            const int cause = errno;
            setError(context, tk73net::kErrSystem,
                     cause == 0 ? tk73net::kDetailRecvTimeOut : 0x021F8381, cause);
            return 0;
        }
    }
}
