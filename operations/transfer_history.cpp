#include "operations/transfer_history.h"

#include <algorithm>
#include <cstdio>

#include "operations/active_store_info.h"
#include "operations/ops_sock_register.h"
#include "operations/send_selection.h"
#include "storedb/edb_store.h"
#include "storedb/register_history.h"

namespace tk73ops {

namespace {

std::string fileList(const std::vector<int>& files) {
    std::string text;
    for (int fileNo : files) {
        text += (text.empty() ? "" : ",") + std::to_string(fileNo);
    }
    return text;
}

std::string note(const TransferLogEntry& entry) {
    if (entry.changedOnRegister <= 0) {
        return "";
    }
    return "changed on the register: " + std::to_string(entry.changedOnRegister) +
           (entry.changedOnRegister == 1 ? " record" : " records");
}

}  // namespace

TransferHistoryRequest::TransferHistoryRequest(int storeNo) : storeNo_(storeNo) {
    reload();
}

std::string TransferHistoryRequest::title() const {
    STORE_EDB store;
    char number[16];
    std::snprintf(number, sizeof number, "%03d", storeNo_);
    std::string title = std::string("Transfer history - Store ") + number;
    if (CTK73edbStore().GetStoreFromStoreNo(storeNo_, &store) == 1 && !store.storeName.empty()) {
        title += " " + store.storeName;
    }
    return title;
}

std::vector<std::string> TransferHistoryRequest::columns() {
    // The message, the longest, comes last.
    return {"Time (UTC)",   "Direction", "Register", "Result", "Files",
            "Failed files", "Bytes",     "Seconds",  "Note",   "Message"};
}

void TransferHistoryRequest::reload() {
    entries_ = readTransferLog(tk73store::transferLogPath(storeNo_));
    std::reverse(entries_.begin(), entries_.end());
    const std::vector<Register> before = registers_;
    registers_.clear();
    for (const TransferLogEntry& entry : entries_) {
        const bool listed =
            std::any_of(registers_.begin(), registers_.end(), [&](const Register& known) {
                return entry.machineNo != 0
                           ? known.machineNo == entry.machineNo
                           : known.machineNo == 0 && known.address == entry.address;
            });
        if (!listed) {
            registers_.push_back({entry.machineNo, entry.address});
        }
    }
    std::sort(registers_.begin(), registers_.end(), [](const Register& a, const Register& b) {
        return a.machineNo != b.machineNo
                   ? (a.machineNo != 0 && (b.machineNo == 0 || a.machineNo < b.machineNo))
                   : a.address < b.address;
    });
    // The register chosen before stays chosen.
    if (register_ >= 0 && static_cast<size_t>(register_) < before.size()) {
        const Register chosen = before[static_cast<size_t>(register_)];
        register_ = -1;
        for (size_t index = 0; index < registers_.size(); ++index) {
            if (registers_[index].machineNo == chosen.machineNo &&
                (chosen.machineNo != 0 || registers_[index].address == chosen.address)) {
                register_ = static_cast<int>(index);
            }
        }
    }
}

std::vector<std::string> TransferHistoryRequest::registerChoices() const {
    std::vector<std::string> choices;
    for (const Register& known : registers_) {
        choices.push_back(known.machineNo != 0
                              ? "No. " + std::to_string(known.machineNo) + " " + known.address
                              : known.address);
    }
    return choices;
}

void TransferHistoryRequest::chooseRegister(int index) {
    register_ = index >= 0 && static_cast<size_t>(index) < registers_.size() ? index : -1;
}

void TransferHistoryRequest::chooseResult(Result result) {
    result_ = result;
}

bool TransferHistoryRequest::matches(const TransferLogEntry& entry) const {
    if (result_ != Result::Any && entry.done != (result_ == Result::Done)) {
        return false;
    }
    if (register_ < 0) {
        return true;
    }
    // A register of the store is followed by its number, which stays when its address changes.
    const Register& chosen = registers_[static_cast<size_t>(register_)];
    return chosen.machineNo != 0 ? entry.machineNo == chosen.machineNo
                                 : entry.machineNo == 0 && entry.address == chosen.address;
}

std::vector<TransferLogEntry> TransferHistoryRequest::shown() const {
    std::vector<TransferLogEntry> shown;
    std::copy_if(entries_.begin(), entries_.end(), std::back_inserter(shown),
                 [this](const TransferLogEntry& entry) { return matches(entry); });
    return shown;
}

std::vector<std::string> TransferHistoryRequest::rowTexts(const TransferLogEntry& entry) {
    std::vector<int> files;
    for (const auto& [fileNo, size] : entry.files) {
        files.push_back(fileNo);
    }
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.1f", static_cast<double>(entry.milliseconds) / 1000);
    const std::string machine = entry.machineNo != 0
                                    ? "No. " + std::to_string(entry.machineNo) + " " + entry.address
                                    : entry.address;
    return {entry.time,
            entry.direction == "send" ? "Send" : "Receive",
            machine,
            entry.done ? "Done" : "Failed",
            fileList(files),
            fileList(entry.failedFiles),
            std::to_string(entry.bytes),
            seconds,
            note(entry),
            entry.message};
}

bool TransferHistoryRequest::canRetry() const {
    return !lastFailedSends(storeNo_).empty();
}

int TransferHistoryRequest::retryFailed() {
    // The sends serve the active store's files; another store's history is not retried with them.
    if (CTK73opsActiveStoreInfo().GetStore().storeNo != storeNo_) {
        return 0;
    }
    const int served = CTK73opsSockRegister().RetryFailedSends();
    reload();
    return served;
}

}  // namespace tk73ops
