#pragma once
// The command line of the shell and what the start-up derives from it: the controller mode, the
// archive file to load at once, the layout's user mode and the single-instance name.

#include <cstdint>
#include <string>
#include <vector>

namespace tk73hub {

struct HubCommandLine {
    // "/LAUNCHVEK" as the first flag (compared with letter case): the process works on the
    // controller's settings and registry tree.
    bool launchVek = false;
    // The first plain argument: an archive file to load instead of the automatic Open.
    std::string archiveFile;

    // Flags are the arguments that begin with "-", and those that begin with "/" followed by
    // letters and digits only (a path from the root is a file); arguments: after the program's
    // path.
    static HubCommandLine Parse(const std::vector<std::string>& arguments);
};

// The user mode the shell runs: the controller tool treats every mode but 4 as 3, the register
// tool every mode above 2 as 0.
uint32_t AdjustUserMode(uint32_t userMode, bool launchVek);

// "TK73HUB_LAUNCHVEK" in controller mode, else "TK73HUB_LAUNCHREG", then the program's base name.
std::string HubMutexName(bool launchVek, const std::string& programName);

}  // namespace tk73hub
