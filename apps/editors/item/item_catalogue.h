#pragma once
// What the items of the item editor's menus mean: the label the list and the record dialog show
// for an item and, for an item that stands for one of several kinds, the texts of the kinds in
// the order of the item's value list ("ITEM_%03d_VALUE"). The definition decides which items a
// model has and where they live; this table only names them. An item it does not know is named
// after its field (menu_items.h).

#include <string>
#include <vector>

namespace tk73item {

struct ItemMeaning {
    std::string label;
    // Texts of the kinds, in value-list order; empty for an item that holds a number, a text or
    // a mark.
    std::vector<std::string> kinds;
    // The built-in values of the kinds, for a definition without a value list.
    std::vector<int> builtInValues;
};

// The meaning of the item, or null when the table does not know it.
const ItemMeaning* findItemMeaning(int menuNo, int itemNo);

}  // namespace tk73item
