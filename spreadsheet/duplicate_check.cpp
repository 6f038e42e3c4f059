#include "spreadsheet/duplicate_check.h"

#include <algorithm>

namespace tk73sheet {

bool DuplicateCheck::IsUnset(const std::string& value) const {
    return value.find_first_not_of(filler_) == std::string::npos ||
           value.find_first_not_of('0') == std::string::npos;
}

void DuplicateCheck::Set(int record, const std::string& value) {
    std::string& slot = values_[static_cast<size_t>(record - 1)];
    if (built_) {
        auto& before = holders_[slot];
        before.erase(std::remove(before.begin(), before.end(), record), before.end());
        holders_[value].push_back(record);
    }
    slot = value;
}

int DuplicateCheck::OtherHolder(int record) const {
    if (!built_) {
        for (size_t i = 0; i < values_.size(); ++i) {
            holders_[values_[i]].push_back(static_cast<int>(i) + 1);
        }
        built_ = true;
    }
    const std::string& value = values_[static_cast<size_t>(record - 1)];
    if (IsUnset(value)) {
        return 0;
    }
    for (const int holder : holders_.at(value)) {
        if (holder != record) {
            return holder;
        }
    }
    return 0;
}

}  // namespace tk73sheet
