#pragma once
// The items of one page set's menu as the store's definition defines them: every "ITEM_%03d"
// of the menu that resolves to the file of the set's records, with the label it is shown under:
// the definition's item title, else the item table's label, else its field's title.
// This is what makes the list columns and the record dialog follow the model: an item that a
// model does not define is not shown, and one the item table does not know is still shown,
// under its field's title.

#include <string>
#include <vector>

#include "apps/editors/item/item_catalogue.h"
#include "programfiles/pgm_handle.h"

namespace tk73item {

struct MenuItem {
    int itemNo = 0;
    tagPGMITEMDEF def;
    std::string label;
    // The item table's meaning, or null for an item it does not know.
    const ItemMeaning* meaning = nullptr;
    // Whether the item's field is shown: its "F%02dD" setting in the file's section is not
    // "OFF".
    bool displayed = true;
};

struct MenuItems {
    // The records of the set: the range of its name item.
    int firstRecord = 0;
    int recordCount = 0;
    std::vector<MenuItem> items;  // in item-number order

    // The item, or null when the menu does not define it.
    const MenuItem* Find(int itemNo) const;
};

// Resolves the menu's items (with loading: the file stays in the handle). 0 when the name item
// does not resolve: without it there are no records to list.
[[nodiscard]] int ReadMenuItems(CPgmHandle& handle, const std::string& definitionFile, int menuNo,
                                int nameItem, MenuItems& out);

}  // namespace tk73item
