#include "operations/register_transfer_record.h"

#include <algorithm>
#include <filesystem>
#include <set>

#include "operations/file_ids.h"
#include "operations/transfer_log.h"
#include "platform/api.h"
#include "platform/whole_file.h"
#include "programfiles/pgm_file_of_kind.h"
#include "programfiles/program_diff.h"
#include "storedb/register_history.h"
#include "storedb/store_folder.h"

namespace tk73ops {

namespace {

constexpr int kRegisterKind = 0;

std::string storeFileOf(int storeNo, uint32_t fileNo) {
    char path[TK73_MAX_PATH] = {};
    // The path whether or not the file exists yet.
    (void)tk73pgm::pgmFileOfKind(storeNo, kRegisterKind)
        ->CreateMainteFullPath(static_cast<int>(fileNo), path);
    return path;
}

uint64_t sizeOf(const std::string& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return error ? 0 : size;
}

// Adds the records of the received file that differ from the register's copy to changed (-1 while
// nothing is known); a file without a copy, or of another layout, adds nothing.
void countChangedRecords(const std::string& copy, const std::string& received, int& changed) {
    std::vector<tk73pgm::FieldDifference> differences;
    std::string error;
    if (!tk73::pathExists(copy) || !tk73pgm::DiffProgramFiles(copy, received, differences, error)) {
        return;
    }
    std::set<int> records;
    for (const tk73pgm::FieldDifference& difference : differences) {
        records.insert(difference.record);
    }
    changed = std::max(changed, 0) + static_cast<int>(records.size());
}

}  // namespace

std::vector<uint32_t> filesMovedWhole(const RegisterTransfer& transfer) {
    if (transfer.done) {
        return transfer.files;
    }
    const std::vector<int> failed = fileNumbersOfIds(transfer.failedIds);
    if (failed.empty()) {
        return {};
    }
    std::vector<uint32_t> moved;
    for (uint32_t fileNo : transfer.files) {
        if (std::find(failed.begin(), failed.end(), static_cast<int>(fileNo)) == failed.end()) {
            moved.push_back(fileNo);
        }
    }
    return moved;
}

void recordRegisterTransfer(const RegisterTransfer& transfer) {
    // Without a store's folder there is no store to keep the history in, and none is made.
    const std::string history = tk73store::historyFolderPath(transfer.storeNo);
    if (transfer.storeNo < 1 || history.empty() ||
        !tk73store::storeFolderExists(transfer.storeNo)) {
        return;
    }
    std::error_code error;
    std::filesystem::create_directories(history, error);
    TransferLogEntry entry;
    entry.time = transferLogTime();
    entry.direction = transfer.send ? "send" : "receive";
    entry.machineNo = tk73store::registerMachineNoAt(transfer.storeNo, transfer.address);
    entry.address = transfer.address;
    entry.done = transfer.done;
    entry.message = transfer.message;
    entry.failedFiles = fileNumbersOfIds(transfer.failedIds);
    entry.milliseconds = transfer.milliseconds;
    for (uint32_t fileNo : transfer.files) {
        entry.files.emplace_back(static_cast<int>(fileNo),
                                 sizeOf(storeFileOf(transfer.storeNo, fileNo)));
    }
    const std::string folder = tk73store::registerSnapshotPath(transfer.storeNo, entry.machineNo);
    const std::vector<uint32_t> moved = filesMovedWhole(transfer);
    if (entry.machineNo != 0 && !moved.empty()) {
        std::filesystem::create_directories(folder, error);
    }
    for (uint32_t fileNo : moved) {
        const std::string source = storeFileOf(transfer.storeNo, fileNo);
        const std::optional<std::string> bytes = tk73::readWholeFile(source);
        entry.bytes += bytes ? bytes->size() : 0;
        if (entry.machineNo == 0 || !bytes) {
            continue;
        }
        const std::string copy = folder + "/" + std::filesystem::path(source).filename().string();
        if (!transfer.send) {
            countChangedRecords(copy, source, entry.changedOnRegister);
        }
        (void)tk73::replaceWholeFile(copy, *bytes);  // a copy not replaced stays as it was
    }
    appendTransferLog(tk73store::transferLogPath(transfer.storeNo), entry);
}

}  // namespace tk73ops
