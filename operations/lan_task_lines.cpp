#include "operations/lan_task_lines.h"

#include <cstdio>

namespace tk73ops {

std::string taskLinesOf(TK73LanHandle* select, SelectedCount count, SelectedAddress address) {
    std::string lines;
    const int chosen = count(select);
    for (int index = 0; index < chosen; ++index) {
        char ip[64] = {};
        address(select, index, ip);
        char line[128];
        std::snprintf(line, sizeof line, "000,Brch,000,Store,%03d,%s", index, ip);
        if (!lines.empty()) {
            lines += "\r\n";
        }
        lines += line;
    }
    return lines;
}

}  // namespace tk73ops
