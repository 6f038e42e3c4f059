#include "storedb/register_history.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>

#include "storedb/edb_reg_vek.h"
#include "storedb/store_folder.h"

namespace tk73store {

namespace fs = std::filesystem;

namespace {

// The in-use address of each machine number.
std::map<int, std::string> addressesOf(const STORE_MANAGE& block) {
    std::map<int, std::string> addresses;
    for (const STORE_MANAGE_ENTRY& entry : block.entries) {
        if (entry.operateStatus == '1' && !entry.ipAddr.empty()) {
            addresses[entry.machineNo] = entry.ipAddr;
        }
    }
    return addresses;
}

bool listsAddress(const std::map<int, std::string>& addresses, const std::string& address) {
    return std::any_of(addresses.begin(), addresses.end(),
                       [&](const auto& machine) { return machine.second == address; });
}

}  // namespace

std::string historyFolderPath(int storeNo) {
    const std::string store = storeFolderPath(storeNo);
    return store.empty() ? std::string() : store + "/HISTORY";
}

std::string transferLogPath(int storeNo) {
    const std::string history = historyFolderPath(storeNo);
    return history.empty() ? std::string() : history + "/TRANSFER.LOG";
}

std::string registerSnapshotPath(int storeNo, int machineNo) {
    const std::string history = historyFolderPath(storeNo);
    char name[16];
    std::snprintf(name, sizeof name, "/REG%02d", machineNo);
    return history.empty() ? std::string() : history + name;
}

int registerMachineNoAt(int storeNo, const std::string& address) {
    STORE_MANAGE block;
    if (CTK73edbRegister(storeNo).GetRegister(&block) != 1) {
        return 0;
    }
    for (const auto& [machineNo, listed] : addressesOf(block)) {
        if (listed == address) {
            return machineNo;
        }
    }
    return 0;
}

void followRegisterSnapshots(int storeNo, const STORE_MANAGE& before, const STORE_MANAGE& after) {
    const std::map<int, std::string> was = addressesOf(before);
    const std::map<int, std::string> is = addressesOf(after);
    // Where each old number's copies go; a number that maps to nothing loses them.
    std::map<int, int> moves;
    for (const auto& [oldNo, address] : was) {
        for (const auto& [newNo, listed] : is) {
            if (listed == address) {
                moves[oldNo] = newNo;
            }
        }
        const auto same = is.find(oldNo);
        if (moves.count(oldNo) == 0 && same != is.end() && !listsAddress(was, same->second)) {
            moves[oldNo] = oldNo;
        }
    }
    std::error_code error;
    // Every folder steps aside first, so that two registers may swap their numbers.
    std::map<int, std::string> aside;
    for (const auto& [oldNo, address] : was) {
        const std::string folder = registerSnapshotPath(storeNo, oldNo);
        if (folder.empty() || !fs::exists(folder, error)) {
            continue;
        }
        if (moves.count(oldNo) == 0) {
            fs::remove_all(folder, error);
            continue;
        }
        aside[oldNo] = folder + ".moving";
        fs::remove_all(aside[oldNo], error);
        fs::rename(folder, aside[oldNo], error);
    }
    for (const auto& [oldNo, folder] : aside) {
        const std::string target = registerSnapshotPath(storeNo, moves[oldNo]);
        fs::remove_all(target, error);
        fs::rename(folder, target, error);
    }
    // A number nobody uses any more holds no copies, whatever an earlier run left there.
    for (int machineNo = 1; machineNo <= EDB_MACHINES_PER_STORE; ++machineNo) {
        if (is.count(machineNo) == 0) {
            fs::remove_all(registerSnapshotPath(storeNo, machineNo), error);
        }
    }
}

}  // namespace tk73store
