#include "apps/editors/item/menu_items.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "apps/editors/framework/definition/item_title.h"
#include "definitions/no_case.h"
#include "definitions/profile_access.h"

namespace tk73item {

namespace {

// Key lists of a menu section are read into this many bytes, like every list of the
// definitions.
constexpr uint32_t kKeyListBytes = 32767;
constexpr uint32_t kValueChars = 255;

std::string menuSection(int menuNo) {
    char section[32];
    std::snprintf(section, sizeof(section), "PGM_MENU_%03d", menuNo);
    return section;
}

// The item numbers of the menu: those of its "ITEM_%03d_FILE" keys, ascending.
std::vector<int> itemNumbers(const std::string& definitionFile, const std::string& section) {
    std::vector<int> numbers;
    for (const std::string& key :
         tk73def::readProfileKeys(definitionFile, section.c_str(), kKeyListBytes)) {
        // "ITEM_" three digits "_FILE"
        const std::string_view name(key);
        if (name.size() == 13 && tk73def::equalsNoCase(name.substr(0, 5), "ITEM_") &&
            tk73def::equalsNoCase(name.substr(8), "_FILE") &&
            std::all_of(name.begin() + 5, name.begin() + 8,
                        [](char c) { return c >= '0' && c <= '9'; })) {
            numbers.push_back(std::atoi(key.c_str() + 5));
        }
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

bool fieldDisplayed(const std::string& definitionFile, const tagPGMITEMDEF& def) {
    char section[16];
    char key[16];
    std::snprintf(section, sizeof(section), "FILE%04d", def.nFileNo);
    std::snprintf(key, sizeof(key), "F%02dD", def.nFieldIndex);
    return !tk73def::equalsNoCase(
        tk73def::readProfileString(definitionFile, section, key, kValueChars), "OFF");
}

}  // namespace

const MenuItem* MenuItems::Find(int itemNo) const {
    const auto found = std::find_if(items.begin(), items.end(),
                                    [&](const MenuItem& item) { return item.itemNo == itemNo; });
    return found == items.end() ? nullptr : &*found;
}

int ReadMenuItems(CPgmHandle& handle, const std::string& definitionFile, int menuNo, int nameItem,
                  MenuItems& out) {
    out = MenuItems();
    tagPGMITEMDEF name;
    if (!handle.GetItemDef(&name, menuNo, nameItem, 1)) {
        return 0;
    }
    out.firstRecord = name.nFirstRecord;
    out.recordCount = name.nRecordCount;
    const std::string section = menuSection(menuNo);
    for (const int itemNo : itemNumbers(definitionFile, section)) {
        MenuItem item;
        item.itemNo = itemNo;
        if (!handle.GetItemDef(&item.def, menuNo, itemNo, 1) || item.def.nFileNo != name.nFileNo ||
            item.def.nMemoryType == PGM_MEMORY_FUNC) {
            continue;
        }
        item.meaning = findItemMeaning(menuNo, itemNo);
        // The definition's own title first: it is what the model's maker calls the item.
        item.label = tk73editor::definedItemTitle(definitionFile, menuNo, itemNo);
        if (item.label.empty()) {
            item.label = item.meaning != nullptr
                             ? item.meaning->label
                             : tk73editor::itemTitle(definitionFile, menuNo, itemNo);
        }
        if (item.label.empty()) {
            item.label = "Item " + std::to_string(itemNo);
        }
        item.displayed = fieldDisplayed(definitionFile, item.def);
        out.items.push_back(std::move(item));
    }
    return 1;
}

}  // namespace tk73item
