#pragma once
// What an item is called where a shop owner reads it: the title the definition gives the item
// itself ("ITEM_%03d_TITLE" of its menu, a key of our installation), else the title of the field
// it lies in ("ITEM_%03d_FIELD" in "FIELD_TITLES"). Field titles are shared by every item of a
// field (the marks of a status field), so the item's own title comes first.

#include <string>

namespace tk73editor {

// "ITEM_%03d_TITLE" without leading blanks; empty when the definition gives none.
std::string definedItemTitle(const std::string& definitionFile, int menuNo, int itemNo);
// The defined title, else the field's title (without leading blanks), else empty.
std::string itemTitle(const std::string& definitionFile, int menuNo, int itemNo);

// The value of the item key "ITEM_%03d" with the suffix in the item's menu section, empty when
// missing.
std::string itemKey(const std::string& definitionFile, int menuNo, int itemNo, const char* suffix);

}  // namespace tk73editor
