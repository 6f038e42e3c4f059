#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>

#include "network/net_errors.h"
#include "network/socket_watch.h"
#include "network/sockets.h"

namespace {

// A graceful close reads until the peer closes; a peer that has gone silent without closing
// ends the reading after this long, so closing never waits without bound.
constexpr int kDrainIdleSeconds = 5;

void drainUntilPeerCloses(int socket) {
    timeval idle{kDrainIdleSeconds, 0};
    setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &idle, sizeof idle);
    char piece[256];
    for (;;) {
        const ssize_t received = ::recv(socket, piece, sizeof piece, 0);
        if (received > 0 || (received < 0 && errno == EINTR)) {
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
