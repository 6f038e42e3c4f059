#pragma once
// Thin TCP socket operations with time-outs. A socket is an int, -1 the invalid socket. Every
// operation takes the application context first and answers its failure value at once when the
// context is null; a null pointer or zero length is a parameter error. Failures leave the error
// triple in the context: the code, a per-site detail and errno (or the resolver's code).
//
// Defined in socket_open.cpp, socket_io.cpp, socket_watch.cpp and socket_close.cpp.

#include <netinet/in.h>

#include "network/app_context.h"

// The socket events of TK73sklSelect.
inline constexpr long TK73_FD_READ = 0x01;
inline constexpr long TK73_FD_WRITE = 0x02;
inline constexpr long TK73_FD_ACCEPT = 0x08;
inline constexpr long TK73_FD_CLOSE = 0x20;

// Where TK73sklSelect delivers a socket's events: the program's event loop gives it a target
// (its window) and posts each call into its own thread; the call comes from a watcher thread.
using TK73sklNotify = void (*)(void* target, unsigned message, int socket, long event);

TK73_EXPORT TK73_NODISCARD int TK73_API TK73sklStartup(TK73APC* context);
TK73_EXPORT int TK73_API TK73sklCleanup(void);
// Resolves host (dotted address first, then the resolver) and the TCP service (a name, or a
// number), fills out and creates a TCP socket; the socket or -1.
TK73_EXPORT TK73_NODISCARD int TK73_API TK73sklOpenClient(TK73APC* context, sockaddr_in* out,
                                                          const char* host, const char* service);
// Resolves host, creates a TCP socket and connects it (blocking); the socket or -1.
TK73_EXPORT TK73_NODISCARD int TK73_API TK73sklOpenConnClient(TK73APC* context, const char* host,
                                                              int port);
TK73_EXPORT TK73_NODISCARD int TK73_API TK73sklConnect(TK73APC* context, int socket,
                                                       const sockaddr_in* address);
TK73_EXPORT TK73_NODISCARD int TK73_API TK73sklAccept(TK73APC* context, int listening,
                                                      sockaddr_in* out);
// Reports the events of the mask to notify(target, message, socket, event) until the mask is 0
// or the socket is closed with TK73sklClose; the socket becomes non-blocking.
TK73_EXPORT TK73_NODISCARD int TK73_API TK73sklSelect(TK73APC* context, int socket,
                                                      TK73sklNotify notify, void* target,
                                                      unsigned message, long eventMask);
// Bytes sent, or 0; a failed send is tried once more after 10 ms.
TK73_EXPORT TK73_NODISCARD int TK73_API TK73sklSend(TK73APC* context, int socket, const void* data,
                                                    int length, int flags);
// Bytes received (0 at an orderly close), or 0 with the error set.
TK73_EXPORT TK73_NODISCARD int TK73_API TK73sklRecv(TK73APC* context, int socket, void* buffer,
                                                    int size, int flags);
// Sends all of data within the time-out; bytes sent, or 0 (detail 0x021F837A on time-out).
TK73_EXPORT TK73_NODISCARD int TK73_API TK73sklSendIO(TK73APC* context, int socket,
                                                      const void* data, int length,
                                                      int timeoutSeconds);
// One receive within the time-out: what has arrived, up to size (0 at an orderly close with no
// error), or 0 with detail 0x021F8384 on time-out.
TK73_EXPORT TK73_NODISCARD int TK73_API TK73sklRecvIO(TK73APC* context, int socket, void* buffer,
                                                      int size, int timeoutSeconds);
// With graceful 1: ends sending, reads and drops what the peer still sends until it closes (for
// at most a few seconds), then shuts down both ways; closes the socket.
TK73_EXPORT int TK73_API TK73sklClose(TK73APC* context, int socket, int graceful);

namespace tk73net {

// TK73sklOpenConnClient whose connect waits at most the milliseconds (without bound when
// negative): a connect that has not come by then fails with ETIMEDOUT.
[[nodiscard]] int openConnClientWithin(TK73APC* context, const char* host, int port,
                                       int milliseconds);

}  // namespace tk73net
