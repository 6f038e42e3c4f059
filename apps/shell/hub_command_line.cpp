#include "apps/shell/hub_command_line.h"

namespace tk73hub {

HubCommandLine HubCommandLine::Parse(const std::vector<std::string>& arguments) {
    HubCommandLine parsed;
    bool firstFlag = true;
    for (const std::string& argument : arguments) {
        if (!argument.empty() && (argument[0] == '/' || argument[0] == '-')) {
            if (firstFlag) {
                parsed.launchVek = argument.compare(1, std::string::npos, "LAUNCHVEK") == 0;
                firstFlag = false;
            }
        } else if (parsed.archiveFile.empty() && !argument.empty()) {
            parsed.archiveFile = argument;
        }
    }
    return parsed;
}

uint32_t AdjustUserMode(uint32_t userMode, bool launchVek) {
    if (launchVek) {
        return userMode == 4 ? 4 : 3;
    }
    return userMode > 2 ? 0 : userMode;
}

std::string HubMutexName(bool launchVek, const std::string& programName) {
    return std::string(launchVek ? "TK73HUB_LAUNCHVEK" : "TK73HUB_LAUNCHREG") + programName;
}

}  // namespace tk73hub
