#pragma once
// The record dialog: one record of a page set as a page of the framework, under the set's
// title, with Restore defaults, OK and Cancel (page_set_dialog.h). It shows the record's memory
// number (and a scanning PLU's code, which only the Add dialog sets) and one control per item
// the definition gives the set's menu, in item order, leaving out the items whose field is not
// displayed and the scanning code and age, which the editor keeps itself:
//
//   text item                        an edit field of the item's width
//   mark (bit)                       a check box
//   item with kinds                  a drop-down list of the kinds
//   number with a value list only    a drop-down list of the numbers
//   other numbers                    an edit field, with the item's decimal places

#include <memory>

#include "apps/editors/framework/page_set_dialog.h"
#include "apps/editors/item/item_page_set.h"
#include "apps/editors/item/menu_items.h"

namespace tk73item {

std::unique_ptr<tk73editor::PageSetDialog> MakeRecordDialog(tk73editor::PgmMenuContext& context,
                                                            const ItemPageSet& set,
                                                            const MenuItems& items, int record,
                                                            QWidget* parent);

}  // namespace tk73item
