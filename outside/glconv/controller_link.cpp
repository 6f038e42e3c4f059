#include "outside/glconv/controller_link.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>

#include "outside/glconv/little_endian.h"
#include "outside/glconv/result_codes.h"
#include "platform/ini_profile.h"
#include "platform/whole_file.h"

namespace glconv {

namespace {

constexpr int kConnectMilliseconds = 5000;
// The controller takes the request, and answers it, each within ten seconds as a whole however
// it spreads its bytes; a file that goes with the request or the answer adds a second for every
// 64 KiB of it.
constexpr auto kExchangeTime = std::chrono::seconds(10);
constexpr size_t kBytesPerSecond = 64 * 1024;

using Clock = std::chrono::steady_clock;

Clock::time_point deadlineFor(size_t bytes) {
    return Clock::now() + kExchangeTime + std::chrono::seconds(bytes / kBytesPerSecond);
}

std::string profileValue(const char* key, const std::string& file) {
    char value[256] = {};
    tk73_GetPrivateProfileStringA("TCP/IP", key, "", value, sizeof value, file.c_str());
    return value;
}

class Connection {
  public:
    ~Connection() {
        if (socket_ >= 0) {
            ::close(socket_);
        }
    }

    // A connection within the connect time; false with the reason.
    bool open(const std::string& address, int port, std::string& detail) {
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(static_cast<uint16_t>(port));
        if (::inet_pton(AF_INET, address.c_str(), &to.sin_addr) != 1) {
            detail = "no address: " + address;
            return false;
        }
        socket_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (socket_ < 0) {
            detail = std::strerror(errno);
            return false;
        }
        if (::connect(socket_, reinterpret_cast<sockaddr*>(&to), sizeof to) != 0 &&
            errno != EINPROGRESS) {
            detail = address + ": " + std::strerror(errno);
            return false;
        }
        int error = 0;
        socklen_t length = sizeof error;
        if (!wait(POLLOUT, kConnectMilliseconds) ||
            ::getsockopt(socket_, SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0) {
            detail = address + ": " + (error != 0 ? std::strerror(error) : "no connection");
            return false;
        }
        return true;
    }

    // Every byte by the deadline; a time-out is told apart from a failure.
    int send(const std::string& bytes, Clock::time_point deadline) {
        for (size_t sent = 0; sent < bytes.size();) {
            if (!wait(POLLOUT, deadline)) {
                return kTimeOut;
            }
            const ssize_t n =
                ::send(socket_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
            if (n <= 0) {
                return kTransmitError;
            }
            sent += static_cast<size_t>(n);
        }
        return kNormalEnd;
    }

    int receive(size_t count, std::string& out, Clock::time_point deadline) {
        out.assign(count, '\0');
        for (size_t got = 0; got < count;) {
            if (!wait(POLLIN, deadline)) {
                return kTimeOut;
            }
            const ssize_t n = ::recv(socket_, out.data() + got, count - got, 0);
            if (n <= 0) {
                return kReceiveError;
            }
            got += static_cast<size_t>(n);
        }
        return kNormalEnd;
    }

  private:
    bool wait(short events, int milliseconds) const {
        pollfd watch{socket_, events, 0};
        return ::poll(&watch, 1, milliseconds) == 1 && (watch.revents & events) != 0;
    }
    bool wait(short events, Clock::time_point deadline) const {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        return left > 0 && wait(events, static_cast<int>(left));
    }

    int socket_ = -1;
};

bool writeWhole(const std::string& path, const std::string& bytes) {
    const std::string temporary = path + ".part";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !written || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace

int transferWithController(const Command& command, std::string& detail) {
    if (!command.lanInterface || command.unknownSwitch || command.operands.size() != 2 ||
        command.machineNo < 1) {
        detail = "expected: S|R \"program file\" n -tM -li -d\"definition file\" [-T]";
        return kUnknownParameters;
    }
    if (command.definitionFile.empty() || !tk73::pathExists(command.definitionFile)) {
        detail = "no definition file " + command.definitionFile;
        return kUnknownMachine;
    }
    char key[16];
    std::snprintf(key, sizeof key, "ECR%02d", command.machineNo);
    const std::string address = profileValue(key, command.definitionFile);
    if (address.empty()) {
        detail = std::string("no address of ") + key + " in TCP/IP";
        return kNoTerminal;
    }
    const std::string portText = profileValue("PORT", command.definitionFile);
    const int port = portText.empty() ? kControllerPort : std::atoi(portText.c_str());
    const std::string& path = command.operands[0];
    const int fileNo = std::atoi(command.operands[1].c_str());

    std::string data;
    if (command.letter == 'S') {
        const std::optional<std::string> file = tk73::readWholeFile(path);
        if (!file || file->size() > kMaxControllerFile) {
            detail = "cannot read " + path;
            return kCannotOpen;
        }
        data = *file;
    }
    std::string request(kRequestHeader, '\0');
    std::memcpy(request.data(), kControllerMagic, sizeof kControllerMagic);
    request[4] = command.letter;
    putLittleEndian(request, 5, static_cast<uint32_t>(command.machineNo), 2);
    putLittleEndian(request, 7, static_cast<uint32_t>(fileNo), 2);
    request[9] = command.textFile ? 1 : 0;
    putLittleEndian(request, 10, static_cast<uint32_t>(data.size()), 4);
    request += data;

    Connection link;
    if (!link.open(address, port, detail)) {
        return kConnectError;
    }
    std::string answer;
    if (int result = link.send(request, deadlineFor(request.size())); result != kNormalEnd) {
        detail = "the request did not go out";
        return result;
    }
    if (int result = link.receive(kAnswerHeader, answer, deadlineFor(0)); result != kNormalEnd) {
        detail = "no answer";
        return result;
    }
    if (answer.compare(0, sizeof kControllerMagic, kControllerMagic, sizeof kControllerMagic) !=
        0) {
        detail = "the answer is no frame of this converter";
        return kBadAnswer;
    }
    const int code = static_cast<int>(getLittleEndian(answer, 4, 2));
    const uint32_t length = getLittleEndian(answer, 6, 4);
    if (code != kNormalEnd) {
        detail = "the controller answered " + std::to_string(code);
        return code;
    }
    if (command.letter == 'S') {
        return kNormalEnd;
    }
    if (length > kMaxControllerFile) {
        detail = "the answer announces " + std::to_string(length) + " bytes";
        return kBadAnswer;
    }
    if (int result = link.receive(length, data, deadlineFor(length)); result != kNormalEnd) {
        detail = "the file was cut short";
        return result;
    }
    if (!writeWhole(path, data)) {
        detail = "cannot write " + path;
        return kCannotWrite;
    }
    return kNormalEnd;
}

}  // namespace glconv
