#pragma once
// The text a list column shows for one item value: a name without its padding, a price with
// its decimal places ("ITEM_%03d_MEAN": 429 with two places is "4.29"), the kind a value stands
// for, "Yes" or "No" for a mark, and hexadecimal digits for a hexadecimal item.

#include <string>
#include <vector>

#include "apps/editors/item/menu_items.h"

namespace tk73item {

// kindValues: the values the item's kinds stand for (its value list, else the built-in one).
std::string ItemValueText(const MenuItem& item, const tagPGMITEMDATA& value,
                          const std::vector<int>& kindValues);

}  // namespace tk73item
