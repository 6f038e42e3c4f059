#include "tools/simloopback/loopback_socket.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tk73sim {

int boundLoopbackSocket(int type, const std::string& address, uint16_t port, std::string* error) {
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_port = htons(port);
    if (inet_pton(AF_INET, address.c_str(), &where.sin_addr) != 1 ||
        (ntohl(where.sin_addr.s_addr) >> 24) != 127) {
        *error = "not a loopback address: " + address;
        return -1;
    }
    const int s = ::socket(AF_INET, type | SOCK_CLOEXEC, 0);
    const int on = 1;
    if (s >= 0) {
        setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    }
    if (s < 0 || ::bind(s, reinterpret_cast<sockaddr*>(&where), sizeof where) != 0 ||
        (type == SOCK_STREAM && ::listen(s, 4) != 0)) {
        *error = address + ":" + std::to_string(port) + ": " + std::strerror(errno);
        if (s >= 0) {
            ::close(s);
        }
        return -1;
    }
    return s;
}

}  // namespace tk73sim
