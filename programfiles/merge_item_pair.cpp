#include "programfiles/merge_item_pair.h"

#include <algorithm>

#include "programfiles/merge_group_table.h"

namespace tk73pgm {

namespace {

bool isTextItem(const tagPGMITEMDEF& def) {
    return def.nDataType == PGM_DATA_CHAR;
}

// Items that hold codes or status characters and are merged as text.
bool mergedAsText(int item) {
    return item == 2 || item == 3 || item == 8;
}

// A digit or hexadecimal item read as its characters; a bit item stays a bit, since its width
// is a bit number rather than a count of characters.
void makeText(tagPGMITEMDEF& def) {
    if (def.nDataType == PGM_DATA_DIGIT || def.nDataType == PGM_DATA_HEX) {
        def.nDataType = PGM_DATA_CHAR;
    }
}

RecordRange rangeOf(const tagPGMITEMDEF& def) {
    return {def.nFirstRecord, def.nRecordCount};
}

// A number read has length 4 or 8; 0 marks one that its record's characters could not give.
bool unreadable(const tagPGMITEMDEF& def, const tagPGMITEMDATA& value) {
    return !isTextItem(def) && value.length == 0;
}

}  // namespace

bool MergeItemPair::comparable() const {
    return both() && isTextItem(reg) == isTextItem(vek);
}

RecordRange MergeItemPair::records() const {
    return commonRecords(rangeOf(reg), rangeOf(vek));
}

MergeItemPair resolveMergeItem(CPgmHandle& reg, CPgmHandle& vek, int item) {
    MergeItemPair pair;
    pair.item = item;
    pair.hasReg = reg.GetItemDef(&pair.reg, kMergeMenuNo, item, 1) == 1;
    pair.hasVek = vek.GetItemDef(&pair.vek, kMergeMenuNo, item, 1) == 1;
    if (mergedAsText(item)) {
        makeText(pair.reg);
        makeText(pair.vek);
    }
    return pair;
}

RecordRange commonRecords(const RecordRange& a, const RecordRange& b) {
    const int first = std::max(a.first, b.first);
    const int end = std::min(a.first + a.count, b.first + b.count);
    return {first, std::max(0, end - first)};
}

bool readItemValues(CPgmHandle& handle, tagPGMITEMDEF item, const RecordRange& range,
                    PGMITEMDATAARRAY& values) {
    values.clear();
    return range.count > 0 && handle.ReadItems(&item, 1, range.first, range.count, &values, 0) == 1;
}

bool writeItemValues(CPgmHandle& handle, tagPGMITEMDEF item, const RecordRange& range,
                     PGMITEMDATAARRAY& values) {
    if (range.count <= 0 || values.size() < static_cast<size_t>(range.count)) {
        return false;
    }
    const auto end = values.begin() + range.count;
    const bool allReadable = std::none_of(
        values.begin(), end, [&](const tagPGMITEMDATA& value) { return unreadable(item, value); });
    if (allReadable && handle.WriteItems(&item, 1, range.first, range.count, &values, 0) == 1) {
        return true;
    }
    // The range write stops at the first value that does not fit; the others still go in.
    bool written = true;
    for (int i = 0; i < range.count; ++i) {
        written = !unreadable(item, values[static_cast<size_t>(i)]) &&
                  handle.WriteItems(&item, 1, range.first + i, 1, &values, i) == 1 && written;
    }
    return written;
}

std::string withoutPadding(const std::string& text) {
    const size_t end = text.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

}  // namespace tk73pgm
