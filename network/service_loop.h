#pragma once
// The receive loop of a register session: header, data, the answer, until every file of the work
// list has had its last answer, the register closes or keeps silent past a time-out, the
// session's deadline passes, or an answer cannot go out. The link is the connection (a socket,
// or bytes from memory for the fuzz target).

#include <cstdint>

#include "network/service_session.h"

namespace tk73net {

class TelegramLink {
  public:
    virtual ~TelegramLink() = default;
    // As TK73sklRecvIO: the bytes that have come (up to size), 0 at a close or on a failure.
    [[nodiscard]] virtual int receive(uint8_t* buffer, int size, int timeoutSeconds) = 0;
    [[nodiscard]] virtual bool send(const uint8_t* bytes, int length) = 0;
};

// Each wait is bounded, and so is the whole session, however the register spreads its telegrams:
// its deadline is start seconds, plus perFile seconds for each file of the work list, plus a
// second for every kCreditBytes of file data that has travelled (each block counted once, so
// that only real progress earns time).
struct ServiceTimeouts {
    int header = 60;
    int data = 60;
    int start = 60;
    int perFile = 60;
};
inline constexpr uint64_t kCreditBytes = 64 * 1024;

// True when every file of the work list came in or went out whole.
bool runService(TK73APC* context, TelegramLink& link, CTK73sslService& service,
                const ServiceTimeouts& timeouts, CTK73netTrace& trace);

}  // namespace tk73net
