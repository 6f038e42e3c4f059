#pragma once
// The four page sets of the item editor, one per page-set flag: which menu of the definition
// holds the records' items, which of those items play a part the editor needs (the name that
// the search looks for, a scanning PLU's code and age, the NFP mark), which items the list shows
// as columns, and how an edited record reaches the controller.
//
// An item is shown only when the store's definition defines it: a list column or record dialog
// entry of an item the model lacks is left out.

#include <string>
#include <vector>

namespace tk73item {

// "Merge kind": the merge group that carries a record to the controller (3.3's group keys).
inline constexpr int kNoCopy = 0;
inline constexpr int kMergePlu = 4;
inline constexpr int kMergeDepartment = 5;

// An item part that a set does not have (item 0 is a real item of some menus).
inline constexpr int kNoItem = -1;

struct ItemPageSet {
    std::string flag;
    std::string title;
    int menuNo = 0;
    int nameItem = 0;        // searched by the name search
    int codeItem = kNoItem;  // scanning code
    int ageItem = kNoItem;   // scanning record age
    int nfpItem = kNoItem;   // no-function-price mark
    int mergeKind = kNoCopy;
    std::vector<int> columns;  // items shown after "Mem No.", in order

    bool IsScanning() const { return codeItem != kNoItem; }
};

// The sets "S" department, "P" PLU, "C" scanning PLU, "G" group.
const std::vector<ItemPageSet>& itemPageSets();

// The set of a flag, or null.
const ItemPageSet* findItemPageSet(const std::string& flag);

}  // namespace tk73item
