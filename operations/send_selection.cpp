#include "operations/send_selection.h"

#include <algorithm>
#include <filesystem>

#include "operations/transfer_log.h"
#include "platform/api.h"
#include "platform/whole_file.h"
#include "programfiles/pgm_file_of_kind.h"
#include "storedb/register_history.h"

namespace tk73ops {

namespace {
constexpr int kRegisterKind = 0;
}

std::vector<uint32_t> filesChangedOnStore(int storeNo, const std::string& address,
                                          const std::vector<uint32_t>& files) {
    const int machineNo = tk73store::registerMachineNoAt(storeNo, address);
    if (machineNo == 0) {
        return files;
    }
    const std::string copies = tk73store::registerSnapshotPath(storeNo, machineNo);
    std::vector<uint32_t> changed;
    for (uint32_t fileNo : files) {
        char path[TK73_MAX_PATH] = {};
        // The path whether or not the file exists yet.
        (void)tk73pgm::pgmFileOfKind(storeNo, kRegisterKind)
            ->CreateMainteFullPath(static_cast<int>(fileNo), path);
        const auto copy =
            tk73::readWholeFile(copies + "/" + std::filesystem::path(path).filename().string());
        if (!copy || copy != tk73::readWholeFile(path)) {
            changed.push_back(fileNo);
        }
    }
    return changed;
}

std::vector<RegisterFiles> lastFailedSends(int storeNo) {
    std::vector<TransferLogEntry> last;
    for (TransferLogEntry& entry : readTransferLog(tk73store::transferLogPath(storeNo))) {
        if (entry.direction != "send") {
            continue;
        }
        const auto same = std::find_if(last.begin(), last.end(), [&](const TransferLogEntry& e) {
            return e.address == entry.address;
        });
        if (same != last.end()) {
            last.erase(same);
        }
        last.push_back(std::move(entry));
    }
    std::vector<RegisterFiles> failed;
    for (const TransferLogEntry& entry : last) {
        if (entry.done) {
            continue;
        }
        RegisterFiles send{entry.address, {}};
        for (const auto& [fileNo, size] : entry.files) {
            const bool listed = std::find(entry.failedFiles.begin(), entry.failedFiles.end(),
                                          fileNo) != entry.failedFiles.end();
            if (listed || entry.failedFiles.empty()) {
                send.files.push_back(static_cast<uint32_t>(fileNo));
            }
        }
        failed.push_back(std::move(send));
    }
    return failed;
}

}  // namespace tk73ops
