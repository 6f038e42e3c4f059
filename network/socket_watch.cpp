#include "network/socket_watch.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

#include "network/net_errors.h"
#include "network/sockets.h"

namespace {

// How often a watcher looks at its stop flag, and how soon data that nobody has read yet is
// reported again (the event loop reads in its own time).
constexpr int kSliceMs = 50;

struct Watch {
    std::atomic<bool> stop{false};
    std::thread thread;
};

std::mutex g_lock;
std::map<int, std::shared_ptr<Watch>> g_watches;

// Whether the socket has reached its end: a read of one byte without taking it answers 0.
bool peerClosed(int socket) {
    char byte = 0;
    return ::recv(socket, &byte, 1, MSG_PEEK | MSG_DONTWAIT) == 0;
}

void watch(std::shared_ptr<Watch> self, int socket, TK73sklNotify notify, void* target,
           unsigned message, long mask) {
    bool writeReported = false;
    while (!self->stop) {
        short events = 0;
        if ((mask & (TK73_FD_READ | TK73_FD_ACCEPT | TK73_FD_CLOSE)) != 0) {
            events |= POLLIN;
        }
        if ((mask & TK73_FD_WRITE) != 0 && !writeReported) {
            events |= POLLOUT;
        }
        pollfd entry{socket, events, 0};
        if (::poll(&entry, 1, kSliceMs) <= 0) {
            continue;
        }
        if ((entry.revents & POLLOUT) != 0) {
            writeReported = true;
            notify(target, message, socket, TK73_FD_WRITE);
        }
        if ((entry.revents & (POLLIN | POLLHUP)) == 0) {
            continue;
        }
        if ((mask & TK73_FD_ACCEPT) != 0) {
            notify(target, message, socket, TK73_FD_ACCEPT);
        } else if (peerClosed(socket)) {
            if ((mask & TK73_FD_CLOSE) != 0) {
                notify(target, message, socket, TK73_FD_CLOSE);
            }
            return;
        } else if ((mask & TK73_FD_READ) != 0) {
            notify(target, message, socket, TK73_FD_READ);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(kSliceMs));
    }
}

}  // namespace

int TK73_API TK73sklSelect(TK73APC* context, int socket, TK73sklNotify notify, void* target,
                           unsigned message, long eventMask) {
    if (context == nullptr) {
        return 0;
    }
    if (socket < 0 || (eventMask != 0 && notify == nullptr)) {
        tk73net::setError(context, tk73net::kErrParameter, 0x021F8392, 0);
        return 0;
    }
    tk73net::stopWatching(socket);
    if (eventMask == 0) {
        return 1;
    }
    const int flags = ::fcntl(socket, F_GETFL);
    if (flags < 0 || ::fcntl(socket, F_SETFL, flags | O_NONBLOCK) != 0) {
        tk73net::setError(context, tk73net::kErrSystem, 0x021F8393, errno);
        return 0;
    }
    auto watch = std::make_shared<Watch>();
    watch->thread = std::thread(::watch, watch, socket, notify, target, message, eventMask);
    std::lock_guard<std::mutex> guard(g_lock);
    g_watches[socket] = watch;
    return 1;
}

namespace tk73net {

void stopWatching(int socket) {
    std::shared_ptr<Watch> watch;
    {
        std::lock_guard<std::mutex> guard(g_lock);
        const auto found = g_watches.find(socket);
        if (found == g_watches.end()) {
            return;
        }
        watch = found->second;
        g_watches.erase(found);
    }
    watch->stop = true;
    if (watch->thread.get_id() == std::this_thread::get_id()) {
        watch->thread.detach();
    } else {
        watch->thread.join();
    }
}

}  // namespace tk73net
