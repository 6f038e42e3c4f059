#include "landialogs/lan_select.h"

#include "base/registry_settings.h"
#include "storedb/edb_reg_vek.h"

namespace tk73lan {

namespace {

constexpr const char* kUnknownModel = "000000";

// The store's table knows the machines by address; a controller's own machine number comes
// with its answer to a search.
template <typename Table>
void listStoreMachines(int storeNo, std::vector<LanMachine>& machines) {
    STORE_MANAGE block;
    if (Table(storeNo).GetRegister(&block) != 1) {
        return;
    }
    for (const STORE_MANAGE_ENTRY& entry : block.entries) {
        if (entry.operateStatus == '1' && !entry.ipAddr.empty()) {
            machines.push_back({entry.ipAddr, "", false});
        }
    }
}

}  // namespace

LanSelectRequest::LanSelectRequest(int storeNo, bool controller, std::string title,
                                   std::string modelCode, bool receive)
    : title_(std::move(title)),
      controller_(controller),
      modelCode_(std::move(modelCode)),
      receive_(receive) {
    if (controller) {
        listStoreMachines<CTK73edbVek>(storeNo, machines_);
    } else {
        listStoreMachines<CTK73edbRegister>(storeNo, machines_);
    }
}

bool LanSelectRequest::searchAllowed() const {
    return !controller_ || (AecrbsGetLaunchVekTool() != 0 && modelCode_ != kUnknownModel);
}

void LanSelectRequest::search(bool again) {
    const std::vector<std::string> targets = searchTargets(again);
    if (!targets.empty()) {
        takeAnswers(searchMachines(controller_, targets), again);
    }
}

std::vector<std::string> LanSelectRequest::searchTargets(bool again) const {
    std::vector<std::string> targets;
    if (!searchAllowed()) {
        return targets;
    }
    if (!again) {
        return broadcastTargets();
    }
    for (const LanMachine& machine : machines_) {
        targets.push_back(machine.address);
    }
    return targets;
}

void LanSelectRequest::takeAnswers(const std::vector<SearchAnswer>& answers, bool again) {
    bool firstAdded = !again;
    for (const SearchAnswer& answer : answers) {
        if (controller_ && !modelCode_.empty() && answer.modelCode != modelCode_) {
            continue;
        }
        LanMachine* listed = nullptr;
        for (LanMachine& machine : machines_) {
            listed = machine.address == answer.address ? &machine : listed;
        }
        if (listed != nullptr) {
            if (controller_) {
                listed->machineNo = answer.machineNo;
            }
        } else if (!again) {
            machines_.push_back({answer.address, answer.machineNo, firstAdded});
            firstAdded = false;
        }
    }
}

void LanSelectRequest::check(size_t index, bool on) {
    if (index < machines_.size()) {
        machines_[index].checked = on;
    }
}

void LanSelectRequest::checkAll(bool on) {
    for (LanMachine& machine : machines_) {
        machine.checked = on;
    }
}

std::vector<std::string> LanSelectRequest::chosen() const {
    std::vector<std::string> addresses;
    for (const LanMachine& machine : machines_) {
        if (machine.checked) {
            addresses.push_back(machine.address);
        }
    }
    return addresses;
}

std::string LanSelectRequest::nothingChosenPrompt() const {
    return controller_ ? "Not selected control box. Please select control box."
                       : "Not selected ECR. Please select ECR.";
}

void LanSelectRequest::setPreview(SendPreview preview) {
    preview_ = std::move(preview);
    changes_.clear();
}

const RegisterChanges& LanSelectRequest::changesOf(size_t index) {
    static const RegisterChanges kNone;
    if (!preview_ || index >= machines_.size()) {
        return kNone;
    }
    const std::string& address = machines_[index].address;
    const auto known = changes_.find(address);
    if (known != changes_.end()) {
        return known->second;
    }
    return changes_.emplace(address, preview_(address)).first->second;
}

bool LanSelectRequest::changedOnlyDefault() {
    bool any = false;
    for (size_t index = 0; index < machines_.size(); ++index) {
        if (machines_[index].checked) {
            any = true;
            if (!changesOf(index).known) {
                return false;
            }
        }
    }
    return any;
}

bool LanSelectRequest::sendChangedOnly() {
    return previewing() && changedOnlyChoice_.value_or(changedOnlyDefault());
}

std::string changedRecordsText(const RegisterChanges& changes) {
    return changes.known ? std::to_string(changes.changedRecords) : "not known";
}

}  // namespace tk73lan
