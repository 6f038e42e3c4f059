#pragma once
// What follows when the item editor has written records of a page set's file:
//
// - While the editor works on the register's settings (the current controller setting is 0),
//   each written record is copied from the register to the store's controller through the
//   set's merge group (departments and PLUs; a store without a controller copies nothing).
// - The store's menu update time is stamped on the register and the controller when the menu
//   data changed: after writes of the menu update files (the scanning PLU file 2 and file 14)
//   and after writes of PLU records, which are the menu data itself and which the merge stamps
//   for as well when it copies them.

#include <vector>

#include "apps/editors/item/item_page_set.h"

namespace tk73item {

// storeNo: the active store; fileNo: the file of the set's records. 1 on success; 0 when a
// record could not be copied to the controller or the stamp could not be written (the records
// themselves are written already).
[[nodiscard]] int AfterRecordsWritten(int storeNo, const ItemPageSet& set, int fileNo,
                                      const std::vector<int>& records);

}  // namespace tk73item
