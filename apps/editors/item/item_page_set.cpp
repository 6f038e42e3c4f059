#include "apps/editors/item/item_page_set.h"

namespace tk73item {

namespace {

// The menus of the shipped definitions.
constexpr int kDepartmentMenu = 1;
constexpr int kPluMenu = 14;
constexpr int kGroupMenu = 15;
constexpr int kScanningMenu = 16;

std::vector<ItemPageSet> makeSets() {
    ItemPageSet department;
    department.flag = "S";
    department.title = "Department";
    department.menuNo = kDepartmentMenu;
    department.nameItem = 1;
    department.mergeKind = kMergeDepartment;
    department.columns = {1, 2, 3, 4, 6, 7};

    ItemPageSet plu;
    plu.flag = "P";
    plu.title = "PLU";
    plu.menuNo = kPluMenu;
    plu.nameItem = 2;
    plu.nfpItem = 17;
    plu.mergeKind = kMergePlu;
    plu.columns = {1, 2, 3, 15, 8, 9, 5, 7, 4};

    // A scanning PLU record is not a PLU record: the PLU merge group addresses the PLU file, so
    // copying "record n" through it would overwrite the controller's PLU n with the register's
    // PLU n, a record nobody edited. Scanning PLU records therefore stay on the register.
    ItemPageSet scanning;
    scanning.flag = "C";
    scanning.title = "Scanning PLU";
    scanning.menuNo = kScanningMenu;
    scanning.nameItem = 2;
    scanning.codeItem = 1;
    scanning.ageItem = 5;
    scanning.columns = {1, 2, 3, 4};

    ItemPageSet group;
    group.flag = "G";
    group.title = "Group";
    group.menuNo = kGroupMenu;
    group.nameItem = 1;
    group.columns = {1};

    return {department, plu, scanning, group};
}

}  // namespace

const std::vector<ItemPageSet>& itemPageSets() {
    static const std::vector<ItemPageSet> sets = makeSets();
    return sets;
}

const ItemPageSet* findItemPageSet(const std::string& flag) {
    for (const ItemPageSet& set : itemPageSets()) {
        if (set.flag == flag) {
            return &set;
        }
    }
    return nullptr;
}

}  // namespace tk73item
