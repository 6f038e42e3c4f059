#include "apps/editors/item/item_value_text.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>

namespace tk73item {

namespace {

// Places beyond this are no price of a register.
constexpr int kMostPlaces = 8;

std::string withPlaces(uint64_t value, int places) {
    char digits[32];
    std::snprintf(digits, sizeof(digits), "%0*" PRIu64, places + 1, value);
    const std::string text = digits;
    const size_t point = text.size() - static_cast<size_t>(places);
    return text.substr(0, point) + "." + text.substr(point);
}

}  // namespace

std::string ItemValueText(const MenuItem& item, const tagPGMITEMDATA& value,
                          const std::vector<int>& kindValues) {
    const tagPGMITEMDEF& def = item.def;
    if (def.nDataType == PGM_DATA_CHAR) {
        const size_t end = value.text.find_last_not_of(' ');
        return end == std::string::npos ? std::string() : value.text.substr(0, end + 1);
    }
    if (def.nDataType == PGM_DATA_BIT) {
        return value.value != 0 ? "Yes" : "No";
    }
    if (item.meaning != nullptr && !item.meaning->kinds.empty()) {
        const size_t count = std::min(item.meaning->kinds.size(), kindValues.size());
        for (size_t kind = 0; kind < count; ++kind) {
            if (kindValues[kind] >= 0 && static_cast<uint64_t>(kindValues[kind]) == value.value) {
                return item.meaning->kinds[kind];
            }
        }
    }
    char text[32];
    if (def.nDataType == PGM_DATA_HEX) {
        std::snprintf(text, sizeof(text), "%" PRIX64, value.value);
        return text;
    }
    if (def.nMean > 0 && def.nMean <= kMostPlaces) {
        return withPlaces(value.value, def.nMean);
    }
    std::snprintf(text, sizeof(text), "%" PRIu64, value.value);
    return text;
}

}  // namespace tk73item
