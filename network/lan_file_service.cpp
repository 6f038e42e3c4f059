#include "network/lan_file_service.h"

#include <arpa/inet.h>
#include <sys/socket.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "base/out_buffer.h"
#include "base/scope_exit.h"
#include "network/connect_pause.h"
#include "network/event_log.h"
#include "network/net_errors.h"
#include "network/service_loop.h"
#include "network/session_outcome.h"
#include "network/session_settings.h"
#include "network/sockets.h"
#include "network/telegram_header.h"

namespace {

using namespace tk73net;

constexpr int kServicePort = 61554;
// Six attempts, one every two seconds, each connect waiting at most until the next is due: a
// register that cannot be reached costs about ten seconds, however it fails.
constexpr int kConnectAttempts = 6;
constexpr auto kConnectPeriod = std::chrono::milliseconds(2000);
constexpr int kAnswerTimeOut = 5;
constexpr size_t kMessageRoom = 4096;
constexpr size_t kFailedRoom = 768;
// Whole six-digit ids only, with room for the terminating zero.
constexpr size_t kFailedIds = (kFailedRoom - 1) / 6;
constexpr int kMaxFiles = 99;  // the work block counts them in two digits
constexpr const char* kServiceName = "TK73HUB.exe";

// One session at a time per process.
std::atomic<bool> g_sessionRunning{false};

// The cancel of the session: the run dialog cancels from its window's thread while the session
// runs on the dialog's worker.
class CancelSwitch {
  public:
    void set(bool cancel) {
        std::lock_guard<std::mutex> guard(lock_);
        cancelled_ = cancel;
        if (cancel && socket_ >= 0) {
            // The session's waits end at once; it closes the socket itself.
            ::shutdown(socket_, SHUT_RDWR);
        }
        changed_.notify_all();
    }
    bool cancelled() {
        std::lock_guard<std::mutex> guard(lock_);
        return cancelled_;
    }
    // Waits until the time unless cancelled first; false when cancelled.
    bool waitUntil(std::chrono::steady_clock::time_point until) {
        std::unique_lock<std::mutex> guard(lock_);
        return !changed_.wait_until(guard, until, [this] { return cancelled_; });
    }
    // The session's socket, until forget(); false when cancelled already.
    bool watch(int socket) {
        std::lock_guard<std::mutex> guard(lock_);
        socket_ = cancelled_ ? -1 : socket;
        return !cancelled_;
    }
    void forget() {
        std::lock_guard<std::mutex> guard(lock_);
        socket_ = -1;
    }

  private:
    std::mutex lock_;
    std::condition_variable changed_;
    bool cancelled_ = false;
    int socket_ = -1;
};

CancelSwitch g_cancel;

// The pause before the next connection attempt; empty: the real one, which the cancel ends.
ConnectPause g_connectPause;

bool pauseUntil(std::chrono::steady_clock::time_point until) {
    return g_connectPause ? g_connectPause(until) : g_cancel.waitUntil(until);
}

struct ContextDeleter {
    void operator()(TK73APC* context) const { TK73bslDeleteAPC(context); }
};
using ContextOwner = std::unique_ptr<TK73APC, ContextDeleter>;

// Reads ahead up to a whole telegram per receive, so that a header and its data usually come
// with one call; the loop takes them in the pieces it asks for.
class SocketLink : public TelegramLink {
  public:
    SocketLink(TK73APC* context, int socket) : context_(context), socket_(socket) {}
    int receive(uint8_t* buffer, int size, int timeoutSeconds) override {
        if (at_ == filled_) {
            const int got = TK73sklRecvIO(context_, socket_, ahead_, sizeof ahead_, timeoutSeconds);
            if (got <= 0) {
                return got;
            }
            at_ = 0;
            filled_ = static_cast<size_t>(got);
        }
        const size_t part = std::min(static_cast<size_t>(size), filled_ - at_);
        std::memcpy(buffer, ahead_ + at_, part);
        at_ += part;
        return static_cast<int>(part);
    }
    bool send(const uint8_t* bytes, int length) override {
        return TK73sklSendIO(context_, socket_, bytes, length, kAnswerTimeOut) == length;
    }

  private:
    TK73APC* context_;
    int socket_;
    uint8_t ahead_[kHeaderSize + kMaxTelegramData];
    size_t at_ = 0;
    size_t filled_ = 0;
};

// The work list: fileCount numbers of six digits each; false for anything else.
bool parseFileList(int fileCount, const char* fileList, std::vector<int>* out) {
    if (fileCount < 0 || fileCount > kMaxFiles || fileList == nullptr ||
        std::strlen(fileList) != static_cast<size_t>(fileCount) * 6) {
        return false;
    }
    for (int i = 0; i < fileCount; ++i) {
        const int number = fileNumberOfId(reinterpret_cast<const uint8_t*>(fileList) + i * 6);
        if (number < 0) {
            return false;
        }
        out->push_back(number);
    }
    return true;
}

// The connected socket, or -1 with the last attempt's error (or the cancel) in the context. A
// connection that comes at a later attempt clears the errors of the attempts before it.
int connectWithRetries(TK73APC* context, const char* host, CTK73netTrace& trace) {
    const auto first = std::chrono::steady_clock::now();
    for (int attempt = 1; attempt <= kConnectAttempts && !g_cancel.cancelled(); ++attempt) {
        const int s = openConnClientWithin(context, host, kServicePort,
                                           static_cast<int>(kConnectPeriod.count()));
        if (s >= 0) {
            clearError(context);
            return s;
        }
        trace.write(kTraceWarning, "Connect to %s failed (attempt %d)", host, attempt);
        // A cancel during the pause ends the attempts at the loop's test.
        if (attempt < kConnectAttempts && !pauseUntil(first + attempt * kConnectPeriod)) {
            break;
        }
    }
    if (g_cancel.cancelled()) {
        setError(context, kErrServiceCancelled, 0x021F7072, 0);
    }
    return -1;
}

std::string peerText(int socket) {
    sockaddr_in peer{};
    socklen_t length = sizeof peer;
    char text[INET_ADDRSTRLEN] = {};
    if (getpeername(socket, reinterpret_cast<sockaddr*>(&peer), &length) == 0) {
        inet_ntop(AF_INET, &peer.sin_addr, text, sizeof text);
    }
    return text;
}

// Serves the register on the connected socket s, which it closes: the session's errors in the
// context, the files that did not come or go whole in failed.
void serveConnection(TK73APC* context, int s, CTK73sslService& service,
                     const SessionSettings& settings, CTK73netTrace& clientTrace,
                     std::vector<std::string>* failed) {
    const tk73::ScopeExit close([&] { TK73sklClose(context, s, 1); });
    clientTrace.write(kTraceInfo, "Start (client thread) %s", peerText(s).c_str());
    bool done = false;
    if (g_cancel.watch(s)) {
        const tk73::ScopeExit forget([] { g_cancel.forget(); });
        SocketLink link(context, s);
        done = runService(context, link, service,
                          {60, settings.timeHead, settings.timeStart, settings.timePerFile},
                          clientTrace);
    }
    if (done) {
        // Every file came whole: what the register got wrong on the way was answered and is
        // no failure of the session.
        clearError(context);
    } else if (g_cancel.cancelled()) {
        setError(context, kErrServiceCancelled, 0x021F7073, 0);
    } else if (context->code == 0) {
        // The register closed the connection with work left.
        setError(context, kErrSystem, 0x021F7071, ECONNRESET);
    }
    *failed = service.failedFiles();
}

// Serves the register at host; the session's result code (session_outcome.h) and its failed
// files.
int serveRegister(TK73APC* context, const char* host, int workKind, const std::vector<int>& files,
                  std::vector<std::string>* failed) {
    CTK73netTrace trace(context, kServiceName);
    const SessionSettings settings = readSessionSettings();
    if (!settings.valid()) {
        setError(context, kErrParameter, 0x021F7070, 0);
        trace.write(kTraceError, "Priority ids out of range: %u, %u", settings.process,
                    settings.thread);
        return sessionResult(context, trace);
    }
    CTK73netTrace clientTrace(context, std::string(kServiceName) + "_Client");
    CTK73sslService service(context, workKind, files, &clientTrace);
    if (TK73mslCrpKeyInit(context, &service.keys(), 1) != 1 ||
        (settings.cryptTermOff && TK73mslCrpKeySet(context, &service.keys(), 4) != 1) ||
        TK73sklStartup(context) != 1) {
        return sessionResult(context, trace);
    }
    {
        const tk73::ScopeExit cleanup([] { TK73sklCleanup(); });
        const int s = connectWithRetries(context, host, trace);
        if (s < 0 && context->code != kErrServiceCancelled) {
            return kOutcomeNoConnection;
        }
        if (s >= 0) {
            serveConnection(context, s, service, settings, clientTrace, failed);
        }
    }
    return sessionResult(context, trace);
}

}  // namespace

namespace tk73net {

void setConnectPause(ConnectPause pause) {
    g_connectPause = std::move(pause);
}

}  // namespace tk73net

int TK73_API TK73sslDUCancel(int cancel) {
    g_cancel.set(cancel != 0);
    return 1;
}

int TK73_API TK73sslDULoadECRPFile(const char* host, int workKind, int fileCount,
                                   const char* fileList, char* message, char* failedFiles) {
    if (message == nullptr || failedFiles == nullptr) {
        return 0;
    }
    message[0] = '\0';
    failedFiles[0] = '\0';
    std::vector<int> files;
    if (host == nullptr || *host == '\0' || (workKind != 0 && workKind != 1) ||
        !parseFileList(fileCount, fileList, &files)) {
        // A fixed text that fits the room.
        (void)tk73::copyToBuffer(message, kMessageRoom, "An unexpected error has occurred.");
        return 0;
    }
    writeEvent(nullptr, kEventInfo1, "Start.");
    if (g_sessionRunning.exchange(true)) {
        writeEvent(nullptr, kEventWarning, "Ended for having already been started.");
        return 0;
    }
    // However this call leaves, the next session may start.
    const tk73::ScopeExit endSession([] { g_sessionRunning = false; });
    const ContextOwner owner(TK73bslCreateAPC(nullptr));
    TK73APC* context = owner.get();
    if (context == nullptr) {
        return 0;
    }
    std::vector<std::string> failed;
    const int result = serveRegister(context, host, workKind, files, &failed);
    // The message room holds every message of the service; a longer one would be cut to none.
    (void)tk73::copyToBuffer(message, kMessageRoom, sessionMessage(result, context));
    std::string ids;
    for (const std::string& id : failed) {
        ids += id;
    }
    // Cut to whole ids that fit the room, so it cannot fail.
    (void)tk73::copyToBuffer(failedFiles, kFailedRoom, ids.substr(0, kFailedIds * 6));
    writeEvent(context, result == kOutcomeSuccess ? kEventInfo2 : kEventError2, "Exit.");
    return result == kOutcomeSuccess ? 1 : 0;
}
