#pragma once
// The machines a LAN transfer runs on, one task each, and the task lines that name them.

#include <string>
#include <vector>

namespace tk73lan {

struct LanTask {
    std::string branchNo;
    std::string branchName;
    std::string storeNo;
    std::string storeName;
    std::string machineNo;
    std::string ipAddress;
    // Above 0: done. 0 or below: not run yet, or failed.
    int status = 0;
    // What the last run of the task said.
    std::string result;
};

// One task per line ("\n", a trailing "\r" trimmed), six comma-separated fields that may be
// quoted as in the store tables; other lines are skipped. An empty branch name becomes
// "Independents".
std::vector<LanTask> parseTaskLines(const std::string& text);

}  // namespace tk73lan
