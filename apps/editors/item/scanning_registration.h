#pragma once
// Where a new scanning code goes in the scanning PLU file, and registering it there.
//
// The file has a fixed number of records; a free record holds the code of 14 zeros. A code that
// is registered already is edited where it is; otherwise it takes the first free record, and
// when there is none, the oldest record is reused after the user agreed. The age of a record is
// the order in which codes were registered: each registration writes the next number into the
// record's age item, so the oldest record is the used one with the lowest age. A model without
// an age item keeps no ages, and a full file then takes no more codes.

#include <string>

#include "apps/editors/item/menu_items.h"

namespace tk73item {

struct ScanningPlace {
    enum class Kind {
        Registered,  // the code is registered in record
        Free,        // record is the first free record
        Oldest,      // no free record; record is the oldest, with its code and name
        Full         // no free record and no ages
    };
    Kind kind = Kind::Full;
    int record = -1;
    std::string code;
    std::string name;
};

class ScanningRegistration {
  public:
    // items: the scanning set's items; codeItem, nameItem and ageItem their numbers.
    ScanningRegistration(CPgmHandle& handle, const MenuItems& items, int codeItem, int nameItem,
                         int ageItem);

    // Whether the model keeps the records' ages.
    bool KeepsAges() const { return age_ != nullptr; }

    // The record registered under the stored code, or -1.
    [[nodiscard]] int Find(const std::string& code);
    // Where the stored code goes (steps: registered, free, oldest, full).
    ScanningPlace Place(const std::string& code);
    // Writes the code into the record, and its age when ages are kept. A reused record first
    // loses the values of its former article: every item of the record becomes blank or 0. 1
    // on success.
    [[nodiscard]] int Register(int record, const std::string& code, bool reuse);

  private:
    // The next age; renumbers the ages 1, 2, ... in their order first when the next one would
    // not fit the age item.
    [[nodiscard]] int NextAge(uint64_t& age);
    [[nodiscard]] int ClearRecord(int record);

    CPgmHandle& handle_;
    const MenuItems& items_;
    tagPGMITEMDEF code_;
    tagPGMITEMDEF name_;
    const MenuItem* age_ = nullptr;
};

}  // namespace tk73item
