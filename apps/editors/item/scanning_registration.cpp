#include "apps/editors/item/scanning_registration.h"

#include <algorithm>
#include <vector>

#include "apps/editors/item/scanning_code.h"

namespace tk73item {

namespace {

// The largest number the item's characters hold.
uint64_t largestValue(const tagPGMITEMDEF& item) {
    const uint64_t base = item.nDataType == PGM_DATA_HEX ? 16 : 10;
    uint64_t largest = 1;
    for (int digit = 0; digit < item.nWidth && largest <= UINT64_MAX / base; ++digit) {
        largest *= base;
    }
    return largest - 1;
}

std::string withoutTrailingBlanks(const std::string& text) {
    const size_t end = text.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

}  // namespace

ScanningRegistration::ScanningRegistration(CPgmHandle& handle, const MenuItems& items, int codeItem,
                                           int nameItem, int ageItem)
    : handle_(handle), items_(items) {
    if (const MenuItem* code = items.Find(codeItem)) {
        code_ = code->def;
    }
    if (const MenuItem* name = items.Find(nameItem)) {
        name_ = name->def;
    }
    age_ = items.Find(ageItem);
}

int ScanningRegistration::Find(const std::string& code) {
    if (code_.nFileNo == PGM_ITEM_UNUSED) {
        return -1;
    }
    return handle_.SearchItem(&code_, items_.firstRecord, code.c_str(),
                              static_cast<int>(code.size()) + 1, 1, 1, 0);
}

ScanningPlace ScanningRegistration::Place(const std::string& code) {
    ScanningPlace place;
    if ((place.record = Find(code)) > 0) {
        place.kind = ScanningPlace::Kind::Registered;
        return place;
    }
    if ((place.record = Find(kFreeCode)) > 0) {
        place.kind = ScanningPlace::Kind::Free;
        return place;
    }
    place.record = -1;
    if (!KeepsAges()) {
        return place;
    }
    tagPGMITEMDEF items[3] = {code_, name_, age_->def};
    PGMITEMDATAARRAY values[3];
    if (!handle_.ReadItems(items, 3, items_.firstRecord, items_.recordCount, values, 0)) {
        return place;
    }
    size_t oldest = 0;
    for (size_t i = 1; i < values[2].size(); ++i) {
        if (values[2][i].value < values[2][oldest].value) {
            oldest = i;
        }
    }
    place.kind = ScanningPlace::Kind::Oldest;
    place.record = values[2][oldest].record;
    place.code = values[0][oldest].text;
    place.name = withoutTrailingBlanks(values[1][oldest].text);
    return place;
}

int ScanningRegistration::ClearRecord(int record) {
    std::vector<tagPGMITEMDEF> defs;
    for (const MenuItem& item : items_.items) {
        defs.push_back(item.def);
    }
    std::vector<PGMITEMDATAARRAY> blanks(defs.size(), PGMITEMDATAARRAY(1));
    return handle_.WriteItems(defs.data(), static_cast<int>(defs.size()), record, 1, blanks.data(),
                              0);
}

int ScanningRegistration::NextAge(uint64_t& age) {
    tagPGMITEMDEF items[2] = {code_, age_->def};
    PGMITEMDATAARRAY values[2];
    if (!handle_.ReadItems(items, 2, items_.firstRecord, items_.recordCount, values, 0)) {
        return 0;
    }
    PGMITEMDATAARRAY& ages = values[1];
    uint64_t newest = 0;
    for (const tagPGMITEMDATA& value : ages) {
        newest = std::max(newest, value.value);
    }
    if (newest < largestValue(age_->def)) {
        age = newest + 1;
        return 1;
    }
    // Renumber the used records in the order of their ages; free records keep 0.
    std::vector<size_t> used;
    for (size_t i = 0; i < ages.size(); ++i) {
        if (values[0][i].text != kFreeCode) {
            used.push_back(i);
        }
    }
    std::stable_sort(used.begin(), used.end(),
                     [&](size_t a, size_t b) { return ages[a].value < ages[b].value; });
    for (size_t order = 0; order < used.size(); ++order) {
        ages[used[order]].value = order + 1;
    }
    tagPGMITEMDEF ageItem = age_->def;
    if (!handle_.WriteItems(&ageItem, 1, items_.firstRecord, items_.recordCount, &ages, 0)) {
        return 0;
    }
    age = used.size() + 1;
    return 1;
}

int ScanningRegistration::Register(int record, const std::string& code, bool reuse) {
    if (code_.nFileNo == PGM_ITEM_UNUSED || (reuse && !ClearRecord(record))) {
        return 0;
    }
    uint64_t age = 0;
    if (KeepsAges() && !NextAge(age)) {
        return 0;
    }
    if (!handle_.WriteItem(&code_, record, code.c_str(), static_cast<int>(code.size()) + 1)) {
        return 0;
    }
    if (!KeepsAges()) {
        return 1;
    }
    tagPGMITEMDEF ageItem = age_->def;
    return handle_.WriteItem(&ageItem, record, &age, sizeof(age));
}

}  // namespace tk73item
