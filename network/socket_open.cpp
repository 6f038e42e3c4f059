#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "network/net_errors.h"
#include "network/sockets.h"

namespace {

using tk73net::setError;

// The IPv4 address of host: a dotted address as it is, a name through the resolver. On failure
// the resolver's code is the system error.
bool resolveHost(TK73APC* context, const char* host, in_addr* out, int32_t detail) {
    if (inet_pton(AF_INET, host, out) == 1) {
        return true;
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const int result = getaddrinfo(host, nullptr, &hints, &found);
    if (result != 0 || found == nullptr) {
        setError(context, tk73net::kErrSystem, detail, result);
        return false;
    }
    *out = reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr;
    freeaddrinfo(found);
    return true;
}

int newStreamSocket(TK73APC* context, int32_t detail) {
    const int s = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (s < 0) {
        setError(context, tk73net::kErrSystem, detail, errno);
    }
    return s;
}

// connect, waiting at most the milliseconds (without bound when negative); 0 or the errno.
int connectWithin(int s, const sockaddr_in& address, int milliseconds) {
    if (milliseconds < 0) {
        return ::connect(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0
                   ? 0
                   : errno;
    }
    const int flags = ::fcntl(s, F_GETFL);
    ::fcntl(s, F_SETFL, flags | O_NONBLOCK);
    int error = 0;
    if (::connect(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        error = errno;
        if (error == EINPROGRESS) {
            pollfd watch{s, POLLOUT, 0};
            socklen_t length = sizeof error;
            const int ready = ::poll(&watch, 1, milliseconds);
            error = ready == 0 ? ETIMEDOUT
                    : ready < 0 || ::getsockopt(s, SOL_SOCKET, SO_ERROR, &error, &length) != 0
                        ? errno
                        : error;
        }
    }
    ::fcntl(s, F_SETFL, flags);
    return error;
}

}  // namespace

int TK73_API TK73sklStartup(TK73APC* context) {
    // Sockets need no start-up here; a closed peer must fail a send instead of ending the
    // process, which every send asks for with MSG_NOSIGNAL.
    return context == nullptr ? 0 : 1;
}

int TK73_API TK73sklCleanup(void) {
    return 1;
}

int TK73_API TK73sklOpenClient(TK73APC* context, sockaddr_in* out, const char* host,
                               const char* service) {
    if (context == nullptr) {
        return -1;
    }
    if (out == nullptr || host == nullptr || service == nullptr || *host == '\0' ||
        *service == '\0') {
        setError(context, tk73net::kErrParameter, 0x021F8350, 0);
        return -1;
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    if (!resolveHost(context, host, &address.sin_addr, tk73net::kDetailResolveOpen)) {
        return -1;
    }
    if (const servent* entry = getservbyname(service, "tcp")) {
        address.sin_port = static_cast<in_port_t>(entry->s_port);
    } else {
        char* end = nullptr;
        const long port = std::strtol(service, &end, 10);
        if (*end != '\0' || port < 1 || port > 65535) {
            setError(context, tk73net::kErrSystem, 0x021F8353, ENOENT);
            return -1;
        }
        address.sin_port = htons(static_cast<uint16_t>(port));
    }
    const int s = newStreamSocket(context, 0x021F8354);
    if (s >= 0) {
        *out = address;
    }
    return s;
}

int TK73_API TK73sklOpenConnClient(TK73APC* context, const char* host, int port) {
    return tk73net::openConnClientWithin(context, host, port, -1);
}

int tk73net::openConnClientWithin(TK73APC* context, const char* host, int port, int milliseconds) {
    if (context == nullptr) {
        return -1;
    }
    if (host == nullptr || *host == '\0' || port <= 0 || port > 65535) {
        setError(context, tk73net::kErrParameter, 0x021F8360, 0);
        return -1;
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    if (!resolveHost(context, host, &address.sin_addr, tk73net::kDetailResolveOpenConn)) {
        return -1;
    }
    const int s = newStreamSocket(context, 0x021F8361);
    if (s < 0) {
        return -1;
    }
    if (const int error = connectWithin(s, address, milliseconds); error != 0) {
        setError(context, tk73net::kErrSystem, tk73net::kDetailConnectOpenConn, error);
        ::close(s);
        return -1;
    }
    return s;
}

int TK73_API TK73sklConnect(TK73APC* context, int socket, const sockaddr_in* address) {
    if (context == nullptr) {
        return 0;
    }
    if (address == nullptr || socket < 0) {
        setError(context, tk73net::kErrParameter, 0x021F8371, 0);
        return 0;
    }
    if (::connect(socket, reinterpret_cast<const sockaddr*>(address), sizeof *address) != 0) {
        setError(context, tk73net::kErrSystem, tk73net::kDetailConnect, errno);
        return 0;
    }
    return 1;
}

int TK73_API TK73sklAccept(TK73APC* context, int listening, sockaddr_in* out) {
    if (context == nullptr) {
        return -1;
    }
    if (out == nullptr || listening < 0) {
        setError(context, tk73net::kErrParameter, 0x021F8372, 0);
        return -1;
    }
    socklen_t length = sizeof *out;
    const int s = ::accept4(listening, reinterpret_cast<sockaddr*>(out), &length, SOCK_CLOEXEC);
    if (s < 0) {
        setError(context, tk73net::kErrSystem, 0x021F8373, errno);
    }
    return s;
}
