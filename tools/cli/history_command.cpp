// history: the store's transfer log, newest first, for every register or for one.

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "operations/transfer_log.h"
#include "storedb/register_history.h"
#include "tools/cli/command.h"
#include "tools/cli/exit_codes.h"
#include "tools/cli/json_text.h"
#include "tools/cli/store_checks.h"
#include "tools/cli/terminal_text.h"
#include "tools/cli/transfer_choice.h"

namespace tk73cli {

namespace {

using tk73ops::TransferLogEntry;

std::string numberList(const std::vector<int>& numbers) {
    std::string text;
    for (int number : numbers) {
        text += (text.empty() ? "" : ",") + std::to_string(number);
    }
    return text;
}

std::string json(const TransferLogEntry& entry) {
    std::vector<std::string> files;
    for (const auto& [fileNo, size] : entry.files) {
        files.push_back(
            JsonObject().Number("file", fileNo).Number("size", static_cast<long long>(size)).Str());
    }
    std::vector<std::string> failed;
    for (int fileNo : entry.failedFiles) {
        failed.push_back(std::to_string(fileNo));
    }
    return JsonObject()
        .Text("time", entry.time)
        .Text("direction", entry.direction)
        .Number("machine", entry.machineNo)
        .Text("address", entry.address)
        .Raw("files", JsonArray(files))
        .Text("result", entry.done ? "done" : "failed")
        .Text("message", entry.message)
        .Raw("failedFiles", JsonArray(failed))
        .Number("bytes", static_cast<long long>(entry.bytes))
        .Number("milliseconds", static_cast<long long>(entry.milliseconds))
        .Raw("changedOnRegister",
             entry.changedOnRegister < 0 ? "null" : std::to_string(entry.changedOnRegister))
        .Str();
}

int runHistory(const CommandLine& line, CliUserInteraction&) {
    const std::string address =
        line.has("register") ? checkedAddresses({line.value("register")})[0] : std::string();
    STORE_EDB store;
    if (!FindStore(StoreOf(line), store)) {
        return kExitNotFound;
    }
    // A register of the store is followed by its number, which stays when its address changes.
    const int machineNo =
        address.empty() ? 0 : tk73store::registerMachineNoAt(store.storeNo, address);
    std::vector<TransferLogEntry> entries =
        tk73ops::readTransferLog(tk73store::transferLogPath(store.storeNo));
    std::reverse(entries.begin(), entries.end());
    std::vector<std::string> items;
    for (const TransferLogEntry& entry : entries) {
        const bool chosen = address.empty() || (machineNo != 0 ? entry.machineNo == machineNo
                                                               : entry.address == address);
        if (!chosen) {
            continue;
        }
        if (line.has("json")) {
            items.push_back(json(entry));
            continue;
        }
        std::string files;
        for (const auto& [fileNo, size] : entry.files) {
            files += (files.empty() ? "" : ",") + std::to_string(fileNo);
        }
        std::printf(
            "%s\t%s\t%d\t%s\t%s\t%s\t%s\t%s\t%llu\t%llu\t%s\n", entry.time.c_str(),
            entry.direction.c_str(), entry.machineNo, entry.address.c_str(), files.c_str(),
            entry.done ? "done" : "failed", TerminalText(entry.message).c_str(),
            numberList(entry.failedFiles).c_str(), static_cast<unsigned long long>(entry.bytes),
            static_cast<unsigned long long>(entry.milliseconds),
            entry.changedOnRegister < 0 ? "" : std::to_string(entry.changedOnRegister).c_str());
    }
    if (line.has("json")) {
        std::printf("%s\n", JsonArray(items).c_str());
    }
    return kExitOk;
}

}  // namespace

std::vector<Command> HistoryCommands() {
    return {
        {"history",
         "[--store N] [--register ADDRESS] [--json]",
         "Lists the store's LAN transfers, newest first, one a line: time, direction, machine "
         "number, address, files, done or failed, message, failed files, bytes, milliseconds, "
         "records changed on the register (of a receive).",
         {kStoreOption, {"register", "ADDRESS", "only this register's transfers"}, kJsonOption},
         0,
         0,
         runHistory},
    };
}

}  // namespace tk73cli
