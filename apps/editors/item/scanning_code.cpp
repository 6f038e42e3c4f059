#include "apps/editors/item/scanning_code.h"

#include <algorithm>

namespace tk73item {

namespace {

constexpr size_t kLongestInStoreCode = 7;

bool allDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool hasCheckDigit(size_t length) {
    return length == 13 || length == 12 || length == 8;
}

std::string_view trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

int checkDigit(std::string_view digits) {
    int sum = 0;
    int weight = 3;
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
        sum += (*digit - '0') * weight;
        weight = 4 - weight;
    }
    return (10 - sum % 10) % 10;
}

std::optional<std::string> normaliseScanningCode(std::string_view typed) {
    const std::string_view code = trimmed(typed);
    if (code.empty() || code.size() > kTypedCodeLength || !allDigits(code)) {
        return std::nullopt;
    }
    if (hasCheckDigit(code.size())) {
        if (checkDigit(code.substr(0, code.size() - 1)) != code.back() - '0') {
            return std::nullopt;
        }
    } else if (code.size() > kLongestInStoreCode) {
        return std::nullopt;
    }
    std::string stored(kStoredCodeLength - code.size(), '0');
    stored += code;
    if (stored == kFreeCode) {
        return std::nullopt;
    }
    return stored;
}

}  // namespace tk73item
