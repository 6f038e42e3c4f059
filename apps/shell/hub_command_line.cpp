#include "apps/shell/hub_command_line.h"

#include <algorithm>
#include <cctype>

namespace tk73hub {

namespace {

// "-X" and "/X" are flags; a path that begins with the separator ("/mnt/card/AUTO.092") is not,
// so a "/" flag is a word of letters and digits.
bool isFlag(const std::string& argument) {
    if (argument.size() < 2 || (argument[0] != '/' && argument[0] != '-')) {
        return false;
    }
    if (argument[0] == '-') {
        return true;
    }
    return std::all_of(argument.begin() + 1, argument.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

}  // namespace

HubCommandLine HubCommandLine::Parse(const std::vector<std::string>& arguments) {
    HubCommandLine parsed;
    bool firstFlag = true;
    for (const std::string& argument : arguments) {
        if (isFlag(argument)) {
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
