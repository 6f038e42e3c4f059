#include "landialogs/search_interface.h"

#include <arpa/inet.h>
#include <ifaddrs.h>

namespace tk73lan {

in_addr_t searchInterfaceOf(const std::vector<std::string>& targets) {
    ifaddrs* interfaces = nullptr;
    if (targets.empty() || ::getifaddrs(&interfaces) != 0) {
        return htonl(INADDR_ANY);
    }
    in_addr_t found = htonl(INADDR_ANY);
    for (const ifaddrs* entry = interfaces; entry != nullptr; entry = entry->ifa_next) {
        if (entry->ifa_addr == nullptr || entry->ifa_netmask == nullptr ||
            entry->ifa_addr->sa_family != AF_INET) {
            continue;
        }
        const in_addr_t own =
            reinterpret_cast<const sockaddr_in*>(entry->ifa_addr)->sin_addr.s_addr;
        const in_addr_t mask =
            reinterpret_cast<const sockaddr_in*>(entry->ifa_netmask)->sin_addr.s_addr;
        bool all = true;
        for (const std::string& target : targets) {
            in_addr address{};
            all = all && ::inet_pton(AF_INET, target.c_str(), &address) == 1 &&
                  address.s_addr != htonl(INADDR_BROADCAST) &&
                  (address.s_addr & mask) == (own & mask);
        }
        if (all) {
            found = own;
            break;
        }
    }
    ::freeifaddrs(interfaces);
    return found;
}

}  // namespace tk73lan
