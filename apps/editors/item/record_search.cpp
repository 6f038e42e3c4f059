#include "apps/editors/item/record_search.h"

namespace tk73item {

RecordSearch::RecordSearch(CPgmHandle& handle, const tagPGMITEMDEF& nameItem)
    : handle_(handle), nameItem_(nameItem) {}

int RecordSearch::MemoryJump(int memoryNo) const {
    return memoryNo >= nameItem_.nFirstRecord && memoryNo <= LastRecord() ? memoryNo : -1;
}

int RecordSearch::FindNext(int current, const NameSearch& search) {
    if (search.text.empty() || search.text.size() > static_cast<size_t>(nameItem_.nWidth)) {
        return -1;
    }
    const bool selected = current >= nameItem_.nFirstRecord && current <= LastRecord();
    int start = 0;
    if (search.forward) {
        start = selected ? current + 1 : nameItem_.nFirstRecord;
    } else {
        start = selected ? current - 1 : LastRecord();
    }
    if (start < nameItem_.nFirstRecord || start > LastRecord()) {
        return -1;
    }
    return handle_.SearchItem(&nameItem_, start, search.text.c_str(),
                              static_cast<int>(search.text.size()) + 1, search.forward ? 1 : 0,
                              search.caseSensitive ? 1 : 0, 0);
}

}  // namespace tk73item
