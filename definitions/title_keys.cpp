#include "definitions/title_keys.h"

#include <algorithm>

#include "definitions/copy_out.h"
#include "definitions/decimal_text.h"
#include "definitions/numbered_name.h"
#include "definitions/profile_access.h"

namespace tk73def {

namespace {

constexpr uint32_t kKeyListBytes = 1024;

}  // namespace

TitleKeys::TitleKeys(const std::string& file, const char* section)
    : section_(section), keys_(readProfileKeys(file, section, kKeyListBytes)) {
    for (const std::string& key : keys_) {
        numbers_.push_back(decimalValue(key));
    }
}

int TitleKeys::Search(int number) const {
    const auto found = std::find(numbers_.begin(), numbers_.end(), number);
    return found == numbers_.end() ? -1 : static_cast<int>(found - numbers_.begin());
}

int TitleKeys::NumberAt(int index, int* number) const {
    if (number == nullptr || index < 0 || index >= Count()) {
        return 0;
    }
    *number = numbers_[static_cast<size_t>(index)];
    return 1;
}

int TitleKeys::TitleAt(const std::string& file, int index, int* number, char* title) const {
    if (title == nullptr || !NumberAt(index, number)) {
        return 0;
    }
    // The key as listed, so that a key written without leading zeros is still found.
    const std::string& key = keys_[static_cast<size_t>(index)];
    return copyOut(readProfileString(file, section_.c_str(), key.c_str(), kMaxTitle), title);
}

int TitleKeys::TitleOf(const std::string& file, int number, char* title) const {
    const std::string text =
        readProfileString(file, section_.c_str(), numberedName("%03d", number).c_str(), kMaxTitle);
    return copyOut(text, title) && !text.empty() ? 1 : 0;
}

int TitleKeys::SetTitle(const std::string& file, int number, const std::string& title) {
    const std::string key = numberedName("%03d", number);
    if (!writeProfileString(file, section_.c_str(), key.c_str(), quotedValue(title).c_str())) {
        return 0;
    }
    if (Search(number) < 0) {
        keys_.push_back(key);
        numbers_.push_back(number);
    }
    return 1;
}

}  // namespace tk73def
