// The access engine of the program file handle: reads, writes and searches of item values over
// ranges of records.

#include <algorithm>
#include <list>
#include <map>

#include "programfiles/pgm_handle.h"
#include "programfiles/pgm_item_value.h"
#include "programfiles/pgm_open_file.h"
#include "programfiles/pgm_record_lines.h"

namespace {

// Record numbers have at most six digits, so no request needs more values than this per item.
constexpr long kMaxValues = 1000000;

bool inRange(const tagPGMITEMDEF& item, long record) {
    return record >= item.nFirstRecord &&
           record < static_cast<long>(item.nFirstRecord) + item.nRecordCount;
}

// The item's characters in the record; false when the record, the field or room for the item
// is missing.
bool locateItem(tk73pgm::FieldCursor& cursor, const tagPGMITEMDEF& item, tk73pgm::FieldSpan& field,
                size_t& first) {
    size_t count = 0;
    return cursor.seek(item.nFieldIndex, field) &&
           tk73pgm::itemCharacters(field, item, first, count);
}

}  // namespace

int CPgmHandle::AccessItems(int operation, tagPGMITEMDEF* items, int itemCount, int firstRecord,
                            int recordCount, PGMITEMDATAARRAY* values, int firstValueIndex) {
    if (items == nullptr || itemCount < 1 || recordCount < 1 || values == nullptr ||
        firstValueIndex < 0 || operation < PGM_ACCESS_READ_DEFAULT ||
        operation > PGM_ACCESS_SEARCH_BACKWARD_CASE + PGM_ACCESS_SEARCH_DEFAULT ||
        static_cast<long>(firstValueIndex) + recordCount > kMaxValues) {
        return -1;
    }
    std::vector<int> order;
    for (int i = 0; i < itemCount; ++i) {
        const size_t needed = static_cast<size_t>(firstValueIndex) + recordCount;
        if (values[i].size() < needed) {
            values[i].resize(needed);
        }
        if (items[i].nFileNo != PGM_ITEM_UNUSED) {
            order.push_back(i);
        }
    }
    // Every file is opened once and every record line is walked from left to right.
    std::stable_sort(order.begin(), order.end(), [items](int a, int b) {
        if (items[a].nFileNo != items[b].nFileNo) {
            return items[a].nFileNo < items[b].nFileNo;
        }
        return items[a].nFieldIndex < items[b].nFieldIndex;
    });
    for (int i : order) {
        if (items[i].nMemoryType == PGM_MEMORY_FUNC && !ResolveFuncItem(&items[i], nullptr)) {
            return -1;
        }
    }
    if (operation <= PGM_ACCESS_WRITE) {
        return ReadWrite(operation, items, order, firstRecord, recordCount, values,
                         firstValueIndex);
    }
    return Search(operation, items, order, firstRecord, values, firstValueIndex);
}

int CPgmHandle::ReadWrite(int operation, tagPGMITEMDEF* items, const std::vector<int>& order,
                          int firstRecord, int recordCount, PGMITEMDATAARRAY* values,
                          int firstValueIndex) {
    const bool write = operation == PGM_ACCESS_WRITE;
    const bool inDefaults = operation == PGM_ACCESS_READ_DEFAULT;
    for (size_t group = 0; group < order.size();) {
        const int fileNo = items[order[group]].nFileNo;
        size_t groupEnd = group;
        while (groupEnd < order.size() && items[order[groupEnd]].nFileNo == fileNo) {
            ++groupEnd;
        }
        tk73pgm::PgmLoadedFile* loaded = inDefaults ? nullptr : FindLoaded(fileNo);
        const std::string path = FilePath(fileNo, inDefaults);
        tk73pgm::PgmOpenFile open;
        if (path.empty() || !open.open(path, loaded, write)) {
            return -1;
        }
        const tk73pgm::PgmLoadedFile& file = open.file();
        char* bytes = file.contents.bytes.get();
        bool ok = true;
        for (long record = firstRecord; ok && record < static_cast<long>(firstRecord) + recordCount;
             ++record) {
            size_t lineStart = 0;
            ok = file.recordLine(record, lineStart);
            tk73pgm::FieldCursor cursor(bytes, file.contents.size,
                                        ok ? lineStart : file.contents.size);
            for (size_t k = group; ok && k < groupEnd; ++k) {
                const tagPGMITEMDEF& item = items[order[k]];
                tagPGMITEMDATA& value =
                    values[order[k]][static_cast<size_t>(firstValueIndex + (record - firstRecord))];
                tk73pgm::FieldSpan field;
                size_t first = 0;
                ok = inRange(item, record) && locateItem(cursor, item, field, first);
                if (ok && write) {
                    std::string chars;
                    const char before = first > field.first ? bytes[first - 1] : '\0';
                    ok = tk73pgm::formatItemValue(bytes + first, before, item, value, field.quoted,
                                                  chars);
                    if (ok) {
                        open.write(first, chars);
                    }
                } else if (ok) {
                    ok = tk73pgm::readItemValue(bytes, first, item, value);
                    value.record = static_cast<int32_t>(record);
                }
            }
        }
        if (!open.close()) {
            // The loaded copy holds changes that did not reach the file.
            if (loaded != nullptr) {
                DropLoaded(fileNo);
            }
            return -1;
        }
        if (!ok) {
            return -1;
        }
        group = groupEnd;
    }
    return 0;
}

int CPgmHandle::Search(int operation, tagPGMITEMDEF* items, const std::vector<int>& order,
                       int firstRecord, PGMITEMDATAARRAY* values, int firstValueIndex) {
    const bool inDefaults = operation > PGM_ACCESS_SEARCH_BACKWARD_CASE;
    if (inDefaults) {
        operation -= PGM_ACCESS_SEARCH_DEFAULT;
    }
    const bool forward = operation <= PGM_ACCESS_SEARCH_FORWARD_CASE;
    const bool ignoreCase =
        operation == PGM_ACCESS_SEARCH_FORWARD || operation == PGM_ACCESS_SEARCH_BACKWARD;
    if (order.empty()) {
        return -1;
    }
    std::list<tk73pgm::PgmOpenFile> opened;
    std::map<int, const tk73pgm::PgmLoadedFile*> files;
    for (int i : order) {
        const int fileNo = items[i].nFileNo;
        if (files.count(fileNo) != 0) {
            continue;
        }
        const std::string path = FilePath(fileNo, inDefaults);
        tk73pgm::PgmOpenFile& open = opened.emplace_back();
        if (path.empty() || !open.open(path, inDefaults ? nullptr : FindLoaded(fileNo), false)) {
            return -1;
        }
        files[fileNo] = &open.file();
    }
    for (long record = firstRecord; record >= 1; record += forward ? 1 : -1) {
        bool match = true;
        for (size_t k = 0; match && k < order.size(); ++k) {
            const tagPGMITEMDEF& item = items[order[k]];
            const tk73pgm::PgmLoadedFile& file = *files[item.nFileNo];
            size_t lineStart = 0;
            if (!inRange(item, record) || !file.recordLine(record, lineStart)) {
                return -1;
            }
            const char* bytes = file.contents.bytes.get();
            tk73pgm::FieldCursor cursor(bytes, file.contents.size, lineStart);
            tk73pgm::FieldSpan field;
            size_t first = 0;
            if (!locateItem(cursor, item, field, first)) {
                return -1;
            }
            const int result = tk73pgm::matchItemValue(
                bytes, first, item, values[order[k]][static_cast<size_t>(firstValueIndex)],
                ignoreCase);
            if (result < 0) {
                return -1;
            }
            match = result == 1;
        }
        if (match) {
            return static_cast<int>(record);
        }
    }
    return -1;
}
