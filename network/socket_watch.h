#pragma once
// The watchers behind TK73sklSelect: one thread per watched socket that reports its events to
// the program's event loop.

namespace tk73net {

// Ends the watcher of the socket, if any, and waits for its thread.
void stopWatching(int socket);

}  // namespace tk73net
