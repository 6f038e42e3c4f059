// The access engine of the program file handle: reads, writes and searches of item values over
// ranges of records.

#include <algorithm>
#include <map>

#include "programfiles/pgm_handle.h"
#include "programfiles/pgm_item_value.h"
#include "programfiles/pgm_line_layout.h"
#include "programfiles/pgm_open_file.h"
#include "programfiles/pgm_record_lines.h"

namespace {

// Record numbers have at most six digits, so no request needs more values than this per item.
constexpr long kMaxValues = 1000000;

bool inRange(const tagPGMITEMDEF& item, long record) {
    return record >= item.nFirstRecord &&
           record < static_cast<long>(item.nFirstRecord) + item.nRecordCount;
}

// One record line of a file. Its fields come from the layout that the access learned from an
// earlier line when this line matches it, else from walking the line.
class RecordLine {
  public:
    // maxIndex: the highest field index that the access needs in this file.
    RecordLine(const tk73pgm::PgmLoadedFile& file, tk73pgm::LineLayout& layout, int maxIndex,
               long record)
        : layout_(layout),
          bytes_(file.contents.bytes.get()),
          exists_(file.recordLine(record, start_) != 0),
          cursor_(bytes_, exists_ ? start_ : file.contents.size) {
        const size_t size = file.contents.size;
        useLayout_ = exists_ && (layout.matches(bytes_, size, start_) ||
                                 layout.learn(bytes_, size, start_, maxIndex));
    }

    bool exists() const { return exists_; }
    // Whether the fields come from the learned layout: then no quote stands inside them.
    bool usesLayout() const { return useLayout_; }

    // The item's characters in the line; false when the field or room for the item is missing.
    bool locate(const tagPGMITEMDEF& item, tk73pgm::FieldSpan& field, size_t& first) {
        if (useLayout_) {
            field = layout_.field(item.nFieldIndex, start_);
        } else if (!cursor_.seek(item.nFieldIndex, field)) {
            return false;
        }
        size_t count = 0;
        return tk73pgm::itemCharacters(field, item, first, count);
    }

  private:
    const tk73pgm::LineLayout& layout_;
    const char* bytes_;
    size_t start_ = 0;
    bool exists_;
    bool useLayout_ = false;
    tk73pgm::FieldCursor cursor_;
};

// The highest field index of the items of the file.
int highestField(const tagPGMITEMDEF* items, const std::vector<int>& order, int fileNo) {
    int highest = 0;
    for (int i : order) {
        if (items[i].nFileNo == fileNo) {
            highest = std::max(highest, items[i].nFieldIndex);
        }
    }
    return highest;
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
        const char* bytes = file.contents.bytes.get();
        // The items of the file with their values (in field order), the highest field they need
        // and the records that lie within the range of every one of them.
        struct Slot {
            const tagPGMITEMDEF* item;
            tagPGMITEMDATA* values;
        };
        std::vector<Slot> slots;
        int maxIndex = 0;
        long rangeFirst = 1;
        long rangeEnd = kMaxValues;
        for (size_t k = group; k < groupEnd; ++k) {
            const tagPGMITEMDEF& item = items[order[k]];
            slots.push_back({&item, values[order[k]].data() + firstValueIndex});
            maxIndex = std::max(maxIndex, item.nFieldIndex);
            rangeFirst = std::max(rangeFirst, static_cast<long>(item.nFirstRecord));
            rangeEnd = std::min(rangeEnd, static_cast<long>(item.nFirstRecord) + item.nRecordCount);
        }
        tk73pgm::LineLayout layout;
        std::string chars;
        bool ok = true;
        for (long record = firstRecord; ok && record < static_cast<long>(firstRecord) + recordCount;
             ++record) {
            RecordLine line(file, layout, maxIndex, record);
            ok = record >= rangeFirst && record < rangeEnd && line.exists();
            const size_t index = static_cast<size_t>(record - firstRecord);
            for (size_t k = 0; ok && k < slots.size(); ++k) {
                const tagPGMITEMDEF& item = *slots[k].item;
                tagPGMITEMDATA& value = slots[k].values[index];
                tk73pgm::FieldSpan field;
                size_t first = 0;
                ok = line.locate(item, field, first);
                if (ok && write) {
                    const char before = first > field.first ? bytes[first - 1] : '\0';
                    ok = tk73pgm::formatItemValue(bytes + first, before, item, value, field.quoted,
                                                  chars);
                    if (ok) {
                        open.write(first, chars);
                    }
                } else if (ok) {
                    ok = tk73pgm::readItemValue(bytes, first, item, value, !line.usesLayout());
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
    // Each file of the items, opened once, with the layout learned from its lines.
    struct SearchedFile {
        tk73pgm::PgmOpenFile open;
        tk73pgm::LineLayout layout;
        int maxIndex = 0;
    };
    std::map<int, SearchedFile> files;
    for (int i : order) {
        const int fileNo = items[i].nFileNo;
        if (files.count(fileNo) != 0) {
            continue;
        }
        SearchedFile& searched = files[fileNo];
        searched.maxIndex = highestField(items, order, fileNo);
        const std::string path = FilePath(fileNo, inDefaults);
        if (path.empty() ||
            !searched.open.open(path, inDefaults ? nullptr : FindLoaded(fileNo), false)) {
            return -1;
        }
    }
    for (long record = firstRecord; record >= 1; record += forward ? 1 : -1) {
        bool match = true;
        for (size_t k = 0; match && k < order.size(); ++k) {
            const tagPGMITEMDEF& item = items[order[k]];
            SearchedFile& searched = files[item.nFileNo];
            const tk73pgm::PgmLoadedFile& file = searched.open.file();
            RecordLine line(file, searched.layout, searched.maxIndex, record);
            tk73pgm::FieldSpan field;
            size_t first = 0;
            if (!inRange(item, record) || !line.exists() || !line.locate(item, field, first)) {
                return -1;
            }
            const int result = tk73pgm::matchItemValue(
                file.contents.bytes.get(), first, item,
                values[order[k]][static_cast<size_t>(firstValueIndex)], ignoreCase);
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
