#include "apps/editors/item/nfp_marks.h"

namespace tk73item {

int ClearNfpMarks(CPgmHandle& handle, const MenuItems& items, int nfpItem,
                  std::vector<int>& cleared) {
    cleared.clear();
    const MenuItem* mark = items.Find(nfpItem);
    if (mark == nullptr) {
        return 0;
    }
    tagPGMITEMDEF def = mark->def;
    PGMITEMDATAARRAY values;
    if (!handle.ReadItems(&def, 1, items.firstRecord, items.recordCount, &values, 0)) {
        return 0;
    }
    for (tagPGMITEMDATA& value : values) {
        if (value.value != 0) {
            cleared.push_back(value.record);
            value.value = 0;
        }
    }
    if (cleared.empty()) {
        return 1;
    }
    return handle.WriteItems(&def, 1, items.firstRecord, items.recordCount, &values, 0);
}

}  // namespace tk73item
