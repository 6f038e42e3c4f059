#include "operations/sd_card.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "base/registry_settings.h"
#include "platform/removable_volumes.h"

namespace tk73ops {

namespace {

constexpr const char* kCardValue = "SDCARD_DRV";

}  // namespace

std::string LastCardFolder() {
    char folder[4096] = {};
    AecrbsGetRegistryCurrentUserSystemString(nullptr, folder, sizeof folder, kCardValue);
    std::error_code error;
    return std::filesystem::is_directory(folder, error) ? folder : std::string();
}

SdCardChoice::SdCardChoice(SdCardUse use)
    : title_(use == SdCardUse::Open ? "Open" : "Save"),
      prompt_(use == SdCardUse::Open ? "Please select the SD card written in ECR."
                                     : "Please select the SD card you want to save."),
      folders_(tk73::removableVolumes()) {
    // A card folder that is gone (the card was taken out) is no choice, just as a drive letter
    // that is not present is not listed.
    const std::string last = LastCardFolder();
    auto found = std::find(folders_.begin(), folders_.end(), last);
    if (found == folders_.end() && !last.empty()) {
        found = folders_.insert(folders_.end(), last);
    }
    if (found != folders_.end()) {
        preselected_ = static_cast<int>(found - folders_.begin());
    } else if (!folders_.empty()) {
        preselected_ = 0;
    }
}

const char* SdCardChoice::browseEntry() {
    return "Browse...";
}

int SdCardChoice::browse(int current) {
    const bool known = current >= 0 && current < static_cast<int>(folders_.size());
    const std::optional<std::string> picked =
        tk73::ui().chooseFolder(prompt_, known ? folders_[current] : std::string());
    if (!picked || picked->empty()) {
        return -1;
    }
    auto found = std::find(folders_.begin(), folders_.end(), *picked);
    if (found == folders_.end()) {
        found = folders_.insert(folders_.end(), *picked);
    }
    return static_cast<int>(found - folders_.begin());
}

bool SdCardChoice::accept(int index, const std::string& caption) {
    if (index < 0 || index >= static_cast<int>(folders_.size())) {
        tk73::ui().message("Select the drive letter.", caption, tk73::MessageIcon::Exclamation);
        return false;
    }
    chosen_ = folders_[index];
    // Only the preselection of the next time depends on the value, so a user hive that cannot
    // be written does not stop the flow that asked for the card.
    AecrbsSetRegistryCurrentUserSystemString(nullptr, kCardValue, chosen_.c_str());
    return true;
}

int SelectSdCard(SdCardUse use, std::string* folder) {
    SdCardChoice choice(use);
    SdCardRequest request(choice);
    if (tk73::ui().showDialog(request) != tk73::Button::Ok || choice.chosenFolder().empty()) {
        return 0;
    }
    if (folder != nullptr) {
        *folder = choice.chosenFolder();
    }
    return 1;
}

}  // namespace tk73ops
