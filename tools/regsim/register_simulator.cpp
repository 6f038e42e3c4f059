#include "tools/regsim/register_simulator.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>

#include "tools/regsim/register_session.h"
#include "tools/simloopback/loopback_socket.h"

namespace tk73regsim {
namespace {

// How often the serving threads look at the stop flag.
constexpr int kSliceMs = 100;
constexpr size_t kDiscoveryLength = 36;

bool readable(int s) {
    pollfd entry{s, POLLIN, 0};
    return ::poll(&entry, 1, kSliceMs) > 0;
}

}  // namespace

std::string fileId(int fileNo) {
    char id[16] = {};
    std::snprintf(id, sizeof id, "%06d", fileNo);
    return id;
}

std::string storedFile(const std::string& folder, int fileNo) {
    return folder + "/" + fileId(fileNo) + ".BIN";
}

RegisterSimulator::RegisterSimulator(Options options) : options_(std::move(options)) {}

RegisterSimulator::~RegisterSimulator() {
    stop();
}

bool RegisterSimulator::start(std::string* error) {
    // A register that starts listening late binds its port then (acceptLoop).
    if (options_.listenDelayMs == 0) {
        listener_ =
            tk73sim::boundLoopbackSocket(SOCK_STREAM, options_.address, options_.port, error);
        if (listener_ < 0) {
            return false;
        }
    }
    discovery_ =
        tk73sim::boundLoopbackSocket(SOCK_DGRAM, options_.address, options_.discoveryPort, error);
    if (discovery_ < 0) {
        if (listener_ >= 0) {
            ::close(listener_);
        }
        listener_ = -1;
        return false;
    }
    acceptThread_ = std::thread([this] { acceptLoop(); });
    discoveryThread_ = std::thread([this] { discoveryLoop(); });
    return true;
}

void RegisterSimulator::stop() {
    stop_ = true;
    if (acceptThread_.joinable()) {
        acceptThread_.join();
    }
    if (discoveryThread_.joinable()) {
        discoveryThread_.join();
    }
    for (int* s : {&listener_, &discovery_}) {
        if (*s >= 0) {
            ::close(*s);
            *s = -1;
        }
    }
}

std::optional<Report> RegisterSimulator::nextReport(int timeoutSeconds) {
    std::unique_lock<std::mutex> guard(lock_);
    if (!reported_.wait_for(guard, std::chrono::seconds(timeoutSeconds),
                            [this] { return !reports_.empty(); })) {
        return std::nullopt;
    }
    Report report = std::move(reports_.front());
    reports_.pop_front();
    return report;
}

void RegisterSimulator::acceptLoop() {
    const auto listenAt =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(options_.listenDelayMs);
    while (listener_ < 0 && !stop_) {
        if (std::chrono::steady_clock::now() >= listenAt) {
            std::string error;
            listener_ =
                tk73sim::boundLoopbackSocket(SOCK_STREAM, options_.address, options_.port, &error);
            if (listener_ < 0) {
                std::fprintf(stderr, "tk73regsim: %s\n", error.c_str());
                return;
            }
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    while (!stop_) {
        if (!readable(listener_)) {
            continue;
        }
        const int s = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (s < 0) {
            continue;
        }
        Report report = RegisterSession(s, options_).run();
        ::shutdown(s, SHUT_RDWR);
        ::close(s);
        std::lock_guard<std::mutex> guard(lock_);
        reports_.push_back(std::move(report));
        reported_.notify_all();
    }
}

// Answers the PC's search: 36 bytes whose byte 2 is "Z" get 36 bytes whose byte 2 is "[".
void RegisterSimulator::discoveryLoop() {
    while (!stop_) {
        if (!readable(discovery_)) {
            continue;
        }
        uint8_t request[64] = {};
        sockaddr_in from{};
        socklen_t length = sizeof from;
        const ssize_t got = ::recvfrom(discovery_, request, sizeof request, 0,
                                       reinterpret_cast<sockaddr*>(&from), &length);
        if (got != static_cast<ssize_t>(kDiscoveryLength) || request[2] != 'Z') {
            continue;
        }
        uint8_t answer[kDiscoveryLength] = {4, 0, '[', 0, 0x81, 2};
        ::sendto(discovery_, answer, sizeof answer, 0, reinterpret_cast<sockaddr*>(&from), length);
    }
}

}  // namespace tk73regsim
