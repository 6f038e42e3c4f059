#pragma once
// The listening sockets of the simulators: bound to a loopback address only, so that a simulator
// can never serve or answer anything outside 127.0.0.0/8.

#include <cstdint>
#include <string>

namespace tk73sim {

// A socket of the type (SOCK_STREAM listens, SOCK_DGRAM receives) bound to address:port, with
// SO_REUSEADDR; -1 and the reason when the address is not a loopback address or the bind fails.
int boundLoopbackSocket(int type, const std::string& address, uint16_t port, std::string* error);

}  // namespace tk73sim
