#pragma once
// The no-function-price (NFP) marks of the PLU records: a mark item per record that the user
// clears for all records at once.

#include <vector>

#include "apps/editors/item/menu_items.h"

namespace tk73item {

// Clears the mark in every record of the set; cleared receives the records whose mark was set.
// 1 on success; 0 when the marks cannot be read or written (or the set has no mark item).
[[nodiscard]] int ClearNfpMarks(CPgmHandle& handle, const MenuItems& items, int nfpItem,
                                std::vector<int>& cleared);

}  // namespace tk73item
