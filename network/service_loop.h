#pragma once
// The receive loop of a register session: header, data, the answer, until the work is done, the
// register closes or keeps silent past a time-out, or an answer cannot go out. The link is the
// connection (a socket, or bytes from memory for the fuzz target).

#include <cstdint>

#include "network/service_session.h"

namespace tk73net {

class TelegramLink {
  public:
    virtual ~TelegramLink() = default;
    // As TK73sklRecvIO: the bytes that have come (up to size), 0 at a close or on a failure.
    virtual int receive(uint8_t* buffer, int size, int timeoutSeconds) = 0;
    virtual bool send(const uint8_t* bytes, int length) = 0;
};

struct ServiceTimeouts {
    int header = 60;
    int data = 60;
};

// True when every file of the work list has had its last answer.
bool runService(TK73APC* context, TelegramLink& link, CTK73sslService& service,
                const ServiceTimeouts& timeouts, CTK73netTrace& trace);

}  // namespace tk73net
