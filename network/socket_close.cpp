#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

#include "network/net_errors.h"
#include "network/socket_watch.h"
#include "network/sockets.h"

namespace {

// A graceful close reads until the peer closes, for this long at most: a peer that keeps
// silent, or keeps sending a byte now and then without closing, cannot hold the close.
constexpr auto kDrainLimit = std::chrono::seconds(5);

void drainUntilPeerCloses(int socket) {
    using Clock = std::chrono::steady_clock;
    const auto end = Clock::now() + kDrainLimit;
    char piece[256];
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
        pollfd watch{socket, POLLIN, 0};
        if (left <= 0 || ::poll(&watch, 1, static_cast<int>(left)) <= 0) {
            return;
        }
        const ssize_t received = ::recv(socket, piece, sizeof piece, MSG_DONTWAIT);
        if (received > 0 || (received < 0 && (errno == EINTR || errno == EAGAIN))) {
            continue;
        }
        return;
    }
}

}  // namespace

int TK73_API TK73sklClose(TK73APC* context, int socket, int graceful) {
    if (context == nullptr) {
        return 0;
    }
    if (socket < 0) {
        tk73net::setError(context, tk73net::kErrParameter, 0x021F8390, 0);
        return 0;
    }
    tk73net::stopWatching(socket);
    if (graceful == 1) {
        ::shutdown(socket, SHUT_WR);
        drainUntilPeerCloses(socket);
        ::shutdown(socket, SHUT_RDWR);
    }
    if (::close(socket) != 0) {
        tk73net::setError(context, tk73net::kErrSystem, 0x021F8391, errno);
        return 0;
    }
    return 1;
}
