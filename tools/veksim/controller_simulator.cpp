#include "tools/veksim/controller_simulator.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include "outside/glconv/controller_link.h"
#include "outside/glconv/little_endian.h"
#include "tools/simloopback/loopback_socket.h"

namespace tk73veksim {

namespace {

constexpr int kPollMilliseconds = 100;
constexpr int kIoMilliseconds = 5000;
constexpr size_t kSearchDatagram = 34;
constexpr int kBusy = 4600;
constexpr int kFileError = 4604;

bool readable(int s, int milliseconds) {
    pollfd watch{s, POLLIN, 0};
    return ::poll(&watch, 1, milliseconds) == 1;
}

bool receiveAll(int s, size_t count, std::string& out) {
    out.assign(count, '\0');
    for (size_t got = 0; got < count;) {
        if (!readable(s, kIoMilliseconds)) {
            return false;
        }
        const ssize_t n = ::recv(s, out.data() + got, count - got, 0);
        if (n <= 0) {
            return false;
        }
        got += static_cast<size_t>(n);
    }
    return true;
}

void answer(int s, int code, const std::string& data) {
    std::string frame(glconv::kAnswerHeader, '\0');
    std::memcpy(frame.data(), glconv::kControllerMagic, sizeof glconv::kControllerMagic);
    glconv::putLittleEndian(frame, 4, static_cast<uint32_t>(code), 2);
    glconv::putLittleEndian(frame, 6, static_cast<uint32_t>(data.size()), 4);
    frame += data;
    ::send(s, frame.data(), frame.size(), MSG_NOSIGNAL);
}

}  // namespace

std::string storedFile(const std::string& folder, int fileNo, bool text) {
    char name[32];
    std::snprintf(name, sizeof name, text ? "FILE%03dP.TXT" : "FILE%03dP.DAT", fileNo);
    return folder + "/" + name;
}

ControllerSimulator::ControllerSimulator(Options options) : options_(std::move(options)) {}

ControllerSimulator::~ControllerSimulator() {
    stop();
}

bool ControllerSimulator::start(std::string* error) {
    listener_ = tk73sim::boundLoopbackSocket(SOCK_STREAM, options_.address, options_.port, error);
    if (listener_ < 0) {
        return false;
    }
    search_ =
        tk73sim::boundLoopbackSocket(SOCK_DGRAM, options_.address, options_.discoveryPort, error);
    if (search_ < 0) {
        ::close(listener_);
        listener_ = -1;
        return false;
    }
    serveThread_ = std::thread([this] { serveLoop(); });
    searchThread_ = std::thread([this] { searchLoop(); });
    return true;
}

void ControllerSimulator::stop() {
    stop_ = true;
    for (std::thread* worker : {&serveThread_, &searchThread_}) {
        if (worker->joinable()) {
            worker->join();
        }
    }
    for (int* s : {&listener_, &search_}) {
        if (*s >= 0) {
            ::close(*s);
            *s = -1;
        }
    }
}

void ControllerSimulator::serveLoop() {
    while (!stop_) {
        if (!readable(listener_, kPollMilliseconds)) {
            continue;
        }
        const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection >= 0) {
            serve(connection);
            ::close(connection);
        }
    }
}

void ControllerSimulator::serve(int connection) {
    std::string header;
    if (!receiveAll(connection, glconv::kRequestHeader, header) ||
        header.compare(0, 4, glconv::kControllerMagic, 4) != 0) {
        return;
    }
    const char letter = header[4];
    const int fileNo = static_cast<int>(glconv::getLittleEndian(header, 7, 2));
    const bool text = header[9] != 0;
    const uint32_t length = glconv::getLittleEndian(header, 10, 4);
    std::string data;
    if (length > glconv::kMaxControllerFile || !receiveAll(connection, length, data)) {
        return;
    }
    ++transfers_;
    if (options_.busy) {
        answer(connection, kBusy, {});
        return;
    }
    const std::string file = storedFile(options_.folder, fileNo, text);
    if (letter == 'S') {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(data.data(), static_cast<std::streamsize>(data.size()));
        answer(connection, out.flush() ? 0 : kFileError, {});
        return;
    }
    std::ifstream in(file, std::ios::binary);
    if (letter != 'R' || !in) {
        answer(connection, kFileError, {});
        return;
    }
    answer(connection, 0,
           std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
}

void ControllerSimulator::searchLoop() {
    while (!stop_) {
        if (!readable(search_, kPollMilliseconds)) {
            continue;
        }
        char request[64] = {};
        sockaddr_in from{};
        socklen_t length = sizeof from;
        const ssize_t got = ::recvfrom(search_, request, sizeof request, 0,
                                       reinterpret_cast<sockaddr*>(&from), &length);
        if (got != static_cast<ssize_t>(kSearchDatagram) || request[2] != 1 || request[5] != 7 ||
            request[6] != '!') {
            continue;
        }
        std::string reply(kSearchDatagram, '\0');
        reply[0] = 32;
        reply[2] = 1;
        reply[4] = static_cast<char>(0x81);
        reply[5] = 8;
        reply.replace(7, 4, (options_.machineNo + "    ").substr(0, 4));
        reply.replace(11, 6, (options_.modelCode + "      ").substr(0, 6));
        const std::string address =
            (options_.namedAddress.empty() ? options_.address : options_.namedAddress)
                .substr(0, kSearchDatagram - 17);
        reply.replace(17, address.size(), address);
        ::sendto(search_, reply.data(), reply.size(), 0, reinterpret_cast<sockaddr*>(&from),
                 length);
    }
}

}  // namespace tk73veksim
