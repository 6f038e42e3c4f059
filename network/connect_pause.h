#pragma once
// The pause between the LAN session's connection attempts (TK73sslDULoadECRPFile), which
// lan_file_service.cpp defines beside the session. The real pause waits until the next attempt is
// due unless the session is cancelled first; a test puts in one that only notes when the attempt
// would be due, so that it need not wait the seconds out.

#include <chrono>
#include <functional>

namespace tk73net {

// Pauses until the time; false when the session was cancelled meanwhile.
using ConnectPause = std::function<bool(std::chrono::steady_clock::time_point until)>;

// The pause of the sessions that start afterwards; an empty one puts the real pause back. Set
// while no session runs.
void setConnectPause(ConnectPause pause);

}  // namespace tk73net
