#include "operations/lan_task_lines.h"

#include <cstdio>

namespace tk73ops {

std::string taskLinesOf(TK73LanHandle* select, SelectedCount count, SelectedAddress address) {
    std::vector<std::string> addresses;
    const int chosen = count(select);
    for (int index = 0; index < chosen; ++index) {
        char ip[64] = {};
        address(select, index, ip);
        addresses.emplace_back(ip);
    }
    return taskLinesOf(addresses);
}

std::string taskLinesOf(const std::vector<std::string>& addresses) {
    std::string lines;
    for (size_t index = 0; index < addresses.size(); ++index) {
        char line[128];
        std::snprintf(line, sizeof line, "000,Brch,000,Store,%03zu,%.63s", index,
                      addresses[index].c_str());
        if (!lines.empty()) {
            lines += "\r\n";
        }
        lines += line;
    }
    return lines;
}

}  // namespace tk73ops
