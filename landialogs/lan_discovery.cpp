#include "landialogs/lan_discovery.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>

#include "landialogs/search_interface.h"
#include "platform/registry_hive.h"

namespace tk73lan {

namespace {

constexpr size_t kRegisterDatagram = 36;
constexpr size_t kControllerDatagram = 34;
constexpr const char* kLanKey = "SOFTWARE\\KELVO\\TK73TOOL\\SYSTEM\\LAN";

// A UDP socket that may broadcast, bound to the search port on the interface of the targets;
// when another program of this machine holds that port, to a port of the system's choice, as the
// machines answer to the port the request came from. Bound to that interface, it takes no answer
// that comes from another network.
int searchSocket(int port, const std::vector<std::string>& targets) {
    const int s = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (s < 0) {
        return -1;
    }
    const int on = 1;
    ::setsockopt(s, SOL_SOCKET, SO_BROADCAST, &on, sizeof on);
    ::setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = searchInterfaceOf(targets);
    local.sin_port = htons(static_cast<uint16_t>(port));
    if (::bind(s, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0) {
        local.sin_port = 0;
        if (::bind(s, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0) {
            ::close(s);
            return -1;
        }
    }
    return s;
}

std::string dotted(const sockaddr_in& from) {
    const auto* b = reinterpret_cast<const uint8_t*>(&from.sin_addr.s_addr);
    char text[20];
    std::snprintf(text, sizeof text, "%d.%d.%d.%d", b[0], b[1], b[2], b[3]);
    return text;
}

}  // namespace

std::string registerSearchRequest() {
    std::string request(kRegisterDatagram, '\0');
    request[0] = 4;
    request[2] = 'Z';
    request[4] = static_cast<char>(0x81);
    request[5] = 1;
    return request;
}

std::string controllerSearchRequest() {
    std::string request(kControllerDatagram, '\0');
    request[0] = 32;
    request[2] = 1;
    request[4] = static_cast<char>(0x81);
    request[5] = 7;
    request[6] = '!';
    return request;
}

bool readRegisterAnswer(const std::string& datagram, SearchAnswer& answer) {
    return datagram.size() >= kRegisterDatagram && datagram[2] == '[';
}

bool readControllerAnswer(const std::string& datagram, SearchAnswer& answer) {
    if (datagram.size() < kControllerDatagram || datagram[5] != 8) {
        return false;
    }
    answer.machineNo = datagram.substr(7, 4);
    answer.modelCode = datagram.substr(11, 6);
    // The controller names its own address from byte 17 on (the text ends at the first zero
    // byte); one that names none, or no address, is known by the address it answered from.
    const std::string named = datagram.substr(17, datagram.find('\0', 17) - 17);
    in_addr parsed{};
    answer.address = ::inet_pton(AF_INET, named.c_str(), &parsed) == 1 ? named : std::string();
    return true;
}

std::vector<std::string> broadcastTargets() {
    const auto value = tk73::registryReadValue(tk73::Hive::Machine, kLanKey, "BroadcastAddress");
    std::string list = value && value->type == tk73::RegistryValue::Type::String
                           ? value->text
                           : std::string("255.255.255.255");
    std::vector<std::string> targets;
    size_t from = 0;
    while (from <= list.size()) {
        size_t end = list.find(',', from);
        if (end == std::string::npos) {
            end = list.size();
        }
        const std::string one = list.substr(from, end - from);
        const size_t first = one.find_first_not_of(' ');
        if (first != std::string::npos) {
            targets.push_back(one.substr(first, one.find_last_not_of(' ') - first + 1));
        }
        from = end + 1;
    }
    return targets;
}

std::vector<SearchAnswer> searchMachines(bool controller, const std::vector<std::string>& targets,
                                         int waitMilliseconds) {
    const int port = controller ? kControllerSearchPort : kRegisterSearchPort;
    std::vector<SearchAnswer> answers;
    const int s = searchSocket(port, targets);
    if (s < 0) {
        return answers;
    }
    const std::string request = controller ? controllerSearchRequest() : registerSearchRequest();
    for (const std::string& target : targets) {
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(static_cast<uint16_t>(port));
        if (::inet_pton(AF_INET, target.c_str(), &to.sin_addr) == 1) {
            ::sendto(s, request.data(), request.size(), 0, reinterpret_cast<sockaddr*>(&to),
                     sizeof to);
        }
    }
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMilliseconds);
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              end - std::chrono::steady_clock::now())
                              .count();
        pollfd watch{s, POLLIN, 0};
        if (left <= 0 || ::poll(&watch, 1, static_cast<int>(left)) <= 0) {
            break;
        }
        char datagram[256];
        sockaddr_in from{};
        socklen_t length = sizeof from;
        const ssize_t got = ::recvfrom(s, datagram, sizeof datagram, 0,
                                       reinterpret_cast<sockaddr*>(&from), &length);
        SearchAnswer answer;
        const std::string bytes(datagram, got > 0 ? static_cast<size_t>(got) : 0);
        if (!(controller ? readControllerAnswer(bytes, answer)
                         : readRegisterAnswer(bytes, answer))) {
            continue;
        }
        if (answer.address.empty()) {
            answer.address = dotted(from);
        }
        bool known = false;
        for (const SearchAnswer& listed : answers) {
            known = known || listed.address == answer.address;
        }
        if (!known) {
            answers.push_back(answer);
        }
    }
    ::close(s);
    return answers;
}

}  // namespace tk73lan
